// The screw lift and the horizontal screw travel through their shared model: presets, rows
// and colours of each window, the data entry checks and messages, the speed derivation, the
// sizing with its display patterns, the marking that differs between the two windows,
// "Modifica Dati", the result window and the data files that move between them.

#include "fakes.h"

#include "calcolo/velocita.h"
#include "screw/vitecalc.h"
#include "screw/vitemodel.h"
#include "shell/risultmodel.h"
#include "shell/variabili.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr Colore obbligatorio = Colore::rgb(255, 128, 128);
constexpr Colore alternativoTrasl = Colore::rgb(192, 255, 192);

FormId finestra(bool trasl)
{
    return trasl ? FormId::traslForm : FormId::Soll_vite_Form;
}

// One screw window on a program of fakes, loaded as the main window would load it.
struct Banco1 {
    Banco b;
    ViteModel m;
    explicit Banco1(bool trasl)
        : m(finestra(trasl), Ambiente{b.programma.var(), b.numeri, b.piattaforma, b.piattaforma,
                                      b.piattaforma, b.programma})
    {
        m.Form_Load();
    }
    Variabili &var() { return b.var(); }
    QStringList messaggi() const { return b.piattaforma.testi(); }
    bool risultatoMostrato() const
    {
        return std::count(b.host.mostrate.begin(), b.host.mostrate.end(), FormId::frmRisult) > 0;
    }
};

// The worked example: DB 20, PB 5, WL 100, WT 20, N 2, Vl 0,1 on the start values.
void esempio(ViteModel &m)
{
    m.setTxtInDat(ViteModel::DB, QStringLiteral("20"));
    m.setTxtInDat(ViteModel::PB, QStringLiteral("5"));
    m.setTxtInDat(ViteModel::WL, QStringLiteral("100"));
    m.setTxtInDat(ViteModel::WT, QStringLiteral("20"));
    m.setTxtInDat(ViteModel::N, QStringLiteral("2"));
    m.setTxtInDat(ViteModel::Vl, QStringLiteral("0,1"));
}

QStringList caselle(const ViteModel &m)
{
    QStringList out;
    for (int k = 0; k < ViteModel::Caselle; ++k)
        out << m.txtInDat(k);
    return out;
}

QStringList valoriIniziali()
{
    QStringList out(ViteModel::Caselle, QStringLiteral("0"));
    out[7] = QStringLiteral("0,6");
    out[11] = out[23] = QStringLiteral("5");
    out[14] = QStringLiteral("0,52");
    out[15] = QStringLiteral("0,45");
    out[16] = QStringLiteral("0,001");
    out[17] = QStringLiteral("0,02");
    out[24] = QStringLiteral("0,009");
    return out;
}

void dueFinestre()
{
    QTest::addColumn<bool>("trasl");
    QTest::newRow("Soll_vite_Form") << false;
    QTest::newRow("traslForm") << true;
}

} // namespace

class TestScrew : public QObject {
    Q_OBJECT
private slots:
    void formLoad_data() { dueFinestre(); }
    void formLoad();
    void rowsOfTheLift();
    void whatTheTravelWindowChanges();
    void menus();

    void defaultsGiveTheMessagesInOrder_data() { dueFinestre(); }
    void defaultsGiveTheMessagesInOrder();
    void checks_data();
    void checks();
    void speedDerivation_data();
    void speedDerivation();
    void zeroDivisorsInTheSpeed_data();
    void zeroDivisorsInTheSpeed();
    void notANumber_data() { dueFinestre(); }
    void notANumber();

    void workedExample_data() { dueFinestre(); }
    void workedExample();
    void inertiaAndTorqueRelations();
    void calcolaWithoutValidData_data() { dueFinestre(); }
    void calcolaWithoutValidData();
    void calcolaWithZeroDivisor_data();
    void calcolaWithZeroDivisor();
    void calcolaNotFinite();
    void speedHelpersRefuseZeroDivisors();

    void liftUnmarksAtEveryEntry();
    void travelKeepsGreenButtonsAfterAFailedEntry();
    void modificaDati_data() { dueFinestre(); }
    void modificaDati();

