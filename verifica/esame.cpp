#include "esame.h"

#include <cmath>
#include <limits>

namespace verifica {

Esame esamina(const Ciclo &c, const Motore &m, const Limiti &l)
{
    Esame e;
    e.analisi = analizza(c, m.Jmot);
    const Analisi &a = e.analisi;
    if (!a.calcolata()) {
        constexpr double oltre = std::numeric_limits<double>::infinity();
        e.picco = e.efficace = e.velocita = e.inerzia = oltre;
        return e;
    }
    e.picco = a.Cpicco * l.k / m.Cmax * 100;
    e.efficace = a.Ceff * l.k / m.coppiaNominale() * 100;
    e.velocita = std::fabs(c.Wm) / m.nmax * 100;
    e.inerzia = a.lambda ? *a.lambda / l.lambdaMax * 100 : std::numeric_limits<double>::infinity();
    e.adatto = e.picco <= 100 && e.efficace <= 100 && e.velocita <= 100 && e.inerzia <= 100;
    return e;
}

Confronto confronta(const Ciclo &c, const std::vector<Motore> &motori, const Limiti &l)
{
    Confronto risultato;
    if (!analizza(c).calcolata())
        return risultato;
    risultato.esami.reserve(motori.size());
    for (std::size_t i = 0; i < motori.size(); ++i) {
        const Esame &e = risultato.esami.emplace_back(esamina(c, motori[i], l));
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
