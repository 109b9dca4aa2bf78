#pragma once
// File names as text. The system names a file with bytes; a name that is not valid UTF-8 keeps
// each byte that does not decode as the lone surrogate U+DC80 + byte, so that the file can be
// opened, written and shown by the bytes it has. And any text as it may reach a terminal or a
// line of output: its controls escaped, so that it can neither forge a line nor drive the
// terminal.

#include <QByteArray>
#include <QString>

namespace nomi {

// The name's bytes as text, the bytes that are not UTF-8 kept as escapes.
QString daByte(const QByteArray &byte);
// The bytes of a name made by daByte; any other text in UTF-8.
QByteArray inByte(const QString &nome);

// The text with C0 and C1 controls, DEL and the bidirectional controls (U+202A–U+202E,
// U+2066–U+2069) written as "\n", "\t", "\r", "\x1b", "\u202e", and the bytes kept by daByte
// as "\xff". Any other text unchanged.
QString stampabile(const QString &testo);

} // namespace nomi
