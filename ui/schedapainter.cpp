#include "schedapainter.h"

QString scriviSchedaPdf(const scheda::Foglio &, const QString &)
{
    return QStringLiteral("Scheda non ancora disponibile.");
}
