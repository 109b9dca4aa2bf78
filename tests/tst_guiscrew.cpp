// The screw lift and travel windows on the real widgets, offscreen: the layout each window
// takes from its configuration, the worked example typed and clicked through to the result
// window, the File menu and the status label. Message boxes and file dialogs go to the
// recording fake, so nothing modal ever opens.

#include "comandi.h"
#include "scrivania.h"

#include "screw/vitemodel.h"
#include "ui/viteview.h"
#include "ui/widgethost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The program with the real widget host (for the result window) and one screw window whose
// model the test owns.
struct Desktop : Scrivania {
    ViteModel modello;
    QPointer<ViteView> vista;
    explicit Desktop(FormId id)
        : modello(id, Ambiente{programma.var(), numeri, piattaforma, piattaforma, piattaforma,
                               programma})
    {
        modello.Form_Load();
        vista = new ViteView(programma, modello);
        vista->show();
    }
    ~Desktop()
    {
        delete vista.data();
        programma.unloadForm(FormId::frmRisult);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QPoint posto(QWidget *w, const QString &name)
{
    const QWidget *c = controllo<QWidget>(w, name);
    return c ? c->pos() : QPoint(-1, -1);
}

QColor base(const QWidget *w)
{
    return sfondo(w, QPalette::Base);
}

QWidget *risultato()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == QLatin1String("Risultato dimensionamento motore"))
            return w;
    return nullptr;
}

QStringList voci(QWidget *w)
{
    QStringList out;
    auto *menu = controllo<QMenu>(w, QStringLiteral("mnuFile"));
    if (!menu)
        return {QStringLiteral("<no mnuFile>")};
    for (const QAction *a : menu->actions())
        out << a->objectName() + QLatin1Char(' ') + a->text();
    return out;
}

QAction *voce(QWidget *w, const QString &name)
{
    auto *menu = controllo<QMenu>(w, QStringLiteral("mnuFile"));
    if (menu)
        for (QAction *a : menu->actions())
            if (a->objectName() == name)
                return a;
    return nullptr;
}

} // namespace

class TestGuiScrew : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void layout_data();
    void layout();
    void workedExampleToTheResultWindow_data();
    void workedExampleToTheResultWindow();
    void fileMenuAndStatusLabel();
};

void TestGuiScrew::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList rimaste;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            rimaste << w->windowTitle();
    QCOMPARE(rimaste, QStringList());
}

void TestGuiScrew::layout_data()
{
    QTest::addColumn<bool>("trasl");
    QTest::newRow("Soll_vite_Form") << false;
    QTest::newRow("traslForm") << true;
}

