#include "graficociclo.h"

#include "assi.h"
#include "testi.h"

#include "shell/numbers.h"

#include <algorithm>
#include <cmath>

namespace verifica {

using namespace assi;

namespace {

constexpr double sinistra = 70, destra = larghezzaGrafico - 90, alto = 24, basso = altezzaGrafico - 40;
constexpr int trattiCurva = 40; // of the constant-power part of a motor's curve

} // namespace

Disegno graficoBobina(const Bobina &, const AnalisiBobina &a, const Motore *motore, const NumberFormat &f)
{
    Disegno d;
    double nFine = 0, cFine = 0;
    if (a.calcolata())
        for (int i = 0; i < diametri; ++i) {
            nFine = std::max(nFine, a.n[i]);
            cFine = std::max({cFine, std::fabs(a.Creg[i]), std::fabs(a.Cacc[i]), std::fabs(a.Cdec[i])});
        }
    if (motore) {
        nFine = std::max({nFine, motore->nmax, motore->nn});
        cFine = std::max({cFine, motore->coppiaNominale(), motore->Cmax});
    }
    if (!(nFine > 0))
        nFine = 1;
    if (!(cFine > 0))
        cFine = 1;
    const double passoC = passo(cFine, 5);
    const double passoN = passo(nFine, 8);
    const double cAlto = passoC > 0 ? std::ceil(cFine * 1.05 / passoC) * passoC : 0;
    const double nAlto = passoN > 0 ? std::ceil(nFine * 1.02 / passoN) * passoN : 0;
    const std::optional<int> righe = passi(0, cAlto, passoC);
    const std::optional<int> tacchePerGiri = passi(0, nAlto, passoN);
    if (!righe || !tacchePerGiri) {
        etichetta(d, fuoriScala(), (sinistra + destra) / 2, (alto + basso) / 2, nero, Etichetta::Ancora::centro);
        return d;
    }
    const Scala x{0, nAlto, sinistra, destra};
    const Scala y{0, cAlto, basso, alto};
    for (int i = 0; i <= *righe; ++i) {
        const double v = i * passoC;
        linea(d, sinistra, y(v), destra, y(v), griglia);
        etichetta(d, f.general(v), sinistra - 6, y(v) - 7, nero, Etichetta::Ancora::fine);
    }
    linea(d, sinistra, alto - 10, sinistra, basso, nero);
    linea(d, sinistra, basso, destra + 10, basso, nero);
    etichetta(d, QStringLiteral("C [kgm]"), 8, 2);
    for (int i = 0; i <= *tacchePerGiri; ++i) {
        const double n = i * passoN;
        linea(d, x(n), basso, x(n), basso + 5, nero);
        etichetta(d, f.general(n), x(n), basso + 7, nero, Etichetta::Ancora::centro);
    }
    etichetta(d, QStringLiteral("n [rpm]"), larghezzaGrafico - 4, basso + 21, nero, Etichetta::Ancora::fine);
    // the motor's largest speed, named at its line
    if (motore)
        etichetta(d, QStringLiteral("nmax ") + cifra(motore->nmax, QStringLiteral("##00"), f), x(motore->nmax) + 3,
                  alto - 14, coloriGrafico::massima);

    if (!a.calcolata())
        etichetta(d, QStringLiteral("non calcolabile: ") + testoMotivo(a.nonCalcolabile), (sinistra + destra) / 2,
                  alto, nero, Etichetta::Ancora::centro);
    else
        for (const auto &[serie, colore] : {std::pair{&a.Creg, coloriGrafico::coppia},
                                            std::pair{&a.Cacc, coloriGrafico::accelerazione},
                                            std::pair{&a.Cdec, coloriGrafico::decelerazione}})
            for (int i = 1; i < diametri; ++i)
                linea(d, x(a.n[i - 1]), y(std::fabs((*serie)[i - 1])), x(a.n[i]), y(std::fabs((*serie)[i])),
                      colore, 2);

    if (motore) {
        // flat up to the rated speed, then constant power up to the largest speed, where the
        // curve stops on a vertical line
        using Curva = double (Motore::*)(double) const;
        for (const auto &[curva, colore] : {std::pair<Curva, Colore>{&Motore::coppiaContinua, coloriGrafico::nominale},
                                            std::pair<Curva, Colore>{&Motore::coppiaDiPicco, coloriGrafico::massima}}) {
            const auto coppiaA = [motore, curva = curva](double n) { return (motore->*curva)(n); };
            const double piano = std::min(motore->nn, motore->nmax);
            linea(d, x(0), y(coppiaA(0)), x(piano), y(coppiaA(0)), colore, 2);
            for (int i = 0; i < trattiCurva && motore->nmax > piano; ++i) {
                const double n1 = piano + (motore->nmax - piano) * i / trattiCurva;
                const double n2 = piano + (motore->nmax - piano) * (i + 1) / trattiCurva;
                linea(d, x(n1), y(coppiaA(n1)), x(n2), y(coppiaA(n2)), colore, 2);
            }
            linea(d, x(motore->nmax), y(coppiaA(motore->nmax)), x(motore->nmax), y(0), colore, 1);
        }
    }
    return d;
}

} // namespace verifica
