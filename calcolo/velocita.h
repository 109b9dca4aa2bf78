#pragma once
// The speeds of a load moved through a transmission, shared by the drum hoist, the conveyor
// and the two screws: the linear speed Vl and the motor speed Wm determine each other through
// the calculator's own transmission, and the travel data give a third way.

#include <cmath>
#include <optional>

namespace velocita {

// A derived value, or nothing when it overflows or is not a number.
inline std::optional<double> finito(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// The constant speed that covers the length in the time left after the two ramps; nothing
// when no time is left (T0 = Tac + Tdec) or the result is not finite.
inline std::optional<double> vlDaCorsa(double Lung, double T0, double Tac, double Tdec)
{
    const double t = T0 - Tac - Tdec;
    if (t == 0)
        return std::nullopt;
    return finito(Lung / t);
}

} // namespace velocita
