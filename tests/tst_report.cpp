// The printed reel report, the reel results file and the report window.

#include "fakes.h"

#include "calcolo/numbers.h"
#include "reel/aspo04model.h"
#include "reel/campiona.h"
#include "reel/rapporto.h"
#include "reel/risultati.h"
#include "shell/datafile.h"
#include "shell/variabili.h"

#include "esempi.h"
#include <QFile>
#include <QTemporaryDir>

#include <QTest>

namespace {

const NumberFormat &italiano()
{
    static const NumberFormat f(QLocale(QLocale::Italian, QLocale::Italy));
    return f;
}

const QDateTime quando(QDate(2024, 3, 7), QTime(14, 5, 9));

Variabili esempio(bool avvolgitore = true, bool accelerazione = true)
{
    return esempioAspo(avvolgitore, accelerazione);
}

QString testo(const stampa::Riga &r)
{
    QString t;
    for (const stampa::Pezzo &p : r.pezzi)
        t += p.testo;
    return t;
}

QString riga(const QString &diam, const QString &vel, const QString &jtt, const QString &cmj,
             const QString &ctt)
{
    return QStringLiteral("   ") + diam + QString(10, ' ') + vel + QString(16, ' ') + jtt +
           QString(13, ' ') + cmj + QString(16, ' ') + ctt;
}

// Line of the document that shows table row i: 24 lines before the first row, three more
// (the headings again) before row 44.
int lineaDi(int i)
{
    return i <= 43 ? 24 + i : 24 + i + 3;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void labels_data();
    void labels();
    void customerLine_data();
    void customerLine();
    void dateTime();
    void pages();
    void rows_data();
    void rows();
    void emptyTables();
    void resultsFile_data();
    void resultsFile();
    void resultsFileShape();
    void resultsFileOnDisk();
    void printWindow();
    void printFailure();
};

void TestReport::layout_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<double>("punti");
    QTest::addColumn<bool>("grassetto");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("names") << 0 << 18.0 << true << QString();
    QTest::newRow("blank after names") << 1 << 18.0 << true << " ";
    QTest::newRow("date") << 2 << 12.0 << false << QString();
    QTest::newRow("title") << 3 << 14.0 << true << "                        Dati di Progetto";
    QTest::newRow("empty") << 4 << 14.0 << true << QString();
    QTest::newRow("blank after data") << 18 << 12.0 << false << " ";
    QTest::newRow("note") << 19 << 12.0 << false
                          << "I valori di velocitá, inerzia e coppia sono riferiti all' asse del motore";
    QTest::newRow("three blanks") << 20 << 12.0 << false << "   ";
    QTest::newRow("heading 1") << 21 << 13.0 << true
                               << "Diametro     Velocitá        Inerzia      Coppia         Coppia tot. ";
    QTest::newRow("heading 2") << 22 << 13.0 << true
                               << "            motore[rpm]      [kgm^2]    accel.[kgm]         .[kgm] ";
    QTest::newRow("before rows") << 23 << 10.0 << false << "   ";
    QTest::newRow("row 0") << 24 << 10.0 << false << QString();
    QTest::newRow("row 43") << 67 << 10.0 << false << QString();
    QTest::newRow("heading 1 again") << 68 << 13.0 << true
                                     << "Diametro     Velocitá        Inerzia      Coppia         Coppia tot. ";
    QTest::newRow("heading 2 again") << 69 << 13.0 << true
                                     << "            motore[rpm]      [kgm^2]    accel.[kgm]         .[kgm] ";
    QTest::newRow("before rows again") << 70 << 10.0 << false << "   ";
    QTest::newRow("row 44") << 71 << 10.0 << false << QString();
    QTest::newRow("row 100") << 127 << 10.0 << false << QString();
    // clang-format on
}

