#pragma once
// The drum hoist's arithmetic: the speed pair derived through the drum, and the sizing of
// the motor (inertia at the motor shaft, torques, power). Every formula is evaluated in
// double precision in the order the design writes it; nothing is rounded before display.

#include <QString>
#include <optional>

struct Variabili;

namespace tamburo {

// metres of rope per drum turn, the drum diameter being in mm
inline double metriPerGiro(double Diam) { return Diam * 0.00314; }

// Wm from Vl through the drum and the ratio; nothing when the drum gives a zero divisor.
std::optional<double> wmDaVl(double Vl, double Diam, double N);
// Vl from Wm; nothing when N is 0.
std::optional<double> vlDaWm(double Wm, double Diam, double N);
// The constant speed that covers LB in the time left after the two ramps.
std::optional<double> vlDaCorsa(double Lung, double T0, double Tac, double Tdec);

struct Risultato {
    double Wtot, Jcar, Jtot, Ccj, Cca, Cmt, Pm;
};

// Sizes the motor from the shared state and the counterweight WC. On success the shared
// results (Wtot, Jcar, Jtot, Cmt, Pm, CmtRis) are stored; otherwise nothing changes and the
// reason is returned for the status label.
struct Esito {
    std::optional<Risultato> risultato;
    QString motivo;
};
Esito calcola(Variabili &v, double WC);

} // namespace tamburo
