// Saves that the system refuses: a folder the user may not write into, a disk that is full.
// The batch program writes the reel's three kinds of output (results file, chart picture,
// printed report); each must fail with a message and leave the file that was there as it was.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray vecchio = "vecchio\r\n";

void scriviVecchio(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(vecchio);
}

QByteArray contenuto(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(manca)");
}

QStringList uscite(const QString &cartella)
{
    return {QStringLiteral("--risultati"),       cartella + QStringLiteral("/r.txt"),
            QStringLiteral("--grafico"),         QStringLiteral("velocita"),
            cartella + QStringLiteral("/v.png"), QStringLiteral("--stampa"),
            cartella + QStringLiteral("/r.pdf")};
}

} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT
private slots:
    void readOnlyFolder();
    void fullDisk();
};

void TestFileFaults::readOnlyFolder()
{
    // Root may write anywhere, so as root the program runs as the unprivileged user
    // "nobody"; the program and its data are copied where that user can read them.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::setPermissions(
        dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                        QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
    const QString calc = dir.filePath(QStringLiteral("calc"));
    const QString dati = dir.filePath(QStringLiteral("aspo.txt"));
    QVERIFY(QFile::copy(QStringLiteral(DM_CALC), calc));
    // the program that draws the charts and the report goes with it
    QVERIFY(QFile::copy(QStringLiteral(DM_CALC_GRAFICA),
                        dir.filePath(QFileInfo(QStringLiteral(DM_CALC_GRAFICA)).fileName())));
    QVERIFY(QFile::copy(QStringLiteral(DM_DATA "/aspo_esempio.txt"), dati));
    QVERIFY(QFile::setPermissions(dati, QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup));

    const QString sola = dir.filePath(QStringLiteral("sola"));
    QVERIFY(QDir().mkdir(sola));
    for (const char *name : {"r.txt", "v.png", "r.pdf"})
        scriviVecchio(sola + QLatin1Char('/') + QLatin1String(name));
    QVERIFY(QFile::setPermissions(sola, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                            QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));

    QProcess p;
    p.setChildProcessModifier([] {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
    });
    p.start(calc, QStringList{QStringLiteral("aspo"), dati} + uscite(sola));
    QVERIFY(p.waitForFinished(30000));
    if (p.exitCode() == 99)
        QSKIP("cannot drop root here");
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardOutput().contains("risultato: Potenza massima del motore = 22 kW"));
    for (const char *name : {"\"r.txt\"", "\"v.png\"", "\"r.pdf\""})
        QVERIFY2(err.contains(QStringLiteral("Impossibile salvare il file ") + QLatin1String(name)),
                 qPrintable(err));
    QVERIFY(err.contains(QStringLiteral("Impossibile salvare il file \"r.txt\": la cartella non è "
                                        "scrivibile. Il file esistente non è "
                                        "stato modificato.")));
    for (const char *name : {"r.txt", "v.png", "r.pdf"})
        QCOMPARE(contenuto(sola + QLatin1Char('/') + QLatin1String(name)), vecchio);
    QCOMPARE(QDir(sola).entryList(QDir::Files).size(), 3);
}

void TestFileFaults::fullDisk()
{
    // A 16 kB disk of its own, in a mount namespace of the child's, holding the three old
    // files (a page each): the results file (about 12 kB), the chart and the report do not fit.
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty())
        QSKIP("unshare is not installed");
    QTemporaryDir dir;
    const QString disco = dir.filePath(QStringLiteral("disco"));
    QVERIFY(QDir().mkdir(disco));
    const QString script = QStringLiteral(
        "d=\"$1\"; shift\n"
        "mount -t tmpfs -o size=16k tmpfs \"$d\" || exit 99\n"
        "for f in r.txt v.png r.pdf; do printf 'vecchio\\r\\n' > \"$d/$f\"; done\n"
        "\"$@\"; echo \"uscita $?\"\n"
        "ls \"$d\" | tr '\\n' ' '; echo\n"
        "for f in r.txt v.png r.pdf; do printf \"$f:\"; od -An -c \"$d/$f\" | tr -s ' '; done\n");
    const QStringList args = QStringList{QStringLiteral("-m"),
                                         QStringLiteral("sh"),
                                         QStringLiteral("-c"),
                                         script,
                                         QStringLiteral("sh"),
                                         disco,
                                         QStringLiteral(DM_CALC),
                                         QStringLiteral("aspo"),
                                         QStringLiteral(DM_DATA "/aspo_esempio.txt")} +
                             uscite(disco);
    QProcess p;
    p.start(unshare, args);
    QVERIFY(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (p.exitCode() == 99 || err.contains(QStringLiteral("unshare failed")))
        QSKIP("no mount namespace here (needs root)");
    QVERIFY2(out.contains(QStringLiteral("risultato: Potenza massima del motore = 22 kW")),
             qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("uscita 2")), qPrintable(out + err));
    QVERIFY2(err.contains(QStringLiteral("Impossibile salvare il file \"r.txt\"")),
             qPrintable(err));
    QVERIFY(err.contains(QStringLiteral("disco pieno")));
    // every old file as it was, no temporary left
    QVERIFY2(out.contains(QStringLiteral("r.pdf r.txt v.png \n")), qPrintable(out));
    for (const char *name : {"r.txt: v e c c h i o \\r \\n", "v.png: v e c c h i o \\r \\n",
                             "r.pdf: v e c c h i o \\r \\n"})
        QVERIFY2(out.contains(QLatin1String(name)), qPrintable(out));
}

QTEST_APPLESS_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
