// The calculators from the keyboard and through a screen reader, on the real windows,
// offscreen: the Tab order against the places of the controls, Enter in a value box, the menus'
// access keys and shortcuts, the accessible names, and texts that fit their controls at the
// pixel ratio the suite runs with (ctest runs it again on a screen of ratio 1.5 and 2).

#include "scrivania.h"

#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "reel/aspomodel.h"
#include "screw/vitemodel.h"
#include "ui/widgethost.h"
#include "util/utilmodel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <memory>
#include <tuple>

namespace {

using Desktop = Scrivania;

QPoint posto(const QWidget *w)
{
    return w->mapTo(w->window(), QPoint(0, 0));
}

// The value boxes of a window column by column from the right (the data column, then the
// results beside it), each column from the top.
QList<QLineEdit *> caselleSulloSchermo(QWidget *window)
{
    QList<QLineEdit *> boxes = window->findChildren<QLineEdit *>();
    std::sort(boxes.begin(), boxes.end(), [](const QWidget *a, const QWidget *b) {
        const QPoint pa = posto(a), pb = posto(b);
        return std::tuple(-pa.x(), pa.y()) < std::tuple(-pb.x(), pb.y());
    });
    return boxes;
}

QStringList nomi(const QList<QWidget *> &widgets)
{
    QStringList out;
    for (const QWidget *w : widgets)
        out << w->objectName();
    return out;
}

QString nomeAccessibile(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString descrizioneAccessibile(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Description) : QString();
}

QWidget *attiva(QWidget *window)
{
    if (!window)
        return nullptr;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

} // namespace

class TestGuiTastiera : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void tabFollowsTheScreen_data();
    void tabFollowsTheScreen();
    void enterKeepsTheText_data();
    void enterKeepsTheText();
    void accessKeysAndShortcuts();
    void accessibleNames();
    void textsFit();
    void accessibleOrder();
    void textFromAnywhere();

private:
    QWidget *apri(FormId id)
    {
        d->programma.openForm(id);
        return attiva(d->host.view(id));
    }
    void calcolatrici();

    std::unique_ptr<Desktop> d;
};

void TestGuiTastiera::init()
{
    d = std::make_unique<Desktop>();
}

void TestGuiTastiera::cleanup()
{
    for (int id = 0; id <= int(ultimaFinestra); ++id)
        d->programma.unloadForm(FormId(id));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    d.reset();
}

void TestGuiTastiera::calcolatrici()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("pulsanti"); // the buttons, left to right
    const QStringList quattro{QStringLiteral("btnInseDat"), QStringLiteral("btnCalcola"),
                              QStringLiteral("btnModDat"), QStringLiteral("btnEsci")};
    QTest::newRow("drum hoist") << int(FormId::elevForm) << quattro;
    QTest::newRow("conveyor") << int(FormId::convayorForm)
                              << QStringList{
                                     QStringLiteral("btnInseDat"), QStringLiteral("btnCalcola"),
                                     QStringLiteral("btnModDat"), QStringLiteral("btnEsci")};
    QTest::newRow("screw lift") << int(FormId::Soll_vite_Form) << quattro;
    QTest::newRow("screw travel") << int(FormId::traslForm) << quattro;
    QTest::newRow("reel") << int(FormId::aspoForm)
                          << QStringList{QStringLiteral("btnInseDat"), QStringLiteral("btnModDat"),
                                         QStringLiteral("btnCalcola"), QStringLiteral("btnEsci")};
    QTest::newRow("cylinder") << int(FormId::utilForm)
                              << QStringList{
                                     QStringLiteral("btnInDat"), QStringLiteral("btnModDat"),
                                     QStringLiteral("btnCalcola"), QStringLiteral("btnEsci")};
}

void TestGuiTastiera::tabFollowsTheScreen_data()
{
    calcolatrici();
}

