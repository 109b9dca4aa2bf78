#include "datafile.h"

#include "fileerrors.h"
#include "immissione.h"
#include "numbers.h"
#include "textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace datafile {

QString toNextZone(const QString &text)
{
    constexpr int zone = 14;
    const int width = int((text.size() / zone + 1) * zone);
    return text.leftJustified(width, QLatin1Char(' '));
}

QString dateLine(const NumberFormat &numbers, const QDateTime &when)
{
    return toNextZone(QStringLiteral("Dati registrati il: ")) + numbers.fileDateTime(when);
}

QStringList splitLines(const QString &text)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast(); // the line end of the last line opens no new line
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    return textcodec::encodeForFile(text);
}

static bool looksBinary(const QByteArray &bytes)
{
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n')
            return true;
    }
    return false;
}

BytesResult readBytes(const QString &path, qint64 maxSize)
{
    BytesResult result;
    // the name only for a message: a batch run reads thousands of files without one
    const QFileInfo info(path);
    const auto nome = [&info] { return immissione::citazione(info.fileName(), 60); };
    QFile file(path);
    if (info.isDir()) {
        result.error = QStringLiteral("\"%1\" è una cartella, non un file di dati.").arg(nome());
        return result;
    }
    // A pipe, a device or a socket is never a data file, and opening a pipe would wait
    // for a writer that never comes.
    if (info.exists() && !info.isFile()) {
        result.error = QStringLiteral("\"%1\" non è un file di dati.").arg(nome());
        return result;
    }
    // read straight into the result: a buffer of the device's own would only be copied
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        result.error = QStringLiteral("Impossibile aprire il file \"%1\": %2")
                           .arg(nome(), descriviErrore(file.error(), path));
        return result;
    }
    // Read in pieces sized by the file, up to one byte past the limit: a data file is a few
    // hundred bytes, and a buffer of the whole limit for every open would be wasted.
    QByteArray bytes;
    const qint64 size = info.size(); // a guess: what is read decides
    while (bytes.size() <= maxSize) {
        const qint64 wanted = qMax<qint64>(4096, size + 1 - bytes.size());
        const qint64 asked = qMin<qint64>(wanted, maxSize + 1 - bytes.size());
        const QByteArray piece = file.read(asked);
        bytes += piece;
        // the device reads on to the end of the file before it gives fewer bytes than asked
        if (piece.size() < asked)
            break;
    }
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("Impossibile leggere il file \"%1\": %2")
                           .arg(nome(), descriviErrore(file.error(), path));
        return result;
    }
    if (bytes.size() > maxSize) {
        result.error = QStringLiteral("Il file \"%1\" è troppo grande per essere un file di dati.")
                           .arg(nome());
        return result;
    }
    // an empty file is left to the caller, which names what it lacks in its own words
    if (looksBinary(bytes)) {
        result.error = QStringLiteral("Il file \"%1\" non è un file di testo.").arg(nome());
        return result;
    }
    result.bytes = std::move(bytes);
    result.ok = true;
    return result;
}

ReadResult read(const QString &path)
{
    ReadResult result;
    const BytesResult file = readBytes(path, MaxSize);
    if (!file.ok) {
        result.error = file.error;
        return result;
    }
    if (file.bytes.isEmpty()) {
        result.error = QStringLiteral("Il file \"%1\" è vuoto.")
                           .arg(immissione::citazione(QFileInfo(path).fileName(), 60));
        return result;
    }
    result.lines = splitLines(textcodec::decodeFromFile(file.bytes));
    result.ok = true;
    return result;
}

QString write(const QString &path, const QStringList &lines)
{
    return writeBytes(path, joinLines(lines));
}

QString writeBytes(const QString &path, const QByteArray &bytes)
{
    const QString name = immissione::citazione(QFileInfo(path).fileName(), 60);
    if (QFileInfo(path).isDir())
        return QStringLiteral("Impossibile salvare: \"%1\" è una cartella.").arg(name);
    const bool existed = QFileInfo::exists(path);
    QSaveFile file(path);
    // what went wrong when the file itself reports no error: it could not be created, or
    // its writing was cut short
    const auto failed = [&](QFileDevice::FileError fallback) {
        const QFileDevice::FileError error =
            file.error() == QFileDevice::NoError || file.error() == QFileDevice::WriteError ? fallback
                                                                                         : file.error();
        // the new file is made beside the old one, so the folder itself must be writable
        const bool cartella = error == QFileDevice::OpenError && existed &&
                              !QFileInfo(QFileInfo(path).absolutePath()).isWritable();
        QString text = QStringLiteral("Impossibile salvare il file \"%1\": %2.")
                           .arg(name, cartella ? QStringLiteral("la cartella non è scrivibile")
                                               : descriviErrore(error, path));
        if (existed)
            text += QStringLiteral(" Il file esistente non è stato modificato.");
        return text;
    };
    // Unbuffered, so that a write cut short (a full disk, a file-size limit) shows in the
    // count written and the file is never committed; buffered, the shortfall was lost.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(QFileDevice::OpenError);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failed(QFileDevice::WriteError);
    return QString();
}

} // namespace datafile
