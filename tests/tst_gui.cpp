// The real windows driven as a user drives them, offscreen: the choice of job, the drum hoist
// from typing to the result window, one window per form, the program outliving its main
// window, the help windows, and the README screenshots on request. Message boxes and file
// dialogs go to the recording fake, so nothing modal ever opens.

#include "comandi.h"
#include "scrivania.h"

#include "hoist/elevmodel.h"
#include "ui/widgethost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBrowser>

#include <memory>

namespace {

const QString titoloPrincipale =
    QStringLiteral("   Finestra principale - scelta del tipo di lavoro");
const QString titoloTamburo = QStringLiteral("Sollevamento con tamburo");
const QString titoloRisultato = QStringLiteral("Risultato dimensionamento motore");

// The whole program on the real widget host; the desktop services are the fakes.
using Desktop = Scrivania;

QList<QWidget *> visibili()
{
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isWindow() && w->isVisible())
            out << w;
    return out;
}

int quante(const QString &titolo)
{
    int n = 0;
    for (QWidget *w : visibili())
        n += w->windowTitle() == titolo;
    return n;
}

// The one visible window with this title; null when there is none, or more than one.
QWidget *finestra(const QString &titolo)
{
    QWidget *found = nullptr;
    for (QWidget *w : visibili()) {
        if (w->windowTitle() != titolo)
            continue;
        if (found)
            return nullptr;
        found = w;
    }
    return found;
}

} // namespace

class TestGui : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startShowsOnlyTheMainWindow();
    void eachJobOpensItsWindow_data();
    void eachJobOpensItsWindow();

    void workedExampleToTheResultWindow();
    void defaultsAreReportedAndBlockCalcola();

    void generalHelpOpensOnce();
    void hoistOpensOnceAndKeepsTypedText();
    void hoistOutlivesTheMainWindow();
    void hoistHelpFromTheMenuTitle();

    void screenshots();

private:
    // Main window, hoist chosen with its option and "Lavoro scelto"; the hoist window.
    QWidget *apriTamburoDalPrincipale();
    // The worked example typed into the hoist and entered with "Immissione dati".
    void esempio(QWidget *hoist);

    std::unique_ptr<Desktop> d;
};

void TestGui::init()
{
    QVERIFY(visibili().isEmpty());
    d = std::make_unique<Desktop>();
}

void TestGui::cleanup()
{
    for (int id = 0; id <= int(ultimaFinestra); ++id)
        d->programma.unloadForm(FormId(id));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Unloading every form must have closed and destroyed every view. Leftovers still point
    // at this Programma, so they go before it does, failure or not.
    QStringList rimaste;
    QList<QPointer<QWidget>> leftovers;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        rimaste << QStringLiteral("%1 \"%2\"").arg(w->metaObject()->className(), w->windowTitle());
        leftovers << w;
    }
    for (const QPointer<QWidget> &w : leftovers)
        delete w.data();
    d.reset();
    QCOMPARE(rimaste, QStringList());
}

QWidget *TestGui::apriTamburoDalPrincipale()
{
    d->programma.openForm(FormId::mainForm);
    QWidget *main = d->host.view(FormId::mainForm);
    auto *option = controllo<QRadioButton>(main, QStringLiteral("optChWrk4"));
    auto *chosen = controllo<QPushButton>(main, QStringLiteral("bntChWrk"));
    if (!option || !chosen)
        return nullptr;
    clicca(option);
    clicca(chosen);
    return finestra(titoloTamburo);
}

void TestGui::esempio(QWidget *hoist)
{
    const std::pair<int, const char *> valori[] = {
        {0, "200"}, {2, "500"}, {3, "100"}, {6, "0,8"}, {7, "20"}, {10, "2"}, {21, "0,5"},
    };
    for (const auto &[k, text] : valori) {
        QLineEdit *box = casella(hoist, k);
        QVERIFY2(box, qPrintable(QStringLiteral("txtInDat%1").arg(k)));
        digita(box, QLatin1String(text));
        QCOMPARE(box->text(), QLatin1String(text));
    }
    auto *inseDat = controllo<QPushButton>(hoist, QStringLiteral("btnInseDat"));
    QVERIFY(inseDat);
    clicca(inseDat);
}

