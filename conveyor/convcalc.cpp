#include "convcalc.h"

#include "calcolo/velocita.h"

#include <cmath>

namespace tappeto {

using costanti::avviamentoTrasmissione;
using costanti::kgmRpmPerKw;

std::optional<double> wmDaVl(double Vl, double Circ, double N)
{
    return Circ == 0 ? std::nullopt : velocita::finito(Vl / Circ * N * 60);
}

std::optional<double> vlDaWm(double Wm, double Circ, double N)
{
    return N == 0 ? std::nullopt : velocita::finito(Wm / 60 / N * Circ);
}

Esito calcola(const Dati &d)
{
    // The data entry checks neither Tac nor nu, and another window may have set the shared
    // flag: no result may come from a zero divisor.
    using enum Impedimento;
    // clang-format off
    const Impedimento zero = primoNullo({{d.N, RapportoNullo}, {d.Tac, AccelerazioneNulla},
                                         {d.nu, RendimentoNullo}, {d.Wm, VelocitaNulla}});
    // clang-format on
    if (zero != Nessuno)
        return {std::nullopt, zero};

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
        return {std::nullopt, NonFinito};
    return {r};
}

QList<scheda::Grandezza> grandezze(const Dati &d, const Risultato &r)
{
    const QString kgm2 = QStringLiteral("kgm^2"), kW = QStringLiteral("kW");
    return {
        // clang-format off
        {QStringLiteral("Diam"), QStringLiteral("m"), {}, d.Diam},
        {QStringLiteral("Wtot"), QStringLiteral("kg"), {}, d.Wtot},
        {QStringLiteral("N"), {}, {}, d.N},
        {QStringLiteral("nu"), {}, {}, d.nu},
        {QStringLiteral("Wm"), QStringLiteral("rpm"), {}, d.Wm},
        {QStringLiteral("Tac"), QStringLiteral("s"), {}, d.Tac},
        {QStringLiteral("Jm"), kgm2, {}, d.Jm},
        {QStringLiteral("Jt"), kgm2, {}, d.Jt},
        {QStringLiteral("Jcar"), kgm2, QStringLiteral("Jcar = (Diam / 2)^2 × Wtot"), r.Jcar},
        {QStringLiteral("Jtot"), kgm2, QStringLiteral("Jtot = Jcar / N^2 + Jm + Jt"), r.Jtot},
        {QStringLiteral("Cacc"), QStringLiteral("kgm"), QStringLiteral("Cacc = (Wm × Jtot) / (Tac × 1054)"), r.Cacc, true},
        {QStringLiteral("Pca"), kW, QStringLiteral("Pca = (Cacc × Wm) / 975"), r.Pca},
        {QStringLiteral("Pm"), kW, QStringLiteral("Pm = Pca / nu"), r.Pm},
        {QStringLiteral("Ptr"), kW, QStringLiteral("Ptr = Pm − Pca"), r.Ptr},
        {QStringLiteral("Cmt"), QStringLiteral("kgm"), QStringLiteral("Cmt = (Pm × 975) / Wm"), r.Cmt, true},
        // clang-format on
    };
}

verifica::Ciclo ciclo(const Dati &d, const Risultato &r, const verifica::Tempi &t)
{
    return {0,    r.Cmt, r.Jtot, d.Jm, d.Wm,
            t.T0, t.Tac, t.Tdec, t.Tf, costanti::avviamentoTrasmissione};
}

} // namespace tappeto
