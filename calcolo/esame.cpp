#include "esame.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace verifica {

namespace {

constexpr double oltre = std::numeric_limits<double>::infinity();

// A linear cycle: at the motor speed, against the torques the motor gives there.
void esamina(Esame &e, const Ciclo &c, const Analisi &a, const Motore &m, const Limiti &l)
{
    const double n = std::fabs(c.Wm);
    e.picco = a.Cpicco * l.k / m.coppiaDiPicco(n) * 100;
    e.continua = a.Ceff * l.k / m.coppiaContinua(n) * 100;
    e.velocita = n / m.nmax * 100;
    if (l.lambdaMax)
        e.inerzia = a.lambda ? *a.lambda / *l.lambdaMax * 100 : oltre;
}

// The coil: each use the worst over the diameters, each diameter a continuous duty.
void esamina(Esame &e, const AnalisiBobina &a, const Motore &m, const Limiti &l)
{
    for (int i = 0; i < diametri; ++i) {
        const double picco = l.k * std::max(std::fabs(a.Cacc[i]), std::fabs(a.Cdec[i])) /
                             m.coppiaDiPicco(a.n[i]) * 100;
        const double continua = l.k * std::fabs(a.Creg[i]) / m.coppiaContinua(a.n[i]) * 100;
        if (e.diametroPicco < 0 || picco > e.picco)
            e.picco = picco, e.diametroPicco = i;
        if (e.diametroContinua < 0 || continua > e.continua)
            e.continua = continua, e.diametroContinua = i;
    }
    e.velocita = a.n[a.nMax] / m.nmax * 100;
    if (l.lambdaMax)
        e.inerzia = a.lambda ? *a.lambda / *l.lambdaMax * 100 : oltre;
}

} // namespace

Studio studia(const Carico &c, double Jmot, bool proprio, Costante costante)
{
    if (const auto *ciclo = std::get_if<Ciclo>(&c))
        return analizza(*ciclo, Jmot, costante);
    return analizza(std::get<Bobina>(c), Jmot, proprio, costante);
}

Studio studia(const Carico &c, Costante costante)
{
    if (const auto *ciclo = std::get_if<Ciclo>(&c))
        return analizza(*ciclo, ciclo->Jm, costante);
    const Bobina &b = std::get<Bobina>(c);
    return analizza(b, b.Jmot, true, costante);
}

bool calcolato(const Studio &s)
{
    return std::visit([](const auto &a) { return a.calcolata(); }, s);
}

bool aspo(const Carico &c)
{
    return std::holds_alternative<Bobina>(c);
}

double Esame::uso(Uso u) const
{
    switch (u) {
    case Uso::Picco: return picco;
    case Uso::Continua: return continua;
    case Uso::Velocita: return velocita;
    case Uso::Inerzia: break;
    }
    return inerzia.value_or(-oltre);
}

Uso Esame::governa() const
{
    Uso peggiore = Uso::Picco;
    for (const Uso u : {Uso::Continua, Uso::Velocita, Uso::Inerzia})
        if (uso(u) > uso(peggiore))
            peggiore = u;
    return peggiore;
}

Esame esamina(const Carico &c, const Motore &m, const Limiti &l, Costante costante)
{
    Esame e;
    e.studio = studia(c, m.Jmot, false, costante);
    if (!calcolato(e.studio)) {
        e.picco = e.continua = e.velocita = oltre;
        e.inerzia = oltre;
        return e;
    }
    if (const auto *a = std::get_if<Analisi>(&e.studio))
        esamina(e, std::get<Ciclo>(c), *a, m, l);
    else
        esamina(e, std::get<AnalisiBobina>(e.studio), m, l);
    e.adatto =
        e.picco <= 100 && e.continua <= 100 && e.velocita <= 100 && e.inerzia.value_or(0) <= 100;
    return e;
}

Confronto confronta(const Carico &c, const std::vector<Motore> &motori, const Limiti &l,
                    Costante costante)
{
    Confronto risultato;
    if (!calcolato(studia(c, costante)))
        return risultato;
    risultato.esami.reserve(motori.size());
    for (std::size_t i = 0; i < motori.size(); ++i) {
        const Esame &e = risultato.esami.emplace_back(esamina(c, motori[i], l, costante));
        if (!e.adatto)
            continue;
        const auto migliore = [&](const Motore &m, const Motore &s) {
            if (m.Pn != s.Pn)
                return m.Pn < s.Pn;
            return m.coppiaNominale() < s.coppiaNominale();
        };
        if (!risultato.scelto || migliore(motori[i], motori[*risultato.scelto]))
            risultato.scelto = i;
    }
    return risultato;
}

} // namespace verifica
