// The reel windows driven offscreen as a user drives them: typing the data, the two option
// frames, "Immissione dati", "Calcola", the results window, a chart button and the report
// window's "STAMPA" (printed on the recording fake printer).

#include "scrivania.h"

#include "ui/widgethost.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

struct Desktop : Scrivania {
    Variabili &var() { return programma.var(); }
    ~Desktop()
    {
        for (FormId id : {FormId::ASPO04, FormId::frmGraf, FormId::frmRris_aspo, FormId::aspoForm,
                          FormId::mainForm})
            programma.unloadForm(id);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

template <class T> T *figlio(QWidget *window, const QString &name)
{
    T *w = window ? window->findChild<T *>(name) : nullptr;
    if (!w)
        qWarning("missing %s", qPrintable(name));
    return w;
}

void scrivi(QWidget *window, int box, const QString &text)
{
    auto *edit = figlio<QLineEdit>(window, QStringLiteral("txtInDat%1").arg(box));
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestGuiReel : public QObject {
    Q_OBJECT
private slots:
    void endToEnd();
};

void TestGuiReel::endToEnd()
{
    Desktop d;
    d.programma.openForm(FormId::mainForm);
    d.host.view(FormId::mainForm)->findChild<QAction *>(QStringLiteral("mnuAspo"))->trigger();
    QWidget *aspo = d.host.view(FormId::aspoForm);
    QVERIFY(aspo && aspo->isVisible());
    QCOMPARE(aspo->windowTitle(), QStringLiteral("Verifica Aspi"));
    QVERIFY(aspo->windowState() & Qt::WindowMaximized);
    QCOMPARE(figlio<QLineEdit>(aspo, QStringLiteral("txtInDat10"))->text(), QStringLiteral("7,8"));
    QVERIFY(figlio<QRadioButton>(aspo, QStringLiteral("opt_avv"))->isChecked());
    QVERIFY(figlio<QRadioButton>(aspo, QStringLiteral("opt_acc"))->isChecked());

    scrivi(aspo, 0, QStringLiteral("100"));
    scrivi(aspo, 1, QStringLiteral("1000"));
    scrivi(aspo, 2, QStringLiteral("10"));
    scrivi(aspo, 3, QStringLiteral("100"));
    scrivi(aspo, 11, QStringLiteral("500"));
    scrivi(aspo, 12, QStringLiteral("100"));
    figlio<QRadioButton>(aspo, QStringLiteral("opt_svol"))->click();
    figlio<QRadioButton>(aspo, QStringLiteral("opt_dec"))->click();
    auto *btnInseDat = figlio<QPushButton>(aspo, QStringLiteral("btnInseDat"));
    QTest::mouseClick(btnInseDat, Qt::LeftButton);
    QVERIFY(d.piattaforma.messaggi.empty());
    QCOMPARE(btnInseDat->text(), QStringLiteral("Dati validi"));
    QTest::mouseClick(figlio<QPushButton>(aspo, QStringLiteral("btnCalcola")), Qt::LeftButton);

    QWidget *sintesi = d.host.view(FormId::frmRris_aspo);
    QVERIFY(sintesi && sintesi->isVisible());
    QCOMPARE(figlio<QLabel>(sintesi, QStringLiteral("Label1_1"))->text(),
             QStringLiteral("Coppia massima  = -5,649 kgm con diametro di 1,000 m"));

    // pictures of the windows for the README, on request
    const QString cartella = qEnvironmentVariable("DM_SCREENSHOTS");
    if (!cartella.isEmpty()) {
        aspo->grab().save(cartella + QStringLiteral("/aspo.png"));
        sintesi->grab().save(cartella + QStringLiteral("/aspo_risultati.png"));
    }

    QTest::mouseClick(figlio<QPushButton>(sintesi, QStringLiteral("btncmdCtt")), Qt::LeftButton);
    QWidget *grafico = d.host.view(FormId::frmGraf);
    if (!cartella.isEmpty()) {
        // without a window manager nothing maximises the window: cover the screen as it would
        if (QScreen *screen = grafico->screen())
            grafico->setGeometry(screen->availableGeometry());
        const int ratio = qRound(grafico->devicePixelRatioF() * 100);
        grafico->grab().save(cartella + QStringLiteral("/grafico") +
                             (ratio == 100 ? QString() : QStringLiteral("_%1").arg(ratio)) +
                             QStringLiteral(".png"));
    }
    QVERIFY(grafico && grafico->isVisible());
    QCOMPARE(grafico->windowTitle(), QStringLiteral("Grafici"));
    QCOMPARE(d.var().flgGrafCtt, flag::False);

    aspo->findChild<QAction *>(QStringLiteral("mnustampa_ris"))->trigger();
    QWidget *report = d.host.view(FormId::ASPO04);
    QVERIFY(report && report->isVisible());
    QTest::keyClicks(figlio<QLineEdit>(report, QStringLiteral("Text1_0")), QStringLiteral("Rossi"));
    QTest::mouseClick(figlio<QPushButton>(report, QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(d.piattaforma.documentiStampati.size(), size_t(1));
    bool cliente = false;
    for (const auto &riga : d.piattaforma.documentiStampati.front().righe)
        for (const auto &pezzo : riga.pezzi)
            cliente = cliente || pezzo.testo.contains(QStringLiteral("Rossi"));
    QVERIFY(cliente);
}

QTEST_MAIN(TestGuiReel)
#include "tst_guireel.moc"
