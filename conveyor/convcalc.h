#pragma once
// The belt conveyor's arithmetic: the roller circumference, the speed pair derived through
// the roller and the reducer, and the sizing of the motor for the inertia of belt and load.
// Every formula is evaluated in double precision in the order the design writes it; nothing
// is rounded before display. The calculation only reads its data.

#include "calcolo/ciclo.h"
#include "calcolo/costanti.h"
#include "calcolo/grandezza.h"
#include "calcolo/impedimento.h"

#include <QList>

#include <optional>

namespace tappeto {

// The roller circumference in m, the roller diameter being in m.
inline double circonferenza(double Diam)
{
    return Diam * costanti::pi;
}

// Wm [rpm] from vl [m/s]; nothing when the roller gives a zero divisor or the result is not
// finite.
std::optional<double> wmDaVl(double Vl, double Circ, double N);
// vl [m/s] from Wm [rpm]; nothing when N is 0 or the result is not finite.
std::optional<double> vlDaWm(double Wm, double Circ, double N);

struct Dati {
    double Diam;   // roller diameter DR [m]
    double Wtot;   // belt and load [kg]
    double N, nu;  // reduction ratio R, transmission efficiency [-]
    double Wm;     // motor speed [rpm]
    double Tac;    // acceleration time [s]
    double Jm, Jt; // motor and transmission inertias [kgm^2]
};

struct Risultato {
    double Jcar, Jtot;   // belt and load on the roller, total at the motor shaft [kgm^2]
    double Cacc;         // torque to accelerate it [kgm]
    double Pca, Pm, Ptr; // powers to accelerate it, of the motor, lost in the transmission [kW]
    double Cmt;          // motor torque [kgm]
};
using Esito = ::Esito<Risultato>;
Esito calcola(const Dati &d);

// The duty cycle of the calculation for the motor check: no load torque (the belt's friction is not
// modelled): the motor torque all accelerates, by 1054.
verifica::Ciclo ciclo(const Dati &d, const Risultato &r, const verifica::Tempi &t);

// The data and results by name, each result with its formula as calcola() evaluates it.
QList<scheda::Grandezza> grandezze(const Dati &d, const Risultato &r);

} // namespace tappeto
