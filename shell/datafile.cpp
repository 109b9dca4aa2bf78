#include "datafile.h"

#include "calcolo/numbers.h"
#include "fileerrors.h"
#include "immissione.h"
#include "sistema.h"
#include "textcodec.h"

#include <QFileInfo>

#include <cerrno>

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
    const auto nome = [&path] { return immissione::citazione(QFileInfo(path).fileName(), 60); };
    const auto nonDati = [&](sistema::Tipo tipo) {
        result.error =
            tipo == sistema::Tipo::Cartella
                ? QStringLiteral("\"%1\" è una cartella, non un file di dati.").arg(nome())
                : QStringLiteral("\"%1\" non è un file di dati.").arg(nome());
        return result;
    };
    // A pipe, a device or a socket is never a data file: it is not opened when its name says
    // so, and refused when what was opened turns out to be one.
    if (const sistema::Voce voce = sistema::esamina(path);
        voce.tipo == sistema::Tipo::Cartella || voce.tipo == sistema::Tipo::Altro)
        return nonDati(voce.tipo);
    sistema::Lettura letto = sistema::leggi(path, maxSize);
    if (letto.errore != 0) {
        const QString motivo = letto.aperto && letto.errore == EIO
                                   ? QStringLiteral("errore di lettura")
                                   : descriviErrore(letto.errore, path);
        result.error = (letto.aperto ? QStringLiteral("Impossibile leggere il file \"%1\": %2")
                                     : QStringLiteral("Impossibile aprire il file \"%1\": %2"))
                           .arg(nome(), motivo);
        return result;
    }
    if (letto.tipo != sistema::Tipo::File)
        return nonDati(letto.tipo);
    if (letto.troppoGrande) {
        result.tooBig = true;
        result.error = QStringLiteral("Il file \"%1\" è troppo grande per essere un file di dati.")
                           .arg(nome());
        return result;
    }
    // an empty file is left to the caller, which names what it lacks in its own words; UTF-16
    // holds zero bytes, so its text is what is looked at
    if (textcodec::utf16(letto.byte) ? looksBinary(textcodec::decodeFromFile(letto.byte).toUtf8())
                                     : looksBinary(letto.byte)) {
        result.error = QStringLiteral("Il file \"%1\" non è un file di testo.").arg(nome());
        return result;
    }
    result.bytes = std::move(letto.byte);
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
    const sistema::Scrittura s = sistema::scrivi(path, bytes);
    switch (s.fase) {
    case sistema::Scrittura::Nessuna: return QString();
    case sistema::Scrittura::Cartella:
        return QStringLiteral("Impossibile salvare: \"%1\" è una cartella.").arg(name);
    case sistema::Scrittura::NonNormale:
        return QStringLiteral("Impossibile salvare: \"%1\" non è un file normale.").arg(name);
    case sistema::Scrittura::Apertura:
    case sistema::Scrittura::Invio:
    case sistema::Scrittura::Sostituzione: break;
    }
    QString motivo;
    if (s.fase == sistema::Scrittura::Apertura && (s.errore == EACCES || s.errore == EPERM) &&
        s.esisteva && !QFileInfo(QFileInfo(path).absolutePath()).isWritable())
        motivo = QStringLiteral(
            "la cartella non è scrivibile"); // the new file is made beside the old one
    else if (s.fase == sistema::Scrittura::Invio && s.errore == EIO)
        motivo = QStringLiteral("errore di scrittura");
    else if (s.fase == sistema::Scrittura::Sostituzione)
        motivo = QStringLiteral("impossibile sostituire il file esistente (%1)")
                     .arg(descriviErrore(s.errore, path));
    else
        motivo = descriviErrore(s.errore, path);
    QString text = QStringLiteral("Impossibile salvare il file \"%1\": %2.").arg(name, motivo);
    if (s.esisteva)
        text += QStringLiteral(" Il file esistente non è stato modificato.");
    return text;
}

} // namespace datafile
