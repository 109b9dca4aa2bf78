// The belt conveyor window driven as a user drives it, offscreen: typing the worked example,
// "Immissione dati", "Calcola" to the result window, "Modifica Dati", the status label and
// the file menu. Message boxes and file dialogs go to the recording fake.

#include "comandi.h"
#include "scrivania.h"

#include "conveyor/convmodel.h"
#include "ui/convview.h"
#include "ui/widgethost.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString titoloRisultato = QStringLiteral("Risultato dimensionamento motore");

// The program on the real widget host, and a conveyor window built on it.
struct Desktop : Scrivania {
    Ambiente env{programma.var(), numeri, piattaforma, piattaforma, piattaforma, programma};
    ConvModel model{env};
};

QWidget *risultato()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == titoloRisultato)
            return w;
    return nullptr;
}

} // namespace

class TestGuiConveyor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutAndStart();
    void workedExampleToTheResultWindow();
    void fileMenu();

private:
    std::unique_ptr<Desktop> d;
    QPointer<ConvView> view;
};

void TestGuiConveyor::init()
{
    d = std::make_unique<Desktop>();
    d->model.Form_Load();
    view = new ConvView(d->programma, d->model);
    view->show();
}

void TestGuiConveyor::cleanup()
{
    d->programma.unloadForm(FormId::frmRisult);
    delete view.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    d.reset();
}

