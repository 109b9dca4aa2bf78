#include "ciclo.h"

#include "impedimento.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace verifica {

namespace {

// A constant-speed time this close below zero is the rounding of a T0 typed equal to
// Tac + Tdec: the move has no constant-speed part.
constexpr double tolleranzaRegime = -1e-9;

Motivo motivoCiclo(const Ciclo &c, double treg)
{
    if (c.T0 <= 0 || c.Tf <= 0)
        return Motivo::CicloNonIndicato;
    if (c.Tac <= 0 || c.Tdec <= 0)
        return Motivo::RampeNonPositive;
    if (treg < 0)
        return Motivo::MossaCorta;
    if (c.Tf < 2 * c.T0)
        return Motivo::CicloCorto;
    return Motivo::Nessuno;
}

} // namespace

Analisi analizza(const Ciclo &c, double Jmot, Costante costante)
{
    Analisi a;
    a.K = costante == Costante::Fisica ? accelerazioneFisica : c.Kc;
    if (!(c.Jtot > 0)) {
        a.nonCalcolabile = Motivo::JtotNonPositivo;
        return a;
    }
    // the calculator's inertia torque with the constant used, then grown with the rotor that
    // takes the place of Jm
    a.Cinerzia =
        costante == Costante::Fisica ? c.Cinerzia * c.Kc / accelerazioneFisica : c.Cinerzia;
    const double JtotMotore = c.Jtot - c.Jm + Jmot;
    const double Cin = a.Cinerzia * JtotMotore / c.Jtot;
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
        a.mezzoCiclo = {{c.Tac, a.Cacc}, {a.treg, a.Creg}, {c.Tdec, *a.Cdec}, {c.Tf / 2 - c.T0, 0}};
        double quadrati = 0;
        for (const Segmento &s : a.mezzoCiclo)
            quadrati += std::pow(s.coppia, 2) * s.durata;
        a.Ceff = std::sqrt(2 * quadrati / c.Tf);
        a.ED = 2 * c.T0 / c.Tf * 100;
    } else {
        a.Ceff = a.Cpicco;
        a.ED = 100;
    }
    if (Jmot > 0)
        a.lambda = (c.Jtot - c.Jm) / Jmot;

    // absurd data (an inertia of 1e-300, times of 1e300) must not show infinities as torques
    if (!finiti({a.Cinerzia, Cin, a.Cacc, a.Cdec.value_or(0), a.Cpicco, a.Ceff,
                 a.lambda.value_or(0)})) {
        Analisi fuori;
        fuori.K = a.K;
        fuori.nonCalcolabile = Motivo::FuoriScala;
        return fuori;
    }
    return a;
}

} // namespace verifica
