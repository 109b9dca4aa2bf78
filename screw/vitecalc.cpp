#include "vitecalc.h"

#include "shell/variabili.h"
#include "shell/velocita.h"

#include <cmath>

namespace vite {

using costanti::avviamentoTrasmissione;
using costanti::dueMilaPi;
using costanti::kgmRpmPerKw;

std::optional<double> wmDaVl(double Vl, double PB, double N)
{
    return PB == 0 ? std::nullopt : velocita::finito(Vl * 1000 / PB * N * 60);
}

std::optional<double> vlDaWm(double Wm, double N, double PB)
{
    return N == 0 ? std::nullopt : velocita::finito(Wm / 60 / N / 1000 * PB);
}

Dati dati(const Variabili &v)
{
    return {v.Diam, v.PB, v.Wtot, v.nu, v.N, v.Wm, v.Tac, v.ms, v.mk, v.Jm, v.Jt, v.Jv};
}

Esito calcola(const Dati &d)
{
    // The data entry checks neither ms, nu nor Tac, and another window may have set the
    // shared flag: no result may come from a zero divisor.
    using enum Impedimento;
    if (const Impedimento zero = primoNullo({{d.N, RapportoNullo},
                                             {d.ms, AttritoNullo},
                                             {d.nu, RendimentoNullo},
                                             {d.Tac, AccelerazioneNulla}});
        zero != Nessuno)
        return {std::nullopt, zero};

    Risultato r{};
    // PB / (2000 pi) is the travel per radian of screw rotation, in metres.
    r.Jcar = std::pow(d.PB / dueMilaPi, 2) * d.Wtot;
    r.Jtot = (d.Jv + r.Jcar) / std::pow(d.N, 2) + d.Jt + d.Jm;
    r.Cca = ((d.Diam * d.mk / 1000 + d.PB / (d.ms * dueMilaPi)) * d.Wtot) / (d.nu * d.N);
    r.Cacc = (d.Wm * r.Jtot) / (d.Tac * avviamentoTrasmissione * d.nu);
    r.CmtRis = r.Cca + r.Cacc;
    r.Pm = r.CmtRis * d.Wm / kgmRpmPerKw;
    r.Pca = d.Wm * r.Cacc / kgmRpmPerKw;

    if (!finiti({r.Jcar, r.Jtot, r.Cca, r.Cacc, r.CmtRis, r.Pm, r.Pca}))
        return {std::nullopt, NonFinito};
    return {r};
}

void registra(Variabili &v, const Risultato &r)
{
    using V = Variabili;
    v.registra({{&V::Jcar, r.Jcar},
                {&V::Jtot, r.Jtot},
                {&V::CmtRis, r.CmtRis},
                {&V::Pm, r.Pm},
                {&V::Pca, r.Pca}});
}

} // namespace vite
