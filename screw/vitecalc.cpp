#include "vitecalc.h"

#include "calcolo/velocita.h"

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

Esito calcola(const Dati &d)
{
    // The data entry checks neither ms, nu nor Tac, and another window may have set the
    // shared flag: no result may come from a zero divisor.
    using enum Impedimento;
    // clang-format off
    const Impedimento zero = primoNullo({{d.N, RapportoNullo}, {d.ms, AttritoNullo},
                                         {d.nu, RendimentoNullo}, {d.Tac, AccelerazioneNulla}});
    // clang-format on
    if (zero != Nessuno)
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

QList<scheda::Grandezza> grandezze(const Dati &d, const Risultato &r)
{
    const QString mm = QStringLiteral("mm"), kgm2 = QStringLiteral("kgm^2"),
                  kgm = QStringLiteral("kgm"), kW = QStringLiteral("kW");
    return {
        // clang-format off
        {QStringLiteral("Diam"), mm, {}, d.Diam},
        {QStringLiteral("PB"), mm, {}, d.PB},
        {QStringLiteral("Wtot"), QStringLiteral("kg"), {}, d.Wtot},
        {QStringLiteral("nu"), {}, {}, d.nu},
        {QStringLiteral("N"), {}, {}, d.N},
        {QStringLiteral("Wm"), QStringLiteral("rpm"), {}, d.Wm},
        {QStringLiteral("Tac"), QStringLiteral("s"), {}, d.Tac},
        {QStringLiteral("ms"), {}, {}, d.ms},
        {QStringLiteral("mk"), {}, {}, d.mk},
        {QStringLiteral("Jm"), kgm2, {}, d.Jm},
        {QStringLiteral("Jt"), kgm2, {}, d.Jt},
        {QStringLiteral("Jv"), kgm2, {}, d.Jv},
        {QStringLiteral("Jcar"), kgm2, QStringLiteral("Jcar = (PB / 6283.185308)^2 × Wtot"), r.Jcar},
        {QStringLiteral("Jtot"), kgm2, QStringLiteral("Jtot = (Jv + Jcar) / N^2 + Jt + Jm"), r.Jtot},
        {QStringLiteral("Cca"), kgm, QStringLiteral("Cca = ((Diam × mk / 1000 + PB / (ms × 6283.185308)) × Wtot) / (nu × N)"), r.Cca, true},
        {QStringLiteral("Cacc"), kgm, QStringLiteral("Cacc = (Wm × Jtot) / (Tac × 1054 × nu)"), r.Cacc, true},
        {QStringLiteral("Cmt"), kgm, QStringLiteral("Cmt = Cca + Cacc"), r.CmtRis, true},
        {QStringLiteral("Pm"), kW, QStringLiteral("Pm = Cmt × Wm / 975"), r.Pm},
        {QStringLiteral("Pca"), kW, QStringLiteral("Pca = Wm × Cacc / 975"), r.Pca},
        // clang-format on
    };
}

verifica::Ciclo ciclo(const Dati &d, const Risultato &r, const verifica::Tempi &t)
{
    return {r.Cca, r.Cacc, r.Jtot, d.Jm, d.Wm,
            t.T0,  t.Tac,  t.Tdec, t.Tf, costanti::avviamentoTrasmissione};
}

} // namespace vite
