#pragma once
// The colours and fonts of the design as Qt's: what the windows, the charts and the printed
// report share. QtGui only, so the batch program draws with it without the widgets.

#include "shell/colore.h"

#include <QColor>
#include <QFont>

namespace ui {

inline QColor qcolor(const Colore &c)
{
    return QColor(c.r, c.g, c.b);
}

QFont arial(double points, bool bold);
// Fixed pitch: the report's columns and print zones count characters.
QFont courierNew(double points, bool bold);

} // namespace ui
