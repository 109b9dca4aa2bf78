#pragma once
// The drum hoist's arithmetic: the speed pair derived through the drum, and the sizing of
// the motor (inertia at the motor shaft, torques, power). Every formula is evaluated in
// double precision in the order the design writes it; nothing is rounded before display.
// The calculation only reads its data; the window stores the results in the shared state.

#include "calcolo/ciclo.h"
#include "calcolo/costanti.h"
#include "calcolo/grandezza.h"
#include "calcolo/impedimento.h"

#include <QList>

#include <optional>

namespace tamburo {

// metres of rope per drum turn, the drum diameter being in mm
inline double metriPerGiro(double Diam)
{
    return Diam * costanti::metriPerGiroPerMm;
}

// Wm [rpm] from Vl [m/s] through the drum [mm] and the ratio; nothing when the drum gives a
// zero divisor or the result is not finite.
std::optional<double> wmDaVl(double Vl, double Diam, double N);
// Vl [m/s] from Wm [rpm]; nothing when N is 0 or the result is not finite.
std::optional<double> vlDaWm(double Wm, double Diam, double N);

struct Dati {
    double Diam;       // drum diameter DS [mm]
    double WL, WT, WC; // load, table or support, counterweight [kg]; the counterweight
                       // lightens the load torque and adds no inertia
    double nu, N;      // transmission efficiency, reduction ratio (motor turns per drum turn) [-]
    double Wm;         // motor speed [rpm]
    double Tac;        // acceleration time [s]
    double Jm, Jt, Jv; // motor, transmission and drum inertias [kgm^2]
};

struct Risultato {
    double Wtot;       // weight the motor lifts [kg]
    double Jcar, Jtot; // drum and load, and total inertia at the motor shaft [kgm^2]
    double Ccj, Cca;   // torques to accelerate the inertia and to hold the load [kgm]
    double Cmt;        // total motor torque [kgm]
    double Pm;         // motor power [kW]
};
using Esito = ::Esito<Risultato>;
Esito calcola(const Dati &d);

// The duty cycle of the calculation for the motor check: the load torque and the torque that
// accelerates the inertia, by 1504.
verifica::Ciclo ciclo(const Dati &d, const Risultato &r, const verifica::Tempi &t);

// The data and results by name, each result with its formula as calcola() evaluates it.
QList<scheda::Grandezza> grandezze(const Dati &d, const Risultato &r);

} // namespace tamburo
