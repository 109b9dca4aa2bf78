// The belt conveyor window through its model: start state, the checks of the data entry and
// their messages, the speed alternatives, the inertia defaults, the sizing with its display
// patterns and the result window, "Modifica Dati", and the data file with "Nuovo file".

#include "fakes.h"

#include "calcolo/velocita.h"
#include "conveyor/convcalc.h"
#include "conveyor/convmodel.h"
#include "shell/risultmodel.h"
#include "shell/variabili.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString titolo = QStringLiteral("Inserimento dati mancanti");

// The program with fakes and a conveyor window loaded the way the registry loads one.
// Box texts by the conveyor's own names of its boxes.
using Immissione = QList<QPair<int, QString>>;

struct Tappeto : Banco {
    Ambiente env{programma.var(), numeri, piattaforma, piattaforma, piattaforma, programma};
    ConvModel f{env};
    Tappeto() { f.Form_Load(); }
};

// The worked example: WL 100, WT 20, DR 0,2, R 10, vl 1, the start values for the rest.
void esempio(ConvModel &f)
{
    f.setTxtInDat(ConvModel::WL, QStringLiteral("100"));
    f.setTxtInDat(ConvModel::WT, QStringLiteral("20"));
    f.setTxtInDat(ConvModel::vl, QStringLiteral("1"));
    f.setTxtInDat(ConvModel::R, QStringLiteral("10"));
    f.setTxtInDat(ConvModel::DR, QStringLiteral("0,2"));
}

QStringList caselle(const ConvModel &f)
{
    QStringList out;
    for (int k = 0; k < ConvModel::Caselle; ++k)
        out << f.txtIndat(k);
    return out;
}

bool vicino(double a, double b, double tol)
{
    return qAbs(a - b) <= tol;
}

} // namespace

class TestConveyor : public QObject {
    Q_OBJECT
private slots:
    void formLoad();
    void rowsLegendAndColours();
    void calcolaRightAfterOpening();
    void startValuesGiveTheMessagesInOrder();
    void ratioRollerAndSpeedMessages();
    void massMessageKeepsTheStartState();
    void valuesWrittenBack();
    void speedDerivation_data();
    void speedDerivation();
    void zeroDivisorsInTheSpeed_data();
    void zeroDivisorsInTheSpeed();
    void notANumber();
    void inertiaDefaults();
    void workedExample();
    void scaling();
    void calcolaWithZeroDivisor_data();
    void calcolaWithZeroDivisor();
    void modificaDati();
    void invalidEntryKeepsGreenButtons();
};

void TestConveyor::formLoad()
{
    Tappeto t;
    t.var().flgDatiOk = flag::True;
    t.f.Form_Load();
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QStringList expected(19, QStringLiteral("0"));
    expected[10] = QStringLiteral("0,6");
    expected[11] = expected[12] = QStringLiteral("5");
    expected[13] = QStringLiteral("0,02");
    expected[14] = QStringLiteral("0,01");
    QCOMPARE(caselle(t.f), expected);
    QCOMPARE(t.f.caption(), QStringLiteral("Scelta Motore per convogliatore a tappeto"));
    QCOMPARE(t.f.id(), FormId::convayorForm);
    QCOMPARE(t.f.Label5(), (Aspetto{QString(), colori::argento, colori::argento}));
    QCOMPARE(&t.f.statusLabel(), &t.f.Label5());
    QCOMPARE(t.f.Label9(), QString());
    QCOMPARE(t.f.btnInseDat(), (Aspetto{QStringLiteral("Immissione dati"), colori::rosa}));
    QCOMPARE(t.f.btnCalcola(), (Aspetto{QStringLiteral("Calcola"), colori::rosso}));
    QCOMPARE(t.f.btnModDat(), (Aspetto{QStringLiteral("Modifica Dati"), colori::gialloChiaro}));
    QCOMPARE(t.f.btnEsci(), (Aspetto{QStringLiteral("Esci"), colori::rosso}));
    // both names of the box group reach the same text
    t.f.setTxtIndat(3, QStringLiteral("7"));
    QCOMPARE(t.f.txtInDat(ConvModel::S), QStringLiteral("7"));
    QCOMPARE(&t.f.txtInDat(ConvModel::S), &t.f.txtIndat(3));
}

