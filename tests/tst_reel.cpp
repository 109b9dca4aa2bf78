// The reel window through its model: presets, the six checks, "Modifica Dati", "Calcola"
// with the sweep and the results window, the chart buttons, the data and results files.

#include "fakes.h"

#include "charts/grafmodel.h"
#include "reel/aspomodel.h"
#include "reel/risaspomodel.h"
#include "shell/variabili.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

AspoModel *apriAspo(Banco &b)
{
    b.programma.openForm(FormId::aspoForm);
    return b.programma.form<AspoModel>(FormId::aspoForm);
}

// d 100, Dm 1000, R 10, Vm 100, l 500, F 100 with the presets
void esempio(AspoModel *f)
{
    f->setTxtInDat(AspoModel::DiametroMinimo, QStringLiteral("100"));
    f->setTxtInDat(AspoModel::DiametroMassimo, QStringLiteral("1000"));
    f->setTxtInDat(AspoModel::Rapporto, QStringLiteral("10"));
    f->setTxtInDat(AspoModel::VelocitaMateriale, QStringLiteral("100"));
    f->setTxtInDat(AspoModel::Larghezza, QStringLiteral("500"));
    f->setTxtInDat(AspoModel::Tensione, QStringLiteral("100"));
}

} // namespace

class TestReel : public QObject {
    Q_OBJECT
private slots:
    void formLoad();
    void sixChecks();
    void failedEntryKeepsColours();
    void notANumber();
    void workedExample();
    void unwinderDeceleration();
    void secondCalcolaKeepsTheOpenSummary();
    void zeroDivisorFromAnotherWindow();
    void chartButtons();
    void resultsFileAndReport();
};

void TestReel::formLoad()
{
    Banco b;
    b.var().flgDatiOk = flag::True;
    b.var().flgGrafVel = b.var().flgGrafCmj = flag::True;
    AspoModel *f = apriAspo(b);
    QCOMPARE(b.var().flgDatiOk, flag::False);
    QCOMPARE(b.var().flgGrafVel, flag::False);
    QCOMPARE(b.var().flgGrafCmj, flag::True); // not touched at load
    const QStringList presets{"0",   "0",  "0",  "0",   "0,02", "0,02", "0,01",
                              "0,9", "10", "10", "7,8", "0",    "0",    "0,5"};
    for (int k = 0; k < AspoModel::Caselle; ++k)
        QCOMPARE(f->txtInDat(k), presets[k]);
    QVERIFY(f->opt_avv());
    QVERIFY(f->opt_acc());
    QCOMPARE(f->btnInseDat().sfondo, Colore::rgb(255, 192, 192));
    QCOMPARE(f->btnCalcola().sfondo, Colore::rgb(255, 0, 0));
    QCOMPARE(f->btnModDat().sfondo, Colore::rgb(255, 255, 128));
    QCOMPARE(f->riga(AspoModel::DiametroMinimo).colore, Colore::rgb(255, 128, 128));
    QCOMPARE(f->riga(AspoModel::Rendimento).colore, Colore::rgb(255, 192, 128));
    QCOMPARE(f->riga(AspoModel::VelocitaMateriale).didascalia,
             QStringLiteral("Velocità massima mat.le   \"Vm\" ="));
    QList<int> order;
    for (const auto &r : f->righe())
        order << r.box;
    QCOMPARE(order, (QList<int>{0, 1, 2, 3, 7, 6, 5, 4, 8, 9, 10, 11, 12, 13}));
    QCOMPARE(f->Label1().testo, QStringLiteral("Dati registrati il:  "));
    f->btnCalcola_Click();
    QCOMPARE(f->Label15(),
             (Aspetto{QStringLiteral("Dati mancanti o errati "), Colore::rgb(255, 0, 0)}));
}

