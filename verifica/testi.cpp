#include "testi.h"

#include "shell/numbers.h"

#include <cmath>

namespace verifica {

QString coppia(double kgm, const NumberFormat &f)
{
    return f.picture(kgm, QStringLiteral("##0.000")) + QStringLiteral(" kgm (") +
           f.picture(kgm * newtonMetriPerKgm, QStringLiteral("##0.00")) + QStringLiteral(" N·m)");
}

QString percentuale(double valore, const NumberFormat &f)
{
    if (!std::isfinite(valore))
        return QStringLiteral("fuori scala");
    return f.picture(valore, QStringLiteral("##0")) + QStringLiteral(" %");
}

QStringList righeCiclo(const Analisi &a, const NumberFormat &f)
{
    if (!a.calcolata())
        return {QStringLiteral("non calcolabile: ") + a.nonCalcolabile};
    const QString nonCalcolabile = QStringLiteral("non calcolabile");
    QString efficace = coppia(a.Ceff, f);
    if (!a.valido())
        efficace += QStringLiteral(" (servizio continuo: ") + a.motivo + QLatin1Char(')');
    return {
        QStringLiteral("Coppia in accelerazione = ") + coppia(a.Cacc, f),
        QStringLiteral("Coppia a regime = ") + coppia(a.Creg, f),
        QStringLiteral("Coppia in decelerazione = ") + (a.Cdec ? coppia(*a.Cdec, f) : nonCalcolabile),
        QStringLiteral("Coppia di picco = ") + coppia(a.Cpicco, f),
        QStringLiteral("Coppia efficace = ") + efficace,
        QStringLiteral("Rapporto di intermittenza = ") + percentuale(a.ED, f),
        QStringLiteral("Rapporto d'inerzia = ") +
            (a.lambda ? f.picture(*a.lambda, QStringLiteral("##0.00")) : nonCalcolabile),
    };
}

QString giudizio(const Esame &e)
{
    return e.adatto ? QStringLiteral("adatto") : QStringLiteral("non adatto");
}

QString rigaMotore(const Motore &m, const Esame &e, const NumberFormat &f)
{
    if (!e.analisi.calcolata())
        return m.nome + QStringLiteral("; non calcolabile: ") + e.analisi.nonCalcolabile + QStringLiteral("; ") +
               giudizio(e);
    return m.nome + QStringLiteral("; picco ") + percentuale(e.picco, f) +
           QStringLiteral("; efficace ") + percentuale(e.efficace, f) +
           QStringLiteral("; velocità ") + percentuale(e.velocita, f) +
           QStringLiteral("; inerzia ") + percentuale(e.inerzia, f) + QStringLiteral("; ") + giudizio(e);
}


std::vector<RigaTabella> tabella(const std::vector<Motore> &motori, const Confronto &confronto,
                                 const NumberFormat &f)
{
    std::vector<RigaTabella> righe;
    const auto riga = [&](std::size_t i) {
        const Esame &e = confronto.esami[i];
        RigaTabella r;
        r.motore = motori[i].nome;
        r.potenza = f.picture(motori[i].Pn, QStringLiteral("##0.0##"));
        const double usi[4] = {e.picco, e.efficace, e.velocita, e.inerzia};
        for (int u = 0; u < 4; ++u) {
            r.uso[u] = percentuale(usi[u], f);
            r.entro[u] = usi[u] <= 100;
        }
        r.scelto = confronto.scelto == i;
        r.esito = giudizio(e);
        if (r.scelto && motori.size() > 1)
            r.esito += QStringLiteral(" (scelto)");
        righe.push_back(std::move(r));
    };
    if (confronto.esami.empty())
        return righe;
    if (confronto.scelto)
        riga(*confronto.scelto);
    for (std::size_t i = 0; i < motori.size(); ++i)
        if (confronto.scelto != i)
            riga(i);
    return righe;
}

std::optional<std::size_t> motoreDelGrafico(const std::vector<Motore> &motori,
                                            const Confronto &confronto)
{
    if (confronto.esami.empty())
        return std::nullopt;
    return confronto.scelto ? confronto.scelto
                            : (motori.size() == 1 ? std::optional<std::size_t>(0) : std::nullopt);
}

} // namespace verifica
