// The motor check on the real windows, offscreen: the drum hoist's worked example with a duty
// cycle, from "Calcola" through the result window to "Verifica motore", a typed motor, a
// number that is not one, the example list of motors, and a new calculation that clears it.

#include "comandi.h"
#include "scrivania.h"

#include "calcolatrice/calcolatrice.h"
#include "ui/caratteri.h"
#include "ui/widgethost.h"
#include "verifica/graficociclo.h"
#include "verifica/verificamodel.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// By the name of a control of the window.
void clicca(QWidget *window, const char *nome)
{
    auto *button = controllo<QPushButton>(window, QLatin1String(nome));
    QVERIFY2(button && button->isVisible(), nome);
    clicca(button);
}

// The user selects what the box holds and types over it (nothing, to empty it).
void digita(QWidget *window, const QString &nome, const QString &text)
{
    auto *box = controllo<QLineEdit>(window, nome);
    QVERIFY2(box, qPrintable(nome));
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        digita(box, text);
    QCOMPARE(box->text(), text);
}

QString testo(QWidget *window, const char *nome)
{
    return testo(window, QString::fromLatin1(nome));
}

QStringList riga(const QTableWidget *table, int row)
{
    QStringList out;
    for (int c = 0; c < table->columnCount(); ++c)
        out << (table->item(row, c) ? table->item(row, c)->text() : QString());
    return out;
}

} // namespace

class TestGuiVerifica : public QObject {
    Q_OBJECT
private slots:
    void init() { d = std::make_unique<Scrivania>(); }
    void cleanup();

    void fromTheHoistToTheMotorCheck();
    void fromTheReelToTheMotorCheck();
    void keyboardAndScreenReader();

private:
    // The hoist's worked example with a cycle of two moves of 10 s in 40 s, computed; the
    // motor check opened from the result window.
    QWidget *verificaDelTamburo();

    std::unique_ptr<Scrivania> d;
};

void TestGuiVerifica::cleanup()
{
    for (int id = 0; id <= int(FormId::frmVerifica); ++id)
        d->programma.unloadForm(FormId(id));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    d.reset();
}

QWidget *TestGuiVerifica::verificaDelTamburo()
{
    d->programma.openForm(FormId::elevForm);
    QWidget *hoist = d->host.view(FormId::elevForm);
    // DS, WL, WT, nu, N, t0, tf, Tac, Tdec, Vl
    const std::pair<int, const char *> valori[] = {
        {0, "200"}, {2, "500"}, {3, "100"}, {6, "0,8"}, {7, "20"},
        {8, "10"},  {9, "40"},  {10, "2"},  {11, "2"},  {21, "0,5"},
    };
    for (const auto &[k, text] : valori)
        digita(hoist, QStringLiteral("txtInDat%1").arg(k), QLatin1String(text));
    clicca(hoist, "btnInseDat");
    clicca(hoist, "btnCalcola");
    QWidget *risultato = d->host.view(FormId::frmRisult);
    if (!risultato)
        return nullptr;
    clicca(risultato, "btnVerifica");
    QWidget *verifica = d->host.view(FormId::frmVerifica);
    return verifica && verifica->isVisible() ? verifica : nullptr;
}

