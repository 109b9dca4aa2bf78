#pragma once
// The reel's diameter sweep: 101 diameters from the core d to the full coil Dm, and at each
// the motor speed, the torque of the material tension, the total inertia at the motor
// shaft, the torque to accelerate or decelerate it and the total motor torque, with their
// extremes. The tables live in the shared state, where the results window, the charts, the
// report and the results file read them.

#include <QString>

struct Variabili;

namespace aspo {

// The two option pairs of the reel window, read at the time of the sweep.
struct Opzioni {
    bool avvolgitore = true;   // winder (opt_avv), else unwinder
    bool accelerazione = true; // acceleration (opt_acc), else deceleration
};

// The six steps in order. Returns an empty string when the tables were filled, otherwise
// the reason (a zero divisor, a result that is not finite) and the tables stay as they were.
QString calcola(Variabili &v, Opzioni opzioni);

// The single steps, on whatever the shared state holds; calcola() guards them.
void CalcDiametri(Variabili &v);
void CalcVelocita(Variabili &v);
void CalcCoppiaTiro(Variabili &v, bool avvolgitore);
void CalcInerzia(Variabili &v);
void CalcCoppiaInerzia(Variabili &v, bool accelerazione);
void CalcCoppiaTotale(Variabili &v, Opzioni opzioni);

} // namespace aspo
