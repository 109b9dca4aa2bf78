#pragma once
// What every calculator's "Immissione dati" shares: the title of its messages and the text
// that reports a box holding no number; and how a message quotes a long text.

#include <QString>

namespace immissione {

inline const QString titolo()
{
    return QStringLiteral("Inserimento dati mancanti");
}

// A text quoted in a message, at most `massimo` characters: a longer one keeps its start and
// its end around "…", so that a box of 400 digits or a long file name still fits the message
// box and shows where it begins and ends.
inline QString citazione(const QString &testo, qsizetype massimo = 40)
{
    if (testo.size() <= massimo)
        return testo;
    const qsizetype inizio = (massimo - 1) / 2 + (massimo - 1) % 2;
    return testo.left(inizio) + QChar(0x2026) + testo.right(massimo - 1 - inizio);
}

// Names the box by its symbol and quantity and repeats what it holds.
inline QString nonNumero(const QString &simbolo, const QString &nome, const QString &testo)
{
    if (testo.trimmed().isEmpty())
        return QStringLiteral("Il dato \"%1\" (%2) è vuoto").arg(simbolo, nome);
    return QStringLiteral("Il dato \"%1\" (%2) non è un numero: \"%3\"")
        .arg(simbolo, nome, citazione(testo));
}

} // namespace immissione