void TestGuiTastiera::tabFollowsTheScreen()
{
    QFETCH(int, form);
    QFETCH(QStringList, pulsanti);
    QWidget *window = apri(FormId(form));
    QVERIFY(window);

    const QList<QLineEdit *> attese = caselleSulloSchermo(window);
    QVERIFY(attese.size() >= 5);
    attese.first()->setFocus();
    QCOMPARE(QApplication::focusWidget(), attese.first());

    // once round the focus chain with the Tab key, back to the first box
    QList<QWidget *> giro{attese.first()};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        QVERIFY(now && now->window() == window);
        if (now == giro.first())
            break;
        QVERIFY2(!giro.contains(now), qPrintable(now->objectName()));
        giro << now;
    }

    QList<QWidget *> caselle, bottoni, altri;
    for (QWidget *w : giro) {
        if (qobject_cast<QLineEdit *>(w))
            caselle << w;
        else if (qobject_cast<QPushButton *>(w))
            bottoni << w;
        else
            altri << w;
    }
    QStringList atteseNomi;
    for (const QLineEdit *box : attese)
        atteseNomi << box->objectName();
    QCOMPARE(nomi(caselle), atteseNomi);
    QCOMPARE(nomi(bottoni), pulsanti);
    // the buttons close the round, after every box
    QCOMPARE(nomi(giro.mid(giro.size() - bottoni.size())), pulsanti);
    // the reel's two frames are reached too
    for (QWidget *w : altri)
        QVERIFY2(qobject_cast<QRadioButton *>(w), qPrintable(w->objectName()));
    if (FormId(form) == FormId::aspoForm)
        QVERIFY(!altri.isEmpty());

    // Shift+Tab walks back
    giro.at(3)->setFocus();
    QTest::keyClick(giro.at(3), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), giro.at(2));
}

void TestGuiTastiera::enterKeepsTheText_data()
{
    calcolatrici();
}

void TestGuiTastiera::enterKeepsTheText()
{
    QFETCH(int, form);
    QWidget *window = apri(FormId(form));
    QVERIFY(window);
    const QList<QLineEdit *> boxes = caselleSulloSchermo(window);
    QLineEdit *box = boxes.at(1);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("123,5"));

    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QStringLiteral("123,5"));
    // Enter goes on to the next control as Tab does, here the next box
    QCOMPARE(QApplication::focusWidget(), boxes.at(2));
    QTest::keyClick(boxes.at(2), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), boxes.at(3));
    QCOMPARE(box->text(), QStringLiteral("123,5"));
    QVERIFY(d->piattaforma.messaggi.empty());

    // the model has the text: a new window state from the model does not wipe it
    if (FormId(form) == FormId::elevForm) {
        auto *model = d->programma.form<ElevModel>(FormId::elevForm);
        QCOMPARE(model->txtInDat(box->objectName().mid(8).toInt()), QStringLiteral("123,5"));
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("btnModDat")),
                          Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("123,5"));
    }
}