void TestGuiVerifica::fromTheHoistToTheMotorCheck()
{
    QWidget *verifica = verificaDelTamburo();
    QVERIFY(verifica);
    QVERIFY(d->piattaforma.messaggi.empty());
    QCOMPARE(testo(verifica, "lblCiclo"), QStringLiteral("Ciclo di: Sollevamento con tamburo"));
    const QString ciclo = testo(verifica, "lblRigheCiclo");
    // the physical inertia torque, 0,0139953 x 1504 / 93,6466 = 0,224771, beside the calculator's
    for (const char *linea :
         {"Costante di accelerazione = 93,65 (fisica; il calcolatore usa 1504)",
          "Coppia di picco = 3,975 kgm (38,98 N·m)",
          "Coppia d'inerzia del calcolatore = 0,014 kgm (0,14 N·m) (costante 1504)",
          "Coppia efficace = 2,654 kgm (26,02 N·m)", "Rapporto d'inerzia = 2,53"})
        QVERIFY2(ciclo.contains(QString::fromUtf8(linea)), qPrintable(ciclo));

    // motor B, typed: Cn left empty, it comes from Pn and nn
    const char *motoreB[] = {"B", "4", "1450", "3000", "", "6", "0,012"};
    for (int box = 0; box < 7; ++box)
        digita(verifica, QStringLiteral("txtMotore%1").arg(box), QLatin1String(motoreB[box]));
    clicca(verifica, "btnVerifica");
    auto *tabella = controllo<QTableWidget>(verifica, QStringLiteral("tblMotori"));
    QVERIFY(tabella);
    QCOMPARE(tabella->rowCount(), 1);
    const QStringList b = riga(tabella, 0);
    QCOMPARE(b.first(), QStringLiteral("B"));
    QCOMPARE(b.mid(2), QStringList({"66 %", "99 %", "32 %", "21 %", "adatto"}));
    for (int c = 2; c < 6; ++c)
        QCOMPARE(tabella->item(0, c)->background().color(), ui::qcolor(colori::verdeChiaro));
    QCOMPARE(testo(verifica, "lblStato"), QStringLiteral("B: adatto"));
    // the verdict: the motor as used, the limits and the constant, the check that governs
    QCOMPARE(testo(verifica, "lblVerdetto").split(QLatin1Char('\n')),
             QStringList({"B: Pn 4 kW; nn 1450 rpm; nmax 3000 rpm; Cn 2,690 kgm (da 975 × Pn / "
                          "nn); Cmax 6,000 kgm; "
                          "Jmot 0,012 kgm^2",
                          "k = 1; λmax = 10; Costante di accelerazione: fisica (93,65)",
                          "governa: coppia efficace 99 %"}));
    // the calculator's constants: the same motor as the calculator's figures see it, a point
    // read as a decimal point
    digita(verifica, QStringLiteral("txtMotore6"), QStringLiteral("0.012"));
    QTest::mouseClick(controllo<QCheckBox>(verifica, QStringLiteral("chkCostanti")), Qt::LeftButton,
                      {}, QPoint(5, 5));
    QCOMPARE(riga(tabella, 0).mid(2), QStringList({"63 %", "99 %", "32 %", "21 %", "adatto"}));
    QVERIFY(testo(verifica, "lblRigheCiclo")
                .startsWith(QStringLiteral("Costante di accelerazione = 1504")));
    QTest::mouseClick(controllo<QCheckBox>(verifica, QStringLiteral("chkCostanti")), Qt::LeftButton,
                      {}, QPoint(5, 5));
    QCOMPARE(riga(tabella, 0).mid(2, 1), QStringList{"66 %"});

    // a rated power that is not a number: one message, naming it
    digita(verifica, QStringLiteral("txtMotore1"), QStringLiteral("abc"));
    clicca(verifica, "btnVerifica");
    QCOMPARE(d->piattaforma.messaggi.size(), size_t(1));
    QCOMPARE(d->piattaforma.messaggi.front().titolo, QStringLiteral("Inserimento dati mancanti"));
    QVERIFY2(d->piattaforma.messaggi.front().testo.contains(QStringLiteral("\"Pn\"")),
             qPrintable(d->piattaforma.messaggi.front().testo));

    // the example list: every motor a row, the chosen one first and in bold; with the motor's
    // boxes empty, "Verifica" checks the list again
    for (int box = 0; box < 7; ++box)
        digita(verifica, QStringLiteral("txtMotore%1").arg(box), QString());
    d->piattaforma.risposte.push_back(QStringLiteral(DM_CATALOGO_ESEMPIO));
    clicca(verifica, "btnCatalogo");
    clicca(verifica, "btnVerifica");
    QCOMPARE(d->piattaforma.messaggi.size(), size_t(1));
    QCOMPARE(tabella->rowCount(), 17);
    QVERIFY2(riga(tabella, 0).last().endsWith(QStringLiteral("(scelto)")),
             qPrintable(riga(tabella, 0).join(QLatin1Char('|'))));
    QVERIFY(tabella->item(0, 0)->font().bold());
    for (int r = 1; r < tabella->rowCount(); ++r)
        QVERIFY2(!tabella->item(r, 0)->font().bold() &&
                     !riga(tabella, r).last().contains(QStringLiteral("scelto")),
                 qPrintable(riga(tabella, r).join(QLatin1Char('|'))));
    // a list with a column of the user's own: used, the column named in the outcome
    QTemporaryDir dir;
    QFile nota(dir.filePath(QStringLiteral("note.csv")));
    QVERIFY(nota.open(QIODevice::WriteOnly));
    nota.write("nome;note;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;coppia_massima_kgm;"
               "inerzia_kgm2\n"
               "B;freno;4;1450;3000;6;0,012\n");
    nota.close();
    QVERIFY(d->programma.form<VerificaModel>(FormId::frmVerifica)->apriCatalogo(nota.fileName()));
    QVERIFY2(testo(verifica, "lblStato").endsWith(QStringLiteral("(colonne ignorate: note)")),
             qPrintable(testo(verifica, "lblStato")));
    d->piattaforma.risposte.push_back(QStringLiteral(DM_CATALOGO_ESEMPIO));
    clicca(verifica, "btnCatalogo");

    // the table scrolls rather than push the chart off the window
    QTRY_VERIFY(tabella->verticalScrollBar()->maximum() > 0);
    QVERIFY2(verifica->width() <= 1000 && verifica->height() <= 900,
             qPrintable(QStringLiteral("%1x%2").arg(verifica->width()).arg(verifica->height())));
    // the README's picture of the window
    if (const QString cartella = qEnvironmentVariable("DM_SCREENSHOTS"); !cartella.isEmpty())
        QVERIFY(verifica->grab().save(QDir(cartella).filePath(QStringLiteral("verifica.png"))));

    // the chart is painted: the steps of the motor torque are there
    auto *grafico = controllo<QWidget>(verifica, QStringLiteral("graficoCiclo"));
    QVERIFY(grafico);
    const QImage immagine = grafico->grab().toImage();
    const QColor blu = ui::qcolor(verifica::coloriGrafico::coppia);
    int blui = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            blui += immagine.pixelColor(x, y) == blu;
    QVERIFY2(blui > 500, qPrintable(QString::number(blui)));

    // a new calculation: its cycle at once, and no table of the old one
    QWidget *hoist = d->host.view(FormId::elevForm);
    digita(hoist, QStringLiteral("txtInDat2"), QStringLiteral("600"));
    clicca(hoist, "btnInseDat");
    clicca(hoist, "btnCalcola");
    QCOMPARE(d->host.view(FormId::frmVerifica), verifica);
    QCOMPARE(tabella->rowCount(), 0);
    QVERIFY(testo(verifica, "lblRigheCiclo") != ciclo);
    QVERIFY(testo(verifica, "lblStato").trimmed().isEmpty());
}

