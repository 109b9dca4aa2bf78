// The batch program on arbitrary input. The input is the command line and the data file: the
// bytes before the first NUL are the arguments, one a line (a real command line holds no NUL),
// the bytes after it are the data file. An argument "@" stands for the data file's path.
// Every other argument is kept inside a private working directory ('/' and '\' become '_',
// "." and ".." become "_"), so the results files, charts and reports the options ask for
// are written there and removed after each run. Nothing is caught: a crash is a finding.

#include "app/calcrunner.h"
#include "app/disegnatoreqt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *datiDir = nullptr;
QTemporaryDir *lavoroDir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    static QGuiApplication app(*argc, *argv);
    datiDir = new QTemporaryDir;
    lavoroDir = new QTemporaryDir;
    if (!datiDir->isValid() || !lavoroDir->isValid() || !QDir::setCurrent(lavoroDir->path())) {
        fprintf(stderr, "cartelle temporanee non disponibili\n");
        abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype nul = input.indexOf('\0');
    const QByteArray riga = nul < 0 ? input : input.left(nul);
    const QByteArray contenuto = nul < 0 ? QByteArray() : input.mid(nul + 1);

    const QString path = datiDir->filePath(QStringLiteral("dati.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(contenuto) != contenuto.size())
            abort();
    }

    QStringList args;
    if (!riga.isEmpty())
        for (const QByteArray &a : riga.split('\n')) {
            if (a == "@") {
                args << path;
                continue;
            }
            QString arg = QString::fromUtf8(a);
            arg.replace(QLatin1Char('/'), QLatin1Char('_'))
                .replace(QLatin1Char('\\'), QLatin1Char('_'));
            if (arg == QLatin1String(".") || arg == QLatin1String(".."))
                arg = QStringLiteral("_");
            args << arg;
        }

    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    static DisegnatoreQt disegnatore;
    const int codice = eseguiCalcolo(args, out, err, &disegnatore);
    if (codice < 0 || codice > 2) {
        fprintf(stderr, "stato di uscita inatteso: %d\n", codice);
        abort();
    }

    QDir lavoro(lavoroDir->path());
    for (const QString &name :
         lavoro.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        QFileInfo info(lavoro.filePath(name));
        if (info.isDir() && !info.isSymLink())
            QDir(info.filePath()).removeRecursively();
        else
            lavoro.remove(name);
    }
    return 0;
}
