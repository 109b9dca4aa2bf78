#include "graficociclo.h"

#include "assi.h"
#include "testi.h"

#include "calcolo/numbers.h"

#include <algorithm>
#include <cmath>

namespace verifica {

using namespace assi;

namespace {

// A horizontal line across the chart, named at its right end.
struct Livello {
    QString nome;
    double valore;
    Colore colore;
};

// The names of the levels at the right end of their lines, kept apart.
void nomiLivelli(Disegno &d, std::vector<Livello> livelli, const Scala &y, const NumberFormat &f)
{
    std::sort(livelli.begin(), livelli.end(),
              [](const Livello &p, const Livello &q) { return p.valore > q.valore; });
    std::vector<double> voluti;
    for (const Livello &l : livelli)
        voluti.push_back(std::clamp(y(l.valore), alto, basso) - 7);
    const std::vector<double> top = impila(voluti, 0, basso + 21 - altezzaRiga);
    for (std::size_t i = 0; i < livelli.size(); ++i)
        etichetta(d,
                  livelli[i].nome + QLatin1Char(' ') +
                      cifra(livelli[i].valore, QStringLiteral("##0.000"), f),
                  destra + 4, top[i], livelli[i].colore);
}

} // namespace

std::vector<std::pair<QString, Colore>> legenda(const Carico &c, bool motore)
{
    std::vector<std::pair<QString, Colore>> voci;
    if (aspo(c))
        voci = {{QStringLiteral("|Creg|"), coloriGrafico::coppia},
                {QStringLiteral("|Cacc|"), coloriGrafico::accelerazione},
                {QStringLiteral("|Cdec|"), coloriGrafico::decelerazione}};
    else
        voci = {{QStringLiteral("Coppia motore"), coloriGrafico::coppia},
                {QStringLiteral("Ceff"), coloriGrafico::efficace}};
    if (motore) {
        voci.emplace_back(QStringLiteral("Cn"), coloriGrafico::nominale);
        voci.emplace_back(QStringLiteral("Cmax"), coloriGrafico::massima);
    }
    return voci;
}

Disegno graficoCiclo(const Ciclo &c, const Analisi &a, const Motore *motore, const NumberFormat &f)
{
    Disegno d;
    const bool gradini = a.calcolata() && a.valido();

    // The torque axis spans the cycle; a motor's level joins it unless it would flatten the
    // cycle's trace (more than three times its largest torque), then it is named at the edge.
    std::vector<double> valori{0};
    std::vector<Livello> livelli, fuori;
    if (a.calcolata()) {
        valori.insert(valori.end(), {a.Cacc, a.Creg, a.Cdec.value_or(0), a.Ceff});
        livelli.push_back({QStringLiteral("Ceff"), a.Ceff, coloriGrafico::efficace});
    }
    if (motore) {
        const double n = std::fabs(c.Wm);
        const bool oltre = n > motore->nn; // above its rated speed the motor gives constant power
        const Livello del[] = {{oltre ? QStringLiteral("Cn·nn/n") : QStringLiteral("Cn"),
                                motore->coppiaContinua(n), coloriGrafico::nominale},
                               {oltre ? QStringLiteral("Cmax·nn/n") : QStringLiteral("Cmax"),
                                motore->coppiaDiPicco(n), coloriGrafico::massima}};
        double ciclo = 0;
        for (const double v : valori)
            ciclo = std::max(ciclo, std::fabs(v));
        for (const Livello &l : del)
            (!a.calcolata() || std::fabs(l.valore) <= 3 * ciclo ? livelli : fuori).push_back(l);
    }
    for (const Livello &l : livelli)
        valori.push_back(l.valore);
    const std::optional<Scala> y = asseCoppie(d, valori, f);
    const double durata = gradini ? c.Tf : 1;
    const Scala x{0, durata, sinistra, destra};
    if (!y || (gradini && !passi(0, durata, passo(durata, 8))))
        return fuoriScalaGrafico();
    linea(d, sinistra, (*y)(0), destra + 10, (*y)(0), nero);

    if (gradini) {
        asseOrizzontale(d, x, durata, passo(durata, 8), QStringLiteral("t [s]"), f);
        // two equal moves, half a cycle apart, each up to speed, along, and down to rest
        double t = 0, coppia = 0;
        const auto fino = [&](double tFine, double cNuova) {
            linea(d, x(t), (*y)(coppia), x(t), (*y)(cNuova), coloriGrafico::coppia, 2);
            linea(d, x(t), (*y)(cNuova), x(tFine), (*y)(cNuova), coloriGrafico::coppia, 2);
            t = tFine;
            coppia = cNuova;
        };
        for (const double inizio : {0.0, c.Tf / 2}) {
            t = inizio;
            for (const Segmento &s : a.mezzoCiclo)
                fino(t + s.durata, s.coppia);
        }
    } else {
        const QString motivo =
            a.calcolata() ? QStringLiteral("servizio continuo: ") + testoMotivo(a.motivo)
                          : QStringLiteral("non calcolabile: ") + testoMotivo(a.nonCalcolabile);
        etichetta(d, motivo, (sinistra + destra) / 2, alto, nero, Etichetta::Ancora::centro);
    }

    for (const Livello &l : livelli)
        linea(d, sinistra, (*y)(l.valore), destra, (*y)(l.valore), l.colore);
    // a level beyond the axis is named at the edge it lies beyond
    for (Livello &l : fuori) {
        l.nome += l.valore > 0 ? QStringLiteral(" ↑") : QStringLiteral(" ↓");
        livelli.push_back(l);
    }
    nomiLivelli(d, livelli, *y, f);
    return d;
}

Disegno grafico(const Carico &c, const Studio &s, const Motore *motore, const NumberFormat &f)
{
    if (const auto *a = std::get_if<Analisi>(&s))
        return graficoCiclo(std::get<Ciclo>(c), *a, motore, f);
    return graficoBobina(std::get<Bobina>(c), std::get<AnalisiBobina>(s), motore, f);
}

} // namespace verifica