void TestConveyor::rowsLegendAndColours()
{
    Tappeto t;
    const char *const simboli[] = {"WL",   "WT",   "Wtot", "S",  "T0",   "Tf",   "vl",
                                   "R",    "DR",   "wm",   "nu", "tacc", "tdec", "Jtr",
                                   "Jmot", "Jtot", "Pm",   "Wm", "Ptr"};
    const char *const unita[] = {"kg",    "kg",    "kg",  "m",   "sec.", "sec.", "msec.",
                                 "",      "m.",    "rpm", "",    "sec.", "sec.", "kgm^2",
                                 "kgm^2", "kgm^2", "kW",  "rpm", "kW"};
    for (int k = 0; k < ConvModel::Caselle; ++k) {
        QCOMPARE(t.f.riga(k).simbolo, QString::fromLatin1(simboli[k]));
        QCOMPARE(t.f.riga(k).unita, QString::fromLatin1(unita[k]));
        const QString &label = t.f.riga(k).didascalia;
        QVERIFY2(label.endsWith(QStringLiteral("\" =")), qPrintable(label));
    }
    QCOMPARE(t.f.riga(ConvModel::Jmot).nome, QStringLiteral("Inerziamotore"));
    QCOMPARE(t.f.riga(ConvModel::vl).nome, QStringLiteral("Velocità lineare"));
    QVERIFY(
        t.f.riga(ConvModel::R).didascalia.startsWith(QStringLiteral("Rapporto riduzione \"R\"")));
    // the symbols line up behind padded row texts
    QCOMPARE(t.f.riga(ConvModel::WL).didascalia.indexOf(QLatin1Char('"')),
             t.f.riga(ConvModel::Ptr).didascalia.indexOf(QLatin1Char('"')));

    const Colore rosa = Colore::rgb(255, 128, 128);
    const Colore alternativa = Colore::rgb(191, 205, 219);
    const Colore colore[] = {rosa,
                             rosa,
                             colori::bianco,
                             alternativa,
                             alternativa,
                             colori::bianco,
                             alternativa,
                             colori::rosso,
                             colori::rosso,
                             alternativa,
                             colori::pesca,
                             colori::pesca,
                             colori::pesca,
                             colori::pesca,
                             colori::pesca,
                             colori::cianoChiaro,
                             colori::cianoChiaro,
                             Colore::rgb(0, 255, 255),
                             colori::cianoChiaro};
    for (int k = 0; k < ConvModel::Caselle; ++k)
        QVERIFY2(t.f.riga(k).colore == colore[k], qPrintable(QString::number(k)));

    const auto &legenda = t.f.tavola().legenda;
    QCOMPARE(legenda[0].nome, QStringLiteral("Label3"));
    QCOMPARE(legenda[0].testo, QStringLiteral("Parametri obbligatori"));
    QCOMPARE(legenda[0].colore, rosa);
    QCOMPARE(legenda[1].nome, QStringLiteral("Label4"));
    QCOMPARE(legenda[1].testo, QStringLiteral("Parametri tra di loro in alternativa"));
    QCOMPARE(legenda[1].colore, alternativa);
    QCOMPARE(legenda[2].nome, QStringLiteral("Label7"));
    QCOMPARE(legenda[2].testo, QStringLiteral("Valore di default iniziale. Possibile variazione"));
    QCOMPARE(legenda[2].colore, colori::pesca);
    QCOMPARE(legenda[3].nome, QStringLiteral("Label6"));
    QCOMPARE(legenda[3].testo, QStringLiteral("Parametri calcolati"));
    QCOMPARE(legenda[3].colore, colori::cianoChiaro);
}

void TestConveyor::calcolaRightAfterOpening()
{
    Tappeto t;
    const QStringList before = caselle(t.f);
    t.f.btnCalcola_Click();
    QCOMPARE(t.f.Label5(), (Aspetto{QStringLiteral("Dati mancanti o errati"), colori::rosso}));
    QCOMPARE(caselle(t.f), before);
    QVERIFY(!t.programma.isLoaded(FormId::frmRisult));
    QVERIFY(t.host.mostrate.empty());
}

void TestConveyor::startValuesGiveTheMessagesInOrder()
{
    Tappeto t;
    t.f.btnInseDat_Click();
    QCOMPARE(t.piattaforma.testi(),
             (QStringList{"Inserire WL e WT diversi da 0", "Inserire R diverso da 0",
                          "Inserire DR diverso da 0", "Inserire Vl o wm diversi da 0"}));
    for (const Messaggio &m : t.piattaforma.messaggi)
        QCOMPARE(m.titolo, titolo);
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QCOMPARE(t.f.btnInseDat().testo, QStringLiteral("Immissione dati"));
}

