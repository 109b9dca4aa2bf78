// The drum hoist window through its model: presets, data entry checks and messages, speed
// derivation, the sizing with its display patterns, "Modifica Dati", the result window and
// the data file.

#include "fakes.h"

#include "hoist/elevmodel.h"
#include "shell/risultmodel.h"
#include "shell/variabili.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

ElevModel *apriTamburo(Banco &b)
{
    b.programma.openForm(FormId::elevForm);
    return b.programma.form<ElevModel>(FormId::elevForm);
}

// The worked example: DS 200, WL 500, WT 100, N 20, nu 0,8, Tac 2, Vl 0,5.
void esempio(ElevModel *f)
{
    f->setTxtInDat(ElevModel::DS, QStringLiteral("200"));
    f->setTxtInDat(ElevModel::WL, QStringLiteral("500"));
    f->setTxtInDat(ElevModel::WT, QStringLiteral("100"));
    f->setTxtInDat(ElevModel::nu, QStringLiteral("0,8"));
    f->setTxtInDat(ElevModel::N, QStringLiteral("20"));
    f->setTxtInDat(ElevModel::Tac, QStringLiteral("2"));
    f->setTxtInDat(ElevModel::Vl, QStringLiteral("0,5"));
}

QStringList caselle(const ElevModel *f)
{
    QStringList out;
    for (int k = 0; k < ElevModel::Caselle; ++k)
        out << f->txtInDat(k);
    return out;
}

} // namespace

class TestHoist : public QObject {
    Q_OBJECT
private slots:
    void formLoad();
    void defaultsGiveFourMessagesInOrder();
    void speedDerivation_data();
    void speedDerivation();
    void zeroDivisorsInTheSpeed();
    void notANumber();
    void workedExample();
    void fileAfterTheEntryKeepsItsData();
    void counterweight();
    void calcolaWithoutValidData();
    void calcolaWithZeroDivisor_data();
    void calcolaWithZeroDivisor();
    void modificaDati();
    void invalidEntryKeepsGreenButtons();
    void resultWindow();
};

