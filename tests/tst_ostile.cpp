// The batch program and the saves under hostile input, on files made in a scratch folder: output
// targets that are not the program's to replace, folder entries that are not data files, option
// values that say nothing, and standard output that cannot be written. Each run as root and, where
// permissions matter, as the unprivileged user "nobody".

#include "shell/datafile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Esito {
    int codice = -1;
    QString out, err;
};

// The program run by a shell line (`$CALC` names it, `$D` the scratch folder), as root or as
// "nobody"; exit status 99: the user could not be changed.
Esito shell(const QString &riga, const QString &cartella, bool nessuno = false)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("CALC"), QStringLiteral(DM_CALC));
    env.insert(QStringLiteral("D"), cartella);
    p.setProcessEnvironment(env);
    if (nessuno)
        p.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                _exit(99);
        });
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), riga});
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// A folder everybody may read and write, holding the drum hoist's worked example as d.txt.
bool prepara(QTemporaryDir &dir)
{
    return dir.isValid() && QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)) &&
           QFile::copy(QStringLiteral(DM_DATA "/tamburo_esempio.txt"),
                       dir.filePath(QStringLiteral("d.txt")));
}

// A regular file's bytes; nothing for any other kind, which is never opened.
QByteArray contenuto(const QString &path)
{
    struct stat st;
    if (stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return QByteArray();
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a scratch entry is: 'p' pipe, 's' socket, 'c' device, 'd' folder, 'f' file, '-' none.
char tipo(const QString &path)
{
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return '-';
    return S_ISFIFO(st.st_mode)   ? 'p'
           : S_ISSOCK(st.st_mode) ? 's'
           : S_ISCHR(st.st_mode)  ? 'c'
           : S_ISDIR(st.st_mode)  ? 'd'
                                  : 'f';
}

// Makes a scratch entry of kind `t`; false when this user cannot (a device needs root).
bool crea(const QString &path, char t)
{
    const QByteArray nome = QFile::encodeName(path);
    switch (t) {
    case 'p': return mkfifo(nome.constData(), 0666) == 0;
    case 'c': // a full device of its own, as /dev/full is
        return mknod(nome.constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
    case 'd': return QDir().mkdir(path);
    case 's': {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un indirizzo{};
        indirizzo.sun_family = AF_UNIX;
        qstrncpy(indirizzo.sun_path, nome.constData(), sizeof indirizzo.sun_path);
        const bool fatto =
            fd >= 0 && bind(fd, reinterpret_cast<sockaddr *>(&indirizzo), sizeof indirizzo) == 0;
        if (fd >= 0)
            close(fd);
        return fatto;
    }
    }
    return false;
}

} // namespace

class TestOstile : public QObject {
    Q_OBJECT
private slots:
    void uscite_data();
    void uscite();
    void voci_data();
    void voci();
    void opzioni_data();
    void opzioni();
    void uscitaStandard_data();
    void uscitaStandard();
    void formule();
};

void TestOstile::uscite_data()
{
    QTest::addColumn<QString>("riga"); // the job, its data file and the options; $B is the target
    QTest::addColumn<QString>("bersaglio");
    QTest::addColumn<char>("tipo"); // made before the run; 'f': an input, 'l': a link to d.txt
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<bool>("nessuno");
    const QString normale = QStringLiteral("non è un file normale");
    const QString ingresso = QStringLiteral("è un file di ingresso di questo calcolo");
    for (const bool nessuno : {false, true}) {
        const char *chi = nessuno ? " as nobody" : "";
        // clang-format off
        QTest::addRow("sheet onto a pipe%s", chi) << "tamburo d.txt --scheda $B" << "tubo" << 'p' << normale << nessuno;
        QTest::addRow("sheet onto a device%s", chi) << "tamburo d.txt --scheda $B" << "pieno" << 'c' << normale << nessuno;
        QTest::addRow("results onto a socket%s", chi) << "aspo a.txt --risultati $B" << "presa" << 's' << normale << nessuno;
        QTest::addRow("chart onto a pipe%s", chi) << "aspo a.txt --grafico velocita $B" << "tubo" << 'p' << normale << nessuno;
        QTest::addRow("report onto a device%s", chi) << "aspo a.txt --stampa $B" << "pieno" << 'c' << normale << nessuno;
        // clang-format on
    }
    // clang-format off
    QTest::newRow("sheet onto a folder") << "tamburo d.txt --scheda $B/" << "cartella" << 'd' << "è una cartella" << false;
    QTest::newRow("sheet onto its data file") << "tamburo d.txt --scheda ./$B" << "d.txt" << 'f' << ingresso << false;
    QTest::newRow("sheet onto a link to its data file") << "tamburo d.txt --scheda $B" << "link" << 'l' << ingresso << false;
    QTest::newRow("sheet onto the list") << "tamburo d.txt --catalogo m.csv --scheda $B" << "m.csv" << 'f' << ingresso << false;
    QTest::newRow("results onto the data file") << "aspo a.txt --risultati $B" << "a.txt" << 'f' << ingresso << false;
    // clang-format on
}

// A target that exists and is not a regular file, or that is one of the run's inputs, is
// refused before anything is calculated, and stays as it was; the windows' saves refuse the
// same targets.
void TestOstile::uscite()
{
    QFETCH(QString, riga);
    QFETCH(QString, bersaglio);
    QFETCH(char, tipo);
    QFETCH(QString, messaggio);
    QFETCH(bool, nessuno);
    if (nessuno && geteuid() != 0)
        QSKIP("runs as nobody only from root");
    QTemporaryDir dir;
    QVERIFY(prepara(dir));
    const QString path = dir.filePath(bersaglio);
    QVERIFY(QFile::copy(QStringLiteral(DM_DATA "/aspo_esempio.txt"),
                        dir.filePath(QStringLiteral("a.txt"))));
    QVERIFY(
        QFile::copy(QStringLiteral(DM_CATALOGO_ESEMPIO), dir.filePath(QStringLiteral("m.csv"))));
    if (tipo == 'l')
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("d.txt")), path));
    else if (tipo != 'f' && !crea(path, tipo))
        QSKIP("this user cannot make such a file");
    const char prima = ::tipo(path);
    const QByteArray dati = contenuto(path);
    const Esito e = shell(QStringLiteral("cd \"$D\" && B=%1 && \"$CALC\" %2").arg(bersaglio, riga),
                          dir.path(), nessuno);
    if (e.codice == 99)
        QSKIP("cannot drop root here");
    QCOMPARE(e.codice, 2);
    QVERIFY2(e.err.contains(messaggio), qPrintable(e.err));
    QCOMPARE(e.out, QString());
    QCOMPARE(::tipo(path), prima);
    QCOMPARE(contenuto(path), dati);
    // the windows' saves go through the same save
    if (tipo != 'f' && tipo != 'l' && !nessuno) {
        const QString errore = datafile::writeBytes(path, "x");
        QVERIFY2(errore.contains(tipo == 'd' ? QStringLiteral("è una cartella") : messaggio),
                 qPrintable(errore));
        QCOMPARE(::tipo(path), prima);
    }
}

