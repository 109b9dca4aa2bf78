#include "cilindro.h"

#include <cmath>

namespace cilindro {

Risultato pieno(double D, double l, double rho)
{
    const double t = std::pow(D / 200, 2); // squared outer radius, dm^2
    const double V = (l * (Pi * t)) / 100;
    const double m = V * rho;
    const double J = m * (t / 100); // dm^2 to m^2
    return {V, m, J};
}

Risultato cavo(double D, double d, double l, double rho)
{
    const double t = std::pow(D / 200, 2);  // outer radius squared, dm^2
    const double ti = std::pow(d / 200, 2); // inner radius squared, dm^2
    const double V = (l * (Pi * t)) / 100 - l * (Pi * ti) / 100;
    const double m = V * rho;
    // Grouped as the solid formula, so that ti = 0 leaves m * (t / 100) exactly.
    const double J = m * ((t + ti) / 100);
    return {V, m, J};
}

} // namespace cilindro
