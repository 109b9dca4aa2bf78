#pragma once
// A motor as a catalogue lists it: what the duty-cycle check compares with the drive's needs.
// Torques in kgm, as every calculator of the program gives them.

#include "costanti.h"

#include <QString>

#include <optional>

namespace verifica {

// kgm to N·m: one kilogram-force metre.
inline constexpr double newtonMetriPerKgm = 9.80665;

struct Motore {
    QString nome;
    double Pn = 0;            // rated power [kW]
    double nn = 0;            // rated speed [rpm]
    double nmax = 0;          // largest speed [rpm]
    std::optional<double> Cn; // rated torque [kgm]; none: the one of the rated power and speed
    double Cmax = 0;          // peak torque [kgm]
    double Jmot = 0;          // rotor inertia [kgm^2]

    // The rated torque given, or 975 x Pn / nn.
    double coppiaNominale() const { return Cn ? *Cn : costanti::kgmRpmPerKw * Pn / nn; }

    // What the motor gives at n rpm: up to its rated speed its rated torque continuously and
    // its peak torque at most; above it constant power, both falling as nn / n.
    double coppiaContinua(double n) const
    {
        return n > nn ? coppiaNominale() * nn / n : coppiaNominale();
    }
    double coppiaDiPicco(double n) const { return n > nn ? Cmax * nn / n : Cmax; }
};

} // namespace verifica