void TestGuiScrew::layout()
{
    QFETCH(bool, trasl);
    Desktop d(trasl ? FormId::traslForm : FormId::Soll_vite_Form);
    QWidget *w = d.vista;
    QCOMPARE(w->windowTitle(), trasl
                                   ? QStringLiteral("Spostamento orizzontale con vite e madrevite.")
                                   : QStringLiteral("Sollevamento con vite e madrevite"));
    // inputs right, results left, legend between; twips are 15 to a pixel
    QCOMPARE(posto(w, QStringLiteral("txtInDat0")).x(), 12720 / 15);
    QCOMPARE(posto(w, QStringLiteral("txtInDat24")).x(), 12720 / 15);
    QCOMPARE(posto(w, QStringLiteral("txtInDat18")).x(), 3960 / 15);
    QCOMPARE(posto(w, QStringLiteral("Label5")).x(), 5280 / 15);
    QVERIFY(posto(w, QStringLiteral("txtInDat23")).y() >
            posto(w, QStringLiteral("txtInDat11")).y());
    QVERIFY(posto(w, QStringLiteral("txtInDat12")).y() >
            posto(w, QStringLiteral("txtInDat23")).y());
    QVERIFY(posto(w, QStringLiteral("txtInDat24")).y() >
            posto(w, QStringLiteral("txtInDat17")).y());
    QVERIFY(posto(w, QStringLiteral("Label3_19")).y() > posto(w, QStringLiteral("Label5")).y());
    QCOMPARE(posto(w, QStringLiteral("Label15")),
             trasl ? QPoint(3120 / 15, 8640 / 15) : QPoint(3600 / 15, 8880 / 15));
    QCOMPARE(posto(w, QStringLiteral("Label8")),
             trasl ? QPoint(8640 / 15, 240 / 15) : QPoint(7200 / 15, 120 / 15));
    QCOMPARE(controllo<QLabel>(w, QStringLiteral("Label15"))->font().family(),
             QStringLiteral("Courier New"));
    QVERIFY(controllo<QWidget>(w, trasl ? QStringLiteral("Image2") : QStringLiteral("Picture1")));

    QCOMPARE(valore(w, ViteModel::nu), QStringLiteral("0,6"));
    QCOMPARE(valore(w, ViteModel::Jv), QStringLiteral("0,009"));
    QCOMPARE(valore(w, ViteModel::Tdec), QStringLiteral("5"));
    QCOMPARE(testo(w, QStringLiteral("Label2_6"))
                 .contains(trasl ? QStringLiteral("Massa totale") : QStringLiteral("Peso totale")),
             true);
    QCOMPARE(testo(w, QStringLiteral("Label3_12")), QStringLiteral(" m/s"));
    QCOMPARE(base(casella(w, ViteModel::N)), trasl ? QColor(255, 128, 128) : QColor(255, 0, 0));
    QCOMPARE(base(casella(w, ViteModel::LB)),
             trasl ? QColor(192, 255, 192) : QColor(128, 255, 128));
    QCOMPARE(base(casella(w, ViteModel::Cca)), QColor(0, 255, 0));
    QCOMPARE(base(casella(w, ViteModel::Jm)), QColor(255, 224, 192));

    auto *inseDat = controllo<QPushButton>(w, QStringLiteral("btnInseDat"));
    QVERIFY(inseDat);
    QCOMPARE(inseDat->text(),
             trasl ? QStringLiteral("Immissione dati") : QStringLiteral("Inserire i dati"));
    QCOMPARE(sfondo(inseDat), QColor(255, 192, 192));
    QCOMPARE(testo(w, QStringLiteral("Label15")),
             trasl ? QString() : QStringLiteral("Inserire i dati"));
    QCOMPARE(controllo<QPushButton>(w, QStringLiteral("btnModDat"))->text(),
             QStringLiteral("Modifica Dati"));

    QCOMPARE(voci(w),
             trasl ? (QStringList{"mnuApriFile ApriFile", "mnuSalvaFileNome Salva con&Nome",
                                  "muSalvaFile &Salva", "mnuEsportaScheda Esporta scheda &PDF...",
                                  "mnuEsci &Esci"})
                   : (QStringList{"mnuApriNwFil Apri &Nuovo FIle", "mnuApriFile &Apri File",
                                  "mnuSalvaFileNome Salva con &Nome", "mnuSalvaFile &Salva",
                                  "mnuEsportaScheda Esporta scheda &PDF...", "mnuFileEsci &Esci"}));

    // README pictures on request
    const QString shots = qEnvironmentVariable("DM_SCREENSHOTS");
    if (!shots.isEmpty())
        QVERIFY(w->grab().save(QDir(shots).filePath(trasl ? QStringLiteral("trasl.png")
                                                          : QStringLiteral("vite.png"))));
}

void TestGuiScrew::workedExampleToTheResultWindow_data()
{
    layout_data();
}

