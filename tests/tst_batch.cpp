// The batch program, run as a user would run it on a data file.

#include <QColor>
#include <QImage>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <sys/resource.h>
#include <QTemporaryDir>
#include <QTest>

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

QString dati(const QString &name) { return QStringLiteral(DM_DATA "/") + name; }

QString scrivi(QTemporaryDir &dir, const QString &name, const QStringList &values)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("Dati registrati il:         08/12/2026 13:27:04\r\n");
    for (const QString &v : values)
        file.write(v.toUtf8() + "\r\n");
    return file.fileName();
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
};

void TestBatch::workedExample_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("piattaforma");
    QTest::newRow("C locale uses Italian conventions") << "C" << QString();
    QTest::newRow("Italian") << "it_IT.UTF-8" << QString();
    // a calculation starts no GUI, so a display it cannot reach does not matter
    QTest::newRow("no GUI platform") << "C" << "nessuna";
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
        "casella 0: 200",     "casella 1: 0",        "casella 2: 500",
        "casella 3: 100",     "casella 4: 0",        "casella 5: 600",
        "casella 6: 0,8",     "casella 7: 20",       "casella 8: 0",
        "casella 9: 0",       "casella 10: 2",       "casella 11: 5",
        "casella 12: 955",    "casella 13: 0,01",    "casella 14: 0,01",
        "casella 15: 0,1",    "casella 16: 0,03525", "casella 17: 3,764",
        "casella 18: 3,750",  "casella 19: 0,014",   "casella 20: 3,6884",
        "casella 21: 0,5",    "risultato: Pot. resa = 3,6884 kW",
        "risultato: Coppia Mx = 3,764kgm", "risultato: Vmax = 955 rpm",
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
    QVERIFY(l.out.startsWith(
        QStringLiteral("messaggio: Il dato \"DS\" (Diametro del tamburo) non è un numero: \"duecento\"\n")));
}