    void bothSaveEntriesAskAndWrite_data() { dueFinestre(); }
};

void TestScrew::formLoad()
{
    QFETCH(bool, trasl);
    Banco1 t(trasl);
    t.var().flgDatiOk = flag::True;
    t.m.Form_Load();
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QCOMPARE(caselle(t.m), valoriIniziali());
    QCOMPARE(t.m.btnCalcola(), (Aspetto{QStringLiteral("Calcola"), colori::rosso}));
    QCOMPARE(t.m.btnModDat(), (Aspetto{QStringLiteral("Modifica Dati"), colori::gialloChiaro}));
    QCOMPARE(t.m.Label8(), QString());
    if (trasl) {
        QCOMPARE(t.m.caption(), QStringLiteral("Spostamento orizzontale con vite e madrevite."));
        QCOMPARE(t.m.btnInseDat(), (Aspetto{QStringLiteral("Immissione dati"), colori::rosa}));
        QCOMPARE(t.m.Label15().testo, QString());
    } else {
        QCOMPARE(t.m.caption(), QStringLiteral("Sollevamento con vite e madrevite"));
        QCOMPARE(t.m.btnInseDat(), (Aspetto{QStringLiteral("Inserire i dati"), colori::rosa}));
        QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral("Inserire i dati"), colori::argento}));
        QCOMPARE(t.m.btnEsci(), (Aspetto{QStringLiteral("Esci"), colori::rosso}));
    }
    QCOMPARE(&t.m.statusLabel(), &t.m.Label15());
    QCOMPARE(&t.m.txtIndat(7), &t.m.txtInDat(ViteModel::nu));
}

void TestScrew::rowsOfTheLift()
{
    Banco1 t(false);
    const Tavola &c = t.m.tavola();
    QList<int> order;
    for (const Riga &r : c.righe)
        order << r.box;
    QCOMPARE(order, (QList<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 23,
                                12, 13, 14, 15, 16, 17, 24, 18, 19, 20, 21, 22}));
    QCOMPARE(t.m.riga(ViteModel::PB).nome, QStringLiteral("Passodella vite"));
    QCOMPARE(t.m.riga(ViteModel::LB).nome, QStringLiteral("Lunghezza tralsazione"));
    QCOMPARE(t.m.riga(ViteModel::Wtot).simbolo, QStringLiteral("WT"));
    QCOMPARE(t.m.riga(ViteModel::Wtot).nome, QStringLiteral("Peso totale"));
    QCOMPARE(t.m.riga(ViteModel::Jt).nome, QStringLiteral("Momento d'inerzia tras"));
    QCOMPARE(t.m.riga(ViteModel::Pm).nome, QStringLiteral("Potenza mototore totale"));
    QCOMPARE(t.m.riga(ViteModel::Wm).unita, QStringLiteral("rpm "));
    QCOMPARE(t.m.riga(ViteModel::T0).unita, QStringLiteral(" secondi"));
    QCOMPARE(t.m.riga(ViteModel::nu).unita, QString());
    QVERIFY(
        t.m.riga(ViteModel::Tdec).didascalia.startsWith(QStringLiteral("Tempo di decelerazione ")));
    QVERIFY(t.m.riga(ViteModel::Tdec).didascalia.endsWith(QStringLiteral("\"Tdec\" =")));

    for (int k : {0, 1, 3, 4})
        QCOMPARE(t.m.riga(k).colore, std::optional<Colore>(obbligatorio));
    QCOMPARE(t.m.riga(ViteModel::N).colore, std::optional<Colore>(colori::rosso));
    for (int k : {2, 9, 12, 13})
        QCOMPARE(t.m.riga(k).colore, std::optional<Colore>(colori::verdeChiaro));
    for (int k : {6, 18, 19, 20, 21, 22})
        QCOMPARE(t.m.riga(k).colore, std::optional<Colore>(colori::verde));
    for (int k : {7, 11, 14, 15, 16, 17, 23, 24})
        QCOMPARE(t.m.riga(k).colore, std::optional<Colore>(colori::pesca));
    for (int k : {5, 10})
        QVERIFY(!t.m.riga(k).colore);

    QStringList names, texts;
    for (const VoceLegenda &l : c.legenda)
        names << l.nome, texts << l.testo;
    QCOMPARE(names, (QStringList{"Label5", "Label3(19)", "Label6", "Label4", "Label7"}));
    QCOMPARE(texts, (QStringList{"Parametri facoltativi", "Parametri obbligatori",
                                 "Parametri calcolati", "Parametri tra di loro in alternativa",
                                 "Valore di default iniziale. Possibile variazione"}));
    QCOMPARE(c.legenda[0].colore, Colore::rgb(192, 255, 255));
    QCOMPARE(c.legenda[0].testoColore, Colore::rgb(64, 0, 64));
    QCOMPARE(c.legenda[1].colore, colori::rosso);
    QCOMPARE(c.legenda[3].colore, colori::verdeChiaro);
    QCOMPARE(c.legenda[4].colore, Colore::rgb(255, 224, 192));
}

