#include "graficociclo.h"

#include "testi.h"

#include "shell/numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace verifica {

namespace {

using grafico::Disegno;
using grafico::Etichetta;

// the plotting area, with room for the numbers on the left and the line names on the right
constexpr double sinistra = 70, destra = larghezzaGrafico - 90, alto = 24,
                 basso = altezzaGrafico - 40;
constexpr double punti = 8;
constexpr Colore nero = colori::nero;
constexpr Colore griglia = Colore::rgb(225, 225, 225);

// A chart has at most this many ticks on an axis; a range that would need more, or that
// overflows, is not drawn.
constexpr int tacche = 50;

// A round step (1, 2 or 5 times a power of ten) for about `quante` ticks over `campo`; 0 when
// there is none (a range that is not a positive finite number, or too small for one).
double passo(double campo, int quante)
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
std::optional<int> passi(double da, double a, double p)
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

void etichetta(Disegno &d, const QString &testo, double left, double top, Colore colore = nero,
               Etichetta::Ancora ancora = Etichetta::Ancora::inizio)
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

void linea(Disegno &d, double x1, double y1, double x2, double y2, Colore colore, int spessore = 1)
{
    d.segmenti.push_back({x1, y1, x2, y2, colore, spessore});
}

// A horizontal line across the chart, named at its right end.
struct Livello {
    QString nome;
    double valore;
    Colore colore;
};

} // namespace

Disegno graficoCiclo(const Ciclo &c, const Analisi &a, const Motore *motore, const NumberFormat &f)
{
    Disegno d;
    const bool gradini = a.calcolata() && a.valido();

    std::vector<Livello> livelli;
    std::vector<double> valori{0};
    if (a.calcolata()) {
        valori.insert(valori.end(), {a.Cacc, a.Creg, a.Cdec.value_or(0)});
        livelli.push_back({QStringLiteral("Ceff"), a.Ceff, coloriGrafico::efficace});
    }
    if (motore) {
        livelli.push_back({QStringLiteral("Cn"), motore->coppiaNominale(), coloriGrafico::nominale});
        livelli.push_back({QStringLiteral("Cmax"), motore->Cmax, coloriGrafico::massima});
    }
    for (const Livello &l : livelli)
        valori.push_back(l.valore);
    double minimo = *std::min_element(valori.begin(), valori.end());
    double massimo = *std::max_element(valori.begin(), valori.end());
    if (!(massimo - minimo > 0) || !std::isfinite(massimo - minimo))
        massimo = minimo + 1;
    const double passoC = passo(massimo - minimo, 5);
    if (passoC > 0) {
        minimo = std::floor(minimo / passoC) * passoC;
        massimo = std::ceil(massimo * 1.05 / passoC) * passoC;
        if (massimo <= minimo)
            massimo = minimo + passoC;
    }
    const double durata = gradini ? c.Tf : 1;
    const double passoT = passo(durata, 8);
    const std::optional<int> righeGriglia = passi(minimo, massimo, passoC);
    const std::optional<int> tacchePerTempo = passi(0, durata, passoT);
    if (!righeGriglia || !tacchePerTempo) {
        etichetta(d, fuoriScala(), (sinistra + destra) / 2, (alto + basso) / 2, nero,
                  Etichetta::Ancora::centro);
        return d;
    }
    const Scala y{minimo, massimo, basso, alto};
    const Scala x{0, durata, sinistra, destra};

    // the torque numbers with their grid, then the axes: time along zero torque
    for (int i = 0; i <= *righeGriglia; ++i) {
        const double v = minimo + i * passoC;
        linea(d, sinistra, y(v), destra, y(v), griglia);
        etichetta(d, f.general(std::abs(v) < passoC / 2 ? 0 : v), sinistra - 6, y(v) - 7, nero,
                  Etichetta::Ancora::fine);
    }
    linea(d, sinistra, alto - 10, sinistra, basso, nero);
    linea(d, sinistra, y(0), destra + 10, y(0), nero);
    etichetta(d, QStringLiteral("C [kgm]"), 8, 2);
    etichetta(d, QStringLiteral("t [s]"), destra + 14, y(0) - 7);

    if (gradini) {
        for (int i = 0; i <= *tacchePerTempo; ++i) {
            const double t = i * passoT;
            linea(d, x(t), basso, x(t), basso + 5, nero);
            etichetta(d, f.general(t), x(t), basso + 7, nero, Etichetta::Ancora::centro);
        }
        // two equal moves, half a cycle apart, each up to speed, along, and down to rest
        const double tratti[][2] = {{c.Tac, a.Cacc}, {a.treg, a.Creg}, {c.Tdec, *a.Cdec}};
        double t = 0, coppia = 0;
        const auto fino = [&](double tFine, double cNuova) {
            linea(d, x(t), y(coppia), x(t), y(cNuova), coloriGrafico::coppia, 2);
            linea(d, x(t), y(cNuova), x(tFine), y(cNuova), coloriGrafico::coppia, 2);
            t = tFine;
            coppia = cNuova;
        };
        for (const double inizio : {0.0, c.Tf / 2}) {
            fino(inizio, 0);
            for (const auto &[durataTratto, cTratto] : tratti)
                fino(t + durataTratto, cTratto);
        }
        fino(c.Tf, 0);
    } else {
        const QString motivo = a.calcolata() ? QStringLiteral("servizio continuo: ") + a.motivo
                                             : QStringLiteral("non calcolabile: ") + a.nonCalcolabile;
        etichetta(d, motivo, (sinistra + destra) / 2, alto, nero, Etichetta::Ancora::centro);
    }

    // the levels, their names kept apart when their values are close
    std::sort(livelli.begin(), livelli.end(),
              [](const Livello &p, const Livello &q) { return p.valore > q.valore; });
    double prossimo = -1e9;
    for (const Livello &l : livelli) {
        linea(d, sinistra, y(l.valore), destra, y(l.valore), l.colore);
        const double top = std::max(y(l.valore) - 7, prossimo);
        etichetta(d, l.nome + QLatin1Char(' ') + cifra(l.valore, QStringLiteral("##0.000"), f),
                  destra + 4, top, l.colore);
        prossimo = top + 13;
    }
    return d;
}

} // namespace verifica
