#include "graficociclo.h"

#include "assi.h"
#include "testi.h"

#include "calcolo/numbers.h"

#include <algorithm>
#include <cmath>

namespace verifica {

using namespace assi;

namespace {

constexpr int trattiCurva = 40; // of the constant-power part of a motor's curve

} // namespace

Disegno graficoBobina(const Bobina &, const AnalisiBobina &a, const Motore *motore,
                      const NumberFormat &f)
{
    Disegno d;
    double nFine = 0, cFine = 0;
    if (a.calcolata())
        for (int i = 0; i < diametri; ++i) {
            nFine = std::max(nFine, a.n[i]);
            cFine =
                std::max({cFine, std::fabs(a.Creg[i]), std::fabs(a.Cacc[i]), std::fabs(a.Cdec[i])});
        }
    if (motore) {
        nFine = std::max({nFine, motore->nmax, motore->nn});
        cFine = std::max({cFine, motore->coppiaNominale(), motore->Cmax});
    }
    if (!(nFine > 0))
        nFine = 1;
    // torques from 0 up, speeds from 0 to a round step past the largest
    const double passoN = passo(nFine, 8);
    const double nAlto = passoN > 0 ? std::ceil(nFine * 1.02 / passoN) * passoN : 0;
    const std::optional<Scala> y = asseCoppie(d, {0, cFine}, f);
    const Scala x{0, nAlto, sinistra, destra};
    if (!y || !passi(0, nAlto, passoN))
        return fuoriScalaGrafico();
    linea(d, sinistra, basso, destra + 10, basso, nero);
    asseOrizzontale(d, x, nAlto, passoN, QStringLiteral("n [rpm]"), f);
    // the motor's largest speed, named at its line
    if (motore)
        etichetta(d, QStringLiteral("nmax ") + cifra(motore->nmax, QStringLiteral("##00"), f),
                  x(motore->nmax) + 3, alto - 14, coloriGrafico::massima);

    if (!a.calcolata())
        etichetta(d, QStringLiteral("non calcolabile: ") + testoMotivo(a.nonCalcolabile),
                  (sinistra + destra) / 2, alto, nero, Etichetta::Ancora::centro);
    else
        for (const auto &[serie, colore] : {std::pair{&a.Creg, coloriGrafico::coppia},
                                            std::pair{&a.Cacc, coloriGrafico::accelerazione},
                                            std::pair{&a.Cdec, coloriGrafico::decelerazione}})
            for (int i = 1; i < diametri; ++i)
                linea(d, x(a.n[i - 1]), (*y)(std::fabs((*serie)[i - 1])), x(a.n[i]),
                      (*y)(std::fabs((*serie)[i])), colore, 2);

    if (motore) {
        // flat up to the rated speed, then constant power up to the largest speed, where the
        // curve stops on a vertical line
        using Curva = double (Motore::*)(double) const;
        for (const auto &[curva, colore] :
             {std::pair<Curva, Colore>{&Motore::coppiaContinua, coloriGrafico::nominale},
              std::pair<Curva, Colore>{&Motore::coppiaDiPicco, coloriGrafico::massima}}) {
            const auto coppiaA = [motore, curva = curva](double n) { return (motore->*curva)(n); };
            const double piano = std::min(motore->nn, motore->nmax);
            linea(d, x(0), (*y)(coppiaA(0)), x(piano), (*y)(coppiaA(0)), colore, 2);
            for (int i = 0; i < trattiCurva && motore->nmax > piano; ++i) {
                const double n1 = piano + (motore->nmax - piano) * i / trattiCurva;
                const double n2 = piano + (motore->nmax - piano) * (i + 1) / trattiCurva;
                linea(d, x(n1), (*y)(coppiaA(n1)), x(n2), (*y)(coppiaA(n2)), colore, 2);
            }
            linea(d, x(motore->nmax), (*y)(coppiaA(motore->nmax)), x(motore->nmax), (*y)(0), colore,
                  1);
        }
    }
    return d;
}

} // namespace verifica
