// The sizing sheet as a PDF file: each calculator's worked example from its data file through
// "Calcola" to the file, read back with poppler's tools (every box and every result in the
// text, the footer, A4 paper, fonts embedded, drawings and charts as lines); the motor check
// on the hoist's sheet; a file that cannot be written.
// DM_SCHEDE=FOLDER keeps the sheets there, to look at.

#include "fakes.h"

#include "calcolatrice/calcolatrice.h"
#include "calcolo/numbers.h"
#include "scheda/componi.h"
#include "ui/schedapainter.h"
#include "verifica/verificamodel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// A poppler tool's output on a file.
QString poppler(const char *tool, const QStringList &args)
{
    const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
    if (program.isEmpty())
        return QStringLiteral("<%1 (poppler-utils) is not installed>").arg(QLatin1String(tool));
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray contenuto(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(manca)");
}

// The program with its example files, a calculator's data file opened, entered and computed.
struct Lavoro {
    FakePlatform piattaforma;
    NumberFormat numeri{QLocale(QLocale::Italian, QLocale::Italy)};
    Programma programma{piattaforma, piattaforma, piattaforma, numeri};
    Calcolatrice *form = nullptr;

    // caselle: boxes typed over the file's
    Lavoro(FormId finestra, const QString &file, const QList<QPair<int, QString>> &caselle = {})
    {
        registraModelli(programma, QStringLiteral(DM_UTIL_IMG));
        programma.openForm(finestra);
        form = programma.form<Calcolatrice>(finestra);
        if (!form->apriFile(QStringLiteral(DM_DATA "/") + file))
            return;
        for (const auto &[box, testo] : caselle)
            form->setTxtInDat(box, testo);
        form->btnInseDat_Click();
        form->btnCalcola_Click();
    }
    scheda::Foglio foglio() const
    {
        return form
            ->scheda({QStringLiteral("Cliente Prova"), QStringLiteral("Progetto Prova")},
                     QDateTime(QDate(2026, 12, 8), QTime(9, 30)))
            .value_or(scheda::Foglio{});
    }
};

// Where the sheet is written: a scratch folder, or the one named to keep it.
QString percorso(const QTemporaryDir &dir, const QString &nome)
{
    const QString tieni = qEnvironmentVariable("DM_SCHEDE");
    return (tieni.isEmpty() ? dir.path() : tieni) + QLatin1Char('/') + nome +
           QStringLiteral(".pdf");
}

} // namespace

class TestSchedaPdf : public QObject {
    Q_OBJECT
private slots:
    void calcolatrici_data();
    void calcolatrici();
    void verificaMotore();
    void nonScrivibile();
};

void TestSchedaPdf::calcolatrici_data()
{
    QTest::addColumn<FormId>("finestra");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("immagini"); // photographs; drawings and charts are lines
    QTest::newRow("tamburo") << FormId::elevForm << "tamburo_esempio.txt" << 0;
    QTest::newRow("tappeto") << FormId::convayorForm << "tappeto_esempio.txt" << 0;
    QTest::newRow("vite") << FormId::Soll_vite_Form << "vite_esempio.txt" << 0;
    QTest::newRow("trasl") << FormId::traslForm << "vite_esempio.txt" << 0;
    QTest::newRow("aspo") << FormId::aspoForm << "aspo_esempio.txt" << 0;
    QTest::newRow("utilita") << FormId::utilForm << "utilita_esempio.txt" << 1;
}

