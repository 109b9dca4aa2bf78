#include "elevcalc.h"

#include "shell/variabili.h"

#include <cmath>

namespace tamburo {

static std::optional<double> finito(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> wmDaVl(double Vl, double Diam, double N)
{
    const double k = metriPerGiro(Diam);
    if (k == 0)
        return std::nullopt;
    return finito(Vl / k * N * 60);
}

std::optional<double> vlDaWm(double Wm, double Diam, double N)
{
    if (N == 0)
        return std::nullopt;
    return finito(metriPerGiro(Diam) * Wm / (N * 60));
}

std::optional<double> vlDaCorsa(double Lung, double T0, double Tac, double Tdec)
{
    const double t = T0 - Tac - Tdec;
    if (t == 0)
        return std::nullopt;
    return finito(Lung / t);
}

Esito calcola(Variabili &v, double WC)
{
    // The checks of the data entry do not cover Tac and nu, and another window may have
    // set the shared flag: no result may come from a zero divisor.
    if (v.N == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: N = 0")};
    if (v.Tac == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: Tac = 0")};
    if (v.nu == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: nu = 0")};

    Risultato r{};
    // The counterweight lightens the load torque but adds no mass to the inertia.
    r.Wtot = WC > 0 ? (v.WL + v.WT) - WC : v.WL + v.WT;
    const double raggio = v.Diam / 2000; // drum radius in m
    const double JL = std::pow(raggio, 2) * (v.WT + v.WL);
    r.Jcar = (v.Jv + JL) / std::pow(v.N, 2);
    r.Jtot = v.Jt + r.Jcar + v.Jm;
    r.Ccj = v.Wm * r.Jtot / (v.Tac * 1504) * (1 / v.nu);
    r.Cca = v.Diam * r.Wtot / 2000 / v.N / v.nu;
    r.Cmt = r.Cca + r.Ccj;
    r.Pm = r.Cmt * v.Wm / 975;

    for (const double x : {r.Wtot, r.Jcar, r.Jtot, r.Ccj, r.Cca, r.Cmt, r.Pm})
        if (!std::isfinite(x))
            return {std::nullopt, QStringLiteral("Impossibile calcolare: risultato non finito")};

    v.Wtot = r.Wtot;
    v.Jcar = r.Jcar;
    v.Jtot = r.Jtot;
    v.Cmt = r.Cmt;
    v.Pm = r.Pm;
    v.CmtRis = v.Cmt;
    return {r, QString()};
}

} // namespace tamburo