void TestOstile::voci_data()
{
    QTest::addColumn<QByteArray>("nome"); // the entry's bytes, beside a good a.txt
    QTest::addColumn<char>("tipo"); // 'l' dangling link, 'o' link loop, 'p' pipe, 'f' data file
    QTest::addColumn<QString>("mostrato"); // the name as the output shows it
    QTest::addColumn<QString>("motivo");   // empty: calculated
    // clang-format off
    QTest::newRow("dangling link") << QByteArray("b.txt") << 'l' << "b.txt"
                                   << "il collegamento simbolico non porta a nessun file";
    QTest::newRow("link loop") << QByteArray("c.txt") << 'o' << "c.txt" << "troppi collegamenti simbolici";
    QTest::newRow("pipe") << QByteArray("e.txt") << 'p' << "e.txt" << "non è un file di dati";
    QTest::newRow("name not UTF-8") << QByteArray("d\xff\xfe.txt") << 'f' << "d\\xff\\xfe.txt" << QString();
    QTest::newRow("name forging a line") << QByteArray("x\ncasella 0: 999.txt") << 'p'
                                         << "x\\ncasella 0: 999.txt" << "non è un file di dati";
    QTest::newRow("name driving the terminal") << QByteArray("\x1b[2J\xe2\x80\xae.txt") << 'f'
                                               << "\\x1b[2J\\u202e.txt" << QString();
    // clang-format on
}