void TestGuiScrew::workedExampleToTheResultWindow()
{
    QFETCH(bool, trasl);
    Desktop d(trasl ? FormId::traslForm : FormId::Soll_vite_Form);
    QWidget *w = d.vista;
    const std::pair<int, const char *> valori[] = {
        {0, "20"}, {1, "5"}, {3, "100"}, {4, "20"}, {8, "2"}, {12, "0,1"},
    };
    for (const auto &[k, text] : valori) {
        digita(casella(w, k), QLatin1String(text));
        QCOMPARE(d.modello.txtInDat(k), QLatin1String(text));
    }
    auto *inseDat = controllo<QPushButton>(w, QStringLiteral("btnInseDat"));
    auto *calcola = controllo<QPushButton>(w, QStringLiteral("btnCalcola"));
    QCOMPARE(sfondo(calcola), QColor(255, 0, 0));
    clicca(inseDat);
    QVERIFY(d.piattaforma.messaggi.empty());
    QCOMPARE(inseDat->text(), QStringLiteral("Dati validi"));
    QCOMPARE(sfondo(inseDat), QColor(128, 255, 128));
    QCOMPARE(sfondo(calcola), QColor(128, 255, 128));
    QCOMPARE(valore(w, ViteModel::Wm), QStringLiteral("2400"));
    QCOMPARE(valore(w, ViteModel::Wtot), QStringLiteral("120"));
    QCOMPARE(testo(w, QStringLiteral("Label15")), QStringLiteral(" "));

    clicca(calcola);
    QCOMPARE(valore(w, ViteModel::Jtot), QStringLiteral("0,023269"));
    QCOMPARE(valore(w, ViteModel::Cca), QStringLiteral("1,053"));
    QCOMPARE(valore(w, ViteModel::Cmt), QStringLiteral("1,0707"));
    QCOMPARE(valore(w, ViteModel::Pm), QStringLiteral("2,6356"));
    QCOMPARE(valore(w, ViteModel::Pca), QStringLiteral("0,0435"));
    QWidget *r = risultato();
    QVERIFY(r);
    QCOMPARE(testo(r, QStringLiteral("Label8_0")), QStringLiteral("Pot. resa = 2,6356 kW"));
    QCOMPARE(testo(r, QStringLiteral("Label8_2")), QStringLiteral("Coppia Mx = 1,071kgm"));
    QCOMPARE(testo(r, QStringLiteral("Label8_1")), QStringLiteral("Vmax = 2400 rpm"));

    // "Modifica Dati", then "Calcola" reports missing data in black on red
    clicca(controllo<QPushButton>(w, QStringLiteral("btnModDat")));
    QCOMPARE(inseDat->text(), QStringLiteral("Inserire i dati"));
    clicca(calcola);
    auto *label15 = controllo<QLabel>(w, QStringLiteral("Label15"));
    QCOMPARE(label15->text(), QStringLiteral("Dati mancanti o errati"));
    QCOMPARE(label15->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(label15->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QVERIFY(label15->width() > 0); // sized to its text
}

void TestGuiScrew::fileMenuAndStatusLabel()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vite.txt"));
    {
        Desktop lift(FormId::Soll_vite_Form);
        digita(casella(lift.vista, ViteModel::DB), QStringLiteral("33"));
        lift.piattaforma.risposte = {path};
        QAction *salva = voce(lift.vista, QStringLiteral("mnuSalvaFile"));
        QVERIFY(salva);
        salva->trigger();
        QVERIFY(QFile::exists(path));
    }
    Desktop trasl(FormId::traslForm);
    QWidget *w = trasl.vista;
    trasl.piattaforma.risposte = {path};
    QAction *apri = voce(w, QStringLiteral("mnuApriFile"));
    QVERIFY(apri);
    apri->trigger();
    QCOMPARE(valore(w, ViteModel::DB), QStringLiteral("33"));
    QVERIFY(testo(w, QStringLiteral("Label8")).startsWith(QStringLiteral("Dati registrati il: ")));

    // a failed entry on the travel window: its own status text, black on red
    clicca(controllo<QPushButton>(w, QStringLiteral("btnInseDat")));
    QCOMPARE(trasl.piattaforma.testi().first(), QStringLiteral("Inserire PB diverso da 0"));
    auto *label15 = controllo<QLabel>(w, QStringLiteral("Label15"));
    QCOMPARE(label15->text(), QStringLiteral("Inserire i Dati"));
    QCOMPARE(label15->palette().color(QPalette::Window), QColor(255, 0, 0));
}

QTEST_MAIN(TestGuiScrew)
#include "tst_guiscrew.moc"
