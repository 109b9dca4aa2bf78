#pragma once
// The reel's duty as the check reads it: the sweep's 101 diameters from the core to the full
// coil, each a continuous duty at its own speed, with acceleration (tacc) and deceleration
// (tdec) both checked; and the torques a motor of rotor Jmot gives there. Every formula is
// evaluated in double precision in the order written.

#include "ciclo.h"

#include <array>
#include <optional>

namespace verifica {

inline constexpr int diametri = 101;
using Serie = std::array<double, diametri>;

struct Bobina {
    Serie diametro{};   // the sweep's aDiam [m]
    Serie velocita{};   // aVel, the motor speed [rpm]
    Serie coppiaTiro{}; // aCmt, the torque of the material tension [kgm]
    // the sweep's inertia terms: the core's radius^4, R^2 and the coil's factor
    double rc4 = 0, R2 = 0, kc = 0;
    double Jman = 0, Jtr = 0, Jmot = 0; // mandrel, transmission and the reel's own motor [kgm^2]
    double tacc = 0, tdec = 0;          // [s]
    double Cca = 0;                     // friction compensation [kgm]
};

// The figures of each diameter, with the extremes by magnitude (the first on ties).
struct AnalisiBobina {
    Motivo nonCalcolabile = Motivo::Nessuno;
    double K = 0; // the constant used (1504 with the calculator's)
    Serie n{}, Jtt{}, Cacc{}, Creg{}, Cdec{}, Preg{}; // [rpm], [kgm^2], [kgm] x 3, [kW]
    int nMin = 0, nMax = 0;                           // the diameters of the slowest and fastest
    int iCreg = 0, iCacc = 0, iCdec = 0, iPreg = 0;   // of the largest magnitudes
    int iJtt = 0;                                     // of the largest inertia
    std::optional<double> lambda; // (largest Jtt - Jmot) / Jmot; none when Jmot <= 0

    bool calcolata() const { return nonCalcolabile == Motivo::Nessuno; }
};

// `proprio`: Jmot is the reel's own motor, whose inertia must be positive at every diameter;
// a listed motor's figures are computed as written.
AnalisiBobina analizza(const Bobina &b, double Jmot, bool proprio, Costante costante);
inline AnalisiBobina analizza(const Bobina &b, Costante costante)
{
    return analizza(b, b.Jmot, true, costante);
}

} // namespace verifica
