#include "assi.h"

#include "testi.h"

#include "calcolo/numbers.h"

namespace verifica::assi {

std::optional<Scala> asseCoppie(Disegno &d, const std::vector<double> &valori,
                                const NumberFormat &f)
{
    double minimo = *std::min_element(valori.begin(), valori.end());
    double massimo = *std::max_element(valori.begin(), valori.end());
    if (!(massimo - minimo > 0) || !std::isfinite(massimo - minimo))
        massimo = minimo + 1;
    const double passoC = passo(massimo - minimo, 5);
    if (passoC > 0) {
        minimo = std::floor(minimo / passoC) * passoC;
        massimo = std::ceil(massimo * 1.05 / passoC) * passoC;
        if (massimo <= minimo)
            massimo = minimo + passoC;
    }
    const std::optional<int> righe = passi(minimo, massimo, passoC);
    if (!righe)
        return std::nullopt;
    const Scala y{minimo, massimo, basso, alto};
    for (int i = 0; i <= *righe; ++i) {
        const double v = minimo + i * passoC;
        linea(d, sinistra, y(v), destra, y(v), griglia);
        etichetta(d, f.general(std::abs(v) < passoC / 2 ? 0 : v), sinistra - 6, y(v) - 7, nero,
                  Etichetta::Ancora::fine);
    }
    linea(d, sinistra, alto - 10, sinistra, basso, nero);
    etichetta(d, QStringLiteral("C [kgm]"), 8, 2);
    return y;
}

bool asseOrizzontale(Disegno &d, const Scala &x, double fine, double passoX, const QString &nome,
                     const NumberFormat &f)
{
    const std::optional<int> n = passi(0, fine, passoX);
    if (!n)
        return false;
    for (int i = 0; i <= *n; ++i) {
        const double t = i * passoX;
        linea(d, x(t), basso, x(t), basso + 5, nero);
        etichetta(d, f.general(t), x(t), basso + 7, nero, Etichetta::Ancora::centro);
    }
    etichetta(d, nome, larghezzaGrafico - 4, basso + 21, nero, Etichetta::Ancora::fine);
    return true;
}

Disegno fuoriScalaGrafico()
{
    Disegno d;
    etichetta(d, fuoriScala(), (sinistra + destra) / 2, (alto + basso) / 2, nero,
              Etichetta::Ancora::centro);
    return d;
}

} // namespace verifica::assi