void TestGui::startShowsOnlyTheMainWindow()
{
    d->programma.openForm(FormId::mainForm);

    const QList<QWidget *> shown = visibili();
    QCOMPARE(shown.size(), 1);
    QWidget *main = shown.first();
    QCOMPARE(main, d->host.view(FormId::mainForm));
    QCOMPARE(main->windowTitle(), titoloPrincipale);

    const QList<QRadioButton *> options = main->findChildren<QRadioButton *>();
    QCOMPARE(options.size(), 6);
    for (const QRadioButton *option : options)
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));

    // nothing chosen: "Lavoro scelto" opens nothing and says nothing
    auto *chosen = controllo<QPushButton>(main, QStringLiteral("bntChWrk"));
    QVERIFY(chosen);
    QCOMPARE(chosen->text(), QStringLiteral("Lavoro scelto"));
    clicca(chosen);
    QCOMPARE(visibili(), shown);
    QVERIFY(d->piattaforma.messaggi.empty());
}

void TestGui::eachJobOpensItsWindow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");

    // clang-format off
    QTest::newRow("conveyor") << 0 << QStringLiteral("Tappeto o convogliatore")
                              << QStringLiteral("Scelta Motore per convogliatore a tappeto");
    QTest::newRow("screw lift") << 1 << QStringLiteral("Sollevamento con vite e madrevite")
                                << QStringLiteral("Sollevamento con vite e madrevite");
    QTest::newRow("screw travel") << 2
                                  << QStringLiteral("Spstamento orizzontale con vite e madrevite")
                                  << QStringLiteral("Spostamento orizzontale con vite e madrevite.");
    QTest::newRow("reel") << 3 << QStringLiteral("Aspo") << QStringLiteral("Verifica Aspi");
    QTest::newRow("drum hoist") << 4 << QStringLiteral("Sollevamento con tamburo") << titoloTamburo;
    QTest::newRow("utilities") << 5 << QStringLiteral("Utilità") << QStringLiteral("Utilità");
    // clang-format on
}

void TestGui::eachJobOpensItsWindow()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, title);

    d->programma.openForm(FormId::mainForm);
    QWidget *main = d->host.view(FormId::mainForm);
    auto *option = controllo<QRadioButton>(main, QStringLiteral("optChWrk%1").arg(index));
    QVERIFY(option);
    QCOMPARE(option->text(), caption);

    clicca(option);
    QVERIFY(option->isChecked());
    clicca(controllo<QPushButton>(main, QStringLiteral("bntChWrk")));

    QCOMPARE(visibili().size(), 2);
    QVERIFY(main->isVisible());
    QVERIFY(finestra(title));
}

void TestGui::workedExampleToTheResultWindow()
{
    QWidget *hoist = apriTamburoDalPrincipale();
    QVERIFY(hoist);
    auto *inseDat = controllo<QPushButton>(hoist, QStringLiteral("btnInseDat"));
    auto *calcola = controllo<QPushButton>(hoist, QStringLiteral("btnCalcola"));
    QVERIFY(inseDat && calcola);
    QCOMPARE(sfondo(calcola), QColor(255, 0, 0));

    esempio(hoist);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(inseDat->text(), QStringLiteral("Dati validi"));
    QCOMPARE(testo(hoist, QStringLiteral("Label15")), QStringLiteral(" "));
    QCOMPARE(valore(hoist, 12), QStringLiteral("955"));
    QCOMPARE(sfondo(calcola), QColor(128, 255, 128));
    QVERIFY(d->piattaforma.messaggi.empty());

    clicca(calcola);
    QWidget *result = finestra(titoloRisultato);
    QVERIFY(result);
    QCOMPARE(testo(result, QStringLiteral("Label8_0")), QStringLiteral("Pot. resa = 3,6884 kW"));
    QCOMPARE(testo(result, QStringLiteral("Label8_2")), QStringLiteral("Coppia Mx = 3,764kgm"));
    QCOMPARE(testo(result, QStringLiteral("Label8_1")), QStringLiteral("Vmax = 955 rpm"));

    // Jtot, Cmt, Cca, Ccj, Pm
    const QStringList risultati{QStringLiteral("0,03525"), QStringLiteral("3,764"),
                                QStringLiteral("3,750"), QStringLiteral("0,014"),
                                QStringLiteral("3,6884")};
    for (int i = 0; i < risultati.size(); ++i)
        QCOMPARE(valore(hoist, 16 + i), risultati.at(i));
}