void TestScrew::whatTheTravelWindowChanges()
{
    Banco1 lift(false);
    Banco1 trasl(true);
    const Tavola &c = trasl.m.tavola();
    for (int k = 0; k < ViteModel::Caselle; ++k) {
        const Riga &a = lift.m.riga(k);
        const Riga &b = trasl.m.riga(k);
        QCOMPARE(b.unita, a.unita);
        if (k != 6 && k != 22) {
            QCOMPARE(b.nome, a.nome);
            QCOMPARE(b.simbolo, a.simbolo);
        }
        if (k != 2 && k != 9 && k != 12 && k != 13 && k != 8)
            QCOMPARE(b.colore, a.colore);
    }
    QCOMPARE(trasl.m.riga(ViteModel::Wtot).nome, QStringLiteral("Massa totale"));
    QCOMPARE(trasl.m.riga(ViteModel::Wtot).simbolo, QStringLiteral("Mt"));
    QCOMPARE(trasl.m.riga(ViteModel::Pm).nome, QStringLiteral("Potenza totale mototore"));
    QCOMPARE(trasl.m.riga(ViteModel::WL).nome, QStringLiteral("Peso da sollevare"));
    for (int k : {2, 9, 12, 13})
        QCOMPARE(trasl.m.riga(k).colore, std::optional<Colore>(alternativoTrasl));
    QCOMPARE(trasl.m.riga(ViteModel::N).colore, std::optional<Colore>(obbligatorio));
    QCOMPARE(c.legenda[1].colore, obbligatorio);
    QCOMPARE(c.legenda[3].colore, alternativoTrasl);
    QCOMPARE(c.legenda[0].colore, Colore::rgb(192, 255, 255));
}

void TestScrew::menus()
{
    auto voci = [](ViteModel &m) {
        QStringList out;
        for (const Menu &menu : m.menu())
            for (const VoceMenu &v : menu.voci)
                out << v.nome + QLatin1Char('|') + v.testo;
        return out;
    };
    Banco1 lift(false), trasl(true);
    QCOMPARE(voci(lift.m),
             (QStringList{"mnuApriNwFil|Apri &Nuovo FIle", "mnuApriFile|&Apri File",
                          "mnuSalvaFileNome|Salva con &Nome", "mnuSalvaFile|&Salva",
                          "mnuEsportaScheda|Esporta scheda &PDF...", "mnuFileEsci|&Esci"}));
    QCOMPARE(voci(trasl.m),
             (QStringList{"mnuApriFile|ApriFile", "mnuSalvaFileNome|Salva con&Nome",
                          "muSalvaFile|&Salva", "mnuEsportaScheda|Esporta scheda &PDF...",
                          "mnuEsci|&Esci"}));
    // an entry calls its handler: "&Salva" asks for a file name in the save dialog
    lift.m.menu().at(0).voci.at(3).azione();
    QCOMPARE(lift.b.piattaforma.conferme.size(), 1);
}