void TestBatch::zeroDivisorInTheCalculation()
{
    QTemporaryDir dir;
    // the efficiency is not checked by the data entry; the calculation refuses it
    const QString file = scrivi(dir, QStringLiteral("nu.txt"),
                                {"200", "0", "500", "100", "0", "0", "0", "20", "0", "0", "2", "5",
                                 "0", "0,01", "0,01", "0,1", "0", "0", "0", "0", "0", "0,5"});
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
    const QString uso = QStringLiteral("Uso: dimensionamento-motori-calc LAVORO FILE [OPZIONI]\n");
    const QString versione = QStringLiteral("dimensionamento-motori-calc " DM_VERSIONE "\n");
    QTest::newRow("--help") << QStringList{"--help"} << uso;
    QTest::newRow("-h") << QStringList{"-h"} << uso;
    QTest::newRow("help after a job and a file") << QStringList{"tamburo", DM_DATA "/tamburo_esempio.txt", "--help"}
                                                 << uso;
    QTest::newRow("help with a reel option") << QStringList{"--svolgitore", "-h"} << uso;
    QTest::newRow("--version") << QStringList{"--version"} << versione;
    QTest::newRow("version instead of a calculation")
        << QStringList{"tamburo", DM_DATA "/tamburo_esempio.txt", "--version"} << versione;
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
                              << QStringList{"casella 9: 955", "casella 15: 0,042",
                                             "casella 16: 0,0124", "casella 17: 955",
                                             "casella 18: 0,005",
                                             "risultato: Pot. resa = 0,0124 kW",
                                             "risultato: Coppia Mx = 0,013kgm",
                                             "risultato: Vmax = 955 rpm"};
    const QStringList vite{"casella 13: 2400",   "casella 18: 0,023269", "casella 19: 1,0707",
                           "casella 20: 1,053",  "casella 21: 0,0435",   "casella 22: 2,6356",
                           "risultato: Pot. resa = 2,6356 kW", "risultato: Coppia Mx = 1,071kgm",
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
    const Esito e = esegui(QStringList{QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt"))} +
                           opzioni);
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
    const Esito senzaSchermo = esegui({QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt")),
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
    QVERIFY(cartella.err.contains(QStringLiteral("Impossibile salvare")));
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
    p.start(QStringLiteral(DM_CALC), {QStringLiteral("aspo"), dati(QStringLiteral("aspo_esempio.txt")),
                                      QStringLiteral("--risultati"), txt});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("Impossibile salvare")));
    QVERIFY(p.readAllStandardOutput().contains("risultato: Potenza massima del motore = 22 kW"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("vecchio\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"r.txt"}); // no temporary left
}

void TestBatch::motorCheck_data()
{
    QTest::addColumn<QString>("lavoro");
    QTest::addColumn<Caselle>("caselle"); // boxes of the hoist example changed
    QTest::addColumn<QStringList>("opzioni");        // "LISTA" stands for the list A, B, C
    QTest::addColumn<int>("codice");
    QTest::addColumn<QStringList>("righe"); // every line after the results, or the error
    const Caselle ciclo{{8, "10"}, {9, "40"}};
    const QString tamburo = QStringLiteral("tamburo");
    const QStringList coppie{
        "verifica: Coppia in accelerazione = 3,764 kgm (36,91 N·m)",
        "verifica: Coppia a regime = 3,750 kgm (36,77 N·m)",
        "verifica: Coppia in decelerazione = 3,744 kgm (36,72 N·m)",
        "verifica: Coppia di picco = 3,764 kgm (36,91 N·m)"};
    QTest::newRow("the hoist's cycle and three motors")
        << tamburo << ciclo << QStringList{"--catalogo", "LISTA"} << 0
        << coppie + QStringList{
               "verifica: Coppia efficace = 2,652 kgm (26,00 N·m)",
               "verifica: Rapporto di intermittenza = 50 %",
               "verifica: Rapporto d'inerzia = 2,53",
               "motore: A; picco 627 %; efficace 1029 %; velocità 32 %; inerzia 253 %; non adatto",
               "motore: B; picco 63 %; efficace 99 %; velocità 32 %; inerzia 21 %; adatto",
               "motore: C; picco 47 %; efficace 70 %; velocità 32 %; inerzia 13 %; adatto",
               "motore scelto: B"};
    QTest::newRow("limits with a comma and a point")
        << tamburo << ciclo << QStringList{"--catalogo=LISTA", "--sicurezza", "1,2", "--inerzia-max=2.5"} << 0
        << coppie + QStringList{
               "verifica: Coppia efficace = 2,652 kgm (26,00 N·m)",
               "verifica: Rapporto di intermittenza = 50 %",
               "verifica: Rapporto d'inerzia = 2,53",
               "motore: A; picco 752 %; efficace 1235 %; velocità 32 %; inerzia 1010 %; non adatto",
               "motore: B; picco 75 %; efficace 118 %; velocità 32 %; inerzia 84 %; non adatto",
               "motore: C; picco 57 %; efficace 84 %; velocità 32 %; inerzia 51 %; adatto",
               "motore scelto: C"};
    QTest::newRow("no cycle, no deceleration, no motor inertia")
        << tamburo << Caselle{{11, "0"}, {13, "0"}} << QStringList{"--verifica"} << 0
        << QStringList{"verifica: Coppia in accelerazione = 3,760 kgm (36,87 N·m)",
                       "verifica: Coppia a regime = 3,750 kgm (36,77 N·m)",
                       "verifica: Coppia in decelerazione = non calcolabile",
                       "verifica: Coppia di picco = 3,760 kgm (36,87 N·m)",
                       "verifica: Coppia efficace = 3,760 kgm (36,87 N·m) (servizio continuo: "
                       "ciclo non indicato)",
                       "verifica: Rapporto di intermittenza = 100 %",
                       "verifica: Rapporto d'inerzia = non calcolabile"};
    QTest::newRow("negative inertia")
        << tamburo << Caselle{{15, "-100"}} << QStringList{"--catalogo", "LISTA"} << 0
        << QStringList{"verifica: non calcolabile: Jtot non positivo", "motore scelto: nessuno"};
    QTest::newRow("invalid data") << tamburo << Caselle{{0, "0"}} << QStringList{"--verifica"}
                                  << 1 << QStringList();
    QTest::newRow("a job without a cycle")
        << QStringLiteral("aspo") << Caselle() << QStringList{"--verifica"} << 2
        << QStringList{"--verifica vale solo per i lavori tamburo, tappeto, vite e traslazione."};
    QTest::newRow("bad safety factor")
        << tamburo << Caselle() << QStringList{"--sicurezza", "0,9"} << 2
        << QStringList{"Valore non valido per --sicurezza: \"0,9\" (un numero non minore di 1)."};
    QTest::newRow("bad inertia ratio")
        << tamburo << Caselle() << QStringList{"--inerzia-max", "dieci"} << 2
        << QStringList{"Valore non valido per --inerzia-max: \"dieci\" (un numero maggiore di 0)."};
    QTest::newRow("refused list")
        << tamburo << Caselle() << QStringList{"--catalogo", "MALE"} << 2
        << QStringList{"Catalogo motori \"male.csv\", riga 1: manca la colonna \"velocita_nominale_rpm\"."};
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
    QStringList valori{"200", "0", "500", "100", "0", "0", "0,8", "20", "0", "0", "2",
                       "5",   "0", "0,01", "0,01", "0,1", "0", "0", "0", "0", "0", "0,5"};
    for (auto it = caselle.cbegin(); it != caselle.cend(); ++it)
        valori[it.key()] = it.value();
    const QString file = scrivi(dir, QStringLiteral("argano.txt"), valori);
    QFile lista(dir.filePath(QStringLiteral("abc.csv")));
    QVERIFY(lista.open(QIODevice::WriteOnly));
    lista.write("nome;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;coppia_nominale_kgm;"
                "coppia_massima_kgm;inerzia_kgm2\r\n"
                "A;0,37;1400;3000;;0,6;0,001\r\nB;4;1450;3000;;6;0,012\r\nC;5,5;1450;3000;3,8;8;0,02\r\n");
    lista.close();
    QFile male(dir.filePath(QStringLiteral("male.csv")));
    QVERIFY(male.open(QIODevice::WriteOnly));
    male.write("nome;potenza_kW\r\n");
    male.close();
    QStringList args{lavoro, file};
    for (QString o : opzioni)
        args << o.replace(QLatin1String("LISTA"), lista.fileName())
                    .replace(QLatin1String("MALE"), male.fileName());
    const Esito e = esegui(args);
    QCOMPARE(e.codice, codice);
    if (codice == 2) {
        QCOMPARE(e.err.split(QLatin1Char('\n')).constFirst(), righe.constFirst());
        QCOMPARE(e.out, QString());
        return;
    }
    const QStringList lines = e.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const qsizetype risultati = lines.lastIndexOf(QRegularExpression(QStringLiteral("(casella|risultato).*")));
    QCOMPARE(lines.mid(risultati + 1), righe);
}

QTEST_APPLESS_MAIN(TestBatch)
#include "tst_batch.moc"