// Every entry of a folder named *.txt is reported, with its reason when it cannot be read as a
// data file: never skipped in silence; names are shown escaped and opened by their bytes.
void TestOstile::voci()
{
    QFETCH(QByteArray, nome);
    QFETCH(char, tipo);
    QFETCH(QString, mostrato);
    QFETCH(QString, motivo);
    QTemporaryDir dir;
    QVERIFY(prepara(dir));
    const QString cartella = dir.filePath(QStringLiteral("dati"));
    QVERIFY(QDir().mkdir(cartella));
    QVERIFY(
        QFile::rename(dir.filePath(QStringLiteral("d.txt")), cartella + QStringLiteral("/a.txt")));
    const QByteArray path = QFile::encodeName(cartella) + '/' + nome;
    switch (tipo) {
    case 'l': QCOMPARE(symlink("manca.txt", path.constData()), 0); break;
    case 'o': QCOMPARE(symlink(nome.constData(), path.constData()), 0); break;
    case 'p': QCOMPARE(mkfifo(path.constData(), 0600), 0); break;
    default:
        QCOMPARE(link(QFile::encodeName(cartella + QStringLiteral("/a.txt")).constData(),
                      path.constData()),
                 0);
    }
    const QString atteso = QStringLiteral("dati/") + mostrato;
    const Esito testo = shell(QStringLiteral("cd \"$D\" && \"$CALC\" tamburo dati"), dir.path());
    QCOMPARE(testo.codice, motivo.isEmpty() ? 0 : 2);
    QCOMPARE(testo.out.count(QStringLiteral("\nfile: ")) +
                 testo.out.startsWith(QLatin1String("file: ")),
             2);
    QVERIFY2(testo.out.contains(QStringLiteral("file: ") + atteso + QLatin1Char('\n')),
             qPrintable(testo.out));
    if (!motivo.isEmpty())
        QVERIFY2(testo.err.startsWith(atteso + QStringLiteral(": ")) && testo.err.contains(motivo),
                 qPrintable(testo.err));

    const Esito json =
        shell(QStringLiteral("cd \"$D\" && \"$CALC\" tamburo dati --formato json"), dir.path());
    const QList<QByteArray> righe = json.out.toUtf8().trimmed().split('\n');
    QCOMPARE(righe.size(), 2);
    bool trovato = false;
    for (const QByteArray &riga : righe) {
        const QJsonObject oggetto = QJsonDocument::fromJson(riga).object();
        if (oggetto.value(QStringLiteral("file")).toString() != atteso)
            continue;
        trovato = true;
        QCOMPARE(oggetto.value(QStringLiteral("esito")).toString(),
                 motivo.isEmpty() ? QStringLiteral("calcolato") : QStringLiteral("errore"));
        QVERIFY(motivo.isEmpty() || oggetto.value(QStringLiteral("messaggi"))
                                        .toVariant()
                                        .toStringList()
                                        .join(u' ')
                                        .contains(motivo));
    }
    QVERIFY2(trovato, qPrintable(json.out));
    // an output named by bytes that are not UTF-8 is written with exactly those bytes
    if (nome.contains('\xff')) {
        const Esito scheda = shell(
            QStringLiteral("cd \"$D\" && \"$CALC\" tamburo \"$(printf 'dati/d\\377\\376.txt')\" "
                           "--scheda \"$(printf 's\\377.pdf')\""),
            dir.path());
        QCOMPARE(scheda.codice, 0);
        const QByteArray pdf = QFile::encodeName(dir.path()) + "/s\xff.pdf";
        struct stat st;
        QCOMPARE(stat(pdf.constData(), &st), 0);
        QVERIFY(st.st_size > 1000);
        unlink(pdf.constData());
    }
    unlink(
        path.constData()); // a name that is not UTF-8 is beyond the scratch folder's own cleaning
}

void TestOstile::opzioni_data()
{
    QTest::addColumn<QString>("argomenti");
    QTest::addColumn<QString>("messaggio");
    // clang-format off
    QTest::newRow("empty list") << "--catalogo ''" << "--catalogo non ha un valore.";
    QTest::newRow("empty sheet") << "--scheda ''" << "--scheda non ha un valore.";
    QTest::newRow("empty sheet with =") << "--scheda=" << "--scheda non ha un valore.";
    QTest::newRow("empty results") << "--risultati ''" << "--risultati non ha un valore.";
    QTest::newRow("empty report") << "--stampa ''" << "--stampa non ha un valore.";
    QTest::newRow("empty chart file") << "--grafico velocita ''" << "--grafico non ha un file.";
    QTest::newRow("empty data file") << "'' d.txt" << "Un file di dati senza nome.";
    QTest::newRow("format twice") << "--formato json --formato csv" << "--formato è data più di una volta.";
    QTest::newRow("switch twice") << "--verifica --verifica" << "--verifica è data più di una volta.";
    QTest::newRow("safety factor without a list") << "--verifica --sicurezza 1,2"
                                                  << "--sicurezza vale solo con --catalogo.";
    QTest::newRow("inertia ratio without a list") << "--inerzia-max 5" << "--inerzia-max vale solo con --catalogo.";
    // clang-format on
}