void TestGuiConveyor::layoutAndStart()
{
    QCOMPARE(view->windowTitle(), QStringLiteral("Scelta Motore per convogliatore a tappeto"));
    QCOMPARE(valore(view, ConvModel::nu), QStringLiteral("0,6"));
    QCOMPARE(valore(view, ConvModel::Jtr), QStringLiteral("0,02"));
    QCOMPARE(valore(view, ConvModel::Ptr), QStringLiteral("0"));
    QCOMPARE(testo(view, QStringLiteral("Label1_0")),
             ConvModel::tavolaTappeto().righe.at(0).didascalia);
    QCOMPARE(testo(view, QStringLiteral("Label2_6")), QStringLiteral("msec."));
    QVERIFY(!controllo<QLabel>(view, QStringLiteral("Label2_7"))); // R has no unit
    QCOMPARE(sfondo(casella(view, ConvModel::S), QPalette::Base), QColor(191, 205, 219));
    QCOMPARE(sfondo(casella(view, ConvModel::Wm), QPalette::Base), QColor(0, 255, 255));
    QCOMPARE(testo(view, QStringLiteral("Label4")),
             QStringLiteral("Parametri tra di loro in alternativa"));
    auto *picture = controllo<QSvgWidget>(view, QStringLiteral("Picture1"));
    QVERIFY(picture && picture->renderer()->isValid());
    QCOMPARE(picture->renderer()->defaultSize(), QSize(282, 229));

    auto *label5 = controllo<QLabel>(view, QStringLiteral("Label5"));
    auto *label9 = controllo<QLabel>(view, QStringLiteral("Label9"));
    QVERIFY(label5 && label9);
    QCOMPARE(label5->geometry(), QRect(8, 456, 337, 25));
    QCOMPARE(label9->geometry(), QRect(376, 624, 329, 33));
    QCOMPARE(label5->text(), QString());
    QCOMPARE(sfondo(label5, QPalette::Window), QColor(192, 192, 192));

    auto *calcola = controllo<QPushButton>(view, QStringLiteral("btnCalcola"));
    auto *modDat = controllo<QPushButton>(view, QStringLiteral("btnModDat"));
    auto *esci = controllo<QPushButton>(view, QStringLiteral("btnEsci"));
    QVERIFY(calcola && modDat && esci);
    QCOMPARE(sfondo(calcola), QColor(255, 0, 0));
    QCOMPARE(modDat->text(), QStringLiteral("Modifica Dati"));
    QCOMPARE(sfondo(modDat), QColor(255, 255, 128));
    QCOMPARE(esci->text(), QStringLiteral("Esci"));
    QVERIFY(!esci->icon().isNull());

    // Calcola before a data entry: the reason in the status label, no result window
    clicca(calcola);
    QCOMPARE(label5->text(), QStringLiteral("Dati mancanti o errati"));
    QCOMPARE(sfondo(label5, QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(label5->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QVERIFY(!risultato());
}

void TestGuiConveyor::workedExampleToTheResultWindow()
{
    const std::pair<int, const char *> valori[] = {
        {0, "100"}, {1, "20"}, {6, "1"}, {7, "10"}, {8, "0,2"},
    };
    for (const auto &[k, text] : valori) {
        digita(casella(view, k), QLatin1String(text));
        QCOMPARE(d->model.txtIndat(k), QLatin1String(text));
    }
    auto *inseDat = controllo<QPushButton>(view, QStringLiteral("btnInseDat"));
    auto *calcola = controllo<QPushButton>(view, QStringLiteral("btnCalcola"));
    QVERIFY(inseDat && calcola);
    QCOMPARE(inseDat->text(), QStringLiteral("Immissione dati"));
    QCOMPARE(sfondo(inseDat), QColor(255, 192, 192));
    clicca(inseDat);
    QVERIFY(d->piattaforma.messaggi.empty());
    QCOMPARE(inseDat->text(), QStringLiteral("Dati validi"));
    QCOMPARE(sfondo(inseDat), QColor(128, 255, 128));
    QCOMPARE(sfondo(calcola), QColor(128, 255, 128));
    QCOMPARE(valore(view, ConvModel::Wtot), QStringLiteral("120"));
    QCOMPARE(valore(view, ConvModel::wm), QStringLiteral("955"));
    QCOMPARE(valore(view, ConvModel::Wm), QStringLiteral("955"));

    clicca(calcola);
    QCOMPARE(valore(view, ConvModel::Jtot), QStringLiteral("0,042"));
    QCOMPARE(valore(view, ConvModel::Pm), QStringLiteral("0,0124"));
    QCOMPARE(valore(view, ConvModel::Ptr), QStringLiteral("0,005"));
    QWidget *result = risultato();
    QVERIFY(result);
    QCOMPARE(testo(result, QStringLiteral("Label8_0")), QStringLiteral("Pot. resa = 0,0124 kW"));
    QCOMPARE(testo(result, QStringLiteral("Label8_2")), QStringLiteral("Coppia Mx = 0,013kgm"));
    QCOMPARE(testo(result, QStringLiteral("Label8_1")), QStringLiteral("Vmax = 955 rpm"));

    // Modifica Dati with bad data leaves the reset state, capital D
    digita(casella(view, ConvModel::DR), QStringLiteral("0"));
    clicca(controllo<QPushButton>(view, QStringLiteral("btnModDat")));
    QCOMPARE(d->piattaforma.testi(), QStringList{"Inserire DR diverso da 0"});
    QCOMPARE(inseDat->text(), QStringLiteral("Immissione Dati"));
    QCOMPARE(sfondo(inseDat), QColor(255, 192, 192));
    QCOMPARE(sfondo(calcola), QColor(255, 0, 0));
    // and with good data the marking comes back at once
    d->piattaforma.messaggi.clear();
    digita(casella(view, ConvModel::DR), QStringLiteral("0,2"));
    clicca(controllo<QPushButton>(view, QStringLiteral("btnModDat")));
    QVERIFY(d->piattaforma.messaggi.empty());
    QCOMPARE(inseDat->text(), QStringLiteral("Dati validi"));

    // DM_SCREENSHOTS=dir keeps a picture of the window for the README
    const QString shots = qEnvironmentVariable("DM_SCREENSHOTS");
    if (!shots.isEmpty())
        QVERIFY(view->grab().save(shots + QStringLiteral("/tappeto.png")));
}

void TestGuiConveyor::fileMenu()
{
    auto *menu = controllo<QMenu>(view, QStringLiteral("mnuFile"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&File"));
    QStringList voci;
    for (const QAction *a : menu->actions())
        voci << a->objectName() + QLatin1Char('=') + a->text();
    QCOMPARE(voci, (QStringList{"mnuNewFile=&Nuovo file", "mnuFileApri=&Apri file",
                                "mnuFileSav=&Salva File", "mnuFileSavAs=Salva FIle con &nome",
                                "mnuEsportaScheda=Esporta scheda &PDF..."}));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dati.txt"));
    digita(casella(view, ConvModel::WL), QStringLiteral("123"));
    d->piattaforma.risposte = {path};
    controllo<QAction>(view, QStringLiteral("mnuFileSavAs"))->trigger();
    QVERIFY(QFile::exists(path));

    digita(casella(view, ConvModel::WL), QStringLiteral("9"));
    d->piattaforma.risposte = {path};
    controllo<QAction>(view, QStringLiteral("mnuFileApri"))->trigger();
    QCOMPARE(valore(view, ConvModel::WL), QStringLiteral("123"));
    QVERIFY(
        testo(view, QStringLiteral("Label9")).startsWith(QStringLiteral("Dati registrati il:")));

    d->piattaforma.risposte = {path};
    controllo<QAction>(view, QStringLiteral("mnuNewFile"))->trigger();
    QCOMPARE(d->piattaforma.conferme.back(), true);
    QCOMPARE(valore(view, ConvModel::WL), QStringLiteral("123"));
    d->piattaforma.risposte = {path};
    controllo<QAction>(view, QStringLiteral("mnuFileApri"))->trigger();
    QCOMPARE(testo(view, QStringLiteral("Label9")), QStringLiteral("nuovo file"));
    QVERIFY(d->piattaforma.messaggi.empty());
}

QTEST_MAIN(TestGuiConveyor)
#include "tst_guiconveyor.moc"