void TestScrew::defaultsGiveTheMessagesInOrder()
{
    QFETCH(bool, trasl);
    Banco1 t(trasl);
    t.m.btnInseDat_Click();
    QCOMPARE(t.messaggi(), (QStringList{"Inserire DB diverso da 0", "Inserire PB diverso da 0",
                                        "Inserire N diverso da 0", "Inserire WL e WT diversi da 0",
                                        "Inserire Vl o wm diversi da 0"}));
    for (const Messaggio &m : t.b.piattaforma.messaggi)
        QCOMPARE(m.titolo, QStringLiteral("Inserimento dati mancanti"));
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QCOMPARE(caselle(t.m), valoriIniziali());
    if (trasl)
        QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral("Inserire i Dati"), colori::rosso}));
    else
        QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral("Inserire i dati"), colori::argento}));
}

void TestScrew::checks_data()
{
    QTest::addColumn<bool>("trasl");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    for (bool trasl : {false, true}) {
        const char *w = trasl ? "travel: " : "lift: ";
        QTest::addRow("%sDB = -5", w) << trasl << 0 << "-5"
                                      << "Inserire DB diverso da 0";
        QTest::addRow("%sDB = 0", w) << trasl << 0 << "0"
                                     << "Inserire DB diverso da 0";
        QTest::addRow("%sPB = -1", w) << trasl << 1 << "-1"
                                      << "Inserire PB diverso da 0";
        QTest::addRow("%sN = -2", w) << trasl << 8 << "-2"
                                     << "Inserire N diverso da 0";
        QTest::addRow("%sWL = 0", w) << trasl << 3 << "0"
                                     << "Inserire WL e WT diversi da 0";
        QTest::addRow("%sWT = -20", w) << trasl << 4 << "-20"
                                       << "Inserire WL e WT diversi da 0";
    }
}

void TestScrew::checks()
{
    QFETCH(bool, trasl);
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Banco1 t(trasl);
    esempio(t.m);
    t.m.setTxtInDat(box, text);
    t.m.btnInseDat_Click();
    QCOMPARE(t.messaggi(), QStringList{message});
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QCOMPARE(t.m.btnCalcola().sfondo, colori::rosso);
    QCOMPARE(t.m.btnInseDat().testo,
             trasl ? QStringLiteral("Immissione dati") : QStringLiteral("Inserire i dati"));
    if (box == 8)
        QCOMPARE(t.m.txtInDat(ViteModel::N), text); // the ratio read is written back
    QCOMPARE(t.m.txtInDat(ViteModel::Wtot),
             (box == 3 || box == 4) ? QStringLiteral("0") : QStringLiteral("120"));
}

void TestScrew::speedDerivation_data()
{
    // clang-format off
    QTest::addColumn<QString>("vl");
    QTest::addColumn<QString>("wm");
    QTest::addColumn<QString>("lb");
    QTest::addColumn<QString>("t0");
    QTest::addColumn<QString>("pb");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("box12");
    QTest::addColumn<QString>("box13");
    QTest::addColumn<double>("Vl");
    QTest::addColumn<double>("Wm");
    QTest::newRow("Vl 0,1 PB 10 N 2") << "0,1" << "0" << "0" << "0" << "10" << "2" << "0,1"
                                      << "1200" << 0.1 << 1200.0;
    QTest::newRow("Vl wins over Wm") << "0,1" << "3000" << "0" << "0" << "10" << "2" << "0,1"
                                     << "1200" << 0.1 << 1200.0;
    QTest::newRow("Wm 1500 N 5 PB 10") << "0" << "1500" << "0" << "0" << "10" << "5" << "0,05"
                                       << "1500" << 0.05 << 1500.0;
    QTest::newRow("LB 1 T0 12") << "0" << "0" << "1" << "12" << "10" << "1" << "0,5" << "3000"
                                << 0.5 << 3000.0;
    QTest::newRow("negative speed passes") << "-0,1" << "0" << "0" << "0" << "5" << "2" << "-0,1"
                                           << "-2400" << -0.1 << -2400.0;
    QTest::newRow("negative remaining time") << "0" << "0" << "1" << "8" << "10" << "1" << "-0,5"
                                             << "-3000" << -0.5 << -3000.0;
    // clang-format on
}

