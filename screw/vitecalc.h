#pragma once
// The arithmetic of the screw lift and of the horizontal screw travel: the speed pair
// through the pitch and the ratio, and the sizing of the motor (inertia at the motor shaft,
// load and acceleration torques, powers). Every formula is evaluated in double precision
// in the order written; nothing is rounded before display. The calculation only reads its
// data.

#include "calcolo/ciclo.h"
#include "calcolo/costanti.h"
#include "calcolo/grandezza.h"
#include "calcolo/impedimento.h"

#include <QList>

#include <optional>

namespace vite {

// Wm = Vl x 1000 / PB x N x 60; nothing when PB is 0 or the result is not finite.
std::optional<double> wmDaVl(double Vl, double PB, double N);
// Vl = Wm / 60 / N / 1000 x PB; nothing when N is 0 or the result is not finite.
std::optional<double> vlDaWm(double Wm, double N, double PB);

struct Dati {
    double Diam, PB;   // screw diameter DB and pitch [mm]
    double Wtot;       // load and table [kg]
    double nu, N;      // transmission efficiency, reduction ratio [-]
    double Wm;         // motor speed [rpm]
    double Tac;        // acceleration time [s]
    double ms, mk;     // breakaway and dynamic friction of the nut [-]
    double Jm, Jt, Jv; // motor, transmission and screw inertias [kgm^2]
};

struct Risultato {
    double Jcar, Jtot;        // load at the screw, total at the motor shaft [kgm^2]
    double Cca, Cacc, CmtRis; // torques for the load, the inertia, and in all [kgm]
    double Pm, Pca;           // motor power, power to accelerate the inertia [kW]
};
using Esito = ::Esito<Risultato>;
Esito calcola(const Dati &d);

// The duty cycle of the calculation for the motor check: the load torque and the torque that
// accelerates the inertia, by 1054.
verifica::Ciclo ciclo(const Dati &d, const Risultato &r, const verifica::Tempi &t);

// The data and results by name, each result with its formula as calcola() evaluates it.
QList<scheda::Grandezza> grandezze(const Dati &d, const Risultato &r);

} // namespace vite
