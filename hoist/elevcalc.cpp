#include "elevcalc.h"

#include "calcolo/velocita.h"

#include <cmath>

namespace tamburo {

using costanti::avviamentoTamburo;
using costanti::kgmRpmPerKw;

std::optional<double> wmDaVl(double Vl, double Diam, double N)
{
    const double k = metriPerGiro(Diam);
    return k == 0 ? std::nullopt : velocita::finito(Vl / k * N * 60);
}

std::optional<double> vlDaWm(double Wm, double Diam, double N)
{
    return N == 0 ? std::nullopt : velocita::finito(metriPerGiro(Diam) * Wm / (N * 60));
}

Esito calcola(const Dati &d)
{
    // The checks of the data entry do not cover Tac and nu, and another window may have
    // set the shared flag: no result may come from a zero divisor.
    using enum Impedimento;
    if (const Impedimento zero = primoNullo(
            {{d.N, RapportoNullo}, {d.Tac, AccelerazioneNulla}, {d.nu, RendimentoNullo}});
        zero != Nessuno)
        return {std::nullopt, zero};

    Risultato r{};
    // The counterweight lightens the load torque but adds no mass to the inertia.
    r.Wtot = d.WC > 0 ? (d.WL + d.WT) - d.WC : d.WL + d.WT;
    const double raggio = d.Diam / 2000; // drum radius in m
    const double JL = std::pow(raggio, 2) * (d.WT + d.WL);
    r.Jcar = (d.Jv + JL) / std::pow(d.N, 2);
    r.Jtot = d.Jt + r.Jcar + d.Jm;
    r.Ccj = d.Wm * r.Jtot / (d.Tac * avviamentoTamburo) * (1 / d.nu);
    r.Cca = d.Diam * r.Wtot / 2000 / d.N / d.nu;
    r.Cmt = r.Cca + r.Ccj;
    r.Pm = r.Cmt * d.Wm / kgmRpmPerKw;

    if (!finiti({r.Wtot, r.Jcar, r.Jtot, r.Ccj, r.Cca, r.Cmt, r.Pm}))
        return {std::nullopt, NonFinito};
    return {r};
}

QList<scheda::Grandezza> grandezze(const Dati &d, const Risultato &r)
{
    const QString kg = QStringLiteral("kg"), kgm2 = QStringLiteral("kgm^2"),
                  kgm = QStringLiteral("kgm");
    return {
        // clang-format off
        {QStringLiteral("Diam"), QStringLiteral("mm"), {}, d.Diam},
        {QStringLiteral("WL"), kg, {}, d.WL},
        {QStringLiteral("WT"), kg, {}, d.WT},
        {QStringLiteral("WC"), kg, {}, d.WC},
        {QStringLiteral("nu"), {}, {}, d.nu},
        {QStringLiteral("N"), {}, {}, d.N},
        {QStringLiteral("Wm"), QStringLiteral("rpm"), {}, d.Wm},
        {QStringLiteral("Tac"), QStringLiteral("s"), {}, d.Tac},
        {QStringLiteral("Jm"), kgm2, {}, d.Jm},
        {QStringLiteral("Jt"), kgm2, {}, d.Jt},
        {QStringLiteral("Jv"), kgm2, {}, d.Jv},
        {QStringLiteral("Wtot"), kg, QStringLiteral("Wtot = WL + WT − WC [senza contrappeso se WC ≤ 0]"), r.Wtot},
        {QStringLiteral("Jcar"), kgm2, QStringLiteral("Jcar = (Jv + (Diam / 2000)^2 × (WT + WL)) / N^2"), r.Jcar},
        {QStringLiteral("Jtot"), kgm2, QStringLiteral("Jtot = Jt + Jcar + Jm"), r.Jtot},
        {QStringLiteral("Ccj"), kgm, QStringLiteral("Ccj = Wm × Jtot / (Tac × 1504) × (1 / nu)"), r.Ccj, true},
        {QStringLiteral("Cca"), kgm, QStringLiteral("Cca = Diam × Wtot / 2000 / N / nu"), r.Cca, true},
        {QStringLiteral("Cmt"), kgm, QStringLiteral("Cmt = Cca + Ccj"), r.Cmt, true},
        {QStringLiteral("Pm"), QStringLiteral("kW"), QStringLiteral("Pm = Cmt × Wm / 975"), r.Pm},
        // clang-format on
    };
}

verifica::Ciclo ciclo(const Dati &d, const Risultato &r, const verifica::Tempi &t)
{
    return {r.Cca, r.Ccj, r.Jtot, d.Jm, d.Wm,
            t.T0,  t.Tac, t.Tdec, t.Tf, costanti::avviamentoTamburo};
}

} // namespace tamburo