void TestReel::sixChecks()
{
    Banco b;
    AspoModel *f = apriAspo(b);
    f->btnInseDat_Click();
    QCOMPARE(b.piattaforma.testi(),
             (QStringList{"Inserire diametro minimo > 0", "Inserire diametro massimo > 0",
                          "Inserire rapporto di riduzione > 0", "Inserire velocità materiale > 0",
                          "Inserire larghezza materiale > 0", "Inserire tiro materiale > 0"}));
    QCOMPARE(b.piattaforma.messaggi.back().titolo, QStringLiteral("Inserimento dati mancanti"));
    QCOMPARE(b.var().flgDatiOk, flag::False);

    b.piattaforma.messaggi.clear();
    esempio(f);
    f->setTxtInDat(AspoModel::DiametroMinimo, QStringLiteral("0"));
    f->btnInseDat_Click();
    QCOMPARE(b.piattaforma.testi(), QStringList{"Inserire diametro minimo > 0"});
    QCOMPARE(b.var().flgDatiOk, flag::False);

    // n, the inertias, the times, D and Cca are not checked; d may exceed Dm
    b.piattaforma.messaggi.clear();
    f->setTxtInDat(AspoModel::DiametroMinimo, QStringLiteral("2000"));
    f->setTxtInDat(AspoModel::Rendimento, QStringLiteral("-1"));
    f->setTxtInDat(AspoModel::TempoAccelerazione, QStringLiteral("0"));
    f->btnInseDat_Click();
    QVERIFY(b.piattaforma.messaggi.empty());
    QCOMPARE(b.var().flgDatiOk, flag::True);
    QCOMPARE(f->btnInseDat(), (Aspetto{QStringLiteral("Dati validi"), Colore::rgb(128, 255, 128)}));
    QCOMPARE(f->btnCalcola().sfondo, Colore::rgb(128, 255, 128));
    QCOMPARE(f->Label15(), (Aspetto{QStringLiteral(" "), Colore::rgb(192, 192, 192)}));
}

void TestReel::failedEntryKeepsColours()
{
    Banco b;
    AspoModel *f = apriAspo(b);
    esempio(f);
    f->btnInseDat_Click();
    f->setTxtInDat(AspoModel::Tensione, QStringLiteral("0"));
    f->btnInseDat_Click();
    QCOMPARE(b.piattaforma.testi(), QStringList{"Inserire tiro materiale > 0"});
    QCOMPARE(b.var().flgDatiOk, flag::False);
    QCOMPARE(f->btnInseDat().testo, QStringLiteral("Dati validi"));
    f->btnCalcola_Click();
    QCOMPARE(f->Label15().testo, QStringLiteral("Dati mancanti o errati "));
    f->btnModDat_Click();
    QCOMPARE(f->Label15(),
             (Aspetto{QStringLiteral("Inserire i dati "), Colore::rgb(255, 192, 192)}));
    QCOMPARE(f->btnCalcola().sfondo, Colore::rgb(255, 0, 0));
    QCOMPARE(f->btnInseDat(),
             (Aspetto{QStringLiteral("Immissione dati"), Colore::rgb(255, 192, 192)}));
}

void TestReel::notANumber()
{
    Banco b;
    AspoModel *f = apriAspo(b);
    esempio(f);
    f->setTxtInDat(AspoModel::PesoSpecifico, QStringLiteral("acciaio"));
    f->btnInseDat_Click();
    QCOMPARE(b.piattaforma.testi(),
             QStringList{"Il dato \"D\" (Peso specifico materiale) non è un numero: \"acciaio\""});
    QCOMPARE(b.var().flgDatiOk, flag::False);
}

void TestReel::workedExample()
{
    Banco b;
    AspoModel *f = apriAspo(b);
    esempio(f);
    f->btnInseDat_Click();
    f->btnCalcola_Click();
    auto *r = b.programma.form<RisAspoModel>(FormId::frmRris_aspo);
    QVERIFY(r);
    QCOMPARE(r->caption(), QStringLiteral("Risultati verifiche aspo"));
    QCOMPARE(r->Label1()[0],
             QStringLiteral("Velocità massima = 3183 rpm con diametro di 00,100 m"));
    QCOMPARE(r->Label1()[1], QStringLiteral("Coppia massima  = 6,704 kgm con diametro di 1,000 m"));
    QCOMPARE(r->Label1()[2], QStringLiteral("Potenza massima del motore = 22 kW"));
    QVERIFY(qAbs(b.var().Pm - 21.888) < 5e-4);
}

void TestReel::unwinderDeceleration()
{
    Banco b;
    AspoModel *f = apriAspo(b);
    esempio(f);
    f->setOpt_avv(false);
    f->setOpt_acc(false);
    f->btnInseDat_Click();
    f->btnCalcola_Click();
    auto *r = b.programma.form<RisAspoModel>(FormId::frmRris_aspo);
    QCOMPARE(r->Label1()[1],
             QStringLiteral("Coppia massima  = -5,649 kgm con diametro di 1,000 m"));
    // the power takes the magnitude
    QVERIFY(b.var().Pm > 0);
    QCOMPARE(b.var().aspoAvvolgitore, false);
}