void TestSchedaPdf::calcolatrici()
{
    QFETCH(FormId, finestra);
    QFETCH(QString, file);
    QFETCH(int, immagini);
    const Lavoro lavoro(finestra, file);
    QVERIFY2(lavoro.form->calcolato(), qPrintable(lavoro.piattaforma.testi().join(u'\n')));
    const scheda::Foglio foglio = lavoro.foglio();

    QTemporaryDir dir;
    const QString path = percorso(dir, QLatin1String(QTest::currentDataTag()));
    QCOMPARE(scriviSchedaPdf(foglio, path), QString());
    const QString testo =
        poppler("pdftotext", {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const QString &atteso :
         {QStringLiteral("Cliente: Cliente Prova"), QStringLiteral("Progetto: Progetto Prova"),
          QStringLiteral("Data: 08/12/2026 09:30"), QStringLiteral("Pagina 1 di"), foglio.lavoro,
          foglio.programma})
        QVERIFY2(testo.contains(atteso), qPrintable(atteso));
    for (const Riga &r : lavoro.form->righe())
        if (r.colonna == Colonna::Dati)
            QVERIFY2(testo.contains(lavoro.form->testiCalcolati().value(r.box)),
                     qPrintable(r.simbolo));
    for (const scheda::Grandezza &g : lavoro.form->grandezze())
        QVERIFY2(testo.contains(lavoro.numeri.completo(g.valore)), qPrintable(g.nome));
    // the drive's drawing is there: its description under it
    const QString figura = lavoro.form->figura().descrizione;
    if (!figura.isEmpty())
        QVERIFY2(testo.count(figura) > foglio.lavoro.count(figura), qPrintable(figura));

    // A4, 595,28 x 841,89 points: Qt's writer gives its page box in whole points
    const QString info = poppler("pdfinfo", {path});
    const QRegularExpressionMatch carta =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts \\(A4\\)"))
            .match(info);
    QVERIFY2(carta.hasMatch(), qPrintable(info));
    QVERIFY(qAbs(carta.captured(1).toDouble() - 595.28) < 0.5 &&
            qAbs(carta.captured(2).toDouble() - 841.89) < 0.5);
    const int pagine =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    QVERIFY(testo.contains(QStringLiteral("Pagina %1 di %1").arg(pagine)));

    // name type ... emb sub uni object generation: each font Arial's stand-in, embedded
    const QStringList fonts = poppler("pdffonts", {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &riga : fonts) {
        const QStringList campi = riga.split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(campi.size() > 5 && campi.at(campi.size() - 5) == QLatin1String("yes"),
                 qPrintable(riga));
        QVERIFY2(riga.contains(QLatin1String("Liberation")) ||
                     riga.contains(QLatin1String("Arial")),
                 qPrintable(riga));
    }
    // page, num, type, ...: one line a picture after the two of the heading
    const QStringList figure =
        poppler("pdfimages", {QStringLiteral("-list"), path}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(figure.size() - 2, immagini);
}

// The hoist's sheet after a motor check on the example list, with a cycle of two moves of 10 s
// in 40 s: the section and the chosen motor.
void TestSchedaPdf::verificaMotore()
{
    Lavoro lavoro(FormId::elevForm, QStringLiteral("tamburo_esempio.txt"),
                  {{8, QStringLiteral("10")}, {9, QStringLiteral("40")}});
    QVERIFY(lavoro.form->calcolato());
    lavoro.programma.openForm(FormId::frmVerifica);
    auto *verifica = lavoro.programma.form<VerificaModel>(FormId::frmVerifica);
    QVERIFY(verifica->apriCatalogo(QStringLiteral(DM_CATALOGO_ESEMPIO)));
    const Variabili &v = lavoro.programma.var();
    QVERIFY(v.controllo && v.controllo->confronto.scelto);
    const QString scelto = v.controllo->motori.at(*v.controllo->confronto.scelto).nome;

    QTemporaryDir dir;
    const QString path = percorso(dir, QStringLiteral("tamburo_verifica"));
    QCOMPARE(scriviSchedaPdf(lavoro.foglio(), path), QString());
    const QString testo =
        poppler("pdftotext", {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(testo.contains(QStringLiteral("Verifica motore")));
    QVERIFY2(testo.contains(scelto), qPrintable(scelto));
    QVERIFY(testo.contains(QStringLiteral("(scelto)")));
}

// A folder that is not there: a message and no file. A write cut short (a file-size limit):
// the file already there keeps its bytes, and nothing is left beside it.
void TestSchedaPdf::nonScrivibile()
{
    const scheda::Foglio foglio =
        Lavoro(FormId::elevForm, QStringLiteral("tamburo_esempio.txt")).foglio();
    QTemporaryDir dir;
    const QString manca = dir.filePath(QStringLiteral("manca/scheda.pdf"));
    QVERIFY(!scriviSchedaPdf(foglio, manca).isEmpty());
    QVERIFY(!QFile::exists(manca));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("manca"))));

    const QString vecchia = dir.filePath(QStringLiteral("scheda.pdf"));
    {
        QFile file(vecchia);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("vecchia scheda\n");
    }
    rlimit prima{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &prima) == 0);
    rlimit limite = prima;
    limite.rlim_cur = 4096;
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limite) == 0);
    const QString messaggio = scriviSchedaPdf(foglio, vecchia);
    setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, segnale);
    QVERIFY(!messaggio.isEmpty());
    QCOMPARE(contenuto(vecchia), QByteArray("vecchia scheda\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("scheda.pdf")});
}

QTEST_MAIN(TestSchedaPdf)
#include "tst_schedapdf.moc"