void TestConveyor::ratioRollerAndSpeedMessages()
{
    Tappeto t;
    t.f.setTxtInDat(ConvModel::WL, QStringLiteral("100"));
    t.f.setTxtInDat(ConvModel::WT, QStringLiteral("20"));
    t.f.btnInseDat_Click();
    QCOMPARE(t.piattaforma.testi(),
             (QStringList{"Inserire R diverso da 0", "Inserire DR diverso da 0",
                          "Inserire Vl o wm diversi da 0"}));
    QCOMPARE(t.f.txtIndat(2), QStringLiteral("120"));
    QCOMPARE(t.var().flgDatiOk, flag::False);
}

void TestConveyor::massMessageKeepsTheStartState()
{
    for (const char *wl : {"0", "-5"}) {
        Tappeto t;
        esempio(t.f);
        t.f.setTxtInDat(ConvModel::WL, QString::fromLatin1(wl));
        t.f.setTxtInDat(ConvModel::Wtot, QStringLiteral("77"));
        t.f.btnInseDat_Click();
        QCOMPARE(t.piattaforma.testi(), QStringList{"Inserire WL e WT diversi da 0"});
        QCOMPARE(t.var().flgDatiOk, flag::False);
        QCOMPARE(t.f.txtIndat(2), QStringLiteral("77")); // box 2 keeps what it showed
        QCOMPARE(t.f.txtIndat(17), QStringLiteral("0"));
        QCOMPARE(t.f.btnInseDat(), (Aspetto{QStringLiteral("Immissione dati"), colori::rosa}));
        QCOMPARE(t.f.btnCalcola(), (Aspetto{QStringLiteral("Calcola"), colori::rosso}));
        QCOMPARE(t.f.Label5().testo, QString());
    }
}

void TestConveyor::valuesWrittenBack()
{
    Tappeto t;
    esempio(t.f);
    t.f.setTxtInDat(ConvModel::S, QStringLiteral("10,50"));
    t.f.setTxtInDat(ConvModel::T0, QStringLiteral(" 30 "));
    t.f.setTxtInDat(ConvModel::Tf, QStringLiteral("60,0"));
    t.f.setTxtInDat(ConvModel::R, QStringLiteral("10,0"));
    t.f.setTxtInDat(ConvModel::DR, QStringLiteral("0,20"));
    t.f.btnInseDat_Click();
    QCOMPARE(t.piattaforma.testi(), QStringList());
    QCOMPARE(t.f.txtIndat(2), QStringLiteral("120"));
    QCOMPARE(t.f.txtIndat(3), QStringLiteral("10,5"));
    QCOMPARE(t.f.txtIndat(4), QStringLiteral("30"));
    QCOMPARE(t.f.txtIndat(5), QStringLiteral("60"));
    QCOMPARE(t.f.txtIndat(7), QStringLiteral("10"));
    QCOMPARE(t.f.txtIndat(8), QStringLiteral("0,2"));
    QCOMPARE(t.var().Wtot, 120.0);
    QCOMPARE(t.var().Tf, 60.0);
    QCOMPARE(t.var().Circ, 0.2 * 3.141592654);
}

void TestConveyor::speedDerivation_data()
{
    // clang-format off
    QTest::addColumn<QString>("vl");
    QTest::addColumn<QString>("wm");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("t0");
    QTest::addColumn<QString>("box6");
    QTest::addColumn<QString>("box9");
    QTest::addColumn<double>("Vl");
    QTest::addColumn<double>("Wm");
    QTest::newRow("vl gives wm") << "1" << "0" << "0" << "0" << "1" << "955" << 1.0
                                 << 954.929658;
    QTest::newRow("vl wins over wm") << "1" << "3000" << "0" << "0" << "1" << "955" << 1.0
                                     << 954.929658;
    QTest::newRow("wm gives vl") << "0" << "1500" << "0" << "0" << "1,571" << "1500"
                                 << 1.5707963 << 1500.0;
    QTest::newRow("S with T0") << "0" << "0" << "10" << "20" << "1," << "955" << 1.0
                               << 954.929658;
    QTest::newRow("negative remaining time") << "0" << "0" << "10" << "8" << "-5," << "-4775"
                                             << -5.0 << -4774.64829;
    // clang-format on
}