void TestReport::layout()
{
    QFETCH(int, line);
    QFETCH(double, punti);
    QFETCH(bool, grassetto);
    QFETCH(QString, text);
    const stampa::Documento doc =
        rapporto(esempio(), QStringLiteral("ACME"), QStringLiteral("Linea 2"), quando, italiano());
    QCOMPARE(int(doc.righe.size()), 128);
    const stampa::Riga &r = doc.righe.at(line);
    QCOMPARE(r.font, QStringLiteral("Courier New"));
    QCOMPARE(r.punti, punti);
    if (line == 4) {
        QVERIFY(r.pezzi.empty());
        return;
    }
    QVERIFY(!r.pezzi.empty());
    for (const stampa::Pezzo &p : r.pezzi)
        QCOMPARE(p.grassetto, grassetto);
    if (!text.isNull())
        QCOMPARE(testo(r), text);
}

void TestReport::labels_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    QTest::newRow("d") << 5 << "Diametro Interno [mm]                    = "
                       << "100";
    QTest::newRow("Dm") << 6 << "Diametro Esterno [mm]                    = "
                        << "1000";
    QTest::newRow("l") << 7 << "Larghezza materiale [mm]                 = "
                       << "500";
    QTest::newRow("D") << 8 << "Peso specifico [kg/m^3]                  = "
                       << "7,8";
    QTest::newRow("Vm") << 9 << "Velocitá linea [m/min]                   = "
                        << "100";
    QTest::newRow("R") << 10 << "Rapporto di trasmissione                 = "
                       << "10";
    QTest::newRow("n") << 11 << "Rendimento della trasmissione[%]         = "
                       << "0,9";
    QTest::newRow("F") << 12 << "Tensione Materiale [kg]                  = "
                       << "100";
    QTest::newRow("tacc") << 13 << "Tempo di accelerazione[sec]              = "
                          << "10";
    QTest::newRow("tdec") << 14 << "Tempo di decelerazione[sec]              = "
                          << "10";
    QTest::newRow("Jmot") << 15 << "Momento di inerzia del motore[kgm^2]     = "
                          << "0,02";
    QTest::newRow("Jman") << 16 << "Momento di inerzia mandrino[kgm^2]       = "
                          << "0,02";
    QTest::newRow("Jtr") << 17 << "Momento di inerzia trasmissione[kgm^2]   = "
                         << "0,01";
}

void TestReport::labels()
{
    QFETCH(int, line);
    QFETCH(QString, label);
    QFETCH(QString, value);
    Variabili v = esempio();
    // the texts as typed, not the numbers of the sweep
    v.datiStampa[0] = QStringLiteral("100,0 ");
    if (line == 5)
        value = QStringLiteral("100,0 ");
    const stampa::Documento doc = rapporto(v, QString(), QString(), quando, italiano());
    const stampa::Riga &r = doc.righe.at(line);
    QCOMPARE(label.size(), 43);
    QCOMPARE(r.punti, 12.0);
    QCOMPARE(int(r.pezzi.size()), 2);
    QCOMPARE(r.pezzi[0].testo, label);
    QVERIFY(r.pezzi[0].grassetto);
    QCOMPARE(r.pezzi[1].testo, value);
    QVERIFY(!r.pezzi[1].grassetto);
}

void TestReport::customerLine_data()
{
    QTest::addColumn<QString>("cliente");
    QTest::addColumn<QString>("progetto");
    QTest::addColumn<QString>("text");
    // "Cliente: " and the name, blanks to the next multiple of 14, "Progetto: " and the name
    // clang-format off
    QTest::newRow("short") << "ACME" << "Linea 2"
                           << "Cliente: ACME" + QString(1, ' ') + "Progetto: Linea 2";
    QTest::newRow("empty names") << QString() << QString()
                                 << "Cliente: " + QString(5, ' ') + "Progetto: ";
    QTest::newRow("exactly a zone") << "ACMEE" << "P" << "Cliente: ACMEE" + QString(14, ' ') + "Progetto: P";
    QTest::newRow("second zone") << "Officine Meccaniche" << "X"
                                 << "Cliente: Officine Meccaniche" + QString(14, ' ') + "Progetto: X";
    QTest::newRow("into third zone") << "Officine Meccaniche Srl" << "X"
                                     << "Cliente: Officine Meccaniche Srl" + QString(10, ' ') + "Progetto: X";
    // clang-format on
}