void TestHoist::formLoad()
{
    Banco b;
    b.var().flgDatiOk = flag::True;
    ElevModel *f = apriTamburo(b);
    QCOMPARE(b.var().flgDatiOk, flag::False);
    QStringList expected(22, QStringLiteral("0"));
    expected[6] = QStringLiteral("0,7");
    expected[10] = expected[11] = QStringLiteral("5");
    expected[13] = expected[14] = QStringLiteral("0,01");
    expected[15] = QStringLiteral("0,1");
    QCOMPARE(caselle(f), expected);
    QCOMPARE(f->Label15(), (Aspetto{QStringLiteral("Immettere i dati"), colori::rosso}));
    QCOMPARE(f->btnInseDat(), (Aspetto{QStringLiteral("Immissione dati"), colori::rosa}));
    QCOMPARE(f->btnCalcola(), (Aspetto{QStringLiteral("Calcola"), colori::rosso}));
    // screen order: box 21 stands between boxes 11 and 12
    QList<int> order;
    for (const Riga &r : f->righe())
        order << r.box;
    QCOMPARE(order, (QList<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                11, 21, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    QCOMPARE(f->riga(ElevModel::Tdec).didascalia,
             QStringLiteral("Tempo di decelerazione \"Tdec\" ="));
    QCOMPARE(f->riga(ElevModel::Wm).unita, QStringLiteral("rpm "));
    QCOMPARE(f->riga(ElevModel::WC).colore, colori::cianoChiaro);
    QCOMPARE(f->riga(ElevModel::Wtot).simbolo, QStringLiteral("WT"));
}

void TestHoist::defaultsGiveFourMessagesInOrder()
{
    Banco b;
    ElevModel *f = apriTamburo(b);
    f->btnInseDat_Click();
    QCOMPARE(b.piattaforma.testi(),
             (QStringList{"Inserire DB diverso da 0", "Inserire N diverso da 0",
                          "Inserire WL e WT diversi da 0", "Inserire Vl o wm diversi da 0"}));
    for (const Messaggio &m : b.piattaforma.messaggi)
        QCOMPARE(m.titolo, QStringLiteral("Inserimento dati mancanti"));
    QCOMPARE(b.var().flgDatiOk, flag::False);
    QCOMPARE(f->txtInDat(ElevModel::N), QStringLiteral("0")); // the ratio box is written back
    QCOMPARE(f->btnInseDat().testo, QStringLiteral("Immissione dati"));
}

void TestHoist::speedDerivation_data()
{
    // clang-format off
    QTest::addColumn<QString>("vl");
    QTest::addColumn<QString>("wm");
    QTest::addColumn<QString>("lb");
    QTest::addColumn<QString>("t0");
    QTest::addColumn<QString>("box21");
    QTest::addColumn<QString>("box12");
    QTest::addColumn<double>("Wm");
    QTest::newRow("Vl gives Wm") << "0,5" << "0" << "0" << "0" << "0,5" << "955" << 955.41401273885;
    QTest::newRow("Vl wins over Wm") << "0,5" << "3000" << "0" << "0" << "0,5" << "955"
                                     << 955.41401273885;
    QTest::newRow("Wm gives Vl") << "0" << "1450" << "0" << "0" << "0,759" << "1450" << 1450.0;
    QTest::newRow("travel data") << "0" << "0" << "10" << "20" << "1," << "1911"
                                 << 1910.8280254777;
    QTest::newRow("negative remaining time") << "0" << "0" << "10" << "8" << "-5," << "-9554"
                                             << -9554.1401273885;
    // clang-format on
}

void TestHoist::speedDerivation()
{
    QFETCH(QString, vl);
    QFETCH(QString, wm);
    QFETCH(QString, lb);
    QFETCH(QString, t0);
    QFETCH(QString, box21);
    QFETCH(QString, box12);
    QFETCH(double, Wm);
    Banco b;
    ElevModel *f = apriTamburo(b);
    esempio(f);
    f->setTxtInDat(ElevModel::Tac, QStringLiteral("5"));
    f->setTxtInDat(ElevModel::Vl, vl);
    f->setTxtInDat(ElevModel::Wm, wm);
    f->setTxtInDat(ElevModel::LB, lb);
    f->setTxtInDat(ElevModel::t0, t0);
    f->btnInseDat_Click();
    QCOMPARE(b.piattaforma.testi(), QStringList());
    QCOMPARE(f->txtInDat(ElevModel::Vl), box21);
    QCOMPARE(f->txtInDat(ElevModel::Wm), box12);
    QVERIFY(qAbs(b.var().Wm - Wm) < 1e-9);
    QCOMPARE(b.var().flgDatiOk, flag::True);
    QCOMPARE(f->btnInseDat(), (Aspetto{QStringLiteral("Dati validi"), colori::verdeChiaro}));
    QCOMPARE(f->btnCalcola().sfondo, colori::verdeChiaro);
    QCOMPARE(f->Label15(), (Aspetto{QStringLiteral(" "), colori::argento}));
    QCOMPARE(f->txtInDat(ElevModel::Wtot), QStringLiteral("600"));
}

void TestHoist::zeroDivisorsInTheSpeed()
{
    // drum 0 with a speed given: the drum message, no motor speed derived
    {
        Banco b;
        ElevModel *f = apriTamburo(b);
        esempio(f);
        f->setTxtInDat(ElevModel::DS, QStringLiteral("0"));
        f->btnInseDat_Click();
        QCOMPARE(b.piattaforma.testi(), QStringList{"Inserire DB diverso da 0"});
        QCOMPARE(f->txtInDat(ElevModel::Wm), QStringLiteral("0"));
        QCOMPARE(b.var().Wm, 0.0);
        QCOMPARE(b.var().flgDatiOk, flag::False);
    }
    // ratio 0 with a motor speed given: the ratio message, no linear speed derived
    {
        Banco b;
        ElevModel *f = apriTamburo(b);
        esempio(f);
        f->setTxtInDat(ElevModel::Vl, QStringLiteral("0"));
        f->setTxtInDat(ElevModel::Wm, QStringLiteral("1450"));
        f->setTxtInDat(ElevModel::N, QStringLiteral("0"));
        f->btnInseDat_Click();
        QCOMPARE(b.piattaforma.testi(), QStringList{"Inserire N diverso da 0"});
        QCOMPARE(f->txtInDat(ElevModel::Vl), QStringLiteral("0"));
        QCOMPARE(b.var().Vl, 0.0);
    }
    // travel time all ramps: a message of its own, nothing derived
    {
        Banco b;
        ElevModel *f = apriTamburo(b);
        esempio(f);
        f->setTxtInDat(ElevModel::Vl, QStringLiteral("0"));
        f->setTxtInDat(ElevModel::LB, QStringLiteral("10"));
        f->setTxtInDat(ElevModel::t0, QStringLiteral("7"));
        f->setTxtInDat(ElevModel::Tac, QStringLiteral("2"));
        f->btnInseDat_Click();
        QCOMPARE(b.piattaforma.testi(), QStringList{"Inserire t0 diverso da Tac + Tdec"});
        QCOMPARE(f->txtInDat(ElevModel::Vl), QStringLiteral("0"));
        QCOMPARE(f->txtInDat(ElevModel::Wm), QStringLiteral("0"));
        QCOMPARE(b.var().flgDatiOk, flag::False);
    }
    // WT = 0 is refused even with a positive load; negative values are refused too
    {
        Banco b;
        ElevModel *f = apriTamburo(b);
        esempio(f);
        f->setTxtInDat(ElevModel::WT, QStringLiteral("0"));
        f->setTxtInDat(ElevModel::DS, QStringLiteral("-200"));
        f->btnInseDat_Click();
        QCOMPARE(b.piattaforma.testi(),
                 (QStringList{"Inserire DB diverso da 0", "Inserire WL e WT diversi da 0"}));
        QCOMPARE(f->txtInDat(ElevModel::DS), QStringLiteral("-200"));
        QCOMPARE(f->txtInDat(ElevModel::Wtot), QStringLiteral("0"));
    }
}

void TestHoist::notANumber()
{
    Banco b;
    ElevModel *f = apriTamburo(b);
    esempio(f);
    b.var().flgDatiOk = flag::True;
    f->setTxtInDat(ElevModel::WL, QStringLiteral("cinquecento"));
    f->setTxtInDat(ElevModel::nu, QStringLiteral("0.8"));
    f->setTxtInDat(ElevModel::Jm, QString());
    f->btnInseDat_Click();
    QCOMPARE(b.piattaforma.testi(),
             (QStringList{"Il dato \"WL\" (Peso da sollevare) non è un numero: \"cinquecento\"",
                          "Il dato \"nu\" (Rendimento trasmissione) non è un numero: \"0.8\"",
                          "Il dato \"Jm\" (Momento d'inerzia mot.) è vuoto"}));
    QCOMPARE(b.piattaforma.messaggi.front().titolo, QStringLiteral("Inserimento dati mancanti"));
    QCOMPARE(b.var().flgDatiOk, flag::False);
    // nothing derived, nothing rewritten
    QCOMPARE(f->txtInDat(ElevModel::WL), QStringLiteral("cinquecento"));
    QCOMPARE(f->txtInDat(ElevModel::Wm), QStringLiteral("0"));
    QCOMPARE(f->txtInDat(ElevModel::Wtot), QStringLiteral("0"));
    QCOMPARE(f->btnInseDat().testo, QStringLiteral("Immissione dati"));
    f->btnCalcola_Click();
    QCOMPARE(f->Label15().testo, QStringLiteral("Dati mancanti o errati"));
    for (const char *nonNumber : {"inf", "nan", "1e400", "1,2,3"}) {
        b.piattaforma.messaggi.clear();
        f->setTxtInDat(ElevModel::WL, QStringLiteral("500"));
        f->setTxtInDat(ElevModel::nu, QStringLiteral("0,8"));
        f->setTxtInDat(ElevModel::Jm, QStringLiteral("0,01"));
        f->setTxtInDat(ElevModel::DS, QString::fromLatin1(nonNumber));
        f->btnInseDat_Click();
        QCOMPARE(b.piattaforma.messaggi.size(), size_t(1));
        QCOMPARE(b.var().flgDatiOk, flag::False);
    }
}

void TestHoist::workedExample()
{
    Banco b;
    ElevModel *f = apriTamburo(b);
    esempio(f);
    f->btnInseDat_Click();
    QCOMPARE(b.var().flgDatiOk, flag::True);
    f->btnCalcola_Click();
    const Variabili &v = b.var();
    QVERIFY(qAbs(v.Jcar - 0.01525) < 1e-15);
    QVERIFY(qAbs(v.Jtot - 0.03525) < 1e-15);
    QVERIFY(qAbs(v.Cmt - 3.763995) < 1e-6);
    QVERIFY(qAbs(v.Pm - 3.688383) < 1e-6);
    QCOMPARE(v.CmtRis, v.Cmt);
    QCOMPARE(f->txtInDat(ElevModel::Jtot), QStringLiteral("0,03525"));
    QCOMPARE(f->txtInDat(ElevModel::Ccj), QStringLiteral("0,014"));
    QCOMPARE(f->txtInDat(ElevModel::Cca), QStringLiteral("3,750"));
    QCOMPARE(f->txtInDat(ElevModel::Cmt), QStringLiteral("3,764"));
    QCOMPARE(f->txtInDat(ElevModel::Pm), QStringLiteral("3,6884"));
    QCOMPARE(f->txtInDat(ElevModel::Wtot), QStringLiteral("600"));
    // the result window opened with the three lines
    auto *r = b.programma.form<RisultModel>(FormId::frmRisult);
    QVERIFY(r);
    QCOMPARE(r->Label8()[0], QStringLiteral("Pot. resa = 3,6884 kW"));
    QCOMPARE(r->Label8()[2], QStringLiteral("Coppia Mx = 3,764kgm"));
    QCOMPARE(r->Label8()[1], QStringLiteral("Vmax = 955 rpm"));
    QCOMPARE(b.host.mostrate.back(), FormId::frmRisult);
    // Calcola leaves the marking alone and gives the same results again
    f->btnCalcola_Click();
    QCOMPARE(f->txtInDat(ElevModel::Cmt), QStringLiteral("3,764"));
    QCOMPARE(f->btnInseDat().testo, QStringLiteral("Dati validi"));
}

void TestHoist::counterweight()
{
    for (const auto &[wc, cca, cmt] :
         {std::tuple{"100", 3.125, 3.138995}, std::tuple{"0", 3.75, 3.763995},
          std::tuple{"-50", 3.75, 3.763995}}) {
        Banco b;
        ElevModel *f = apriTamburo(b);
        esempio(f);
        f->setTxtInDat(ElevModel::WC, QString::fromLatin1(wc));
        f->btnInseDat_Click();
        f->btnCalcola_Click();
        QCOMPARE(f->txtInDat(ElevModel::Jtot), QStringLiteral("0,03525"));
        QCOMPARE(f->txtInDat(ElevModel::Ccj), QStringLiteral("0,014"));
        QVERIFY(qAbs(b.var().Cmt - cmt) < 1e-6);
        QCOMPARE(f->txtInDat(ElevModel::Cca), b.numeri.picture(cca, QStringLiteral("##0.000#")));
        // "Peso totale" shows the weight without the counterweight
        QCOMPARE(f->txtInDat(ElevModel::Wtot), QStringLiteral("600"));
    }
    Banco b;
    ElevModel *f = apriTamburo(b);
    esempio(f);
    f->setTxtInDat(ElevModel::WC, QStringLiteral("100"));
    f->btnInseDat_Click();
    f->btnCalcola_Click();
    QVERIFY(qAbs(b.var().Pm - 3.075938) < 1e-6);
    QCOMPARE(b.var().Wtot, 500.0);
}

void TestHoist::calcolaWithoutValidData()
{
    Banco b;
    ElevModel *f = apriTamburo(b);
    const QStringList before = caselle(f);
    f->btnCalcola_Click();
    QCOMPARE(f->Label15(), (Aspetto{QStringLiteral("Dati mancanti o errati"), colori::rosso}));
    QCOMPARE(caselle(f), before);
    QVERIFY(!b.programma.isLoaded(FormId::frmRisult));
}

void TestHoist::calcolaWithZeroDivisor_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("label");
    QTest::newRow("N") << 0 << "Impossibile calcolare: N = 0";
    QTest::newRow("Tac") << 1 << "Impossibile calcolare: Tac = 0";
    QTest::newRow("nu") << 2 << "Impossibile calcolare: nu = 0";
    QTest::newRow("overflow") << 3 << "Impossibile calcolare: risultato non finito";
}

void TestHoist::calcolaWithZeroDivisor()
{
    QFETCH(int, which);
    QFETCH(QString, label);
    Banco b;
    ElevModel *f = apriTamburo(b);
    esempio(f);
    f->btnInseDat_Click();
    // the flag may have been set by another window, with these values in the shared state
    switch (which) {
    case 0: b.var().N = 0; break;
    case 1: b.var().Tac = 0; break;
    case 2: b.var().nu = 0; break;
    case 3: b.var().Wm = 1e308; break;
    }
    const QStringList before = caselle(f);
    const double pm = b.var().Pm;
    f->btnCalcola_Click();
    QCOMPARE(f->Label15(), (Aspetto{label, colori::rosso}));
    QCOMPARE(caselle(f), before);
    QCOMPARE(b.var().Pm, pm);
    QVERIFY(!b.programma.isLoaded(FormId::frmRisult));
}

void TestHoist::modificaDati()
{
    Banco b;
    ElevModel *f = apriTamburo(b);
    esempio(f);
    f->setTxtInDat(ElevModel::Vl, QStringLiteral("0"));
    f->setTxtInDat(ElevModel::Tac, QStringLiteral("5"));
    f->setTxtInDat(ElevModel::LB, QStringLiteral("10"));
    f->setTxtInDat(ElevModel::t0, QStringLiteral("20"));
    f->btnInseDat_Click();
    QCOMPARE(f->txtInDat(ElevModel::Vl), QStringLiteral("1,"));
    f->btnModDat_Click();
    QCOMPARE(b.var().flgDatiOk, flag::False);
    QCOMPARE(f->Label15(), (Aspetto{QStringLiteral("Immettere i dati"), colori::rosso}));
    QCOMPARE(f->btnInseDat(), (Aspetto{QStringLiteral("Insrire i dati"), colori::rosa}));
    QCOMPARE(f->btnCalcola().sfondo, colori::rosso);
    QCOMPARE(f->txtInDat(ElevModel::Wm), QStringLiteral("0"));
    QCOMPARE(f->txtInDat(ElevModel::Vl), QStringLiteral("0"));
    QCOMPARE(b.var().Vl, 0.0);
    QCOMPARE(b.var().Wm, 0.0);
    // without travel data the speed boxes stay
    Banco c;
    ElevModel *g = apriTamburo(c);
    esempio(g);
    g->btnInseDat_Click();
    g->btnModDat_Click();
    QCOMPARE(g->txtInDat(ElevModel::Wm), QStringLiteral("955"));
    QCOMPARE(g->txtInDat(ElevModel::Vl), QStringLiteral("0,5"));
}

void TestHoist::invalidEntryKeepsGreenButtons()
{
    Banco b;
    ElevModel *f = apriTamburo(b);
    esempio(f);
    f->btnInseDat_Click();
    f->setTxtInDat(ElevModel::WL, QStringLiteral("0"));
    f->btnInseDat_Click();
    QCOMPARE(b.var().flgDatiOk, flag::False);
    QCOMPARE(f->btnInseDat().testo, QStringLiteral("Dati validi"));
    f->btnCalcola_Click();
    QCOMPARE(f->Label15().testo, QStringLiteral("Dati mancanti o errati"));
}

void TestHoist::resultWindow()
{
    Banco b;
    // the window shows what the calculator left: power, torque handed over, speed
    b.var().Pm = 1;
    b.var().Cmt = 0.5;
    b.var().Wm = 5;
    b.programma.openForm(FormId::frmRisult);
    auto *r = b.programma.form<RisultModel>(FormId::frmRisult);
    QCOMPARE(r->Label8()[0], QStringLiteral("Pot. resa = 1, kW"));
    QCOMPARE(r->Label8()[2], QStringLiteral("Coppia Mx = 0,500kgm"));
    QCOMPARE(r->Label8()[1], QStringLiteral("Vmax = 05 rpm"));
    // a second opening rebuilds the texts in the same window
    b.var().Wm = 1450;
    b.programma.openForm(FormId::frmRisult);
    QCOMPARE(b.programma.form<RisultModel>(FormId::frmRisult), r);
    QCOMPARE(r->Label8()[1], QStringLiteral("Vmax = 1450 rpm"));
    r->btnEsci_Click();
    QVERIFY(!b.programma.isLoaded(FormId::frmRisult));
}

// A file opened after a valid entry fills the boxes only: "Calcola" computes from the data
// entered before it.
void TestHoist::fileAfterTheEntryKeepsItsData()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("zeri.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Dati registrati il:\r\n0\r\n0\r\n0\r\n");
    file.close();
    Banco b;
    ElevModel *f = apriTamburo(b);
    esempio(f);
    f->btnInseDat_Click();
    b.piattaforma.risposte = {file.fileName()};
    QVERIFY(f->mnuFileApri_Click());
    QCOMPARE(f->txtInDat(ElevModel::DS), QStringLiteral("0"));
    QCOMPARE(f->btnInseDat().testo, QStringLiteral("Dati validi"));
    f->btnCalcola_Click();
    QCOMPARE(f->txtInDat(ElevModel::Pm), QStringLiteral("3,6884"));
}

QTEST_APPLESS_MAIN(TestHoist)
#include "tst_hoist.moc"
