#pragma once
// The arithmetic of the screw lift and of the horizontal screw travel: the speed pair
// through the pitch and the ratio, and the sizing of the motor (inertia at the motor shaft,
// load and acceleration torques, powers). Every formula is evaluated in double precision
// in the order written; nothing is rounded before display.

#include <QString>
#include <optional>

struct Variabili;

namespace vite {

// Wm = Vl x 1000 / PB x N x 60; nothing when PB is 0 or the result is not finite.
std::optional<double> wmDaVl(double Vl, double PB, double N);
// Vl = Wm / 60 / N / 1000 x PB; nothing when N is 0 or the result is not finite.
std::optional<double> vlDaWm(double Wm, double N, double PB);
// The constant speed that covers LB in the time left after the two ramps; nothing when
// no time is left (T0 = Tac + Tdec).
std::optional<double> vlDaCorsa(double Lung, double T0, double Tac, double Tdec);

struct Risultato {
    double Jcar, Jtot, Cca, Cacc, CmtRis, Pm, Pca;
};

// Sizes the motor from the shared state. On success the shared results (Jcar, Jtot,
// CmtRis, Pm, Pca) are stored; otherwise nothing changes and the reason is returned for
// the status label. Cca and Cacc stay values of this calculation.
struct Esito {
    std::optional<Risultato> risultato;
    QString motivo;
};
Esito calcola(Variabili &v);

} // namespace vite
