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

QList<scheda::Grandezza> grandezze(double D, double d, double l, double rho, bool hollow,
                                   const Risultato &r)
{
    const QString mm = QStringLiteral("mm");
    QList<scheda::Grandezza> g{{QStringLiteral("DMax"), mm, {}, D}};
    if (hollow)
        g.append({QStringLiteral("dMin"), mm, {}, d});
    g.append({{QStringLiteral("Lung"), mm, {}, l},
              {QStringLiteral("pesoSpec"), QStringLiteral("kg/dm^3"), {}, rho}});
    const QString esterno = QStringLiteral("Lung × (3.14159265358979 × (DMax / 200)^2)) / 100");
    g.append({QStringLiteral("V"), QStringLiteral("dm^3"),
              hollow ? QStringLiteral("V = (%1 − Lung × (3.14159265358979 × (dMin / 200)^2) / 100")
                           .arg(esterno)
                     : QStringLiteral("V = (%1").arg(esterno),
              r.V});
    g.append({QStringLiteral("m"), QStringLiteral("kg"), QStringLiteral("m = V × pesoSpec"), r.m});
    g.append({QStringLiteral("J"), QStringLiteral("kgm^2"),
              hollow ? QStringLiteral("J = m × (((DMax / 200)^2 + (dMin / 200)^2) / 100)")
                     : QStringLiteral("J = m × ((DMax / 200)^2 / 100)"),
              r.J});
    return g;
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
