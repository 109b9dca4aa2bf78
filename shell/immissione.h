#pragma once
// What every calculator's "Immissione dati" shares: the title of its messages and the text
// that reports a box holding no number.

#include <QString>

namespace immissione {

inline const QString titolo() { return QStringLiteral("Inserimento dati mancanti"); }

// Names the box by its symbol and quantity and repeats what it holds.
inline QString nonNumero(const QString &simbolo, const QString &nome, const QString &testo)
{
    if (testo.trimmed().isEmpty())
        return QStringLiteral("Il dato \"%1\" (%2) è vuoto").arg(simbolo, nome);
    return QStringLiteral("Il dato \"%1\" (%2) non è un numero: \"%3\"").arg(simbolo, nome, testo);
}

} // namespace immissione