void TestGui::defaultsAreReportedAndBlockCalcola()
{
    d->programma.openForm(FormId::elevForm);
    QWidget *hoist = finestra(titoloTamburo);
    QVERIFY(hoist);

    clicca(controllo<QPushButton>(hoist, QStringLiteral("btnInseDat")));
    QCOMPARE(d->piattaforma.testi(),
             QStringList({QStringLiteral("Inserire DB diverso da 0"),
                          QStringLiteral("Inserire N diverso da 0"),
                          QStringLiteral("Inserire WL e WT diversi da 0"),
                          QStringLiteral("Inserire Vl o wm diversi da 0")}));

    auto *calcola = controllo<QPushButton>(hoist, QStringLiteral("btnCalcola"));
    clicca(calcola);
    QCOMPARE(testo(hoist, QStringLiteral("Label15")), QStringLiteral("Dati mancanti o errati"));
    QCOMPARE(sfondo(calcola), QColor(255, 0, 0));
    QCOMPARE(quante(titoloRisultato), 0);
}

void TestGui::generalHelpOpensOnce()
{
    d->programma.openForm(FormId::mainForm);
    auto *aiuto = controllo<QAction>(d->host.view(FormId::mainForm), QStringLiteral("mnuAiuto"));
    QVERIFY(aiuto);

    aiuto->trigger();
    QWidget *help = finestra(QStringLiteral("Aiuto"));
    QVERIFY(help);
    aiuto->trigger();
    QCOMPARE(quante(QStringLiteral("Aiuto")), 1);
    QCOMPARE(finestra(QStringLiteral("Aiuto")), help);

    auto *document = controllo<QTextBrowser>(help, QStringLiteral("OLE1"));
    QVERIFY(document);
    QVERIFY(document->toPlainText().contains(QStringLiteral("Dati validi")));
}

void TestGui::hoistOpensOnceAndKeepsTypedText()
{
    QWidget *hoist = apriTamburoDalPrincipale();
    QVERIFY(hoist);
    digita(casella(hoist, 0), QStringLiteral("200"));

    clicca(controllo<QPushButton>(d->host.view(FormId::mainForm), QStringLiteral("bntChWrk")));
    QCOMPARE(quante(titoloTamburo), 1);
    QCOMPARE(finestra(titoloTamburo), hoist);
    QCOMPARE(valore(hoist, 0), QStringLiteral("200"));
    QCOMPARE(d->programma.form<ElevModel>(FormId::elevForm)->txtInDat(ElevModel::DS),
             QStringLiteral("200"));
}

