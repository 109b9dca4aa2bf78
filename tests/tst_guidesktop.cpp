// The desktop services themselves, offscreen: Qt's message boxes and file dialogs as the
// windowed program sets them up (Italian texts, modal over the window that asks, folders
// listed by name only), the window titles, and the coloured buttons painted flat.

#include "calcolo/numbers.h"
#include "hoist/elevmodel.h"
#include "scrivania.h"
#include "shell/programma.h"
#include "ui/applicazione.h"
#include "ui/dialoghifile.h"
#include "ui/qtplatform.h"
#include "ui/widgethost.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <future>
#include <memory>
#include <sys/stat.h>
#include <thread>

namespace {

struct Desktop : ScrivaniaCon<QtPlatform> {
    ~Desktop()
    {
        for (int id = 0; id <= int(ultimaFinestra); ++id)
            programma.unloadForm(FormId(id));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

struct Modale {
    QString testo;
    QWidget *genitore;
    QRect geometria;
};

// Answers every modal box or dialog that opens until `finito`, recording each; a box is
// accepted, a file dialog cancelled.
class Risponditore : public QObject {
public:
    Risponditore()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modale = QApplication::activeModalWidget();
            if (!modale || modale == m_ultimo)
                return;
            m_ultimo = modale;
            auto *box = qobject_cast<QMessageBox *>(modale);
            visti.push_back({box ? box->text() : modale->windowTitle(), modale->parentWidget(),
                             modale->frameGeometry()});
            if (esamina)
                esamina(modale);
            if (box)
                box->accept();
            else if (auto *dialog = qobject_cast<QDialog *>(modale))
                dialog->reject();
        });
        m_timer.start(10);
    }
    std::vector<Modale> visti;
    std::function<void(QWidget *)> esamina;

private:
    QTimer m_timer;
    QPointer<QWidget> m_ultimo;
};

QColor centro(QWidget *w)
{
    const QImage image = w->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 4);
}

// the share of the pixels of a grabbed widget that are exactly `colour`
double quota(QWidget *w, const QColor &colour)
{
    const QImage image = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return double(n) / (image.width() * image.height());
}

} // namespace

class TestGuiDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void titlesAndTexts();
    void messageBoxesOverTheirWindow();
    void fileDialogs();
    void sheetThroughTheMenu();
    void iconsByName();
    void flatColours();
};

void TestGuiDesktop::initTestCase()
{
    ui::preparaApplicazione(*qApp, QStringLiteral("0"));
}

void TestGuiDesktop::titlesAndTexts()
{
    // no display name, which Qt would append to every window title
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    // Qt's own texts in Italian: a box's context menu, a dialog's buttons
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList voci;
    for (const QAction *a : menu->actions())
        voci << a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    QVERIFY2(voci.contains(QStringLiteral("Copia")) && voci.contains(QStringLiteral("Incolla")),
             qPrintable(voci.join(QLatin1Char(','))));
    const auto dialog = ui::dialogoFile(nullptr, ui::Dialogo::Salva,
                                        QStringLiteral("File di testo (*.txt)"), QString(), true);
    QStringList pulsanti;
    for (const QPushButton *b :
         dialog->findChild<QDialogButtonBox *>()->findChildren<QPushButton *>())
        pulsanti << b->text().remove(QLatin1Char('&'));
    QVERIFY2(pulsanti.contains(QStringLiteral("Annulla")),
             qPrintable(pulsanti.join(QLatin1Char(','))));
    if (const QString folder = qEnvironmentVariable("DM_SCREENSHOTS"); !folder.isEmpty()) {
        dialog->resize(640, 400);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QVERIFY(dialog->grab().save(folder + QStringLiteral("/dialogo.png")));
    }
    QStringList etichette;
    for (const QLabel *l : dialog->findChildren<QLabel *>())
        etichette << l->text().remove(QLatin1Char('&'));
    QVERIFY2(etichette.contains(QStringLiteral("Cerca in:")),
             qPrintable(etichette.join(QLatin1Char(','))));
}