void TestGuiTastiera::accessKeysAndShortcuts()
{
    // main window: Alt+S opens "Scelta lavoro", T is "&Tappeto"
    QWidget *main = apri(FormId::mainForm);
    QVERIFY(main);
    QTest::keyClick(main, Qt::Key_S, Qt::AltModifier);
    auto *scelta = main->findChild<QMenu *>(QStringLiteral("mnuChJob"));
    QVERIFY(scelta);
    QTRY_VERIFY(scelta->isVisible());
    QTest::keyClick(scelta, Qt::Key_T);
    QTRY_VERIFY(d->programma.isLoaded(FormId::convayorForm));
    QVERIFY(!scelta->isVisible());
    // Ctrl+A: the reel, from the main window
    QVERIFY(attiva(main));
    QTest::keyClick(main, Qt::Key_A, Qt::ControlModifier);
    QTRY_VERIFY(d->programma.isLoaded(FormId::aspoForm));

    // drum hoist: Alt+F, A opens a file; F5 saves from inside a box; F4 opens
    QWidget *hoist = apri(FormId::elevForm);
    QVERIFY(hoist);
    auto *file = hoist->findChild<QMenu *>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QTest::keyClick(hoist, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_A);
    QTRY_COMPARE(d->piattaforma.filtri.size(), 1); // the open dialog, cancelled
    QVERIFY(d->piattaforma.conferme.isEmpty());

    QVERIFY(attiva(hoist));
    QLineEdit *box = hoist->findChild<QLineEdit *>(QStringLiteral("txtInDat0"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F5);
    QCOMPARE(d->piattaforma.filtri.size(), 2);
    QCOMPARE(d->piattaforma.conferme.size(), 1); // a save dialog
    QTest::keyClick(box, Qt::Key_F4);
    QCOMPARE(d->piattaforma.filtri.size(), 3);
    QCOMPARE(d->piattaforma.conferme.size(), 1);

    // Alt+A on the hoist opens its help through the menu title
    QVERIFY(attiva(hoist));
    QTest::keyClick(hoist, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(d->programma.isLoaded(FormId::aiutoForm_elev));
}

void TestGuiTastiera::accessibleNames()
{
    const FormId finestre[] = {FormId::mainForm,       FormId::elevForm,    FormId::convayorForm,
                               FormId::Soll_vite_Form, FormId::traslForm,   FormId::aspoForm,
                               FormId::utilForm,       FormId::frmRris_aspo};
    for (FormId id : finestre) {
        d->programma.openForm(id);
        QWidget *window = d->host.view(id);
        QVERIFY(window);
        QStringList caselle;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const bool controllo = qobject_cast<QLineEdit *>(w) || qobject_cast<QPushButton *>(w) ||
                                   qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w);
            const bool figura =
                w->inherits("QSvgWidget") ||
                (qobject_cast<QLabel *>(w) && !qobject_cast<QLabel *>(w)->pixmap().isNull());
            if (!controllo && !figura)
                continue;
            const QString nome = nomeAccessibile(w);
            QVERIFY2(!nome.trimmed().isEmpty(),
                     qPrintable(window->windowTitle() + QLatin1Char(' ') + w->objectName()));
            QVERIFY2(!nome.contains(QLatin1Char('&')), qPrintable(nome));
            if (qobject_cast<QLineEdit *>(w))
                caselle << nome;
        }
        QStringList uniche = caselle;
        uniche.removeDuplicates();
        QCOMPARE(uniche.size(), caselle.size());
    }

    const auto nome = [this](FormId id, const char *control) {
        QWidget *w = d->host.view(id)->findChild<QWidget *>(QLatin1String(control));
        return w ? nomeAccessibile(w) : QStringLiteral("<no %1>").arg(QLatin1String(control));
    };
    QCOMPARE(nome(FormId::elevForm, "txtInDat0"), QStringLiteral("Diametro del tamburo (mm)"));
    QCOMPARE(nome(FormId::elevForm, "txtInDat6"), QStringLiteral("Rendimento trasmissione"));
    QCOMPARE(nome(FormId::elevForm, "txtInDat12"), QStringLiteral("Velocità ang. motore (rpm)"));
    QCOMPARE(nome(FormId::elevForm, "txtInDat20"), QStringLiteral("Potenza mototore totale (kW)"));
    QCOMPARE(nome(FormId::convayorForm, "txtIndat0"), QStringLiteral("Massa carico (kg)"));
    QCOMPARE(nome(FormId::Soll_vite_Form, "txtInDat23"),
             QStringLiteral("Tempo di decelerazione (secondi)"));
    QCOMPARE(nome(FormId::aspoForm, "txtInDat3"), QStringLiteral("Velocità massima mat.le (m/1')"));
    QCOMPARE(nome(FormId::utilForm, "txtInDat3"), QStringLiteral("Peso specifco [kg/dm3]"));
    QCOMPARE(nome(FormId::utilForm, "txtOutDat"), QStringLiteral("Momento d'inerzia [kg/m2]"));
    QCOMPARE(nome(FormId::mainForm, "bntChWrk"), QStringLiteral("Lavoro scelto"));
    QCOMPARE(nome(FormId::mainForm, "optChWrk4"), QStringLiteral("Sollevamento con tamburo"));
    QCOMPARE(nome(FormId::frmRris_aspo, "btncmdCtt"), QStringLiteral("grafico coppia totale"));
    QCOMPARE(nome(FormId::elevForm, "btnEsci"), QStringLiteral("Esci"));
    QCOMPARE(nome(FormId::utilForm, "imag_Lav"), QStringLiteral("Cilindro cavo"));
    QCOMPARE(descrizioneAccessibile(
                 d->host.view(FormId::elevForm)->findChild<QWidget *>(QStringLiteral("txtInDat0"))),
             QStringLiteral("simbolo DS"));

    // a button's name follows its caption, which "Immissione dati" changes
    QWidget *hoist = d->host.view(FormId::elevForm);
    auto *inseDat = hoist->findChild<QPushButton *>(QStringLiteral("btnInseDat"));
    for (const auto &[k, text] :
         {std::pair{0, "200"}, {2, "500"}, {3, "100"}, {7, "20"}, {21, "0,5"}}) {
        QLineEdit *box = hoist->findChild<QLineEdit *>(QStringLiteral("txtInDat%1").arg(k));
        box->selectAll();
        QTest::keyClicks(box, QLatin1String(text));
    }
    QTest::mouseClick(inseDat, Qt::LeftButton);
    QCOMPARE(inseDat->text(), QStringLiteral("Dati validi"));
    QCOMPARE(nomeAccessibile(inseDat), QStringLiteral("Dati validi"));

    // the picture follows the menu's choice of cylinder
    d->host.view(FormId::utilForm)->findChild<QAction *>(QStringLiteral("mnuCil_Pieno"))->trigger();
    QCOMPARE(nome(FormId::utilForm, "imag_Lav"), QStringLiteral("Cilindro pieno"));
}