void TestGui::hoistOutlivesTheMainWindow()
{
    QPointer<QWidget> hoist = apriTamburoDalPrincipale();
    QVERIFY(hoist);
    esempio(hoist);
    if (QTest::currentTestFailed())
        return;

    QPointer<QWidget> main = d->host.view(FormId::mainForm);
    clicca(controllo<QPushButton>(main, QStringLiteral("btnExit")));
    QTest::qWait(0);
    QVERIFY(!d->programma.isLoaded(FormId::mainForm));
    QVERIFY(!main);
    QVERIFY(hoist && hoist->isVisible());

    clicca(controllo<QPushButton>(hoist, QStringLiteral("btnCalcola")));
    QWidget *result = finestra(titoloRisultato);
    QVERIFY(result);
    QCOMPARE(testo(result, QStringLiteral("Label8_0")), QStringLiteral("Pot. resa = 3,6884 kW"));

    // The close box unloads the form like its "Esci": the next opening starts afresh.
    hoist->close();
    QTest::qWait(0);
    QVERIFY(!d->programma.isLoaded(FormId::elevForm));
    QVERIFY(!hoist);

    d->programma.openForm(FormId::elevForm);
    QWidget *again = finestra(titoloTamburo);
    QVERIFY(again);
    QCOMPARE(valore(again, 0), QStringLiteral("0"));
    QCOMPARE(valore(again, 6), QStringLiteral("0,7"));
    QCOMPARE(valore(again, 10), QStringLiteral("5"));
    QCOMPARE(valore(again, 12), QStringLiteral("0"));
    QCOMPARE(testo(again, QStringLiteral("Label15")), QStringLiteral("Immettere i dati"));
    auto *calcola = controllo<QPushButton>(again, QStringLiteral("btnCalcola"));
    QCOMPARE(sfondo(calcola), QColor(255, 0, 0));
    // the earlier valid data do not survive the unload
    clicca(calcola);
    QCOMPARE(testo(again, QStringLiteral("Label15")), QStringLiteral("Dati mancanti o errati"));
}

void TestGui::hoistHelpFromTheMenuTitle()
{
    d->programma.openForm(FormId::elevForm);
    QWidget *hoist = finestra(titoloTamburo);
    auto *menu = controllo<QMenu>(hoist, QStringLiteral("mnuAiuto"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&Aiuto"));

    const QString titolo = QStringLiteral("Aiuto per sollevamento con tampburo");
    // a click on the title opens the help, and nothing of the menu stays open over it
    QMenuBar *bar = static_cast<QMainWindow *>(hoist)->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QWidget *help = finestra(titolo);
    QVERIFY(help);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    emit menu->aboutToShow();
    QCOMPARE(quante(titolo), 1);
    QCOMPARE(quante(QStringLiteral("Aiuto")), 0);
    QTRY_VERIFY(!menu->isVisible());
    // the drop-down's entry and its Ctrl+H go through the title too
    clicca(controllo<QPushButton>(help, QStringLiteral("btnEsci")));
    QTest::qWait(0);
    QCOMPARE(quante(titolo), 0);
    controllo<QAction>(hoist, QStringLiteral("mnuHlep"))->trigger();
    help = finestra(titolo);
    QVERIFY(help);

    clicca(controllo<QPushButton>(help, QStringLiteral("btnEsci")));
    QTest::qWait(0);
    QCOMPARE(quante(titolo), 0);
    QVERIFY(!d->programma.isLoaded(FormId::aiutoForm_elev));
    QVERIFY(hoist->isVisible());
}

void TestGui::screenshots()
{
    const QString folder = qEnvironmentVariable("DM_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("set DM_SCREENSHOTS to a folder to save the README screenshots");
    QVERIFY(QDir().mkpath(folder));
    const QDir dir(folder);

    QWidget *hoist = apriTamburoDalPrincipale();
    QVERIFY(hoist);
    // on a screen of another pixel ratio the names carry it: main_200.png
    const int ratio = qRound(qApp->devicePixelRatio() * 100);
    const QString suffix = ratio == 100 ? QString() : QStringLiteral("_%1").arg(ratio);
    const auto file = [&](const char *name) {
        return dir.filePath(QLatin1String(name) + suffix + QStringLiteral(".png"));
    };
    QVERIFY(d->host.view(FormId::mainForm)->grab().save(file("main")));

    esempio(hoist);
    if (QTest::currentTestFailed())
        return;
    clicca(controllo<QPushButton>(hoist, QStringLiteral("btnCalcola")));
    QWidget *result = finestra(titoloRisultato);
    QVERIFY(result);
    QVERIFY(hoist->grab().save(file("tamburo")));
    QVERIFY(result->grab().save(file("risultato")));
}

QTEST_MAIN(TestGui)
#include "tst_gui.moc"
