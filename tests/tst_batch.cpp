// The batch program, run as a user would run it on a data file.

#include "shell/datafile.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>

namespace {

struct Esito {
    int codice;
    QString out;
    QString err;
};

Esito esegui(const QStringList &args, const QString &lang = QStringLiteral("C"),
             const QString &piattaforma = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("LC_ALL"), lang);
    if (!piattaforma.isNull())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), piattaforma);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(DM_CALC), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

using Caselle = QMap<int, QString>;

QString dati(const QString &name)
{
    return QStringLiteral(DM_DATA "/") + name;
}

QString scrivi(QTemporaryDir &dir, const QString &name, const QStringList &values)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("Dati registrati il:         08/12/2026 13:27:04\r\n");
    for (const QString &v : values)
        file.write(v.toUtf8() + "\r\n");
    return file.fileName();
}

// One JSON object a line, each checked to parse.
QList<QJsonObject> oggetti(const QString &out)
{
    QList<QJsonObject> lista;
    for (const QString &riga : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QJsonParseError errore;
        const QJsonDocument doc = QJsonDocument::fromJson(riga.toUtf8(), &errore);
        if (errore.error != QJsonParseError::NoError || !doc.isObject())
            return {};
        lista << doc.object();
    }
    return lista;
}

QStringList righe(const QString &out, const QString &inizio)
{
    QStringList trovate;
    for (const QString &riga : out.split(QLatin1Char('\n')))
        if (riga.startsWith(inizio))
            trovate << riga.mid(inizio.size());
    return trovate;
}

} // namespace

class TestBatch : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data();
    void workedExample();
    void invalidData();
    void zeroDivisorInTheCalculation();
    void wrongCalls();
    void helpAndVersion_data();
    void helpAndVersion();
    void everyDocumentedOptionExists();
    void otherJobs_data();
    void otherJobs();
    void reel_data();
    void reel();
    void reelOutputs();
    void fileSizeLimit();
    void motorCheck_data();
    void motorCheck();
    void json_data();
    void json();
    void csv();
    void severalFiles_data();
    void severalFiles();
    void sheet_data();
    void sheet();
    void tenThousandFiles();
};

void TestBatch::workedExample_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("piattaforma");
    QTest::newRow("C locale uses Italian conventions") << "C" << QString();
    QTest::newRow("Italian") << "it_IT.UTF-8" << QString();
    // a calculation starts no GUI, so a display it cannot reach does not matter
    QTest::newRow("no GUI platform") << "C"
                                     << "nessuna";
}

void TestBatch::workedExample()
{
    QFETCH(QString, lang);
    QFETCH(QString, piattaforma);
    const Esito e = esegui({QStringLiteral("tamburo"), dati(QStringLiteral("tamburo_esempio.txt"))},
                           lang, piattaforma);
    QCOMPARE(e.codice, 0);
    QCOMPARE(e.err, QString());
    const QStringList expected{
        "casella 0: 200",
        "casella 1: 0",
        "casella 2: 500",
        "casella 3: 100",
        "casella 4: 0",
        "casella 5: 600",
        "casella 6: 0,8",
        "casella 7: 20",
        "casella 8: 0",
        "casella 9: 0",
        "casella 10: 2",
        "casella 11: 5",
        "casella 12: 955",
        "casella 13: 0,01",
        "casella 14: 0,01",
        "casella 15: 0,1",
        "casella 16: 0,03525",
        "casella 17: 3,764",
        "casella 18: 3,750",
        "casella 19: 0,014",
        "casella 20: 3,6884",
        "casella 21: 0,5",
        "risultato: Pot. resa = 3,6884 kW",
        "risultato: Coppia Mx = 3,764kgm",
        "risultato: Vmax = 955 rpm",
    };
    QCOMPARE(e.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
}

void TestBatch::invalidData()
{
    QTemporaryDir dir;
    const QString file = scrivi(dir, QStringLiteral("vuoto.txt"), {});
    const Esito e = esegui({QStringLiteral("tamburo"), file});
    QCOMPARE(e.codice, 1);
    const QStringList lines = e.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.mid(0, 4), (QStringList{"messaggio: Inserire DB diverso da 0",
                                           "messaggio: Inserire N diverso da 0",
                                           "messaggio: Inserire WL e WT diversi da 0",
                                           "messaggio: Inserire Vl o wm diversi da 0"}));
    QCOMPARE(lines.size(), 4 + 22);
    QCOMPARE(lines.at(4 + 6), QStringLiteral("casella 6: 0,7"));
    QVERIFY(!e.out.contains(QStringLiteral("risultato:")));

    const QString lettere = scrivi(dir, QStringLiteral("lettere.txt"), {"duecento"});
    const Esito l = esegui({QStringLiteral("tamburo"), lettere});
    QCOMPARE(l.codice, 1);
    QVERIFY(l.out.startsWith(QStringLiteral(
        "messaggio: Il dato \"DS\" (Diametro del tamburo) non è un numero: \"duecento\"\n")));
}

void TestBatch::zeroDivisorInTheCalculation()
{
    QTemporaryDir dir;
    // the efficiency is not checked by the data entry; the calculation refuses it
    const QString file =
        scrivi(dir, QStringLiteral("nu.txt"),
               {"200", "0", "500",  "100",  "0",   "0", "0", "20", "0", "0", "2",
                "5",   "0", "0,01", "0,01", "0,1", "0", "0", "0",  "0", "0", "0,5"});
    const Esito e = esegui({QStringLiteral("tamburo"), file});
    QCOMPARE(e.codice, 1);
    QCOMPARE(e.err.trimmed(), QStringLiteral("Impossibile calcolare: nu = 0"));
    QVERIFY(e.out.contains(QStringLiteral("casella 20: 0\n")));
    QVERIFY(!e.out.contains(QStringLiteral("risultato:")));
    QVERIFY(!e.out.contains(QStringLiteral("inf")));
}

