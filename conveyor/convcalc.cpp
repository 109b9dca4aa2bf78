#include "convcalc.h"

#include "shell/variabili.h"

#include <cmath>

namespace tappeto {

static std::optional<double> finito(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> wmDaVl(double Vl, double Circ, double N)
{
    if (Circ == 0)
        return std::nullopt;
    return finito(Vl / Circ * N * 60);
}

std::optional<double> vlDaWm(double Wm, double Circ, double N)
{
    if (N == 0)
        return std::nullopt;
    return finito(Wm / 60 / N * Circ);
}

std::optional<double> vlDaCorsa(double Lung, double T0, double Tac, double Tdec)
{
    if (T0 - Tac - Tdec == 0)
        return std::nullopt;
    return finito(Lung / (T0 - Tac - Tdec));
}

Esito calcola(Variabili &v)
{
    // The data entry checks neither Tac nor nu, and another window may have set the shared
    // flag: no result may come from a zero divisor.
    if (v.N == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: N = 0")};
    if (v.Tac == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: Tac = 0")};
    if (v.nu == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: nu = 0")};
    if (v.Wm == 0)
        return {std::nullopt, QStringLiteral("Impossibile calcolare: Wm = 0")};

    Risultato r{};
    // belt and load taken as concentrated on the roller radius
    r.Jcar = std::pow(v.Diam / 2, 2) * v.Wtot;
    r.Jtot = r.Jcar / std::pow(v.N, 2) + v.Jm + v.Jt;
    r.Cacc = (v.Wm * r.Jtot) / (v.Tac * 1054);
    r.Pca = (r.Cacc * v.Wm) / 975;
    r.Pm = r.Pca / v.nu;
    r.Ptr = r.Pm - r.Pca;
    r.Cmt = (r.Pm * 975) / v.Wm;

    for (const double x : {r.Jcar, r.Jtot, r.Cacc, r.Pca, r.Pm, r.Ptr, r.Cmt})
        if (!std::isfinite(x))
            return {std::nullopt, QStringLiteral("Impossibile calcolare: risultato non finito")};

    v.Jcar = r.Jcar;
    v.Jtot = r.Jtot;
    v.Cacc = r.Cacc;
    v.Pca = r.Pca;
    v.Pm = r.Pm;
    v.Ptr = r.Ptr;
    v.Cmt = r.Cmt;
    v.CmtRis = v.Cmt;
    return {r, QString()};
}

} // namespace tappeto