void TestGuiTastiera::textsFit()
{
    // Every caption of a label or button in the calculators fits the control that shows it,
    // at the pixel ratio and fonts of this run.
    const FormId finestre[] = {FormId::mainForm,       FormId::elevForm,    FormId::convayorForm,
                               FormId::Soll_vite_Form, FormId::traslForm,   FormId::aspoForm,
                               FormId::utilForm,       FormId::frmRris_aspo};
    for (FormId id : finestre) {
        QWidget *window = apri(id);
        QVERIFY(window);
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || !label->isVisible() || label->wordWrap())
                continue;
            const QSize needed = label->fontMetrics().size(Qt::TextShowMnemonic, label->text());
            const QRect room = label->contentsRect().marginsRemoved(
                QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height() + 1,
                     qPrintable(QStringLiteral("%1 %2: %3x%4 in %5x%6")
                                    .arg(window->windowTitle(), label->objectName())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(room.width())
                                    .arg(room.height())));
        }
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            const QSize hint = button->sizeHint();
            QVERIFY2(hint.width() <= button->width() + 1 && hint.height() <= button->height() + 1,
                     qPrintable(QStringLiteral("%1 %2: %3x%4 in %5x%6")
                                    .arg(window->windowTitle(), button->objectName())
                                    .arg(hint.width())
                                    .arg(hint.height())
                                    .arg(button->width())
                                    .arg(button->height())));
        }
    }
    const qreal atteso = qEnvironmentVariable("DM_DPR", QStringLiteral("1")).toDouble();
    QCOMPARE(d->host.view(FormId::elevForm)->devicePixelRatioF(), atteso);
}

namespace {

// Whether two stretches overlap by more than half the shorter: boxes that touch, or rows of a
// design whose labels are a pixel taller than their spacing, are not side by side.
bool sovrapposti(int a0, int a1, int b0, int b1)
{
    return std::min(a1, b1) - std::max(a0, b0) > std::min(a1 - a0, b1 - b0) / 2;
}

// Where two accessible siblings stand on the screen, for the reading order: in one column
// (their widths overlap) the later one is not above the earlier; side by side on one line
// (their heights overlap), the one read next is not to the left.
void controllaOrdine(QAccessibleInterface *iface, const QString &window, QStringList &errori)
{
    QList<QAccessibleInterface *> figli;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *c = iface->child(i);
        if (c && !c->state().invisible && !c->rect().isEmpty())
            figli << c;
    }
    const auto nome = [](QAccessibleInterface *c) {
        return c->object()
                   ? c->object()->objectName() + QLatin1Char(' ') + c->text(QAccessible::Name)
                   : c->text(QAccessible::Name);
    };
    for (qsizetype j = 0; j < figli.size(); ++j) {
        const QRect b = figli[j]->rect();
        for (qsizetype i = 0; i < j; ++i) {
            const QRect a = figli[i]->rect();
            const bool colonna = sovrapposti(a.left(), a.right(), b.left(), b.right());
            const bool riga = sovrapposti(a.top(), a.bottom(), b.top(), b.bottom());
            if ((colonna && b.top() < a.top()) ||
                (i == j - 1 && riga && !colonna && b.left() < a.left()))
                errori << QStringLiteral("%1: \"%2\" before \"%3\"")
                              .arg(window, nome(figli[i]), nome(figli[j]));
        }
    }
    for (QAccessibleInterface *c : figli)
        controllaOrdine(c, window, errori);
}

} // namespace