void TestConveyor::speedDerivation()
{
    QFETCH(QString, vl);
    QFETCH(QString, wm);
    QFETCH(QString, s);
    QFETCH(QString, t0);
    QFETCH(QString, box6);
    QFETCH(QString, box9);
    QFETCH(double, Vl);
    QFETCH(double, Wm);
    Tappeto t;
    esempio(t.f);
    t.f.setTxtInDat(ConvModel::vl, vl);
    t.f.setTxtInDat(ConvModel::wm, wm);
    t.f.setTxtInDat(ConvModel::S, s);
    t.f.setTxtInDat(ConvModel::T0, t0);
    t.f.btnInseDat_Click();
    QCOMPARE(t.piattaforma.testi(), QStringList());
    QCOMPARE(t.f.txtIndat(6), box6);
    QCOMPARE(t.f.txtIndat(9), box9);
    QCOMPARE(t.f.txtIndat(17), box9);
    QVERIFY2(vicino(t.var().Vl, Vl, 1e-6), qPrintable(QString::number(t.var().Vl, 'g', 17)));
    QVERIFY2(vicino(t.var().Wm, Wm, 1e-5), qPrintable(QString::number(t.var().Wm, 'g', 17)));
    QCOMPARE(t.var().Circ, 0.6283185308);
    QCOMPARE(t.var().flgDatiOk, flag::True);
    QCOMPARE(t.f.btnInseDat(), (Aspetto{QStringLiteral("Dati validi"), colori::verdeChiaro}));
    QCOMPARE(t.f.btnCalcola().sfondo, colori::verdeChiaro);
    QCOMPARE(t.f.Label5().testo, QStringLiteral(" "));
    QCOMPARE(t.f.Label5().sfondo, colori::argento);
}

void TestConveyor::zeroDivisorsInTheSpeed_data()
{
    using C = ConvModel;
    QTest::addColumn<Immissione>("caselle"); // typed over the example
    QTest::addColumn<QString>("messaggio");  // the one message
    QTest::addColumn<Immissione>("dopo");    // boxes as the entry leaves them
    // clang-format off
    QTest::newRow("roller 0 with vl: no motor speed")
        << Immissione{{C::DR, "0"}} << "Inserire DR diverso da 0" << Immissione{{C::wm, "0"}, {C::Wm, "0"}};
    QTest::newRow("ratio 0 with wm: no linear speed")
        << Immissione{{C::vl, "0"}, {C::wm, "1500"}, {C::R, "0"}} << "Inserire R diverso da 0"
        << Immissione{{C::vl, "0"}};
    QTest::newRow("T0 equal to Tac + Tdec")
        << Immissione{{C::vl, "0"}, {C::S, "10"}, {C::T0, "10"}} << "Inserire t0 diverso da Tac + Tdec"
        << Immissione{{C::vl, "0"}, {C::wm, "0"}};
    QTest::newRow("roller 0 with S and T0: the speed from the travel, no motor speed")
        << Immissione{{C::vl, "0"}, {C::DR, "0"}, {C::S, "10"}, {C::T0, "20"}} << "Inserire DR diverso da 0"
        << Immissione{{C::vl, "1,"}, {C::wm, "0"}};
    QTest::newRow("S and T0 with a ramp of 0: no third way")
        << Immissione{{C::vl, "0"}, {C::S, "10"}, {C::T0, "20"}, {C::tacc, "0"}} << "Inserire Vl o wm diversi da 0"
        << Immissione{};
    // clang-format on
}

// A zero divisor in the speed derivation: its message, nothing derived, data not valid.
void TestConveyor::zeroDivisorsInTheSpeed()
{
    QFETCH(Immissione, caselle);
    QFETCH(QString, messaggio);
    QFETCH(Immissione, dopo);
    Tappeto t;
    esempio(t.f);
    for (const auto &[box, testo] : caselle)
        t.f.setTxtInDat(box, testo);
    t.f.btnInseDat_Click();
    QCOMPARE(t.piattaforma.testi(), QStringList{messaggio});
    for (const auto &[box, testo] : dopo)
        QCOMPARE(t.f.txtIndat(box), testo);
    QCOMPARE(t.var().flgDatiOk, flag::False);
    // the helpers refuse what cannot be a speed
    QVERIFY(!tappeto::wmDaVl(1, 0, 10));
    QVERIFY(!tappeto::wmDaVl(1e308, 1e-10, 10));
    QVERIFY(!tappeto::vlDaWm(1500, 0.6, 0));
    QVERIFY(!velocita::vlDaCorsa(10, 10, 5, 5));
}

