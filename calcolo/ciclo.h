#pragma once
// The duty cycle of a linear drive as its calculation leaves it after "Calcola", and the motor
// torques over that cycle. Two moves a cycle, each lasting T0 from the start of its ramp up
// (Tac) to the end of its ramp down (Tdec), the whole cycle lasting Tf. The torque that
// accelerates the inertia is the physical one, J x n / (t x K) with K = 60 g / (2 pi); the
// calculator's own constant (1504 or 1054) is kept as an option. Every formula is evaluated in
// double precision in the order written; nothing is rounded before display.

#include "motivo.h"

#include <optional>
#include <vector>

namespace verifica {

// Which constant turns kgm^2 x rpm / s into kgm.
enum class Costante { Fisica, Calcolatore };

// 60 x g / (2 pi), pi the full double (std::numbers::pi, written out here for moc's sake):
// about 93,6466.
inline constexpr double piDoppio = 3.141592653589793238462643383279502884;
inline constexpr double accelerazioneFisica = 60 * 9.80665 / (2 * piDoppio);

// The times of a cycle as the data entry leaves them [s].
struct Tempi {
    double T0 = 0, Tac = 0, Tdec = 0, Tf = 0;
};

struct Ciclo {
    double Ccarico = 0;  // load torque at the motor shaft [kgm]
    double Cinerzia = 0; // the calculator's torque that accelerates Jtot in Tac [kgm]
    double Jtot = 0;     // total inertia at the motor shaft [kgm^2]
    double Jm = 0;       // the motor's own inertia, part of Jtot [kgm^2]
    double Wm = 0;       // motor speed [rpm]
    double T0 = 0, Tac = 0, Tdec = 0, Tf = 0; // move, ramp up, ramp down, cycle [s]
    double Kc = 0;                            // the calculator's acceleration constant (1504, 1054)
};

// A stretch of the cycle at one torque.
struct Segmento {
    double durata; // [s]
    double coppia; // [kgm]
};

// The torques of the cycle with a motor of rotor inertia Jmot in place of Jm.
struct Analisi {
    Motivo nonCalcolabile = Motivo::Nessuno; // why nothing else could be computed
    double K = 0;                            // the constant used
    double Cinerzia = 0;         // the inertia torque with that constant, before the rotor's share
    double Cacc = 0, Creg = 0;   // accelerating, at constant speed [kgm]
    std::optional<double> Cdec;  // decelerating; none without a deceleration time [kgm]
    double treg = 0;             // time at constant speed in a move [s]
    double Cpicco = 0, Ceff = 0; // peak and RMS [kgm]
    Motivo motivo = Motivo::Nessuno; // why the RMS is taken as the peak (continuous duty)
    double ED = 0;                   // duty factor [%]
    std::optional<double> lambda;    // load and transmission over the rotor; none when Jmot <= 0
    // Half a cycle of a valid one: the move (up, along, down) and the rest up to the next
    // move, which repeats it; empty for continuous duty. The RMS and the chart read it.
    std::vector<Segmento> mezzoCiclo;

    bool calcolata() const { return nonCalcolabile == Motivo::Nessuno; }
    bool valido() const { return motivo == Motivo::Nessuno; }
};

Analisi analizza(const Ciclo &c, double Jmot, Costante costante);
// With the calculator's own motor.
inline Analisi analizza(const Ciclo &c, Costante costante)
{
    return analizza(c, c.Jm, costante);
}

} // namespace verifica