void TestGuiTastiera::accessibleOrder()
{
    // every window, the result windows with what a calculation writes in them
    QWidget *hoist = apri(FormId::elevForm);
    for (const auto &[k, text] :
         {std::pair{0, "200"}, {2, "500"}, {3, "100"}, {7, "20"}, {21, "0,5"}})
        hoist->findChild<QLineEdit *>(QStringLiteral("txtInDat%1").arg(k))
            ->setText(QLatin1String(text));
    QTest::mouseClick(hoist->findChild<QPushButton *>(QStringLiteral("btnInseDat")),
                      Qt::LeftButton);
    QTest::mouseClick(hoist->findChild<QPushButton *>(QStringLiteral("btnCalcola")),
                      Qt::LeftButton);
    QVERIFY(d->programma.isLoaded(FormId::frmRisult));

    QStringList errori;
    for (int id = 0; id <= int(ultimaFinestra); ++id) {
        QWidget *window = apri(FormId(id));
        QVERIFY(window);
        controllaOrdine(QAccessible::queryAccessibleInterface(window), window->windowTitle(),
                        errori);
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(w);
            if ((w->inherits("QSvgWidget") || (label && !label->pixmap().isNull())) &&
                nomeAccessibile(w).trimmed().isEmpty())
                errori << window->windowTitle() + QStringLiteral(": picture without a name: ") +
                              w->objectName();
        }
    }
    for (const QString &e : errori)
        qWarning().noquote() << e;
    QVERIFY(errori.isEmpty());

    // the result window reads as it shows: power, torque, speed
    QWidget *risultato = d->host.view(FormId::frmRisult);
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(
        static_cast<QMainWindow *>(risultato)->centralWidget());
    QStringList testi;
    for (int i = 0; i < client->childCount(); ++i)
        if (client->child(i)->role() == QAccessible::StaticText)
            testi << client->child(i)->text(QAccessible::Name).section(QLatin1Char('='), 0, 0);
    QCOMPARE(testi, QStringList({QStringLiteral("Pot. resa "), QStringLiteral("Coppia Mx "),
                                 QStringLiteral("Vmax ")}));
}

void TestGuiTastiera::textFromAnywhere()
{
    // A screen reader or an automation client sets a box's text through the accessibility
    // interface, not by keys: "Immissione dati" reads it all the same, in every calculator.
    const auto testoModello = [this](FormId id, int k) -> QString {
        if (auto *m = d->programma.form<ElevModel>(id))
            return m->txtInDat(k);
        if (auto *m = d->programma.form<ConvModel>(id))
            return m->txtIndat(k);
        if (auto *m = d->programma.form<ViteModel>(id))
            return m->txtInDat(k);
        if (auto *m = d->programma.form<AspoModel>(id))
            return m->txtInDat(k);
        if (auto *m = d->programma.form<UtilModel>(id))
            return m->txtInDat(k);
        return QStringLiteral("<no model>");
    };
    const std::pair<FormId, const char *> caselle[] = {
        {FormId::elevForm, "txtInDat0"},       {FormId::convayorForm, "txtIndat8"},
        {FormId::Soll_vite_Form, "txtInDat0"}, {FormId::traslForm, "txtInDat1"},
        {FormId::aspoForm, "txtInDat0"},       {FormId::utilForm, "txtInDat1"}};
    for (const auto &[id, nome] : caselle) {
        QWidget *window = apri(id);
        QVERIFY(window);
        auto *box = window->findChild<QLineEdit *>(QLatin1String(nome));
        QVERIFY(box);
        const int k = QString::fromLatin1(nome).mid(8).toInt();
        QAccessible::queryAccessibleInterface(box)->setText(QAccessible::Value,
                                                            QStringLiteral("200"));
        QCOMPARE(box->text(), QStringLiteral("200"));
        QCOMPARE(testoModello(id, k), QStringLiteral("200"));
        // so is a paste
        box->selectAll();
        box->insert(QStringLiteral("150"));
        QCOMPARE(testoModello(id, k), QStringLiteral("150"));
    }

    // the drum diameter set that way passes its check, and the model's own writes into the
    // boxes (the defaults put back) show without coming back as edits
    QWidget *hoist = d->host.view(FormId::elevForm);
    auto *ds = hoist->findChild<QLineEdit *>(QStringLiteral("txtInDat0"));
    QAccessible::queryAccessibleInterface(ds)->setText(QAccessible::Value, QStringLiteral("200"));
    QTest::mouseClick(hoist->findChild<QPushButton *>(QStringLiteral("btnInseDat")),
                      Qt::LeftButton);
    QVERIFY(!d->piattaforma.testi().isEmpty());
    QVERIFY(!d->piattaforma.testi().contains(QStringLiteral("Inserire DB diverso da 0")));
    QCOMPARE(ds->text(), QStringLiteral("200"));
}

QTEST_MAIN(TestGuiTastiera)
#include "tst_guitastiera.moc"
