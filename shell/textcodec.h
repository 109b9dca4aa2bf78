#pragma once
// Text encodings of the data and results files. Files kept over the years are in the
// Windows-1252 code page; new files are written in it whenever every character fits, and in
// UTF-8 otherwise, so no typed character is ever lost.

#include <QByteArray>
#include <QString>
#include <optional>

namespace textcodec {

std::optional<QByteArray> toWindows1252(const QString &text); // nothing if a character does not fit
QString fromWindows1252(const QByteArray &bytes);

// Windows-1252 when it can hold the text, UTF-8 otherwise.
QByteArray encodeForFile(const QString &text);
// Whether the bytes start with a UTF-16 byte-order mark (little or big endian).
bool utf16(const QByteArray &bytes);
// UTF-16 after its byte-order mark; UTF-8 when the bytes are valid UTF-8 (a leading BOM is
// dropped), Windows-1252 otherwise.
QString decodeFromFile(const QByteArray &bytes);

} // namespace textcodec