void TestConveyor::notANumber()
{
    Tappeto t;
    esempio(t.f);
    t.var().flgDatiOk = flag::True;
    t.f.setTxtInDat(ConvModel::WL, QStringLiteral("cento"));
    t.f.setTxtInDat(ConvModel::Tf, QString());
    t.f.setTxtInDat(ConvModel::nu, QStringLiteral("0.6"));
    t.f.setTxtInDat(ConvModel::Jtr, QStringLiteral("x"));
    t.f.setTxtInDat(ConvModel::Jmot, QString()); // an empty inertia is not an error
    t.f.btnInseDat_Click();
    QCOMPARE(t.piattaforma.testi(),
             (QStringList{"Il dato \"WL\" (Massa carico) non è un numero: \"cento\"",
                          "Il dato \"Tf\" (Tempo di ciclo) è vuoto",
                          "Il dato \"nu\" (Rendimento trasm.) non è un numero: \"0.6\"",
                          "Il dato \"Jtr\" (Inerzia trasmis.) non è un numero: \"x\""}));
    QCOMPARE(t.piattaforma.messaggi.front().titolo, titolo);
    QCOMPARE(t.var().flgDatiOk, flag::False);
    // nothing derived, nothing rewritten
    QCOMPARE(t.f.txtIndat(0), QStringLiteral("cento"));
    QCOMPARE(t.f.txtIndat(2), QStringLiteral("0"));
    QCOMPARE(t.f.txtIndat(9), QStringLiteral("0"));
    QCOMPARE(t.f.txtIndat(14), QString());
    QCOMPARE(t.f.btnInseDat().testo, QStringLiteral("Immissione dati"));
    t.f.btnCalcola_Click();
    QCOMPARE(t.f.Label5().testo, QStringLiteral("Dati mancanti o errati"));
}

void TestConveyor::inertiaDefaults()
{
    // cleared boxes take their defaults, after a valid entry or not
    for (bool valida : {true, false}) {
        Tappeto t;
        if (valida)
            esempio(t.f);
        t.var().Jt = t.var().Jm = 7;
        t.f.setTxtInDat(ConvModel::Jtr, QString());
        t.f.setTxtInDat(ConvModel::Jmot, QStringLiteral("  "));
        t.f.btnInseDat_Click();
        QCOMPARE(t.var().flgDatiOk, valida ? flag::True : flag::False);
        QCOMPARE(t.f.txtIndat(13), QStringLiteral("0,02"));
        QCOMPARE(t.f.txtIndat(14), QStringLiteral("0,01"));
        QCOMPARE(t.var().Jt, 0.02);
        QCOMPARE(t.var().Jm, 0.01);
    }
    Tappeto t;
    t.f.setTxtInDat(ConvModel::Jtr, QStringLiteral("0,5"));
    t.f.setTxtInDat(ConvModel::Jmot, QStringLiteral("0,25"));
    t.f.btnInseDat_Click();
    QCOMPARE(t.var().Jt, 0.5);
    QCOMPARE(t.var().Jm, 0.25);
    QCOMPARE(t.f.txtIndat(13), QStringLiteral("0,5"));
}

