#pragma once
// What the check's two charts share: the plotting area, round steps for the axes, bounded in
// number, a linear scale, the torque axis and the horizontal axis with their numbers, and the
// drawing of labels and lines.

#include "graficociclo.h"

#include "charts/disegno.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

class NumberFormat;

namespace verifica::assi {

using grafico::Disegno;
using grafico::Etichetta;

// A chart has at most this many ticks on an axis; a range that would need more, or that
// overflows, is not drawn.
constexpr int tacche = 50;
constexpr double punti = 8;
constexpr double altezzaRiga = 13; // of a label, in pixels
constexpr Colore nero = colori::nero;
constexpr Colore griglia = Colore::rgb(225, 225, 225);
// the plotting area, with room for the numbers on the left and the line names on the right
constexpr double sinistra = 70, destra = larghezzaGrafico - 90, alto = 24,
                 basso = altezzaGrafico - 40;

// A round step (1, 2 or 5 times a power of ten) for about `quante` ticks over `campo`; 0 when
// there is none (a range that is not a positive finite number, or too small for one).
inline double passo(double campo, int quante)
{
    const double grezzo = campo / quante;
    if (!(grezzo > 0) || !std::isfinite(grezzo))
        return 0;
    const double decade = std::pow(10, std::floor(std::log10(grezzo)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * decade >= grezzo)
            return std::isfinite(m * decade) ? m * decade : 0;
    return std::isfinite(10 * decade) ? 10 * decade : 0;
}

// The number of steps from `da` to `a`, when the range can be drawn with `p`.
inline std::optional<int> passi(double da, double a, double p)
{
    const double n = (a - da) / p;
    if (!(p > 0) || !std::isfinite(n) || n > tacche)
        return std::nullopt;
    return int(std::floor(n * (1 + 1e-9)));
}

struct Scala {
    double da, a;
    double pixelDa, pixelA;
    double operator()(double v) const { return pixelDa + (v - da) / (a - da) * (pixelA - pixelDa); }
};

inline void etichetta(Disegno &d, const QString &testo, double left, double top,
                      Colore colore = nero, Etichetta::Ancora ancora = Etichetta::Ancora::inizio)
{
    Etichetta e;
    e.testo = testo;
    e.left = left;
    e.top = top;
    e.punti = punti;
    e.testoColore = colore;
    e.ancora = ancora;
    d.etichette.push_back(e);
}

inline void linea(Disegno &d, double x1, double y1, double x2, double y2, Colore colore,
                  int spessore = 1)
{
    d.segmenti.push_back({x1, y1, x2, y2, colore, spessore});
}

// Labels stacked in a column: each wants its top, in order from the top; none overlaps the
// one above it, and all stay between `alto` and `basso`.
inline std::vector<double> impila(std::vector<double> voluti, double alto, double basso)
{
    for (std::size_t i = 0; i < voluti.size(); ++i)
        voluti[i] = std::clamp(i ? std::max(voluti[i], voluti[i - 1] + altezzaRiga) : voluti[i],
                               alto, std::max(alto, basso));
    for (std::size_t i = voluti.size(); i-- > 1;)
        voluti[i - 1] = std::min(voluti[i - 1], voluti[i] - altezzaRiga);
    return voluti;
}

// The torque axis for the values, from a round step below the smallest to one above the
// largest: its scale and its numbers with their grid; nothing when the range cannot be drawn.
std::optional<Scala> asseCoppie(Disegno &d, const std::vector<double> &valori,
                                const NumberFormat &f);

// The numbers under the horizontal axis, every `passo` from 0 to `fine`, and the axis's name at
// its right end under them; false when the range cannot be drawn.
bool asseOrizzontale(Disegno &d, const Scala &x, double fine, double passo, const QString &nome,
                     const NumberFormat &f);

// A chart whose ranges cannot be drawn: "fuori scala" in its middle.
Disegno fuoriScalaGrafico();

} // namespace verifica::assi