void TestScrew::speedDerivation()
{
    QFETCH(QString, vl);
    QFETCH(QString, wm);
    QFETCH(QString, lb);
    QFETCH(QString, t0);
    QFETCH(QString, pb);
    QFETCH(QString, n);
    QFETCH(QString, box12);
    QFETCH(QString, box13);
    QFETCH(double, Vl);
    QFETCH(double, Wm);
    for (bool trasl : {false, true}) {
        Banco1 t(trasl);
        esempio(t.m);
        t.m.setTxtInDat(ViteModel::PB, pb);
        t.m.setTxtInDat(ViteModel::N, n);
        t.m.setTxtInDat(ViteModel::Vl, vl);
        t.m.setTxtInDat(ViteModel::Wm, wm);
        t.m.setTxtInDat(ViteModel::LB, lb);
        t.m.setTxtInDat(ViteModel::T0, t0);
        t.m.btnInseDat_Click();
        QCOMPARE(t.messaggi(), QStringList());
        QCOMPARE(t.var().flgDatiOk, flag::True);
        QCOMPARE(t.m.txtInDat(ViteModel::Vl), box12);
        QCOMPARE(t.m.txtInDat(ViteModel::Wm), box13);
        QVERIFY(qFuzzyCompare(t.var().Vl, Vl));
        QVERIFY(qFuzzyCompare(t.var().Wm, Wm));
    }
}

void TestScrew::zeroDivisorsInTheSpeed_data()
{
    // clang-format off
    QTest::addColumn<QString>("vl");
    QTest::addColumn<QString>("wm");
    QTest::addColumn<QString>("pb");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("t0");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Vl with PB 0") << "0,1" << "0" << "0" << "2" << "0"
                                  << QStringList{"Inserire PB diverso da 0"};
    QTest::newRow("Wm with N 0") << "0" << "1500" << "5" << "0" << "0"
                                 << QStringList{"Inserire N diverso da 0"};
    QTest::newRow("T0 = Tac + Tdec") << "0" << "0" << "5" << "2" << "10"
                                     << QStringList{"Inserire t0 diverso da Tac + Tdec"};
    QTest::newRow("travel data with PB 0") << "0" << "0" << "0" << "2" << "12"
                                           << QStringList{"Inserire PB diverso da 0"};
    // clang-format on
}

void TestScrew::zeroDivisorsInTheSpeed()
{
    QFETCH(QString, vl);
    QFETCH(QString, wm);
    QFETCH(QString, pb);
    QFETCH(QString, n);
    QFETCH(QString, t0);
    QFETCH(QStringList, messages);
    Banco1 t(false);
    esempio(t.m);
    t.m.setTxtInDat(ViteModel::Vl, vl);
    t.m.setTxtInDat(ViteModel::Wm, wm);
    t.m.setTxtInDat(ViteModel::PB, pb);
    t.m.setTxtInDat(ViteModel::N, n);
    t.m.setTxtInDat(ViteModel::LB, QStringLiteral("1"));
    t.m.setTxtInDat(ViteModel::T0, t0);
    t.m.btnInseDat_Click();
    QCOMPARE(t.messaggi(), messages);
    QCOMPARE(t.var().flgDatiOk, flag::False);
    for (int k : {12, 13}) {
        QVERIFY(std::isfinite(t.var().Vl) && std::isfinite(t.var().Wm));
        QVERIFY2(!t.m.txtInDat(k).contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                     !t.m.txtInDat(k).contains(QLatin1String("nan"), Qt::CaseInsensitive),
                 qPrintable(t.m.txtInDat(k)));
    }
    if (t0 == QLatin1String("12")) {
        // the speed from the travel data stands; no motor speed comes from a zero pitch
        QCOMPARE(t.m.txtInDat(ViteModel::Vl), QStringLiteral("0,5"));
        QCOMPARE(t.m.txtInDat(ViteModel::Wm), QStringLiteral("0"));
    } else {
        QCOMPARE(t.m.txtInDat(ViteModel::Vl), vl);
        QCOMPARE(t.m.txtInDat(ViteModel::Wm), wm);
    }
}