void TestGuiDesktop::messageBoxesOverTheirWindow()
{
    Desktop d;
    d.programma.openForm(FormId::mainForm);
    d.programma.openForm(FormId::elevForm);
    QWidget *hoist = d.host.view(FormId::elevForm);
    QVERIFY(QTest::qWaitForWindowExposed(hoist));
    // the main window is the active one when the chain starts, and after the first box none is
    d.host.view(FormId::mainForm)->activateWindow();

    auto *ds = hoist->findChild<QLineEdit *>(QStringLiteral("txtInDat0"));
    ds->setText(QString(400, QLatin1Char('9')) + QStringLiteral("x"));
    hoist->findChild<QLineEdit *>(QStringLiteral("txtInDat2"))
        ->setText(QStringLiteral("cinquecento"));
    Risponditore risposte;
    QTest::mouseClick(hoist->findChild<QPushButton *>(QStringLiteral("btnInseDat")),
                      Qt::LeftButton);
    QCOMPARE(risposte.visti.size(), size_t(2));
    for (const Modale &m : risposte.visti) {
        QCOMPARE(m.genitore, hoist);
        // centred on its calculator, and a long value quoted short enough to fit the box
        const QRect finestra = hoist->frameGeometry();
        const QRect terzoMedio = finestra.adjusted(finestra.width() / 3, finestra.height() / 3,
                                                   -finestra.width() / 3, -finestra.height() / 3);
        QVERIFY2(terzoMedio.contains(m.geometria.center()), qPrintable(m.testo));
        QVERIFY2(m.geometria.width() < hoist->width(), qPrintable(m.testo));
    }
    QVERIFY(risposte.visti.front().testo.contains(QChar(0x2026)));
}

void TestGuiDesktop::fileDialogs()
{
    Desktop d;
    d.programma.openForm(FormId::elevForm);
    QWidget *hoist = d.host.view(FormId::elevForm);
    Risponditore risposte;
    risposte.esamina = [](QWidget *modale) {
        auto *dialog = qobject_cast<QFileDialog *>(modale);
        QVERIFY(dialog);
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dynamic_cast<ui::IconeDaNome *>(dialog->iconProvider()));
    };
    d.programma.form<ElevModel>(FormId::elevForm)->mnuSaveFile_Click();
    d.programma.form<ElevModel>(FormId::elevForm)->mnuFileApri_Click();
    QCOMPARE(risposte.visti.size(), size_t(2));
    for (const Modale &m : risposte.visti)
        QCOMPARE(m.genitore, hoist);
    QCOMPARE(risposte.visti[0].testo, QStringLiteral("Salva con nome"));
    QCOMPARE(risposte.visti[1].testo, QStringLiteral("Apri"));
}

void TestGuiDesktop::sheetThroughTheMenu()
{
    // the hoist's worked example, then File > "Esporta scheda PDF...": the header dialog, typed
    // and accepted, then the save dialog with the file's name, over the hoist
    Desktop d;
    d.programma.openForm(FormId::elevForm);
    QWidget *hoist = d.host.view(FormId::elevForm);
    auto *form = d.programma.form<ElevModel>(FormId::elevForm);
    auto *esporta = hoist->findChild<QAction *>(QStringLiteral("mnuEsportaScheda"));
    QVERIFY(esporta && !esporta->isEnabled());
    QVERIFY(form->apriFile(QStringLiteral(DM_DATA "/tamburo_esempio.txt")));
    form->btnInseDat_Click();
    form->btnCalcola_Click();
    QVERIFY(esporta->isEnabled());

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda prova.pdf"));
    std::vector<QWidget *> genitori;
    QStringList titoli;
    QTimer timer;
    QPointer<QWidget> ultimo;
    connect(&timer, &QTimer::timeout, this, [&] {
        QWidget *modale = QApplication::activeModalWidget();
        if (!modale || modale == ultimo)
            return;
        ultimo = modale;
        genitori.push_back(modale->parentWidget());
        titoli << modale->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modale)) {
            titoli << box->text();
            box->accept();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modale)) {
            // typed into the name box, as a user does: a selection made before the dialog has
            // listed its folder may be replaced by the name it started with
            auto *nome = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(nome);
            nome->setText(pdf);
            static_cast<QDialog *>(dialog)->accept();
        } else if (auto *cliente = modale->findChild<QLineEdit *>(QStringLiteral("txtCliente"))) {
            QTest::keyClicks(cliente, QStringLiteral("Officine Rossi"));
            if (const QString folder = qEnvironmentVariable("DM_SCREENSHOTS"); !folder.isEmpty())
                modale->grab().save(folder + QStringLiteral("/intestazione.png"));
            qobject_cast<QDialog *>(modale)->accept();
        }
    });
    timer.start(10);
    esporta->trigger();
    timer.stop();
    QCOMPARE(titoli,
             (QStringList{QStringLiteral("Esporta scheda PDF"), QStringLiteral("Salva con nome")}));
    for (QWidget *genitore : genitori)
        QCOMPARE(genitore, hoist);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