void TestBatch::wrongCalls()
{
    QTemporaryDir dir;
    const QString esempio = dati(QStringLiteral("tamburo_esempio.txt"));
    const Esito nessuno = esegui({});
    QCOMPARE(nessuno.codice, 2);
    QVERIFY(nessuno.err.contains(QStringLiteral("Uso:")));
    QCOMPARE(esegui({QStringLiteral("gru"), esempio}).codice, 2);
    QCOMPARE(esegui({QStringLiteral("tamburo"), esempio, QStringLiteral("--cavo")}).codice, 2);
    const Esito manca = esegui({QStringLiteral("tamburo"), dir.filePath(QStringLiteral("x.txt"))});
    QCOMPARE(manca.codice, 2);
    QVERIFY(manca.err.contains(QStringLiteral("x.txt")));
    QCOMPARE(manca.out, QString());
    QFile binario(dir.filePath(QStringLiteral("b.txt")));
    binario.open(QIODevice::WriteOnly);
    binario.write(QByteArray("\0\1\2\3", 4));
    binario.close();
    QCOMPARE(esegui({QStringLiteral("tamburo"), binario.fileName()}).codice, 2);
}

void TestBatch::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("inizio"); // how standard output starts
    const QString uso =
        QStringLiteral("Uso: dimensionamento-motori-calc LAVORO FILE... | CARTELLA [OPZIONI]\n");
    const QString versione = QStringLiteral("dimensionamento-motori-calc " DM_VERSIONE "\n");
    // clang-format off
    QTest::newRow("--help") << QStringList{"--help"} << uso;
    QTest::newRow("-h") << QStringList{"-h"} << uso;
    QTest::newRow("help after a job and a file") << QStringList{"tamburo", DM_DATA "/tamburo_esempio.txt", "--help"}
                                                 << uso;
    QTest::newRow("help with a reel option") << QStringList{"--svolgitore", "-h"} << uso;
    QTest::newRow("--version") << QStringList{"--version"} << versione;
    QTest::newRow("version instead of a calculation")
        << QStringList{"tamburo", DM_DATA "/tamburo_esempio.txt", "--version"} << versione;
    // clang-format on
}

// Help and version go to standard output with status 0 and never run a calculation.
void TestBatch::helpAndVersion()
{
    QFETCH(QStringList, args);
    QFETCH(QString, inizio);
    const Esito e = esegui(args);
    QCOMPARE(e.codice, 0);
    QCOMPARE(e.err, QString());
    QVERIFY2(e.out.startsWith(inizio), qPrintable(e.out));
    QVERIFY(!e.out.contains(QStringLiteral("casella 0:")));
    if (inizio.startsWith(QLatin1String("dimensionamento-motori-calc ")))
        QCOMPARE(e.out, inizio);
}

// The options named by the help and by the manual page are the same set, and the program
// knows each of them: neither text can drift from the parser unnoticed.
void TestBatch::everyDocumentedOptionExists()
{
    const QString help = esegui({QStringLiteral("--help")}).out;
    for (const QString &job :
         QStringList{"tamburo", "tappeto", "vite", "traslazione", "aspo", "utilita"})
        QVERIFY2(help.contains(QStringLiteral("\n  ") + job + QLatin1Char(' ')), qPrintable(job));
    for (const QString &status : QStringList{"\n  0  ", "\n  1  ", "\n  2  "})
        QVERIFY(help.contains(status));

    const auto options = [](const QString &text) {
        const QRegularExpression option(QStringLiteral("(?<![\\w-])--[a-z][a-z-]*"));
        QStringList found;
        for (const auto &m : option.globalMatch(text))
            found << m.captured();
        found.removeDuplicates();
        found.sort();
        return found;
    };
    const QStringList inHelp = options(help);
    QFile manuale(QStringLiteral(DM_MANUALE));
    QVERIFY(manuale.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(manuale.readAll()).remove(QLatin1Char('\\'));
    QCOMPARE(options(man), inHelp);
    QVERIFY(inHelp.size() >= 10);

    const QString esempio = dati(QStringLiteral("tamburo_esempio.txt"));
    for (const QString &option : inHelp) {
        // values for the options that take them; unknown options fail before anything else
        const Esito e = esegui({QStringLiteral("aspo"), esempio, option, QStringLiteral("velocita"),
                                QStringLiteral("/dev/null")});
        QVERIFY2(!e.err.contains(QStringLiteral("Opzione sconosciuta")), qPrintable(option));
    }
}

void TestBatch::otherJobs_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QStringList>("righe"); // lines that must be printed
    QTest::newRow("conveyor") << QStringList{"tappeto", "tappeto_esempio.txt"} << 0
                              << QStringList{"casella 9: 955",
                                             "casella 15: 0,042",
                                             "casella 16: 0,0124",
                                             "casella 17: 955",
                                             "casella 18: 0,005",
                                             "risultato: Pot. resa = 0,0124 kW",
                                             "risultato: Coppia Mx = 0,013kgm",
                                             "risultato: Vmax = 955 rpm"};
    const QStringList vite{"casella 13: 2400",
                           "casella 18: 0,023269",
                           "casella 19: 1,0707",
                           "casella 20: 1,053",
                           "casella 21: 0,0435",
                           "casella 22: 2,6356",
                           "risultato: Pot. resa = 2,6356 kW",
                           "risultato: Coppia Mx = 1,071kgm",
                           "risultato: Vmax = 2400 rpm"};
    QTest::newRow("screw lift") << QStringList{"vite", "vite_esempio.txt"} << 0 << vite;
    // a file of either screw window loads into the other, with the same results
    QTest::newRow("screw travel") << QStringList{"traslazione", "vite_esempio.txt"} << 0 << vite;
    QTest::newRow("solid cylinder") << QStringList{"utilita", "utilita_esempio.txt"} << 0
                                    << QStringList{"casella 1: 200", "risultato: 1,233"};
    QTest::newRow("hollow cylinder without bore")
        << QStringList{"utilita", "utilita_esempio.txt", "--cavo"} << 1
        << QStringList{"messaggio: Inserire diametro interno > 0"};
}

void TestBatch::otherJobs()
{
    QFETCH(QStringList, args);
    QFETCH(int, codice);
    QFETCH(QStringList, righe);
    args[1] = dati(args[1]);
    const Esito e = esegui(args);
    QCOMPARE(e.codice, codice);
    const QStringList lines = e.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : righe)
        QVERIFY2(lines.contains(line), qPrintable(line));
}

