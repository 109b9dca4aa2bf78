#pragma once
// Moment of inertia of a cylinder turning about its own axis, from its diameters and length
// in mm and its specific weight in kg/dm^3. Volumes are worked in dm^3, the result in kgm^2.

#include "calcolo/costanti.h"
#include "calcolo/grandezza.h"

#include <QList>

namespace cilindro {

constexpr double Pi = costanti::piCilindro;

struct Risultato {
    double V; // volume, dm^3
    double m; // mass, kg
    double J; // moment of inertia, kgm^2
};

// J is the mass times the squared outer radius in m^2 (no 1/2 factor): this is the utility's
// own definition and the hollow one below is built to agree with it.
Risultato pieno(double D, double l, double rho);

// The outer cylinder less its bore. The hollow inertia is the mass times the sum of the two
// squared radii: the same generalisation that takes 1/2 m R^2 to 1/2 m (R^2 + r^2), on the
// solid definition above. With d = 0 every step gives bit for bit what pieno() gives.
Risultato cavo(double D, double d, double l, double rho);

// The data and results by the program's names (DMax, dMin, Lung, pesoSpec; V, m, J), each
// result with its formula as the functions above evaluate it; dMin only for the hollow one.
QList<scheda::Grandezza> grandezze(double D, double d, double l, double rho, bool hollow,
                                   const Risultato &r);

} // namespace cilindro