void TestScrew::notANumber()
{
    QFETCH(bool, trasl);
    Banco1 t(trasl);
    esempio(t.m);
    t.m.setTxtInDat(ViteModel::DB, QStringLiteral(" 20 "));
    t.m.setTxtInDat(ViteModel::WL, QStringLiteral("cento"));
    t.m.setTxtInDat(ViteModel::Fc, QString());
    t.m.btnInseDat_Click();
    QCOMPARE(t.messaggi(),
             (QStringList{"Il dato \"WL\" (Peso da sollevare) non è un numero: \"cento\"",
                          "Il dato \"Fc\" (Contrappeso) è vuoto"}));
    QCOMPARE(t.var().flgDatiOk, flag::False);
    // nothing derived, no box rewritten
    QCOMPARE(t.m.txtInDat(ViteModel::DB), QStringLiteral(" 20 "));
    QCOMPARE(t.m.txtInDat(ViteModel::Wtot), QStringLiteral("0"));
    QCOMPARE(t.m.txtInDat(ViteModel::Wm), QStringLiteral("0"));
    QCOMPARE(t.m.btnCalcola().sfondo, colori::rosso);
}

void TestScrew::workedExample()
{
    QFETCH(bool, trasl);
    Banco1 t(trasl);
    esempio(t.m);
    t.m.btnInseDat_Click();
    QCOMPARE(t.messaggi(), QStringList());
    QCOMPARE(t.var().flgDatiOk, flag::True);
    QCOMPARE(t.m.btnInseDat(), (Aspetto{QStringLiteral("Dati validi"), colori::verdeChiaro}));
    QCOMPARE(t.m.btnCalcola().sfondo, colori::verdeChiaro);
    QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral(" "), colori::argento}));
    QCOMPARE(t.m.txtInDat(ViteModel::Wm), QStringLiteral("2400"));
    QCOMPARE(t.m.txtInDat(ViteModel::Wtot), QStringLiteral("120"));
    QCOMPARE(t.var().Wtot, 120.0);
    QCOMPARE(t.var().Wm, 2400.0);

    t.m.btnCalcola_Click();
    QCOMPARE(t.m.txtInDat(ViteModel::Jtot), QStringLiteral("0,023269"));
    QCOMPARE(t.m.txtInDat(ViteModel::Cca), QStringLiteral("1,053"));
    QCOMPARE(t.m.txtInDat(ViteModel::Cmt), QStringLiteral("1,0707"));
    QCOMPARE(t.m.txtInDat(ViteModel::Pm), QStringLiteral("2,6356"));
    QCOMPARE(t.m.txtInDat(ViteModel::Pca), QStringLiteral("0,0435"));
    QCOMPARE(t.var().Jcar, std::pow(5 / 6283.185308, 2) * 120);
    QVERIFY(std::abs(t.var().Jcar - 0.00007599) < 1e-8);
    QVERIFY(std::abs(t.var().Jtot - 0.023269) < 1e-6);
    QVERIFY(std::abs(t.var().CmtRis - 1.0706951) < 1e-6);
    QVERIFY(std::abs(t.var().Pm - 2.6355571) < 1e-6);
    QVERIFY(std::abs(t.var().Pca - 0.0434744) < 1e-6);
    const vite::Esito e = vite::calcola(t.m.dati());
    QVERIFY(e.risultato);
    QVERIFY(std::abs(e.risultato->Cca - 1.05303) < 1e-5);
    QVERIFY(std::abs(e.risultato->Cacc - 0.0176615) < 1e-7);

    // the result window takes the torque from CmtRis
    QVERIFY(t.risultatoMostrato());
    auto *r = t.b.programma.form<RisultModel>(FormId::frmRisult);
    QVERIFY(r);
    QCOMPARE(r->Label8()[0], QStringLiteral("Pot. resa = 2,6356 kW"));
    QCOMPARE(r->Label8()[2], QStringLiteral("Coppia Mx = 1,071kgm"));
    QCOMPARE(r->Label8()[1], QStringLiteral("Vmax = 2400 rpm"));
    // "Calcola" leaves the flag and the inputs alone and can be pressed again
    QCOMPARE(t.var().flgDatiOk, flag::True);
    t.m.btnCalcola_Click();
    QCOMPARE(t.m.txtInDat(ViteModel::Cmt), QStringLiteral("1,0707"));
}

