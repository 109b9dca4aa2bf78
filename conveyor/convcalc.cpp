#include "convcalc.h"

#include "shell/variabili.h"
#include "shell/velocita.h"

#include <cmath>

namespace tappeto {

using costanti::avviamentoTrasmissione;
using costanti::kgmRpmPerKw;

std::optional<double> wmDaVl(double Vl, double Circ, double N)
{
    if (Circ == 0)
        return std::nullopt;
    return velocita::finito(Vl / Circ * N * 60);
}

std::optional<double> vlDaWm(double Wm, double Circ, double N)
{
    if (N == 0)
        return std::nullopt;
    return velocita::finito(Wm / 60 / N * Circ);
}

Dati dati(const Variabili &v) { return {v.Diam, v.Wtot, v.N, v.nu, v.Wm, v.Tac, v.Jm, v.Jt}; }

Esito calcola(const Dati &d)
{
    // The data entry checks neither Tac nor nu, and another window may have set the shared
    // flag: no result may come from a zero divisor.
    if (d.N == 0)
        return {std::nullopt, Impedimento::RapportoNullo};
    if (d.Tac == 0)
        return {std::nullopt, Impedimento::AccelerazioneNulla};
    if (d.nu == 0)
        return {std::nullopt, Impedimento::RendimentoNullo};
    if (d.Wm == 0)
        return {std::nullopt, Impedimento::VelocitaNulla};

    Risultato r{};
    // belt and load taken as concentrated on the roller radius
    r.Jcar = std::pow(d.Diam / 2, 2) * d.Wtot;
    r.Jtot = r.Jcar / std::pow(d.N, 2) + d.Jm + d.Jt;
    r.Cacc = (d.Wm * r.Jtot) / (d.Tac * avviamentoTrasmissione);
    r.Pca = (r.Cacc * d.Wm) / kgmRpmPerKw;
    r.Pm = r.Pca / d.nu;
    r.Ptr = r.Pm - r.Pca;
    r.Cmt = (r.Pm * kgmRpmPerKw) / d.Wm;

    if (!finiti({r.Jcar, r.Jtot, r.Cacc, r.Pca, r.Pm, r.Ptr, r.Cmt}))
        return {std::nullopt, Impedimento::NonFinito};
    return {r};
}

void registra(Variabili &v, const Risultato &r)
{
    v.Jcar = r.Jcar;
    v.Jtot = r.Jtot;
    v.Cacc = r.Cacc;
    v.Pca = r.Pca;
    v.Pm = r.Pm;
    v.Ptr = r.Ptr;
    v.Cmt = r.Cmt;
    v.CmtRis = v.Cmt;
}

} // namespace tappeto