void TestBatch::reel_data()
{
    QTest::addColumn<QStringList>("opzioni");
    QTest::addColumn<QStringList>("risultati");
    QTest::newRow("winder, acceleration")
        << QStringList()
        << QStringList{"risultato: Velocità massima = 3183 rpm con diametro di 00,100 m",
                       "risultato: Coppia massima  = 6,704 kgm con diametro di 1,000 m",
                       "risultato: Potenza massima del motore = 22 kW"};
    QTest::newRow("unwinder, deceleration")
        << QStringList{"--svolgitore", "--decelerazione"}
        << QStringList{"risultato: Velocità massima = 3183 rpm con diametro di 00,100 m",
                       "risultato: Coppia massima  = -5,649 kgm con diametro di 1,000 m",
                       "risultato: Potenza massima del motore = 18 kW"};
}

void TestBatch::reel()
{
    QFETCH(QStringList, opzioni);
    QFETCH(QStringList, risultati);
    const Esito e = esegui(
        QStringList{QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt"))} + opzioni);
    QCOMPARE(e.codice, 0);
    QCOMPARE(e.err, QString());
    const QStringList lines = e.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 14 + 3);
    QCOMPARE(lines.at(0), QStringLiteral("casella 0: 100"));
    QCOMPARE(lines.at(7), QStringLiteral("casella 7: 0,9"));
    QCOMPARE(lines.mid(14), risultati);
}

void TestBatch::reelOutputs()
{
    QTemporaryDir dir;
    const QString txt = dir.filePath(QStringLiteral("r.txt"));
    const QString png = dir.filePath(QStringLiteral("ctt.png"));
    const QString png2 = dir.filePath(QStringLiteral("vel.png"));
    const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
    const Esito e = esegui({QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt")),
                            QStringLiteral("--risultati"), txt, QStringLiteral("--grafico"),
                            QStringLiteral("coppia-totale"), png, QStringLiteral("--grafico"),
                            QStringLiteral("velocita"), png2, QStringLiteral("--stampa"), pdf,
                            QStringLiteral("--cliente"), QStringLiteral("Rossi"),
                            QStringLiteral("--progetto"), QStringLiteral("Aspo 1")});
    QCOMPARE(e.codice, 0);
    QCOMPARE(e.err, QString());
    QFile file(txt);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 625);
    QCOMPARE(lines.at(15), QByteArray(" 3183,09886142228 \r"));
    for (const QString &image : {png, png2}) {
        QImage chart(image);
        QVERIFY(chart.width() >= 1024 && chart.height() >= 725);
    }
    // the speed curve starts at the top of the frame, in green
    QCOMPARE(QImage(png2).pixelColor(20, 0), QColor(0, 255, 0));
    QFile report(pdf);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY(report.read(4) == "%PDF");
    // an option's value may also follow an "="
    QFile::remove(txt);
    QCOMPARE(esegui({QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt")),
                     QStringLiteral("--risultati=") + txt})
                 .codice,
             0);
    QVERIFY(QFile::exists(txt));
    // drawing needs the GUI: the run says so when its platform cannot start, and writes nothing
    QFile::remove(png);
    const Esito senzaSchermo =
        esegui({QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt")),
                QStringLiteral("--grafico"), QStringLiteral("velocita"), png},
               QStringLiteral("C"), QStringLiteral("nessuna"));
    QVERIFY(senzaSchermo.codice != 0);
    QVERIFY(!QFile::exists(png));

    // wrong options and outputs that cannot be written
    QCOMPARE(esegui({QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt")),
                     QStringLiteral("--grafico"), QStringLiteral("torta"), png})
                 .codice,
             2);
    QCOMPARE(esegui({QStringLiteral("tamburo"), dati(QStringLiteral("tamburo_esempio.txt")),
                     QStringLiteral("--svolgitore")})
                 .codice,
             2);
    const Esito cartella = esegui({QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt")),
                                   QStringLiteral("--risultati"), dir.path()});
    QCOMPARE(cartella.codice, 2);
    QCOMPARE(cartella.err, QStringLiteral("\"%1\" è una cartella.\n").arg(dir.path()));
}