void TestConveyor::workedExample()
{
    Tappeto t;
    esempio(t.f);
    t.f.btnInseDat_Click();
    QCOMPARE(t.piattaforma.testi(), QStringList());
    QCOMPARE(t.var().flgDatiOk, flag::True);
    QCOMPARE(t.f.txtIndat(2), QStringLiteral("120"));
    QCOMPARE(t.f.txtIndat(9), QStringLiteral("955"));
    QCOMPARE(t.f.txtIndat(17), QStringLiteral("955"));
    // box 17 is the data entry's: Calcola does not write it
    t.f.setTxtInDat(ConvModel::Wm, QStringLiteral("non toccare"));
    t.f.btnCalcola_Click();

    const Variabili &v = t.var();
    QVERIFY(vicino(v.Wm, 954.92966, 1e-5));
    QVERIFY(vicino(v.Jcar, 1.2, 1e-15));
    QVERIFY(vicino(v.Jtot, 0.042, 1e-15));
    QVERIFY(vicino(v.Cacc, 0.0076104, 5e-8));
    QVERIFY(vicino(v.Pca, 0.0074538, 5e-8));
    QVERIFY(vicino(v.Pm, 0.012423, 5e-7));
    QVERIFY(vicino(v.Ptr, 0.0049692, 5e-8));
    QVERIFY(vicino(v.Cmt, 0.012684, 5e-7));
    QCOMPARE(v.CmtRis, v.Cmt);
    // the torque handed on includes the transmission losses
    QVERIFY(vicino(v.Cmt, v.Cacc / v.nu, 1e-15));
    QCOMPARE(t.f.txtIndat(15), QStringLiteral("0,042"));
    QCOMPARE(t.f.txtIndat(16), QStringLiteral("0,0124"));
    QCOMPARE(t.f.txtIndat(18), QStringLiteral("0,005"));
    QCOMPARE(t.f.txtIndat(17), QStringLiteral("non toccare"));
    QCOMPARE(t.f.Label5().testo, QStringLiteral(" "));

    auto *r = t.programma.form<RisultModel>(FormId::frmRisult);
    QVERIFY(r);
    QCOMPARE(r->Label8()[0], QStringLiteral("Pot. resa = 0,0124 kW"));
    QCOMPARE(r->Label8()[2], QStringLiteral("Coppia Mx = 0,013kgm"));
    QCOMPARE(r->Label8()[1], QStringLiteral("Vmax = 955 rpm"));
    QCOMPARE(t.host.mostrate.back(), FormId::frmRisult);

    // it computes from the shared state, not from the boxes, and may be pressed again
    t.f.setTxtInDat(ConvModel::WL, QStringLiteral("5000"));
    t.f.btnCalcola_Click();
    QCOMPARE(t.f.txtIndat(16), QStringLiteral("0,0124"));
    QCOMPARE(t.f.btnInseDat().testo, QStringLiteral("Dati validi"));
    QCOMPARE(t.var().flgDatiOk, flag::True);
}

void TestConveyor::scaling()
{
    Tappeto a;
    esempio(a.f);
    a.f.btnInseDat_Click();
    a.f.btnCalcola_Click();
    // twice the acceleration time halves every torque and power, Jtot stays
    Tappeto b;
    esempio(b.f);
    b.f.setTxtInDat(ConvModel::tacc, QStringLiteral("10"));
    b.f.btnInseDat_Click();
    b.f.btnCalcola_Click();
    QCOMPARE(b.var().Jtot, a.var().Jtot);
    QVERIFY(vicino(b.var().Cacc, a.var().Cacc / 2, 1e-15));
    QVERIFY(vicino(b.var().Pca, a.var().Pca / 2, 1e-15));
    QVERIFY(vicino(b.var().Pm, a.var().Pm / 2, 1e-15));
    QVERIFY(vicino(b.var().Ptr, a.var().Ptr / 2, 1e-15));
    QVERIFY(vicino(b.var().Cmt, a.var().Cmt / 2, 1e-15));
    // no losses with nu = 1
    Tappeto c;
    esempio(c.f);
    c.f.setTxtInDat(ConvModel::nu, QStringLiteral("1"));
    c.f.btnInseDat_Click();
    c.f.btnCalcola_Click();
    QCOMPARE(c.var().Ptr, 0.0);
    QCOMPARE(c.var().Pm, c.var().Pca);
    QCOMPARE(c.f.txtIndat(18), QStringLiteral("0,"));
}

void TestConveyor::calcolaWithZeroDivisor_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("label");
    QTest::newRow("tacc typed 0") << 0 << "Impossibile calcolare: Tac = 0";
    QTest::newRow("nu typed 0") << 1 << "Impossibile calcolare: nu = 0";
    QTest::newRow("N") << 2 << "Impossibile calcolare: N = 0";
    QTest::newRow("Wm") << 3 << "Impossibile calcolare: Wm = 0";
    QTest::newRow("overflow") << 4 << "Impossibile calcolare: risultato non finito";
}

