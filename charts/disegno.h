#pragma once
// A chart as the core computes it: straight segments and labels in window pixels (origin at
// the top-left of the client area, y downwards). The view and the printer only paint it.

#include "shell/colore.h"

#include <QString>
#include <optional>
#include <vector>

namespace grafico {

struct Segmento {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colore colore;
    int spessore = 1; // pen width in pixels
};

struct Etichetta {
    QString nome; // lblY, Labelx, lbl_Y, lblDat(0) ...
    QString testo;
    double left = 0, top = 0;
    double punti = 9.75; // Arial bold, size in points
    Colore testoColore;
    std::optional<Colore> sfondo; // opaque background when set, transparent otherwise
    // where `left` is: the text's start, its middle (numbers under an axis), or its end
    // (numbers beside an axis)
    enum class Ancora { inizio, centro, fine } ancora = Ancora::inizio;
};

struct Disegno {
    std::vector<Segmento> segmenti;
    std::vector<Etichetta> etichette;
};

} // namespace grafico
