#pragma once
// Painting of a chart drawing: on the window's retained image and, through it, on the printer.

#include "charts/disegno.h"

#include <QImage>
#include <QSize>

class QPainter;

// Segments with crisp, unsmoothed pixels, then the labels (Arial bold, sized to their text).
void dipingiGrafico(QPainter &painter, const grafico::Disegno &disegno);

// A white image of size logical pixels (size * devicePixelRatio device pixels) with the
// chart painted on it.
QImage immagineGrafico(const grafico::Disegno &disegno, QSize size = QSize(1024, 725),
                       qreal devicePixelRatio = 1);
