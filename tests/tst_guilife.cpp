// Window life: every window opened and closed many times, and every handler of every
// calculator pressed in every state, on the real views; nothing may crash, leak or stay.

#include "scrivania.h"

#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "reel/aspomodel.h"
#include "screw/vitemodel.h"
#include "ui/widgethost.h"
#include "util/utilmodel.h"

#include <QApplication>
#include <QTest>

namespace {

using Desktop = Scrivania;

const FormId tutte[] = {FormId::mainForm,       FormId::elevForm,     FormId::convayorForm,
                        FormId::aspoForm,       FormId::traslForm,    FormId::Soll_vite_Form,
                        FormId::utilForm,       FormId::frmRisult,    FormId::aiutoForm,
                        FormId::aiutoForm_elev, FormId::frmRris_aspo, FormId::frmGraf,
                        FormId::ASPO04,         FormId::frmVerifica};

void svuota()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int finestreAperte()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->isWindow() && !w->inherits("QMenu");
    return n;
}

} // namespace

class TestGuiLife : public QObject {
    Q_OBJECT
private slots:
    void openAndClose();
    void handlersInEveryState();
};

void TestGuiLife::openAndClose()
{
    const int giri = qEnvironmentVariableIntValue("DM_GIRI") > 0
                         ? qEnvironmentVariableIntValue("DM_GIRI")
                         : 1000;
    Desktop d;
    for (int i = 0; i < giri; ++i) {
        for (FormId id : tutte)
            d.programma.openForm(id);
        // half the time by the model, half by the window's close box
        for (FormId id : tutte) {
            if (i % 2)
                d.programma.unloadForm(id);
            else if (QWidget *w = d.host.view(id))
                w->close();
        }
        svuota();
    }
    for (FormId id : tutte)
        QVERIFY(!d.programma.isLoaded(id));
    QCOMPARE(finestreAperte(), 0);
}

void TestGuiLife::handlersInEveryState()
{
    Desktop d;
    // every calculator: the handlers in every order, on presets, on the examples, on junk
    const QStringList junk{"", "abc", "1e308", "-1e308", "0", "-0", "1e-308", "1,2,3"};
    for (int giro = 0; giro < 3; ++giro) {
        for (FormId id : {FormId::elevForm, FormId::convayorForm, FormId::Soll_vite_Form,
                          FormId::traslForm, FormId::aspoForm, FormId::utilForm}) {
            d.programma.openForm(id);
            FormModel *m = d.programma.form(id);
            using P = Calcolatrice::Pulsante;
            auto premi = [&] {
                QMetaObject::invokeMethod(m, "changed");
                if (auto *f = qobject_cast<AspoModel *>(m)) {
                    f->btnCalcola_Click();
                    f->btnInseDat_Click();
                    f->btnCalcola_Click();
                    f->mnustampa_ris_Click();
                    f->btnModDat_Click();
                    f->btnCalcola_Click();
                    f->setOpt_avv(!f->opt_avv());
                    f->btnInseDat_Click();
                    f->btnCalcola_Click();
                } else if (auto *f = qobject_cast<UtilModel *>(m)) {
                    f->btnCalcola_Click();
                    f->btnInDat_Click();
                    f->btnCalcola_Click();
                    f->mnuJ_Cil_Cavo_Click();
                    f->btnCalcola_Click();
                    f->mnuCil_Pieno_Click();
                    f->btnModDat_Click();
                    f->btnCalcola_Click();
                } else if (auto *f = qobject_cast<Calcolatrice *>(m)) {
                    // the linear calculators
                    for (const auto tasto : {P::Calcola, P::Immissione, P::Calcola, P::Modifica,
                                             P::Calcola, P::Immissione})
                        f->premi(tasto);
                }
            };
            // no box ever shows a number that is not one
            auto controlla = [&] {
                QStringList testi;
                if (auto *f = qobject_cast<Calcolatrice *>(m))
                    testi << f->testi() << f->statusLabel().testo;
                if (auto *f = qobject_cast<UtilModel *>(m))
                    testi << f->txtOutDat() << f->statusLabel().testo;
                for (const QString &t : testi)
                    QVERIFY2(!t.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                                 !t.contains(QLatin1String("nan"), Qt::CaseInsensitive),
                             qPrintable(t));
            };
            premi();
            controlla();
            for (const QString &text : junk) {
                for (int k = 0; k < 25; ++k) {
                    if (auto *f = qobject_cast<ElevModel *>(m); f && k < ElevModel::Caselle)
                        f->setTxtInDat(k, k % 3 ? text : QStringLiteral("7"));
                    if (auto *f = qobject_cast<ConvModel *>(m); f && k < ConvModel::Caselle)
                        f->setTxtInDat(k, k % 3 ? text : QStringLiteral("7"));
                    if (auto *f = qobject_cast<ViteModel *>(m); f && k < ViteModel::Caselle)
                        f->setTxtInDat(k, k % 3 ? text : QStringLiteral("7"));
                    if (auto *f = qobject_cast<AspoModel *>(m); f && k < AspoModel::Caselle)
                        f->setTxtInDat(k, k % 3 ? text : QStringLiteral("7"));
                    if (auto *f = qobject_cast<UtilModel *>(m); f && k < UtilModel::Caselle)
                        f->setTxtInDat(k, k % 3 ? text : QStringLiteral("7"));
                }
                premi();
                controlla();
            }
        }
        // the reel's windows from its results: every chart button
        for (int b = 0; b < 5; ++b) {
            d.programma.openForm(FormId::frmRris_aspo);
            d.programma.openForm(FormId::frmGraf);
            d.programma.unloadForm(FormId::frmGraf);
        }
        for (FormId id : tutte)
            d.programma.unloadForm(id);
        svuota();
    }
    // nothing shown anywhere is not a number
    QCOMPARE(finestreAperte(), 0);
}

QTEST_MAIN(TestGuiLife)
#include "tst_guilife.moc"
