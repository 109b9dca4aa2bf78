#include "testi.h"

#include "shell/numbers.h"

#include <algorithm>
#include <cmath>

namespace verifica {

QString cifra(double valore, const QString &formato, const NumberFormat &f)
{
    if (!std::isfinite(valore) || std::fabs(valore) >= 1e9)
        return fuoriScala();
    return f.picture(valore, formato);
}

QString coppia(double kgm, const NumberFormat &f)
{
    const double newtonMetri = kgm * newtonMetriPerKgm;
    if (!std::isfinite(newtonMetri) || std::fabs(newtonMetri) >= 1e9)
        return fuoriScala();
    return f.picture(kgm, QStringLiteral("##0.000")) + QStringLiteral(" kgm (") +
           f.picture(newtonMetri, QStringLiteral("##0.00")) + QStringLiteral(" N·m)");
}

QString percentuale(double valore, const NumberFormat &f)
{
    const QString testo = cifra(valore, QStringLiteral("##0"), f);
    return testo == fuoriScala() ? testo : testo + QStringLiteral(" %");
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
            (a.lambda ? cifra(*a.lambda, QStringLiteral("##0.00"), f) : nonCalcolabile),
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


RigaTabella rigaTabella(const std::vector<Motore> &motori, const Confronto &confronto, std::size_t i,
                        const NumberFormat &f)
{
    const Esame &e = confronto.esami[i];
    RigaTabella r;
    r.motore = motori[i].nome;
    r.potenza = cifra(motori[i].Pn, QStringLiteral("##0.0##"), f);
    const double usi[4] = {e.picco, e.efficace, e.velocita, e.inerzia};
    for (int u = 0; u < 4; ++u) {
        r.uso[u] = percentuale(usi[u], f);
        r.entro[u] = usi[u] <= 100;
    }
    r.scelto = confronto.scelto == i;
    r.esito = giudizio(e);
    if (r.scelto && motori.size() > 1)
        r.esito += QStringLiteral(" (scelto)");
    return r;
}

std::vector<RigaTabella> tabella(const std::vector<Motore> &motori, const Confronto &confronto,
                                 const NumberFormat &f)
{
    std::vector<RigaTabella> righe;
    if (confronto.esami.empty())
        return righe;
    righe.reserve(motori.size());
    if (confronto.scelto)
        righe.push_back(rigaTabella(motori, confronto, *confronto.scelto, f));
    for (std::size_t i = 0; i < motori.size(); ++i)
        if (confronto.scelto != i)
            righe.push_back(rigaTabella(motori, confronto, i, f));
    return righe;
}

std::vector<std::size_t> motoriDelFoglio(const std::vector<Motore> &motori, const Confronto &confronto,
                                         std::size_t altri)
{
    std::vector<std::size_t> scelti, adatti, resto;
    if (confronto.esami.empty())
        return scelti;
    if (confronto.scelto)
        scelti.push_back(*confronto.scelto);
    for (std::size_t i = 0; i < motori.size(); ++i)
        if (confronto.scelto != i)
            (confronto.esami[i].adatto ? adatti : resto).push_back(i);
    std::stable_sort(adatti.begin(), adatti.end(),
                     [&](std::size_t a, std::size_t b) { return motori[a].Pn < motori[b].Pn; });
    adatti.insert(adatti.end(), resto.begin(), resto.end());
    adatti.resize(std::min(adatti.size(), altri));
    scelti.insert(scelti.end(), adatti.begin(), adatti.end());
    return scelti;
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