// The reel's worked example, its results window's "Verifica motore...", the example list: the
// coil's figures, the columns of the reel, the inertia not checked, the chart over the speed.
void TestGuiVerifica::fromTheReelToTheMotorCheck()
{
    d->programma.openForm(FormId::aspoForm);
    auto *aspo = d->programma.form<Calcolatrice>(FormId::aspoForm);
    QVERIFY(aspo->apriFile(QStringLiteral(DM_DATA "/aspo_esempio.txt")));
    QWidget *finestraAspo = d->host.view(FormId::aspoForm);
    clicca(finestraAspo, "btnInseDat");
    clicca(finestraAspo, "btnCalcola");
    QWidget *risultati = d->host.view(FormId::frmRris_aspo);
    QVERIFY(risultati);
    clicca(risultati, "btnVerifica");
    QWidget *verifica = d->host.view(FormId::frmVerifica);
    QVERIFY(verifica && verifica->isVisible());
    QCOMPARE(testo(verifica, "lblCiclo"), QStringLiteral("Bobina di: ") + aspo->caption());
    QVERIFY2(testo(verifica, "lblRigheCiclo")
                 .contains(QStringLiteral("Rapporto d'inerzia massimo = 191,93")),
             qPrintable(testo(verifica, "lblRigheCiclo")));
    QCOMPARE(controllo<QLineEdit>(verifica, QStringLiteral("txtMotore8"))->text(), QString());

    d->piattaforma.risposte.push_back(QStringLiteral(DM_CATALOGO_ESEMPIO));
    clicca(verifica, "btnCatalogo");
    auto *tabella = controllo<QTableWidget>(verifica, QStringLiteral("tblMotori"));
    QCOMPARE(tabella->horizontalHeaderItem(3)->text(), QStringLiteral("Regime"));
    QVERIFY(tabella->rowCount() > 1);
    for (int r = 0; r < tabella->rowCount(); ++r)
        QCOMPARE(tabella->item(r, 5)->text(), QStringLiteral("—"));
    // the pixels of a line's colour in the chart
    const auto punti = [verifica](Colore colore) {
        const QImage immagine =
            controllo<QWidget>(verifica, QStringLiteral("graficoCiclo"))->grab().toImage();
        int n = 0;
        for (int y = 0; y < immagine.height(); ++y)
            for (int x = 0; x < immagine.width(); ++x)
                n += immagine.pixelColor(x, y) == ui::qcolor(colore);
        return n;
    };
    QVERIFY(punti(verifica::coloriGrafico::accelerazione) > 100);
    if (const QString cartella = qEnvironmentVariable("DM_SCREENSHOTS"); !cartella.isEmpty())
        QVERIFY(
            verifica->grab().save(QDir(cartella).filePath(QStringLiteral("verifica_aspo.png"))));

    // a typed motor: the check that governs it, at its worst diameter
    const char *motoreM2[] = {"M2", "7.5", "1450", "3600", "", "12", "0,03"};
    for (int box = 0; box < 7; ++box)
        digita(verifica, QStringLiteral("txtMotore%1").arg(box), QLatin1String(motoreM2[box]));
    clicca(verifica, "btnVerifica");
    QCOMPARE(riga(tabella, 0).mid(2), QStringList({"61 %", "120 %", "88 %", "—", "non adatto"}));
    QCOMPARE(testo(verifica, "lblVerdetto").section(QLatin1Char('\n'), 2),
             QStringLiteral("governa: coppia a regime 120 % con diametro di 1,000 m"));
    QVERIFY(punti(verifica::coloriGrafico::nominale) > 100);

    // the reel computed again: its figures at once, no table of the old sweep
    clicca(finestraAspo, "btnCalcola");
    QCOMPARE(tabella->rowCount(), 0);
}