void TestReport::customerLine()
{
    QFETCH(QString, cliente);
    QFETCH(QString, progetto);
    QFETCH(QString, text);
    const stampa::Documento doc = rapporto(Variabili(), cliente, progetto, quando, italiano());
    const stampa::Riga &r = doc.righe.at(0);
    QCOMPARE(testo(r), text);
    QCOMPARE(r.punti, 18.0);
    QCOMPARE(text.indexOf("Progetto: ") % 14, 0);
}

void TestReport::dateTime()
{
    const stampa::Documento doc =
        rapporto(Variabili(), QString(), QString(), QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)),
                 italiano());
    QCOMPARE(testo(doc.righe.at(2)),
             QStringLiteral("                Data e ora: 07 - 03 - 2024 14:05:09"));
    QCOMPARE(stampa::dataOra(QDateTime(QDate(1999, 12, 31), QTime(0, 0, 1)), italiano()),
             QStringLiteral("31 - 12 - 1999 00:00:01"));
}

void TestReport::pages()
{
    const stampa::Documento doc = rapporto(esempio(), QString(), QString(), quando, italiano());
    QCOMPARE(int(doc.righe.size()), 128);
    int breaks = 0;
    for (const stampa::Riga &r : doc.righe)
        breaks += r.nuovaPagina ? 1 : 0;
    QCOMPARE(breaks, 1);
    // the break comes right after row 43, before the headings again
    QVERIFY(doc.righe.at(68).nuovaPagina);
    QCOMPARE(testo(doc.righe.at(67)), stampa::rigaTabella(esempio(), 43, italiano()));
    QCOMPARE(testo(doc.righe.at(71)), stampa::rigaTabella(esempio(), 44, italiano()));
}

void TestReport::rows_data()
{
    QTest::addColumn<bool>("avvolgitore");
    QTest::addColumn<bool>("accelerazione");
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("text");
    QTest::newRow("winder core") << true << true << 0
                                 << riga("0,100", "3183", "00,01", "00,01", "01,06");
    QTest::newRow("winder full") << true << true << 100
                                 << riga("1,000", "0318", "07,67", "00,65", "06,70");
    // the unwinder decelerates with negative torques, one character wider
    QTest::newRow("unwinder full")
        << false << false << 100 << riga("1,000", "0318", "07,67", "00,65", "-05,65");
}

void TestReport::rows()
{
    QFETCH(bool, avvolgitore);
    QFETCH(bool, accelerazione);
    QFETCH(int, i);
    QFETCH(QString, text);
    const Variabili v = esempio(avvolgitore, accelerazione);
    QCOMPARE(stampa::rigaTabella(v, i, italiano()), text);
    const stampa::Documento doc = rapporto(v, QString(), QString(), quando, italiano());
    QCOMPARE(testo(doc.righe.at(lineaDi(i))), text);
    QCOMPARE(doc.righe.at(lineaDi(i)).punti, 10.0);
}

void TestReport::emptyTables()
{
    // before any sweep the tables hold zeros
    const Variabili v;
    const stampa::Documento doc = rapporto(v, QString(), QString(), quando, italiano());
    const QString zero = riga("0,000", "0000", "00,00", "00,00", "00,00");
    QCOMPARE(zero, QStringLiteral("   0,000") + QString(10, ' ') + "0000" + QString(16, ' ') +
                       "00,00" + QString(13, ' ') + "00,00" + QString(16, ' ') + "00,00");
    for (int i = 0; i < Variabili::Campioni; ++i)
        QCOMPARE(testo(doc.righe.at(lineaDi(i))), zero);
    // the data lines show empty texts as nothing after the label
    QCOMPARE(int(doc.righe.at(5).pezzi.size()), 1);
}