void TestScrew::inertiaAndTorqueRelations()
{
    vite::Dati v{};
    v.PB = 5, v.Diam = 20, v.Wtot = 120, v.N = 2, v.nu = 0.6, v.ms = 0.52, v.mk = 0.45;
    v.Jv = 0.009, v.Jt = 0.02, v.Jm = 0.001, v.Wm = 2400, v.Tac = 5;
    const double base = vite::calcola(v).risultato->Jtot;
    v.Jv += 0.04;
    QVERIFY(std::abs(vite::calcola(v).risultato->Jtot - (base + 0.04 / 4)) < 1e-12);
    v.Jv -= 0.04;
    v.Jt += 0.04;
    QVERIFY(std::abs(vite::calcola(v).risultato->Jtot - (base + 0.04)) < 1e-12);
    v.Jt -= 0.04;
    v.Jm += 0.04;
    QVERIFY(std::abs(vite::calcola(v).risultato->Jtot - (base + 0.04)) < 1e-12);
}

void TestScrew::calcolaWithoutValidData()
{
    QFETCH(bool, trasl);
    Banco1 t(trasl);
    esempio(t.m);
    t.m.btnCalcola_Click();
    QCOMPARE(t.m.Label15(),
             (Aspetto{QStringLiteral("Dati mancanti o errati"), colori::rosso, colori::nero}));
    QCOMPARE(t.m.txtInDat(ViteModel::Jtot), QStringLiteral("0"));
    QCOMPARE(t.m.txtInDat(ViteModel::Pm), QStringLiteral("0"));
    QVERIFY(!t.risultatoMostrato());
}

void TestScrew::calcolaWithZeroDivisor_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("reason");
    QTest::newRow("ms") << 14 << "Impossibile calcolare: ms = 0";
    QTest::newRow("nu") << 7 << "Impossibile calcolare: nu = 0";
    QTest::newRow("Tac") << 11 << "Impossibile calcolare: Tac = 0";
}

void TestScrew::calcolaWithZeroDivisor()
{
    QFETCH(int, box);
    QFETCH(QString, reason);
    Banco1 t(true);
    esempio(t.m);
    t.m.setTxtInDat(box, QStringLiteral("0"));
    t.m.btnInseDat_Click();
    QCOMPARE(t.var().flgDatiOk, flag::True); // the checks let it pass
    t.var().Pm = 7;
    t.m.btnCalcola_Click();
    QCOMPARE(t.m.Label15(), (Aspetto{reason, colori::rosso, colori::nero}));
    for (int k = 18; k <= 22; ++k)
        QCOMPARE(t.m.txtInDat(k), QStringLiteral("0"));
    QCOMPARE(t.var().Pm, 7.0);
    QVERIFY(!t.risultatoMostrato());

    // a flag set by another window with N at 0
    vite::Dati v{};
    v.nu = v.ms = v.Tac = 1;
    QCOMPARE(vite::calcola(v).motivo, Impedimento::RapportoNullo);
}

void TestScrew::calcolaNotFinite()
{
    Banco1 t(false);
    esempio(t.m);
    t.m.setTxtInDat(ViteModel::Vl, QStringLiteral("0"));
    t.m.setTxtInDat(ViteModel::Wm, QStringLiteral("1e300"));
    t.m.setTxtInDat(ViteModel::Jv, QStringLiteral("1e300"));
    t.m.btnInseDat_Click();
    QCOMPARE(t.var().flgDatiOk, flag::True);
    t.m.btnCalcola_Click();
    QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral("Impossibile calcolare: risultato non finito"),
                                     colori::rosso, colori::nero}));
    QCOMPARE(t.m.txtInDat(ViteModel::Jtot), QStringLiteral("0"));
    QVERIFY(!t.risultatoMostrato());
}