// Option values that say nothing, or say it twice, are wrong calls: nothing is calculated.
void TestOstile::opzioni()
{
    QFETCH(QString, argomenti);
    QFETCH(QString, messaggio);
    QTemporaryDir dir;
    QVERIFY(prepara(dir));
    const QString lavoro = argomenti.contains(QLatin1String("risultati")) ||
                                   argomenti.contains(QLatin1String("grafico")) ||
                                   argomenti.contains(QLatin1String("stampa"))
                               ? QStringLiteral("aspo")
                               : QStringLiteral("tamburo");
    const QString riga =
        argomenti.startsWith(QLatin1String("''"))
            ? QStringLiteral("cd \"$D\" && \"$CALC\" tamburo %1").arg(argomenti)
            : QStringLiteral("cd \"$D\" && \"$CALC\" %1 d.txt %2").arg(lavoro, argomenti);
    const Esito e = shell(riga, dir.path());
    QCOMPARE(e.codice, 2);
    QCOMPARE(e.out, QString());
    QCOMPARE(e.err.section(QLatin1Char('\n'), 0, 0), messaggio);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("d.txt")});
}

void TestOstile::uscitaStandard_data()
{
    QTest::addColumn<QString>("formato");
    QTest::addColumn<QString>("dove"); // the shell's redirection of the program's output
    QTest::addColumn<QString>("motivo");
    for (const char *formato : {"testo", "json", "csv"}) {
        QTest::addRow("closed pipe, %s", formato) << formato << "| true"
                                                  << "Broken pipe";
        QTest::addRow("full device, %s", formato) << formato << "> \"$D/pieno\""
                                                  << "disco pieno";
    }
}

// Output that cannot be written ends the run with exit status 2 and a message on standard
// error: a reader that has gone, a full disk; a folder of data files, so that the output is
// larger than a pipe holds.
void TestOstile::uscitaStandard()
{
    QFETCH(QString, formato);
    QFETCH(QString, dove);
    QFETCH(QString, motivo);
    QTemporaryDir dir;
    QVERIFY(prepara(dir));
    if (dove.contains(QLatin1String("pieno")) && !crea(dir.filePath(QStringLiteral("pieno")), 'c'))
        QSKIP("a device needs root");
    const QString cartella = dir.filePath(QStringLiteral("dati"));
    QVERIFY(QDir().mkdir(cartella));
    for (int i = 0; i < 400; ++i)
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("d.txt")),
                            cartella + QStringLiteral("/%1.txt").arg(i, 3, 10, QLatin1Char('0'))));
    const Esito e =
        shell(QStringLiteral(
                  "{ \"$CALC\" tamburo \"$D/dati\" --formato %1; echo \"uscita $?\" >&3; } 3>&2 %2")
                  .arg(formato, dove),
              dir.path());
    QVERIFY2(e.err.contains(QStringLiteral("Impossibile scrivere l'uscita standard: ")) &&
                 e.err.contains(motivo),
             qPrintable(e.err));
    QVERIFY2(e.err.endsWith(QStringLiteral("uscita 2\n")), qPrintable(e.err));
}

// A CSV cell that a spreadsheet would run as a formula is written after an apostrophe; the
// numbers stay numbers.
void TestOstile::formule()
{
    QTemporaryDir dir;
    QVERIFY(prepara(dir));
    const QString nome = QStringLiteral("=cmd|' calc'!A1.txt");
    QVERIFY(QFile::copy(dir.filePath(QStringLiteral("d.txt")), dir.filePath(nome)));
    const Esito e = shell(
        QStringLiteral(
            "cd \"$D\" && \"$CALC\" tamburo \"=cmd|' calc'!A1.txt\" +manca.txt --formato csv"),
        dir.path());
    QCOMPARE(e.codice, 2);
    const QStringList righe = e.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(righe.size(), 3);
    QVERIFY2(righe.at(1).startsWith(QStringLiteral("'=cmd|' calc'!A1.txt;tamburo;calcolato;;200;")),
             qPrintable(righe.at(1)));
    QVERIFY2(righe.at(2).startsWith(QStringLiteral("'+manca.txt;tamburo;errore")),
             qPrintable(righe.at(2)));
}

QTEST_APPLESS_MAIN(TestOstile)
#include "tst_ostile.moc"