void TestConveyor::calcolaWithZeroDivisor()
{
    QFETCH(int, which);
    QFETCH(QString, label);
    Tappeto t;
    esempio(t.f);
    // with the speed typed in, the data entry checks neither tacc nor nu
    if (which == 0)
        t.f.setTxtInDat(ConvModel::tacc, QStringLiteral("0"));
    if (which == 1)
        t.f.setTxtInDat(ConvModel::nu, QStringLiteral("0"));
    t.f.btnInseDat_Click();
    QCOMPARE(t.var().flgDatiOk, flag::True);
    // the flag may have been set by another window, with these values in the shared state
    if (which == 2)
        t.var().N = 0;
    if (which == 3)
        t.var().Wm = 0;
    if (which == 4)
        t.var().Wm = 1e300;
    const QStringList before = caselle(t.f);
    t.f.btnCalcola_Click();
    QCOMPARE(t.f.Label5(), (Aspetto{label, colori::rosso}));
    QCOMPARE(caselle(t.f), before);
    QCOMPARE(t.var().Pm, 0.0);
    QCOMPARE(t.var().CmtRis, 0.0);
    QVERIFY(!t.programma.isLoaded(FormId::frmRisult));
}

void TestConveyor::modificaDati()
{
    // valid data: reset, then entered again and marked valid again
    {
        Tappeto t;
        esempio(t.f);
        t.f.btnInseDat_Click();
        t.var().flgDatiOk = flag::False;
        t.f.btnCalcola_Click(); // the status label turns red
        t.f.btnModDat_Click();
        QCOMPARE(t.piattaforma.testi(), QStringList());
        QCOMPARE(t.var().flgDatiOk, flag::True);
        QCOMPARE(t.f.btnInseDat(), (Aspetto{QStringLiteral("Dati validi"), colori::verdeChiaro}));
        QCOMPARE(t.f.btnCalcola().sfondo, colori::verdeChiaro);
        QCOMPARE(t.f.Label5().testo, QStringLiteral(" "));
        QCOMPARE(t.f.Label5().sfondo, colori::argento);
        QCOMPARE(t.var().WL, 100.0);
        QCOMPARE(t.f.txtIndat(17), QStringLiteral("955"));
    }
    // invalid data: the reset state stays, with the capital D
    {
        Tappeto t;
        esempio(t.f);
        t.f.btnInseDat_Click();
        t.f.setTxtInDat(ConvModel::DR, QStringLiteral("0"));
        t.f.btnInseDat_Click();
        t.f.btnCalcola_Click();
        QCOMPARE(t.f.Label5().testo, QStringLiteral("Dati mancanti o errati"));
        t.piattaforma.messaggi.clear();
        t.f.btnModDat_Click();
        QCOMPARE(t.piattaforma.testi(), QStringList{"Inserire DR diverso da 0"});
        QCOMPARE(t.var().flgDatiOk, flag::False);
        QCOMPARE(t.f.btnInseDat(), (Aspetto{QStringLiteral("Immissione Dati"), colori::rosa}));
        QCOMPARE(t.f.btnCalcola(), (Aspetto{QStringLiteral("Calcola"), colori::rosso}));
        QCOMPARE(t.f.Label5().testo, QStringLiteral(" "));
        QCOMPARE(t.f.Label5().sfondo, colori::argento);
    }
    // the shared values are cleared before the entry runs again
    {
        Tappeto t;
        esempio(t.f);
        t.f.btnInseDat_Click();
        t.f.setTxtInDat(ConvModel::WT, QStringLiteral("venti"));
        t.f.btnModDat_Click();
        const Variabili &v = t.var();
        for (double x :
             {v.WL, v.WT, v.Wtot, v.Lung, v.T0, v.Tf, v.Vl, v.N, v.Diam, v.Wm, v.nu, v.Tac, v.Tdec})
            QCOMPARE(x, 0.0);
        QCOMPARE(v.flgDatiOk, flag::False);
    }
}

void TestConveyor::invalidEntryKeepsGreenButtons()
{
    Tappeto t;
    esempio(t.f);
    t.f.btnInseDat_Click();
    t.f.setTxtInDat(ConvModel::WL, QStringLiteral("0"));
    t.f.btnInseDat_Click();
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QCOMPARE(t.f.btnInseDat().testo, QStringLiteral("Dati validi"));
    QCOMPARE(t.f.btnCalcola().sfondo, colori::verdeChiaro);
    t.f.btnCalcola_Click();
    QCOMPARE(t.f.Label5(), (Aspetto{QStringLiteral("Dati mancanti o errati"), colori::rosso}));
    QVERIFY(!t.programma.isLoaded(FormId::frmRisult));
}

QTEST_APPLESS_MAIN(TestConveyor)
#include "tst_conveyor.moc"