void TestGuiDesktop::iconsByName()
{
    // The dialog never reads what it lists: a file named .txt holding a PNG picture is a text
    // file to it, and a pipe nobody writes is named at once.
    QTemporaryDir dir;
    const QString falso = dir.filePath(QStringLiteral("dati.txt"));
    QFile file(falso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, '\0'));
    file.close();
    const QString tubo = dir.filePath(QStringLiteral("tubo.txt"));
    QCOMPARE(mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);

    ui::IconeDaNome provider;
    const QMimeDatabase mime;
    QCOMPARE(provider.type(QFileInfo(falso)),
             mime.mimeTypeForFile(falso, QMimeDatabase::MatchExtension).comment());
    QVERIFY(provider.type(QFileInfo(falso)) !=
            mime.mimeTypeForName(QStringLiteral("image/png")).comment());
    // a pipe nobody writes to: opening it would hold the test until its watchdog ends it
    provider.type(QFileInfo(tubo));
    provider.icon(QFileInfo(tubo));
    provider.icon(QFileInfo(falso));

    // /proc/kmsg is a regular file whose reading never returns (as root, who may read it):
    // the provider names it without reading, in a thread of its own so that a fault shows as
    // a failure, not as a test that hangs
    const QFileInfo kmsg(QStringLiteral("/proc/kmsg"));
    if (kmsg.isFile() && kmsg.isReadable()) {
        auto nominato = std::make_shared<std::promise<QString>>();
        std::thread([nominato, kmsg] {
            ui::IconeDaNome p;
            p.icon(kmsg);
            nominato->set_value(p.type(kmsg));
        }).detach();
        QVERIFY(nominato->get_future().wait_for(std::chrono::seconds(5)) ==
                std::future_status::ready);
    }

    // the dialog lists the folder with the pipe in it, and the program goes on
    const auto dialog = ui::dialogoFile(nullptr, ui::Dialogo::Apri, QStringLiteral("Tutti (*)"),
                                        dir.path() + QLatin1Char('/'), false);
    dialog->show();
    QTest::qWait(200);
    QVERIFY(dialog->isVisible());
}

void TestGuiDesktop::flatColours()
{
    Desktop d;
    d.programma.openForm(FormId::elevForm);
    QWidget *hoist = d.host.view(FormId::elevForm);
    QVERIFY(QTest::qWaitForWindowExposed(hoist));
    auto *calcola = hoist->findChild<QPushButton *>(QStringLiteral("btnCalcola"));
    auto *inseDat = hoist->findChild<QPushButton *>(QStringLiteral("btnInseDat"));
    // the colour itself, over the whole face of the button but its border and caption
    QVERIFY(quota(calcola, QColor(255, 0, 0)) > 0.8);
    QVERIFY(quota(inseDat, QColor(255, 192, 192)) > 0.8);
    QCOMPARE(centro(calcola), QColor(255, 0, 0));

    // pressed, it is darker; with the keyboard focus, it shows a mark
    const QImage riposo = calcola->grab().toImage();
    calcola->setDown(true);
    QVERIFY(centro(calcola) != QColor(255, 0, 0));
    QCOMPARE(centro(calcola).hue(), QColor(255, 0, 0).hue());
    calcola->setDown(false);
    hoist->activateWindow();
    calcola->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(calcola->hasFocus());
    QVERIFY(calcola->grab().toImage() != riposo);
    QVERIFY(quota(calcola, QColor(255, 0, 0)) > 0.7);
}

QTEST_MAIN(TestGuiDesktop)
#include "tst_guidesktop.moc"
