#pragma once
// The belt conveyor's arithmetic: the roller circumference, the speed pair derived through
// the roller and the reducer, and the sizing of the motor for the inertia of belt and load.
// Every formula is evaluated in double precision in the order the design writes it; nothing
// is rounded before display.

#include <QString>
#include <optional>

struct Variabili;

namespace tappeto {

// The roller circumference in m, with the ten-digit pi the calculator has always used.
inline double circonferenza(double Diam) { return Diam * 3.141592654; }

// Wm from Vl; nothing when the roller gives a zero divisor or the result is not finite.
std::optional<double> wmDaVl(double Vl, double Circ, double N);
// Vl from Wm; nothing when N is 0 or the result is not finite.
std::optional<double> vlDaWm(double Wm, double Circ, double N);
// The constant speed that covers S in the time left after the two ramps; nothing when no
// time is left (T0 = Tac + Tdec) or the result is not finite.
std::optional<double> vlDaCorsa(double Lung, double T0, double Tac, double Tdec);

struct Risultato {
    double Jcar, Jtot, Cacc, Pca, Pm, Ptr, Cmt;
};

// Sizes the motor from the shared state. On success the shared results (Jcar, Jtot, Cacc,
// Pca, Pm, Ptr, Cmt, CmtRis) are stored; otherwise nothing changes and the reason is
// returned for the status label.
struct Esito {
    std::optional<Risultato> risultato;
    QString motivo;
};
Esito calcola(Variabili &v);

} // namespace tappeto