void TestGuiVerifica::keyboardAndScreenReader()
{
    QWidget *verifica = verificaDelTamburo();
    QVERIFY(verifica);
    verifica->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(verifica));

    // Tab walks the motor's boxes and the limits top down, then the table, then the buttons
    auto *primo = controllo<QLineEdit>(verifica, QStringLiteral("txtMotore0"));
    primo->setFocus();
    QStringList giro{primo->objectName()};
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == primo)
            break;
        giro << QApplication::focusWidget()->objectName();
    }
    QStringList atteso;
    for (int box = 0; box < VerificaModel::Caselle; ++box)
        atteso << QStringLiteral("txtMotore%1").arg(box);
    atteso << QStringLiteral("chkCostanti") << QStringLiteral("tblMotori")
           << QStringLiteral("btnVerifica") << QStringLiteral("btnCatalogo")
           << QStringLiteral("btnEsci");
    QCOMPARE(giro, atteso);

    // every control has a name a screen reader says, the boxes each their own
    QStringList nomi;
    for (QWidget *w : verifica->findChildren<QWidget *>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) && w->objectName() != QLatin1String("graficoCiclo"))
            continue;
        const QString nome = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        QVERIFY2(!nome.trimmed().isEmpty(), qPrintable(w->objectName()));
        if (qobject_cast<QLineEdit *>(w))
            nomi << nome;
    }
    QCOMPARE(nomi.size(), int(VerificaModel::Caselle));
    QCOMPARE(nomi.removeDuplicates(), 0);
    QVERIFY(nomi.contains(QStringLiteral("Momento d'inerzia rotore (kgm^2)")));
}

QTEST_MAIN(TestGuiVerifica)
#include "tst_guiverifica.moc"
