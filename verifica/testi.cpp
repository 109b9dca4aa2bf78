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

} // namespace verifica
