#pragma once
// The duty cycle of a linear drive as its calculator leaves it after "Calcola", and the
// motor torques over that cycle. Two moves a cycle, each lasting T0 from the start of its
// ramp up (Tac) to the end of its ramp down (Tdec), the whole cycle lasting Tf. Every formula
// is evaluated in double precision in the order written; nothing is rounded before display.

#include <QString>

#include <optional>

namespace verifica {

struct Ciclo {
    double Ccarico = 0;  // load torque at the motor shaft [kgm]
    double Cinerzia = 0; // torque that accelerates Jtot in Tac [kgm]
    double Jtot = 0;     // total inertia at the motor shaft [kgm^2]
    double Jm = 0;       // the motor's own inertia, part of Jtot [kgm^2]
    double Wm = 0;       // motor speed [rpm]
    double T0 = 0, Tac = 0, Tdec = 0, Tf = 0; // move, ramp up, ramp down, cycle [s]
};

// The torques of the cycle with a motor of rotor inertia Jmot in place of Jm.
struct Analisi {
    // why nothing else could be computed ("Jtot non positivo"); empty when computed
    QString nonCalcolabile;
    double Cacc = 0, Creg = 0;   // accelerating, at constant speed [kgm]
    std::optional<double> Cdec;  // decelerating; none without a deceleration time [kgm]
    double treg = 0;             // time at constant speed in a move [s]
    double Cpicco = 0, Ceff = 0; // peak and RMS [kgm]
    // empty when the cycle is valid; else why the RMS is taken as the peak (continuous duty)
    QString motivo;
    double ED = 0;                // duty factor [%]
    std::optional<double> lambda; // load and transmission over the rotor; none when Jmot <= 0

    bool calcolata() const { return nonCalcolabile.isEmpty(); }
    bool valido() const { return motivo.isEmpty(); }
};

Analisi analizza(const Ciclo &c, double Jmot);
// With the calculator's own motor.
inline Analisi analizza(const Ciclo &c) { return analizza(c, c.Jm); }

} // namespace verifica