void TestReel::secondCalcolaKeepsTheOpenSummary()
{
    Banco b;
    AspoModel *f = apriAspo(b);
    esempio(f);
    f->btnInseDat_Click();
    f->btnCalcola_Click();
    auto *r = b.programma.form<RisAspoModel>(FormId::frmRris_aspo);
    const auto lines = r->Label1();
    const double pm = b.var().Pm;
    // switch to deceleration and compute again, without a new data entry
    f->setOpt_acc(false);
    f->btnCalcola_Click();
    QVERIFY(b.var().aCtt[100] < 6.7);
    QCOMPARE(r->Label1(), lines);
    QCOMPARE(b.var().Pm, pm);
    QCOMPARE(b.host.mostrate.back(), FormId::frmRris_aspo);
    // after "Esci" the next Calcola shows the new sweep
    r->btnEsci_Click();
    f->btnCalcola_Click();
    r = b.programma.form<RisAspoModel>(FormId::frmRris_aspo);
    QVERIFY(r->Label1()[1] != lines[1]);
}

void TestReel::zeroDivisorFromAnotherWindow()
{
    Banco b;
    AspoModel *f = apriAspo(b);
    esempio(f);
    f->btnInseDat_Click();
    f->btnCalcola_Click();
    const auto tabella = b.var().aCtt;
    b.programma.form<RisAspoModel>(FormId::frmRris_aspo)->btnEsci_Click();
    b.var().N = 0; // left so by another calculator, with the shared flag still set
    f->btnCalcola_Click();
    QCOMPARE(f->Label15(),
             (Aspetto{QStringLiteral("Impossibile calcolare: R = 0"), Colore::rgb(255, 0, 0)}));
    QCOMPARE(b.var().aCtt, tabella);
    QVERIFY(!b.programma.isLoaded(FormId::frmRris_aspo));
}

void TestReel::chartButtons()
{
    Banco b;
    b.programma.openForm(FormId::frmRris_aspo);
    auto *r = b.programma.form<RisAspoModel>(FormId::frmRris_aspo);
    QCOMPARE(RisAspoModel::pulsanti()[2].caption, QStringLiteral("grafico coppia per inerzia"));
    QCOMPARE(RisAspoModel::pulsanti()[4].colore, Colore::rgb(255, 0, 0));
    // the flag is up while the chart window loads, so it draws that chart; down afterwards
    r->btncmdJtt_Click();
    QCOMPARE(b.var().flgGrafJtt, flag::False);
    QCOMPARE(b.host.mostrate.back(), FormId::frmGraf);
    auto *g = b.programma.form<GrafModel>(FormId::frmGraf);
    QVERIFY(g);
    const auto titolo = [](const grafico::Disegno &d) {
        for (const auto &e : d.etichette)
            if (e.nome == QLatin1String("lblY"))
                return e.testo;
        return QString();
    };
    QCOMPARE(titolo(g->disegno()), QStringLiteral("kgm^2 Jtotale"));
    // a second button while the chart window is open brings it forward unchanged
    r->btngrafVel_Click();
    QCOMPARE(titolo(g->disegno()), QStringLiteral("kgm^2 Jtotale"));
    QCOMPARE(b.var().flgGrafVel, flag::False);
}

void TestReel::resultsFileAndReport()
{
    QTemporaryDir dir;
    Banco b;
    AspoModel *f = apriAspo(b);
    esempio(f);
    f->btnInseDat_Click();
    f->btnCalcola_Click();
    const QString path = dir.filePath(QStringLiteral("risultati.txt"));
    b.piattaforma.risposte = {path};
    f->mnusalva_ris_Click();
    QVERIFY(b.piattaforma.messaggi.empty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 625); // 624 lines, each ended by CR LF
    QCOMPARE(lines.at(15), QByteArray(" 3183,09886142228 \r"));
    QCOMPARE(lines.at(16), QByteArray(" 6,70445788823917 \r"));
    QCOMPARE(lines.at(1), QByteArray("100\r"));

    f->mnustampa_ris_Click();
    QCOMPARE(b.var().datiStampa[11], QStringLiteral("500"));
    QCOMPARE(b.var().datiStampa[7], QStringLiteral("0,9"));
    QVERIFY(b.programma.isLoaded(FormId::ASPO04));
}

QTEST_APPLESS_MAIN(TestReel)
#include "tst_reel.moc"
