#include "vitecalc.h"

#include "shell/variabili.h"

#include <cmath>

namespace vite {

static std::optional<double> finito(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> wmDaVl(double Vl, double PB, double N)
{
    if (PB == 0)
        return std::nullopt;
    return finito(Vl * 1000 / PB * N * 60);
}

std::optional<double> vlDaWm(double Wm, double N, double PB)
{
    if (N == 0)
        return std::nullopt;
    return finito(Wm / 60 / N / 1000 * PB);
}

std::optional<double> vlDaCorsa(double Lung, double T0, double Tac, double Tdec)
{
    const double t = T0 - Tac - Tdec;
    if (t == 0)
        return std::nullopt;
    return finito(Lung / t);
}

Esito calcola(Variabili &v)
{
    // The data entry checks neither ms, nu nor Tac, and another window may have set the
    // shared flag: no result may come from a zero divisor.
    if (v.N == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: N = 0")};
    if (v.ms == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: ms = 0")};
    if (v.nu == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: nu = 0")};
    if (v.Tac == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: Tac = 0")};

    Risultato r{};
    // PB / 6283.185308 is the travel per radian of screw rotation, in metres.
    r.Jcar = std::pow(v.PB / 6283.185308, 2) * v.Wtot;
    r.Jtot = (v.Jv + r.Jcar) / std::pow(v.N, 2) + v.Jt + v.Jm;
    r.Cca = ((v.Diam * v.mk / 1000 + v.PB / (v.ms * 6283.185308)) * v.Wtot) / (v.nu * v.N);
    r.Cacc = (v.Wm * r.Jtot) / (v.Tac * 1054 * v.nu);
    r.CmtRis = r.Cca + r.Cacc;
    r.Pm = r.CmtRis * v.Wm / 975;
    r.Pca = v.Wm * r.Cacc / 975;

    for (const double x : {r.Jcar, r.Jtot, r.Cca, r.Cacc, r.CmtRis, r.Pm, r.Pca})
        if (!std::isfinite(x))
            return {std::nullopt, QStringLiteral("Impossibile calcolare: risultato non finito")};

    v.Jcar = r.Jcar;
    v.Jtot = r.Jtot;
    v.CmtRis = r.CmtRis;
    v.Pm = r.Pm;
    v.Pca = r.Pca;
    return {r, QString()};
}

} // namespace vite
