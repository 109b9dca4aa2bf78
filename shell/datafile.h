#pragma once
// The calculator data file: a date line, then the text of each value box in index order,
// one per line, CR LF line ends. Shared by every calculator window and by the reel's
// results file, which starts with the same date line.

#include <QDateTime>
#include <QString>
#include <QStringList>

class NumberFormat;

namespace datafile {

// Data files are a few hundred bytes; anything far bigger is not one of ours.
constexpr qint64 MaxSize = 1 << 20;

inline const QString filtro()
{
    return QStringLiteral("File di testo (*.txt)|*.txt|");
}

// Pads to the next print zone (multiples of 14 columns), as the date line needs.
QString toNextZone(const QString &text);

// "Dati registrati il: ", blanks up to column 29, the date and time.
QString dateLine(const NumberFormat &numbers, const QDateTime &when);

struct ReadResult {
    bool ok = false;
    QStringList lines; // every line of the file, the date line first
    QString error;     // the message for the user when !ok
};

// Reads the whole file before anything is shown, so a failed read changes nothing.
ReadResult read(const QString &path);

struct BytesResult {
    bool ok = false;
    QByteArray bytes;
    QString error;       // the message for the user when !ok
    bool tooBig = false; // the file holds more than maxSize bytes
};

// The bytes of a text file of at most maxSize bytes, with the checks and messages of read():
// a folder, a pipe or a device, a file that cannot be opened or read, one too big, one that
// is not text. An empty file passes: each reader says in its own words what it misses.
BytesResult readBytes(const QString &path, qint64 maxSize);

// Writes the lines, each ended by CR LF, through a temporary file renamed into place:
// a failed save leaves the old file as it was. Returns the message for the user, or
// an empty string on success.
QString write(const QString &path, const QStringList &lines);

// The same for any bytes (a chart picture, a printed report): all of them or nothing.
QString writeBytes(const QString &path, const QByteArray &bytes);

QStringList splitLines(const QString &text);
QByteArray joinLines(const QStringList &lines);

} // namespace datafile
