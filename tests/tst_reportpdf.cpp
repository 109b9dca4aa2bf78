// The report painter on a PDF file: page breaks where the document asks, new pages when a page
// is full, and a message when the file cannot be written.

#include "fakes.h"

#include "calcolo/numbers.h"
#include "reel/aspo04model.h"
#include "reel/campiona.h"
#include "reel/rapporto.h"
#include "shell/variabili.h"
#include "ui/aspo04view.h"
#include "ui/reportpainter.h"
#include "ui/widgets.h"

#include "esempi.h"
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QTest>

namespace {

QByteArray leggi(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Page objects of the file ("/Type /Pages" is the tree, not a page).
int pagine(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

stampa::Riga riga(const QString &text, double punti = 10, bool nuovaPagina = false)
{
    stampa::Riga r;
    r.punti = punti;
    r.pezzi.push_back({text, false});
    r.nuovaPagina = nuovaPagina;
    return r;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT
private slots:
    void pageBreak_data();
    void pageBreak();
    void report_data();
    void report();
    void unwritable();
    void window();
};

void TestReportPdf::pageBreak_data()
{
    QTest::addColumn<int>("righe");
    QTest::addColumn<int>("rottura"); // line that starts a new page, -1 none
    QTest::addColumn<int>("pagine");
    QTest::newRow("one page") << 5 << -1 << 1;
    QTest::newRow("break") << 5 << 3 << 2;
    // a break on a page that holds nothing yet leaves no empty page
    QTest::newRow("break on first line") << 5 << 0 << 1;
    // lines far taller than the paper are drawn smaller, not carried over
    QTest::newRow("taller than the page") << 150 << -1 << 1;
}

void TestReportPdf::pageBreak()
{
    QFETCH(int, righe);
    QFETCH(int, rottura);
    QFETCH(int, pagine);
    stampa::Documento doc;
    for (int i = 0; i < righe; ++i)
        doc.righe.push_back(riga(QStringLiteral("riga %1").arg(i), 10, i == rottura));
    // an empty line and a line of bold and regular runs
    doc.righe.push_back(stampa::Riga());
    stampa::Riga mista = riga(QStringLiteral("Diametro = "), 12);
    mista.pezzi[0].grassetto = true;
    mista.pezzi.push_back({QStringLiteral("100"), false});
    doc.righe.push_back(mista);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.pdf"));
    QCOMPARE(stampaDocumentoPdf(doc, path), QString());
    const QByteArray pdf = leggi(path);
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(::pagine(pdf), pagine);
}

void TestReportPdf::report_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("carta");
    QTest::addColumn<bool>("svolgitore");
    QTest::newRow("A4") << QPageSize::A4 << false;
    QTest::newRow("Letter") << QPageSize::Letter << false;
    // the minus signs widen the torque columns by a character
    QTest::newRow("Letter, unwinder in deceleration") << QPageSize::Letter << true;
}

// The report on a printer's paper: two pages as laid out, the headings and rows 0 to 43, then
// the headings and rows 44 to 100, every word inside the printable area.
void TestReportPdf::report()
{
    QFETCH(QPageSize::PageSizeId, carta);
    QFETCH(bool, svolgitore);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed to read the pages");

    Variabili v = datiAspo();
    QCOMPARE(aspo::campiona(v, {!svolgitore, !svolgitore}), Impedimento::Nessuno);
    const NumberFormat numeri(QLocale(QLocale::Italian, QLocale::Italy));
    const stampa::Documento doc = rapporto(v, QStringLiteral("ACME"), QStringLiteral("Linea 2"),
                                           QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)), numeri);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rapporto.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(carta), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Point));
        const double scala = scalaDocumento(writer, doc);
        QVERIFY2(scala > 0.8 && scala < 1, qPrintable(QString::number(scala)));
        QCOMPARE(stampaDocumentoSu(writer, doc, path), QString());
    }
    QCOMPARE(pagine(leggi(path)), 2);

    const auto testo = [&](int pagina, bool box) {
        QProcess p;
        QStringList args{QStringLiteral("-f"),
                         QString::number(pagina),
                         QStringLiteral("-l"),
                         QString::number(pagina),
                         box ? QStringLiteral("-bbox") : QStringLiteral("-layout"),
                         path,
                         QStringLiteral("-")};
        p.start(pdftotext, args);
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString pagina1 = testo(1, false), pagina2 = testo(2, false);
    QVERIFY(pagina1.contains(QStringLiteral("Cliente: ACME")));
    QVERIFY(pagina1.contains(QStringLiteral("Momento di inerzia trasmissione[kgm^2]")));
    QVERIFY(pagina1.contains(QStringLiteral("0,487"))); // row 43
    QVERIFY(!pagina1.contains(QStringLiteral("0,496")));
    QCOMPARE(pagina2.trimmed().left(8), QStringLiteral("Diametro"));
    QVERIFY(pagina2.contains(QStringLiteral("0,496"))); // row 44
    QVERIFY(pagina2.contains(QStringLiteral("1,000")));
    QVERIFY(!pagina2.contains(QStringLiteral("0,487")));

    // nothing cut off: every word lies inside the paper less its 10-point margins
    static const QRegularExpression pageBox(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    static const QRegularExpression wordBox(QStringLiteral(
        "<word xMin=\"([0-9.-]+)\" yMin=\"([0-9.-]+)\" xMax=\"([0-9.-]+)\" yMax=\"([0-9.-]+)\""));
    for (int pagina : {1, 2}) {
        const QString box = testo(pagina, true);
        const auto pm = pageBox.match(box);
        QVERIFY(pm.hasMatch());
        const QRectF area = QRectF(0, 0, pm.captured(1).toDouble(), pm.captured(2).toDouble())
                                .adjusted(9.5, 9.5, -9.5, -9.5);
        int parole = 0;
        for (auto it = wordBox.globalMatch(box); it.hasNext(); ++parole) {
            const auto m = it.next();
            const QRectF parola(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
            QVERIFY2(area.contains(parola),
                     qPrintable(QStringLiteral("page %1: %2").arg(pagina).arg(m.captured(0))));
        }
        QVERIFY(parole > 100);
    }

    // the batch program's PDF is the same document on A4
    QCOMPARE(stampaDocumentoPdf(doc, path), QString());
    QCOMPARE(pagine(leggi(path)), 2);
}

void TestReportPdf::unwritable()
{
    stampa::Documento doc;
    doc.righe.push_back(riga(QStringLiteral("x")));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("manca/doc.pdf"));
    const QString message = stampaDocumentoPdf(doc, path);
    QVERIFY(!message.isEmpty());
    QVERIFY(message.contains(QStringLiteral("\"doc.pdf\"")));
    QVERIFY(!QFile::exists(path));
}

void TestReportPdf::window()
{
    Banco b;
    Ambiente env{b.var(), b.numeri, b.piattaforma, b.piattaforma, b.piattaforma, b.programma};
    Aspo04Model model(env);
    model.Form_Load();
    Aspo04View view(b.programma, model);
    QCOMPARE(view.windowTitle(), QStringLiteral("Stampa i risultati"));

    auto *text0 = view.findChild<QLineEdit *>(QStringLiteral("Text1_0"));
    auto *text1 = view.findChild<QLineEdit *>(QStringLiteral("Text1_1"));
    QVERIFY(text0 && text1);
    QCOMPARE(text0->geometry(),
             QRect(ui::twips(2640), ui::twips(2520), ui::twips(3135), ui::twips(495)));
    QCOMPARE(text1->geometry().topLeft(), QPoint(ui::twips(2640), ui::twips(3600)));
    QCOMPARE(text0->palette().color(QPalette::Base), QColor(0, 255, 0));
    QCOMPARE(text0->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(text0->accessibleName(), QStringLiteral("Nome Cliente"));
    QCOMPARE(text1->accessibleName(), QStringLiteral("Nome Progetto"));
    auto *label0 = view.findChild<QLabel *>(QStringLiteral("Label1_0"));
    QVERIFY(label0);
    QCOMPARE(label0->text(), QStringLiteral("Nome Cliente: "));
    QCOMPARE(label0->x(), ui::twips(480));

    auto *command1 = view.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(command1);
    QCOMPARE(command1->text(), QStringLiteral("STAMPA"));
    QCOMPARE(command1->geometry(),
             QRect(ui::twips(6720), ui::twips(3000), ui::twips(1935), ui::twips(975)));
    QCOMPARE(command1->palette().color(QPalette::Button), QColor(255, 0, 0));

    auto *label2 = view.findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(label2);
    QVERIFY(label2->wordWrap());
    QCOMPARE(label2->text(), Aspo04Model::Label2());
    QCOMPARE(label2->geometry(),
             QRect(ui::twips(1440), ui::twips(4560), ui::twips(7455), ui::twips(855)));

    QVERIFY(view.findChild<QAction *>(QStringLiteral("mnuFileEsci")));
    QVERIFY(view.findChild<QAction *>(QStringLiteral("mnuHelp")));

    // typed names reach the model and the printed report
    QTest::keyClicks(text0, QStringLiteral("ACME"));
    QTest::keyClicks(text1, QStringLiteral("L2"));
    QCOMPARE(model.Text1(0), QStringLiteral("ACME"));
    QCOMPARE(model.Text1(1), QStringLiteral("L2"));
    command1->click();
    QCOMPARE(int(b.piattaforma.documentiStampati.size()), 1);
    QCOMPARE(b.piattaforma.documentiStampati[0].righe.at(0).pezzi.at(0).testo,
             QStringLiteral("Cliente: ACME Progetto: L2"));
    const QPixmap shot = view.grab(); // the surface paints its instructions without trouble
    if (qEnvironmentVariableIsSet("DM_SHOT_ASPO04"))
        shot.save(qEnvironmentVariable("DM_SHOT_ASPO04"));
}

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