void TestReport::resultsFile_data()
{
    QTest::addColumn<bool>("avvolgitore");
    QTest::addColumn<int>("line"); // 1-based, as the file counts them
    QTest::addColumn<QString>("text");
    QTest::newRow("aVel(0)") << true << 16 << " 3183,09886142228 ";
    QTest::newRow("CttMax") << true << 17 << " 6,70445788823917 ";
    QTest::newRow("aDiam(0)") << true << 19 << " 0,1 ";
    QTest::newRow("aVel(0) in group") << true << 20 << " 3183,09886142228 ";
    QTest::newRow("aDiam(100)") << true << 619 << " 1 ";
    QTest::newRow("aCtt(100) bare") << true << 624 << "6,70445788823917";
    // the unwinder's tension torque is negative: a minus sign takes the blank's place
    QTest::newRow("unwinder aCmt(0)") << false << 21 << "-0,45 ";
}

void TestReport::resultsFile()
{
    QFETCH(bool, avvolgitore);
    QFETCH(int, line);
    QFETCH(QString, text);
    const Variabili v = esempio(avvolgitore, avvolgitore);
    std::array<QString, 14> testi;
    const QStringList lines = righeRisultati(v, testi, quando, italiano());
    QCOMPARE(lines.size(), 624);
    QCOMPARE(lines.at(line - 1), text);
}

void TestReport::resultsFileShape()
{
    Variabili v = esempio(false, false);
    v.Pm = 21.5;
    std::array<QString, 14> testi;
    for (int i = 0; i < 14; ++i)
        testi[i] = QStringLiteral("t%1 ").arg(i); // as typed, blanks kept
    const NumberFormat &f = italiano();
    const QStringList lines = righeRisultati(v, testi, quando, f);
    QCOMPARE(lines.size(), risultati::Righe);
    QCOMPARE(lines.at(0), datafile::dateLine(f, quando));
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Dati registrati il:         07")));
    for (int i = 0; i < 14; ++i)
        QCOMPARE(lines.at(1 + i), testi[i]);
    QVERIFY(lines.at(16).startsWith('-')); // CttMax of the unwinder
    QCOMPARE(lines.at(16), f.general(v.CttMax) + ' ');
    QCOMPARE(lines.at(17), QStringLiteral(" 21,5 "));
    for (int i = 0; i < Variabili::Campioni; ++i) {
        const int g = 18 + 6 * i;
        const double values[5] = {v.aDiam[i], v.aVel[i], v.aCmt[i], v.aJtt[i], v.aCmj[i]};
        for (int k = 0; k < 5; ++k) {
            const QString expected =
                (values[k] < 0 ? QString() : QStringLiteral(" ")) + f.general(values[k]) + ' ';
            QCOMPARE(lines.at(g + k), expected);
        }
        QCOMPARE(lines.at(g + 5), f.general(v.aCtt[i]));
        QVERIFY(lines.at(g + 5).startsWith('-'));
    }
    // zeros before any sweep
    const QStringList empty = righeRisultati(Variabili(), testi, quando, f);
    QCOMPARE(empty.size(), 624);
    QCOMPARE(empty.at(15), QStringLiteral(" 0 "));
    QCOMPARE(empty.at(623), QStringLiteral("0"));
}

void TestReport::resultsFileOnDisk()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("risultati.txt"));
    std::array<QString, 14> testi;
    testi[10] = QStringLiteral("7,8");
    const QStringList lines = righeRisultati(esempio(), testi, quando, italiano());
    QCOMPARE(datafile::write(path, lines), QString());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), qsizetype(624));
    QVERIFY(bytes.endsWith("6,70445788823917\r\n"));
    QVERIFY(bytes.contains("\r\n 3183,09886142228 \r\n 6,70445788823917 \r\n"));

    const datafile::ReadResult back = datafile::read(path);
    QVERIFY(back.ok);
    QCOMPARE(back.lines, lines);
    QCOMPARE(back.lines.at(11), QStringLiteral("7,8"));

    // a directory in place of the file: the message, and nothing written
    QVERIFY(!datafile::write(dir.path(), lines).isEmpty());
}