void TestBatch::fileSizeLimit()
{
    // The results file (about 12 kB) does not fit under a 2 kB limit: the save fails with a
    // message, the program goes on to its end and the old file stays as it was.
    QTemporaryDir dir;
    const QString txt = dir.filePath(QStringLiteral("r.txt"));
    QFile old(txt);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("vecchio\r\n");
    old.close();
    QProcess p;
    p.setChildProcessModifier([] {
        const rlimit limit{2048, 2048};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    p.start(QStringLiteral(DM_CALC),
            {QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt")),
             QStringLiteral("--risultati"), txt});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(QString::fromUtf8(p.readAllStandardError())
                .contains(QStringLiteral("Impossibile salvare")));
    QVERIFY(p.readAllStandardOutput().contains("risultato: Potenza massima del motore = 22 kW"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("vecchio\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"r.txt"}); // no temporary left
}

void TestBatch::motorCheck_data()
{
    // clang-format off
    QTest::addColumn<QString>("lavoro");
    QTest::addColumn<Caselle>("caselle");
    QTest::addColumn<QStringList>("opzioni"); // LISTA: motors A, B, C; VELOCI: D, E; BOBINA: M1, M2, M3
    QTest::addColumn<int>("codice");
    QTest::addColumn<QStringList>("righe"); // every line after the results, or the error
    const Caselle ciclo{{8, "10"}, {9, "40"}};
    const QString tamburo = QStringLiteral("tamburo"), aspo = QStringLiteral("aspo");
    const QString fisica = QStringLiteral("verifica: Costante di accelerazione = 93,65 (fisica; il calcolatore usa 1504)");
    QTest::newRow("the hoist's cycle and three motors")
        << tamburo << ciclo << QStringList{"--catalogo", "LISTA"} << 0
        << QStringList{fisica,
                       "verifica: Coppia in accelerazione = 3,975 kgm (38,98 N·m)",
                       "verifica: Coppia a regime = 3,750 kgm (36,77 N·m)",
                       "verifica: Coppia in decelerazione = 3,660 kgm (35,89 N·m)",
                       "verifica: Coppia di picco = 3,975 kgm (38,98 N·m)",
                       "verifica: Coppia efficace = 2,653 kgm (26,02 N·m)",
                       "verifica: Rapporto di intermittenza = 50 %",
                       "verifica: Rapporto d'inerzia = 2,53",
                       "motore: A; picco 653 %; efficace 1029 %; velocità 32 %; inerzia 253 %; non adatto",
                       "motore: B; picco 66 %; efficace 99 %; velocità 32 %; inerzia 21 %; adatto",
                       "motore: C; picco 50 %; efficace 70 %; velocità 32 %; inerzia 13 %; adatto",
                       "motore scelto: B"};
    const QStringList delCalcolatore{"verifica: Costante di accelerazione = 1504 (del calcolatore)",
                                     "verifica: Coppia in accelerazione = 3,764 kgm (36,91 N·m)",
                                     "verifica: Coppia a regime = 3,750 kgm (36,77 N·m)",
                                     "verifica: Coppia in decelerazione = 3,744 kgm (36,72 N·m)",
                                     "verifica: Coppia di picco = 3,764 kgm (36,91 N·m)",
                                     "verifica: Coppia efficace = 2,652 kgm (26,00 N·m)",
                                     "verifica: Rapporto di intermittenza = 50 %",
                                     "verifica: Rapporto d'inerzia = 2,53"};
    QTest::newRow("the calculator's constant")
        << tamburo << ciclo << QStringList{"--catalogo", "LISTA", "--costanti-calcolatore"} << 0
        << delCalcolatore + QStringList{
               "motore: A; picco 627 %; efficace 1029 %; velocità 32 %; inerzia 253 %; non adatto",
               "motore: B; picco 63 %; efficace 99 %; velocità 32 %; inerzia 21 %; adatto",
               "motore: C; picco 47 %; efficace 70 %; velocità 32 %; inerzia 13 %; adatto",
               "motore scelto: B"};
    QTest::newRow("limits with a comma and a point")
        << tamburo << ciclo
        << QStringList{"--catalogo=LISTA", "--sicurezza", "1,2", "--inerzia-max=2.5", "--costanti-calcolatore"} << 0
        << delCalcolatore + QStringList{
               "motore: A; picco 752 %; efficace 1235 %; velocità 32 %; inerzia 1010 %; non adatto",
               "motore: B; picco 75 %; efficace 118 %; velocità 32 %; inerzia 84 %; non adatto",
               "motore: C; picco 57 %; efficace 84 %; velocità 32 %; inerzia 51 %; adatto",
               "motore scelto: C"};
    // a ratio of 50: 2389 rpm, above the rated speed of 1440 where D gives 2,2 kW only
    QTest::newRow("torque at speed")
        << tamburo << Caselle{{7, "50"}, {8, "10"}, {9, "40"}} << QStringList{"--catalogo", "VELOCI"} << 0
        << QStringList{fisica,
                       "verifica: Coppia in accelerazione = 1,858 kgm (18,22 N·m)",
                       "verifica: Coppia a regime = 1,500 kgm (14,71 N·m)",
                       "verifica: Coppia in decelerazione = 1,357 kgm (13,31 N·m)",
                       "verifica: Coppia di picco = 1,858 kgm (18,22 N·m)",
                       "verifica: Coppia efficace = 1,069 kgm (10,48 N·m)",
                       "verifica: Rapporto di intermittenza = 50 %",
                       "verifica: Rapporto d'inerzia = 1,24",
                       "motore: D; picco 84 %; efficace 119 %; velocità 80 %; inerzia 28 %; non adatto",
                       "motore: E; picco 59 %; efficace 79 %; velocità 60 %; inerzia 31 %; adatto",
                       "motore scelto: E"};
    QTest::newRow("no cycle, no deceleration, no motor inertia")
        << tamburo << Caselle{{11, "0"}, {13, "0"}} << QStringList{"--verifica", "--costanti-calcolatore"} << 0
        << QStringList{"verifica: Costante di accelerazione = 1504 (del calcolatore)",
                       "verifica: Coppia in accelerazione = 3,760 kgm (36,87 N·m)",
                       "verifica: Coppia a regime = 3,750 kgm (36,77 N·m)",
                       "verifica: Coppia in decelerazione = non calcolabile",
                       "verifica: Coppia di picco = 3,760 kgm (36,87 N·m)",
                       "verifica: Coppia efficace = 3,760 kgm (36,87 N·m) (servizio continuo: "
                       "ciclo non indicato)",
                       "verifica: Rapporto di intermittenza = 100 %",
                       "verifica: Rapporto d'inerzia = non calcolabile"};
    QTest::newRow("negative inertia")
        << tamburo << Caselle{{15, "-100"}} << QStringList{"--catalogo", "LISTA"} << 0
        << QStringList{fisica, "verifica: non calcolabile: Jtot non positivo", "motore scelto: nessuno"};
    // the reel's worked example
    const QStringList bobina{fisica,
                             "verifica: Velocità del motore = da 318 a 3183 rpm (rapporto 10,00)",
                             "verifica: Coppia a regime massima = 6,056 kgm (59,38 N·m) con diametro di 1,000 m",
                             "verifica: Coppia in accelerazione massima = 7,367 kgm (72,25 N·m) con diametro di 1,000 m",
                             "verifica: Coppia in decelerazione massima = 3,744 kgm (36,72 N·m) con diametro di 1,000 m",
                             "verifica: Potenza a regime massima = 3,45 kW con diametro di 0,100 m",
                             "verifica: Rapporto d'inerzia massimo = 191,93"};
    QTest::newRow("the reel")
        << aspo << Caselle() << QStringList{"--catalogo", "BOBINA"} << 0
        << bobina + QStringList{"motore: M1; picco 123 %; regime 225 %; velocità 106 %; inerzia non verificata; non adatto",
                                "motore: M2; picco 61 %; regime 120 %; velocità 88 %; inerzia non verificata; non adatto",
                                "motore: M3; picco 34 %; regime 56 %; velocità 91 %; inerzia non verificata; adatto",
                                "motore scelto: M3"};
    QTest::newRow("the reel as an unwinder")
        << aspo << Caselle() << QStringList{"--catalogo", "BOBINA", "--svolgitore"} << 0
        << QStringList{fisica,
                       "verifica: Velocità del motore = da 318 a 3183 rpm (rapporto 10,00)",
                       "verifica: Coppia a regime massima = -4,000 kgm (-39,23 N·m) con diametro di 1,000 m",
                       "verifica: Coppia in accelerazione massima = -2,688 kgm (-26,36 N·m) con diametro di 1,000 m",
                       "verifica: Coppia in decelerazione massima = -6,312 kgm (-61,90 N·m) con diametro di 1,000 m",
                       "verifica: Potenza a regime massima = -1,31 kW con diametro di 1,000 m (in frenatura)",
                       "verifica: Rapporto d'inerzia massimo = 191,93",
                       "motore: M1; picco 105 %; regime 149 %; velocità 106 %; inerzia non verificata; non adatto",
                       "motore: M2; picco 53 %; regime 79 %; velocità 88 %; inerzia non verificata; adatto",
                       "motore: M3; picco 29 %; regime 37 %; velocità 91 %; inerzia non verificata; adatto",
                       "motore scelto: M2"};
    QTest::newRow("the reel with the calculator's constant and an inertia ratio")
        << aspo << Caselle() << QStringList{"--catalogo", "BOBINA", "--costanti-calcolatore", "--inerzia-max", "2000"} << 0
        << QStringList{"verifica: Costante di accelerazione = 1504 (del calcolatore)",
                       "verifica: Velocità del motore = da 318 a 3183 rpm (rapporto 10,00)",
                       "verifica: Coppia a regime massima = 6,056 kgm (59,38 N·m) con diametro di 1,000 m",
                       "verifica: Coppia in accelerazione massima = 6,704 kgm (65,75 N·m) con diametro di 1,000 m",
                       "verifica: Coppia in decelerazione massima = 4,407 kgm (43,21 N·m) con diametro di 1,000 m",
                       "verifica: Potenza a regime massima = 3,45 kW con diametro di 0,100 m",
                       "verifica: Rapporto d'inerzia massimo = 1532,02",
                       // M1: (30,652 - 0,012) / 0,012 = 2553, over 2000
                       "motore: M1; picco 112 %; regime 225 %; velocità 106 %; inerzia 128 %; non adatto",
                       "motore: M2; picco 56 %; regime 120 %; velocità 88 %; inerzia 51 %; non adatto",
                       "motore: M3; picco 30 %; regime 56 %; velocità 91 %; inerzia 17 %; adatto",
                       "motore scelto: M3"};
    QTest::newRow("a reel that calculates and cannot be checked")
        << aspo << Caselle{{9, "0"}} << QStringList{"--catalogo", "BOBINA"} << 0
        << QStringList{fisica, "verifica: non calcolabile: tacc e tdec devono essere positivi", "motore scelto: nessuno"};
    QTest::newRow("invalid data") << tamburo << Caselle{{0, "0"}} << QStringList{"--verifica"}
                                  << 1 << QStringList();
    QTest::newRow("a job without a check")
        << QStringLiteral("utilita") << Caselle() << QStringList{"--verifica"} << 2
        << QStringList{"--verifica vale solo per i lavori tamburo, tappeto, vite, traslazione e aspo."};
    QTest::newRow("bad safety factor")
        << tamburo << Caselle() << QStringList{"--catalogo", "LISTA", "--sicurezza", "0,9"} << 2
        << QStringList{"Valore non valido per --sicurezza: \"0,9\" (un numero non minore di 1)."};
    QTest::newRow("bad inertia ratio")
        << tamburo << Caselle() << QStringList{"--catalogo", "LISTA", "--inerzia-max", "dieci"} << 2
        << QStringList{"Valore non valido per --inerzia-max: \"dieci\" (un numero maggiore di 0)."};
    QTest::newRow("bad format")
        << tamburo << Caselle() << QStringList{"--formato", "xml"} << 2
        << QStringList{"Valore non valido per --formato: \"xml\" (testo, json o csv)."};
    QTest::newRow("refused list")
        << tamburo << Caselle() << QStringList{"--catalogo", "MALE"} << 2
        << QStringList{"Catalogo motori \"male.csv\", riga 1: manca la colonna \"velocita_nominale_rpm\"."};
    // clang-format on
}

// The motor check after the usual lines: the cycle, the motors of a list and the choice.
void TestBatch::motorCheck()
{
    QFETCH(QString, lavoro);
    QFETCH(Caselle, caselle);
    QFETCH(QStringList, opzioni);
    QFETCH(int, codice);
    QFETCH(QStringList, righe);
    QTemporaryDir dir;
    QStringList valori{"200", "0", "500",  "100",  "0",   "0", "0,8", "20", "0", "0", "2",
                       "5",   "0", "0,01", "0,01", "0,1", "0", "0",   "0",  "0", "0", "0,5"};
    for (auto it = caselle.cbegin(); it != caselle.cend(); ++it)
        valori[it.key()] = it.value();
    QString file = scrivi(dir, QStringLiteral("argano.txt"), valori);
    if (lavoro == QLatin1String("aspo")) {
        // the reel's worked example, with the boxes of the row
        datafile::ReadResult esempio = datafile::read(dati(QStringLiteral("aspo_esempio.txt")));
        QVERIFY(esempio.ok);
        for (auto it = caselle.cbegin(); it != caselle.cend(); ++it)
            esempio.lines[it.key() + 1] = it.value();
        file = scrivi(dir, QStringLiteral("aspo.txt"), esempio.lines.mid(1));
    }
    const QByteArray intestazione =
        "nome;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;coppia_nominale_kgm;"
        "coppia_massima_kgm;inerzia_kgm2\r\n";
    // clang-format off
    const std::pair<const char *, QByteArray> liste[] = {
        {"LISTA", intestazione + "A;0,37;1400;3000;;0,6;0,001\r\nB;4;1450;3000;;6;0,012\r\nC;5,5;1450;3000;3,8;8;0,02\r\n"},
        {"VELOCI", intestazione + "D;2,2;1440;3000;;3,5;0,0045\r\nE;4;2880;4000;;3;0,004\r\n"},
        {"BOBINA", intestazione + "M1;4;1450;3000;;6;0,012\r\nM2;7,5;1450;3600;;12;0,03\r\nM3;11;1000;3500;;22;0,09\r\n"},
        {"MALE", "nome;potenza_kW\r\n"}};
    // clang-format on
    QStringList args{lavoro, file};
    for (QString o : opzioni) {
        for (const auto &[nome, testo] : liste) {
            if (o != QLatin1String(nome) && !o.endsWith(QLatin1Char('=') + QLatin1String(nome)))
                continue;
            QFile lista(dir.filePath(QString::fromLatin1(nome).toLower() + QStringLiteral(".csv")));
            QVERIFY(lista.open(QIODevice::WriteOnly));
            lista.write(testo);
            o.replace(QLatin1String(nome), lista.fileName());
        }
        args << o;
    }
    const Esito e = esegui(args);
    QCOMPARE(e.codice, codice);
    if (codice == 2) {
        QCOMPARE(e.err.split(QLatin1Char('\n')).constFirst(), righe.constFirst());
        QCOMPARE(e.out, QString());
        return;
    }
    const QStringList lines = e.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const qsizetype risultati =
        lines.lastIndexOf(QRegularExpression(QStringLiteral("(casella|risultato).*")));
    QCOMPARE(lines.mid(risultati + 1), righe);

    // the same check as JSON
    const QList<QJsonObject> comeJson =
        oggetti(esegui(args + QStringList{"--formato", "json"}).out);
    QCOMPARE(comeJson.size(), 1);
    const QJsonValue verifica = comeJson.constFirst().value(QLatin1String("verifica"));
    if (codice == 1) {
        QVERIFY(verifica.isNull());
        return;
    }
    const QJsonObject v = verifica.toObject();
    QCOMPARE(v.value(QLatin1String("motori")).toArray().size(),
             righe.filter(QRegularExpression("^motore: ")).size());
    const QStringList scelto = righe.filter(QRegularExpression("^motore scelto: [^n]"));
    QCOMPARE(v.value(QLatin1String("scelto")).toString(),
             scelto.isEmpty() ? QString() : scelto.constFirst().mid(15));
    // the limits, the constant and the units with the figures; each motor as used
    QCOMPARE(v.value(QLatin1String("costanteFisica")).toBool(),
             !opzioni.contains(QStringLiteral("--costanti-calcolatore")));
    QVERIFY(v.value(QLatin1String("k")).isDouble() && v.value(QLatin1String("unita")).isObject());
    for (const QJsonValue &m : v.value(QLatin1String("motori")).toArray())
        QVERIFY(m.toObject().value(QLatin1String("Cn")).isDouble() &&
                m.toObject().contains(QLatin1String("CnCalcolata")));
    // a figure that could not be computed is null, never 0; the peak as the line shows it
    if (!v.value(QLatin1String("nonCalcolabile")).isNull()) {
        for (const char *figura :
             {"coppiaPicco", "coppiaEfficace", "intermittenza", "coppiaRegimeMassima"})
            QVERIFY2(!v.contains(QLatin1String(figura)) || v.value(QLatin1String(figura)).isNull(),
                     figura);
        return;
    }
    if (lavoro == QLatin1String("aspo"))
        return;
    QCOMPARE(QString::number(v.value(QLatin1String("coppiaPicco")).toDouble(), 'f', 3)
                 .replace(u'.', u','),
             righe.at(4).section(QLatin1String(" = "), 1).section(QLatin1Char(' '), 0, 0));
}

void TestBatch::json_data()
{
    QTest::addColumn<QString>("lavoro");
    QTest::addColumn<QString>("file"); // "LETTERE": a box holding letters; "MANCA": no file
    QTest::addColumn<QString>("esito");
    QTest::addColumn<QString>("nome"); // a value and what it is
    QTest::addColumn<double>("valore");
    const struct {
        const char *lavoro, *file, *nome;
        double valore;
    } lavori[] = {{"tamburo", "tamburo_esempio.txt", "Jtot", 0.03525},
                  {"tappeto", "tappeto_esempio.txt", "Jtot", 0.042},
                  {"vite", "vite_esempio.txt", "Jtot", 0.023268997721928},
                  {"traslazione", "vite_esempio.txt", "Cmt", 1.0706950774536548},
                  {"aspo", "aspo_esempio.txt", "CttMax", 6.704457888239171},
                  {"utilita", "utilita_esempio.txt", "J", 1.2330751165339926}};
    for (const auto &l : lavori) {
        // clang-format off
        QTest::addRow("%s", l.lavoro) << l.lavoro << dati(l.file) << "calcolato" << l.nome << l.valore;
        QTest::addRow("%s, letters", l.lavoro) << l.lavoro << "LETTERE" << "dati non validi" << QString() << 0.0;
        QTest::addRow("%s, no file", l.lavoro) << l.lavoro << "MANCA" << "errore" << QString() << 0.0;
        // clang-format on
    }
}

// One object a file, whatever the job and whatever happened to the file.
void TestBatch::json()
{
    QFETCH(QString, lavoro);
    QFETCH(QString, file);
    QFETCH(QString, esito);
    QFETCH(QString, nome);
    QFETCH(double, valore);
    QTemporaryDir dir;
    if (file == QLatin1String("LETTERE"))
        file = scrivi(dir, QStringLiteral("lettere.txt"), QStringList(30, QStringLiteral("x")));
    else if (file == QLatin1String("MANCA"))
        file = dir.filePath(QStringLiteral("manca.txt"));
    const Esito e = esegui({lavoro, file, QStringLiteral("--formato"), QStringLiteral("json")});
    QCOMPARE(e.codice, esito == QLatin1String("calcolato") ? 0
                       : esito == QLatin1String("errore")  ? 2
                                                           : 1);
    const QList<QJsonObject> lista = oggetti(e.out);
    QCOMPARE(lista.size(), 1);
    const QJsonObject &o = lista.constFirst();
    QCOMPARE(o.value(QLatin1String("file")).toString(), file);
    QCOMPARE(o.value(QLatin1String("lavoro")).toString(), lavoro);
    QCOMPARE(o.value(QLatin1String("esito")).toString(), esito);
    const QJsonObject valori = o.value(QLatin1String("valori")).toObject();
    QCOMPARE(o.value(QLatin1String("unita")).toObject().keys(), valori.keys());
    if (nome.isEmpty()) {
        QVERIFY(valori.isEmpty());
        QVERIFY(!o.value(QLatin1String("messaggi")).toArray().isEmpty());
        QCOMPARE(o.value(QLatin1String("caselle")).toObject().isEmpty(),
                 esito == QLatin1String("errore"));
        return;
    }
    QVERIFY(o.value(QLatin1String("messaggi")).toArray().isEmpty());
    QVERIFY(qAbs(valori.value(nome).toDouble() - valore) < 1e-12 * valore);
    QVERIFY(!o.value(QLatin1String("risultati")).toArray().isEmpty());
    QVERIFY(!o.contains(QLatin1String("verifica")));
    // the same numbers the text shows
    const QStringList caselle = righe(esegui({lavoro, file}).out, QStringLiteral("casella "));
    const QJsonObject inJson = o.value(QLatin1String("caselle")).toObject();
    QCOMPARE(inJson.size(), caselle.size());
    for (const QString &c : caselle)
        QCOMPARE(inJson.value(c.section(QLatin1String(": "), 0, 0)).toString(),
                 c.section(QLatin1String(": "), 1));
}

void TestBatch::csv()
{
    QTemporaryDir dir;
    const QString valido = dir.filePath(QStringLiteral("a;b.txt"));
    QVERIFY(QFile::copy(dati(QStringLiteral("tamburo_esempio.txt")), valido));
    const QString vuoto = scrivi(dir, QStringLiteral("vuoto.txt"), {});
    const Esito e = esegui({QStringLiteral("tamburo"), valido, vuoto,
                            QStringLiteral("--formato=csv"), QStringLiteral("--verifica")});
    QCOMPARE(e.codice, 1);
    // a byte-order mark, so that a spreadsheet reads UTF-8 (the text decoder drops it)
    QProcess grezzo;
    grezzo.start(QStringLiteral(DM_CALC),
                 {QStringLiteral("tamburo"), vuoto, QStringLiteral("--formato=csv")});
    QVERIFY(grezzo.waitForFinished(30000));
    QVERIFY(grezzo.readAllStandardOutput().startsWith("\xef\xbb\xbf"
                                                      "file;"));
    const QStringList lines = e.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    const QStringList intestazione = lines.at(0).split(QLatin1Char(';'));
    QCOMPARE(intestazione.mid(0, 5), (QStringList{"file", "lavoro", "esito", "messaggi", "Diam"}));
    // the name holds the separator, so it is quoted
    const QString quotato = QLatin1Char('"') + valido + QLatin1Char('"');
    QVERIFY(lines.at(1).startsWith(quotato + QLatin1Char(';')));
    const QStringList calcolato =
        (QStringLiteral("file") + lines.at(1).mid(quotato.size())).split(QLatin1Char(';'));
    QCOMPARE(calcolato.size(), intestazione.size());
    QCOMPARE(calcolato.mid(1, 4), (QStringList{"tamburo", "calcolato", "", "200"}));
    const auto colonna = [&](const QStringList &riga, const char *nome) {
        return riga.value(intestazione.indexOf(QLatin1String(nome)));
    };
    QCOMPARE(colonna(calcolato, "Cmt"), QStringLiteral("3,7639953224522293"));
    QCOMPARE(colonna(calcolato, "Wm"), QStringLiteral("955,4140127388536"));
    // the check's figures; the example has no cycle, so its RMS torque is the peak
    QCOMPARE(colonna(calcolato, "verifica_costante").left(6), QStringLiteral("93,646"));
    QCOMPARE(colonna(calcolato, "verifica_coppiaPicco"),
             colonna(calcolato, "verifica_coppiaEfficace"));
    QVERIFY(!colonna(calcolato, "verifica_coppiaPicco").isEmpty());
    // a file that failed carries its messages, and empty cells
    const QStringList fallito = lines.at(2).split(QLatin1Char(';'));
    QCOMPARE(fallito.mid(1, 2), (QStringList{"tamburo", "dati non validi"}));
    QVERIFY2(fallito.at(3).contains(QStringLiteral("Inserire")) || !fallito.at(3).isEmpty(),
             qPrintable(lines.at(2)));
    QCOMPARE(fallito.size(), intestazione.size());
    QVERIFY(std::all_of(fallito.begin() + 4, fallito.end(),
                        [](const QString &c) { return c.isEmpty(); }));
}

void TestBatch::severalFiles_data()
{
    QTest::addColumn<QStringList>("args"); // DIR: the folder of the files below
    QTest::addColumn<int>("codice");
    QTest::addColumn<QStringList>("blocchi"); // the "file:" lines, in order
    QTest::addColumn<QString>("errore");      // a line of standard error
    const QString manca = QStringLiteral(
        "DIR/manca.txt: Impossibile aprire il file \"manca.txt\": il file non esiste");
    // clang-format off
    QTest::newRow("two files, the worst status")
        << QStringList{"DIR/b.txt", "DIR/a.txt"} << 1 << QStringList{"DIR/b.txt", "DIR/a.txt"} << QString();
    QTest::newRow("a file that cannot be read does not stop the others")
        << QStringList{"DIR/manca.txt", "DIR/a.txt"} << 2 << QStringList{"DIR/manca.txt", "DIR/a.txt"} << manca;
    QTest::newRow("a folder, in name order")
        << QStringList{"DIR"} << 1
        << QStringList{"DIR/a.txt", "DIR/b.txt", "DIR/città con spazi.txt"} << QString();
    QTest::newRow("a folder of one file") << QStringList{"DIR/sotto"} << 0 << QStringList{"DIR/sotto/c.txt"}
                                          << QString();
    QTest::newRow("an empty folder")
        << QStringList{"DIR/vuota"} << 2 << QStringList()
        << QStringLiteral("Nessun file di dati (*.txt) nella cartella \"DIR/vuota\".");
    QTest::newRow("one output file for several files")
        << QStringList{"DIR/a.txt", "DIR/b.txt", "--scheda", "DIR/s.pdf"} << 2 << QStringList()
        << QStringLiteral("--scheda scrive un solo file: non vale con più file di dati.");
    // clang-format on
}

// Each file calculated as if it were the only one, its lines after its name.
void TestBatch::severalFiles()
{
    QFETCH(QStringList, args);
    QFETCH(int, codice);
    QFETCH(QStringList, blocchi);
    QFETCH(QString, errore);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sotto")) &&
            QDir(dir.path()).mkpath(QStringLiteral("vuota")));
    const QString esempio = dati(QStringLiteral("tamburo_esempio.txt"));
    for (const char *nome : {"a.txt", "città con spazi.txt", "sotto/c.txt", "non dati.csv"})
        QVERIFY(QFile::copy(esempio, dir.filePath(QString::fromUtf8(nome))));
    scrivi(dir, QStringLiteral("b.txt"), {"0"});
    const auto cartella = [&dir](QStringList testi) {
        return testi.replaceInStrings(QStringLiteral("DIR"), dir.path());
    };
    const Esito e = esegui(QStringList{QStringLiteral("tamburo")} + cartella(args));
    QCOMPARE(e.codice, codice);
    QCOMPARE(righe(e.out, QStringLiteral("file: ")), cartella(blocchi));
    if (!errore.isEmpty())
        QVERIFY2(e.err.split(QLatin1Char('\n')).contains(cartella({errore}).constFirst()),
                 qPrintable(e.err));
    // every file calculated gives its results, as alone
    for (const QString &blocco : e.out.split(QStringLiteral("file: "), Qt::SkipEmptyParts)) {
        if (blocco.startsWith(dir.filePath(QStringLiteral("manca.txt"))))
            QCOMPARE(blocco.count(QLatin1Char('\n')), 1);
        else if (blocco.contains(QLatin1String("b.txt\n")))
            QVERIFY(blocco.contains(QLatin1String("messaggio: Inserire DB diverso da 0\n")));
        else
            QVERIFY2(blocco.endsWith(QLatin1String("risultato: Vmax = 955 rpm\n")),
                     qPrintable(blocco));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4); // nothing written
}

void TestBatch::sheet_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pdf"); // DIR: a folder of the test
    QTest::addColumn<int>("codice");
    const QString esempio = dati(QStringLiteral("tamburo_esempio.txt"));
    QTest::newRow("written") << esempio << "DIR/scheda è.pdf" << 0;
    QTest::newRow("into a missing folder") << esempio << "DIR/manca/s.pdf" << 2;
    QTest::newRow("onto a folder") << esempio << "DIR" << 2;
    QTest::newRow("invalid data") << "LETTERE"
                                  << "DIR/s.pdf" << 1;
}

// The sizing sheet of a batch run, with the motor check: written whole, or nothing.
void TestBatch::sheet()
{
    QFETCH(QString, file);
    QFETCH(QString, pdf);
    QFETCH(int, codice);
    QTemporaryDir dir;
    pdf.replace(QLatin1String("DIR"), dir.path());
    if (file == QLatin1String("LETTERE"))
        file = scrivi(dir, QStringLiteral("lettere.txt"), {"duecento"});
    const QStringList prima = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const Esito e = esegui({QStringLiteral("tamburo"), file, QStringLiteral("--scheda"), pdf,
                            QStringLiteral("--verifica"), QStringLiteral("--cliente"),
                            QStringLiteral("Rossi")});
    QCOMPARE(e.codice, codice);
    if (codice != 0) {
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), prima);
        QCOMPARE(e.err.isEmpty(), codice == 1);
        return;
    }
    QCOMPARE(e.err, QString());
    QFile scheda(pdf);
    QVERIFY(scheda.open(QIODevice::ReadOnly));
    QCOMPARE(scheda.read(4), QByteArray("%PDF"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext non disponibile");
    QProcess testo;
    testo.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(testo.waitForFinished(30000));
    const QString letto = QString::fromUtf8(testo.readAllStandardOutput());
    for (const char *atteso : {"Sollevamento con tamburo", "Rossi", "Verifica motore"})
        QVERIFY2(letto.contains(QString::fromUtf8(atteso)), atteso);
}

// A folder of ten thousand hoists, each with its own load, in one run.
void TestBatch::tenThousandFiles()
{
    QTemporaryDir dir;
    QFile esempio(dati(QStringLiteral("tamburo_esempio.txt")));
    QVERIFY(esempio.open(QIODevice::ReadOnly));
    QList<QByteArray> linee = esempio.readAll().split('\n');
    constexpr int quanti = 10000;
    for (int i = 0; i < quanti; ++i) {
        linee[3] = QByteArray::number(400 + i % 200) + '\r';
        QFile file(dir.filePath(QStringLiteral("%1.txt").arg(i, 5, 10, QLatin1Char('0'))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(linee.join('\n'));
    }
    const Esito e = esegui({QStringLiteral("tamburo"), dir.path(), QStringLiteral("--formato"),
                            QStringLiteral("json")});
    QCOMPARE(e.codice, 0);
    const QList<QJsonObject> lista = oggetti(e.out);
    QCOMPARE(lista.size(), quanti);
    for (int i : {0, 1234, quanti - 1}) {
        const QJsonObject &o = lista.at(i);
        QCOMPARE(
            o.value(QLatin1String("file")).toString(),
            QDir(dir.path()).filePath(QStringLiteral("%1.txt").arg(i, 5, 10, QLatin1Char('0'))));
        QCOMPARE(o.value(QLatin1String("valori")).toObject().value(QLatin1String("WL")).toDouble(),
                 400 + i % 200);
    }
}

QTEST_APPLESS_MAIN(TestBatch)
#include "tst_batch.moc"
