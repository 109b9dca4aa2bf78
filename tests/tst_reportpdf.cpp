// The report painter on a PDF file: page breaks where the document asks, new pages when a page
// is full, and a message when the file cannot be written.

#include "fakes.h"

#include "reel/aspo04model.h"
#include "reel/rapporto.h"
#include "reel/sweep.h"
#include "shell/numbers.h"
#include "shell/variabili.h"
#include "ui/aspo04view.h"
#include "ui/reportpainter.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include "esempi.h"

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
    // 10-point lines overflow an A4 page well before 150 lines
    QTest::newRow("full pages") << 150 << -1 << 3;
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

void TestReportPdf::report()
{
    Variabili v = datiAspo();
    QCOMPARE(aspo::calcola(v, {true, true}), QString());
    const NumberFormat numeri(QLocale(QLocale::Italian, QLocale::Italy));
    const stampa::Documento doc =
        rapporto(v, QStringLiteral("ACME"), QStringLiteral("Linea 2"),
                 QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)), numeri);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rapporto.pdf"));
    QCOMPARE(stampaDocumentoPdf(doc, path), QString());
    const QByteArray pdf = leggi(path);
    QVERIFY(pdf.size() > 1000);
    QVERIFY(pdf.startsWith("%PDF"));
    // The 71 lines up to row 43 are taller than an A4 page at these sizes, so the last rows
    // of the first part spill onto a page of their own before the break after row 43.
    QCOMPARE(pagine(pdf), 3);

    // without its own break the table would still go on over pages
    stampa::Documento senza = doc;
    for (stampa::Riga &r : senza.righe)
        r.nuovaPagina = false;
    QCOMPARE(stampaDocumentoPdf(senza, path), QString());
    QVERIFY(pagine(leggi(path)) >= 2);
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
    QCOMPARE(text0->geometry(), QRect(ui::twips(2640), ui::twips(2520), ui::twips(3135), ui::twips(495)));
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
    QCOMPARE(command1->geometry(), QRect(ui::twips(6720), ui::twips(3000), ui::twips(1935), ui::twips(975)));
    QCOMPARE(command1->palette().color(QPalette::Button), QColor(255, 0, 0));

    auto *label2 = view.findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(label2);
    QVERIFY(label2->wordWrap());
    QCOMPARE(label2->text(), Aspo04Model::Label2());
    QCOMPARE(label2->geometry(), QRect(ui::twips(1440), ui::twips(4560), ui::twips(7455), ui::twips(855)));

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
