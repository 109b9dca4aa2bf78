#include "ciclo.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace verifica {

namespace {

// A constant-speed time this close below zero is the rounding of a T0 typed equal to
// Tac + Tdec: the move has no constant-speed part.
constexpr double tolleranzaRegime = -1e-9;

QString motivoCiclo(const Ciclo &c, double treg)
{
    if (c.T0 <= 0 || c.Tf <= 0)
        return QStringLiteral("ciclo non indicato");
    if (c.Tac <= 0 || c.Tdec <= 0)
        return QStringLiteral("Tac e Tdec devono essere positivi");
    if (treg < 0)
        return QStringLiteral("t0 minore di Tac + Tdec");
    if (c.Tf < 2 * c.T0)
        return QStringLiteral("tf minore di 2 t0");
    return QString();
}

bool finiti(std::initializer_list<double> valori)
{
    return std::all_of(valori.begin(), valori.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

Analisi analizza(const Ciclo &c, double Jmot)
{
    Analisi a;
    if (!(c.Jtot > 0)) {
        a.nonCalcolabile = QStringLiteral("Jtot non positivo");
        return a;
    }
    // the inertia torque grows with the rotor that takes the place of Jm
    const double JtotMotore = c.Jtot - c.Jm + Jmot;
    const double Cin = c.Cinerzia * JtotMotore / c.Jtot;
    a.Cacc = c.Ccarico + Cin;
    a.Creg = c.Ccarico;
    if (c.Tdec > 0)
        a.Cdec = c.Ccarico - Cin * c.Tac / c.Tdec;
    a.Cpicco = a.Cdec ? std::max(std::fabs(a.Cacc), std::fabs(*a.Cdec)) : std::fabs(a.Cacc);

    a.treg = c.T0 - c.Tac - c.Tdec;
    if (a.treg > tolleranzaRegime)
        a.treg = std::max(a.treg, 0.0);
    a.motivo = motivoCiclo(c, a.treg);
    if (a.valido()) {
        a.Ceff = std::sqrt(2 *
                           (std::pow(a.Cacc, 2) * c.Tac + std::pow(a.Creg, 2) * a.treg +
                            std::pow(*a.Cdec, 2) * c.Tdec) /
                           c.Tf);
        a.ED = 2 * c.T0 / c.Tf * 100;
    } else {
        a.Ceff = a.Cpicco;
        a.ED = 100;
    }
    if (Jmot > 0)
        a.lambda = (c.Jtot - c.Jm) / Jmot;

    // absurd data (an inertia of 1e-300, times of 1e300) must not show infinities as torques
    if (!finiti({Cin, a.Cacc, a.Cdec.value_or(0), a.Cpicco, a.Ceff, a.lambda.value_or(0)})) {
        Analisi fuori;
        fuori.nonCalcolabile = QStringLiteral("valori fuori scala");
        return fuori;
    }
    return a;
}

} // namespace verifica