void TestReport::printWindow()
{
    Banco b;
    b.var() = esempio();
    Ambiente env{b.var(), b.numeri, b.piattaforma, b.piattaforma, b.piattaforma, b.programma};
    Aspo04Model model(env);
    QCOMPARE(model.caption(), QStringLiteral("Stampa i risultati"));
    QVERIFY(model.istruzioni().isEmpty());
    model.Form_Load();
    const QStringList istruzioni{
        "  ",
        " ",
        "                 Prima di stampare i risultati inserire:",
        "     ",
        "                                                         A) il nome del Cliente",
        "                                                         B) il nome del progetto"};
    QCOMPARE(model.istruzioni(), istruzioni);
    QCOMPARE(Aspo04Model::Label1(0), QStringLiteral("Nome Cliente: "));
    QCOMPARE(Aspo04Model::Label1(1), QStringLiteral("Nome Progetto: "));
    QCOMPARE(Aspo04Model::Command1(), (Aspetto{"STAMPA", colori::rosso}));
    QCOMPARE(Aspo04Model::Text1Aspetto().sfondo, colori::verde);
    QCOMPARE(Aspo04Model::Label2(),
             QStringLiteral("La stampa sarà effettuata dalla stampante predefinita. Se si vuole "
                            "modificare la stampante da utilizzare, modificare la stampante "
                            "predefenita da pannello di controllo."));

    model.setText1(0, QStringLiteral("ACME"));
    model.setText1(1, QStringLiteral("Linea 2"));
    model.Command1_Click();
    QCOMPARE(int(b.piattaforma.documentiStampati.size()), 1);
    QVERIFY(b.piattaforma.messaggi.empty());
    const stampa::Documento &doc = b.piattaforma.documentiStampati.front();
    QCOMPARE(int(doc.righe.size()), 128);
    QCOMPARE(testo(doc.righe.at(0)), QStringLiteral("Cliente: ACME Progetto: Linea 2"));
    QCOMPARE(testo(doc.righe.at(lineaDi(0))), riga("0,100", "3183", "00,01", "00,01", "01,06"));
    QVERIFY(testo(doc.righe.at(2)).startsWith(QStringLiteral("                Data e ora: ")));

    // any number of prints; each one reads the tables as they are then
    b.var().aDiam = {};
    model.Command1_Click();
    QCOMPARE(int(b.piattaforma.documentiStampati.size()), 2);
    QVERIFY(
        testo(b.piattaforma.documentiStampati.back().righe.at(lineaDi(0))).startsWith("   0,000"));
}

void TestReport::printFailure()
{
    Banco b;
    Ambiente env{b.var(), b.numeri, b.piattaforma, b.piattaforma, b.piattaforma, b.programma};
    Aspo04Model model(env);
    model.Form_Load();
    b.piattaforma.erroreStampa =
        QStringLiteral("Nessuna stampante predefinita: impossibile stampare.");
    model.Command1_Click();
    QCOMPARE(int(b.piattaforma.messaggi.size()), 1);
    QCOMPARE(b.piattaforma.messaggi[0].titolo, QStringLiteral("Stampa"));
    QCOMPARE(b.piattaforma.messaggi[0].testo, b.piattaforma.erroreStampa);
    QVERIFY(b.piattaforma.documentiStampati.empty());
    // the program goes on: the printer works again, the window prints
    b.piattaforma.erroreStampa.clear();
    model.Command1_Click();
    QCOMPARE(int(b.piattaforma.documentiStampati.size()), 1);
    QCOMPARE(int(b.piattaforma.messaggi.size()), 1);
    model.mnuHelp_Click();
    QCOMPARE(int(b.piattaforma.messaggi.size()), 1);
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