void TestScrew::speedHelpersRefuseZeroDivisors()
{
    QVERIFY(!vite::wmDaVl(0.1, 0, 2));
    QVERIFY(!vite::vlDaWm(1500, 0, 10));
    QVERIFY(!velocita::vlDaCorsa(1, 10, 5, 5));
    QVERIFY(!vite::wmDaVl(1e300, 1e-300, 2));
    QCOMPARE(*vite::wmDaVl(0.1, 5, 2), 0.1 * 1000 / 5 * 2 * 60);
    QCOMPARE(*vite::vlDaWm(1500, 5, 10), 1500.0 / 60 / 5 / 1000 * 10);
    QCOMPARE(*velocita::vlDaCorsa(1, 12, 5, 5), 0.5);
}

void TestScrew::liftUnmarksAtEveryEntry()
{
    Banco1 t(false);
    esempio(t.m);
    t.m.btnInseDat_Click();
    QCOMPARE(t.m.btnInseDat().testo, QStringLiteral("Dati validi"));
    t.m.setTxtInDat(ViteModel::WL, QStringLiteral("0"));
    t.m.btnInseDat_Click();
    QCOMPARE(t.messaggi(), QStringList{"Inserire WL e WT diversi da 0"});
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QCOMPARE(t.m.btnInseDat(), (Aspetto{QStringLiteral("Inserire i dati"), colori::rosa}));
    QCOMPARE(t.m.btnCalcola().sfondo, colori::rosso);
    QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral("Inserire i dati"), colori::argento}));
}

void TestScrew::travelKeepsGreenButtonsAfterAFailedEntry()
{
    Banco1 t(true);
    esempio(t.m);
    t.m.setTxtInDat(ViteModel::DB, QStringLiteral("0"));
    t.m.btnInseDat_Click();
    QCOMPARE(t.messaggi(), QStringList{"Inserire DB diverso da 0"});
    QCOMPARE(t.m.Label15(),
             (Aspetto{QStringLiteral("Inserire i Dati"), colori::rosso, colori::nero}));
    QCOMPARE(t.m.btnInseDat(), (Aspetto{QStringLiteral("Immissione dati"), colori::rosa}));

    t.m.setTxtInDat(ViteModel::DB, QStringLiteral("20"));
    t.m.btnInseDat_Click();
    QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral(" "), colori::argento}));
    QCOMPARE(t.m.btnInseDat(), (Aspetto{QStringLiteral("Dati validi"), colori::verdeChiaro}));

    t.m.setTxtInDat(ViteModel::N, QStringLiteral("0"));
    t.m.btnInseDat_Click();
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral("Inserire i Dati"), colori::rosso}));
    QCOMPARE(t.m.btnInseDat(), (Aspetto{QStringLiteral("Dati validi"), colori::verdeChiaro}));
    QCOMPARE(t.m.btnCalcola().sfondo, colori::verdeChiaro);
    t.m.btnCalcola_Click();
    QCOMPARE(t.m.Label15().testo, QStringLiteral("Dati mancanti o errati"));
}

void TestScrew::modificaDati()
{
    QFETCH(bool, trasl);
    Banco1 t(trasl);
    esempio(t.m);
    t.m.btnInseDat_Click();
    const QStringList boxes = caselle(t.m);
    t.m.btnModDat_Click();
    QCOMPARE(t.var().flgDatiOk, flag::False);
    QCOMPARE(t.m.btnInseDat(), (Aspetto{QStringLiteral("Inserire i dati"), colori::rosa}));
    QCOMPARE(t.m.btnCalcola(), (Aspetto{QStringLiteral("Calcola"), colori::rosso}));
    QCOMPARE(t.m.Label15(), (Aspetto{QStringLiteral("Inserire i dati"), colori::argento}));
    QCOMPARE(caselle(t.m), boxes);
    QCOMPARE(t.var().Wm, 2400.0);
    QCOMPARE(t.messaggi(), QStringList());
    t.m.btnCalcola_Click();
    QCOMPARE(t.m.Label15().testo, QStringLiteral("Dati mancanti o errati"));
    QVERIFY(!t.risultatoMostrato());
}

QTEST_GUILESS_MAIN(TestScrew)
#include "tst_screw.moc"
