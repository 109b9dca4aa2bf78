// The motor check: the duty cycle each linear calculator leaves after "Calcola", worked by
// hand; the cycle's cases (no deceleration, reasons for continuous duty, the rounding of a
// move without constant speed, an inertia that rules the check out); the four uses of a
// motor and the choice among several; a long list.

#include "fakes.h"

#include "app/finestre.h"
#include "calcolatrice/calcolatrice.h"
#include "calcolo/esame.h"
#include "shell/programma.h"
#include "verifica/graficociclo.h"
#include "verifica/testi.h"

#include <QTest>

using namespace verifica;

namespace {

using Caselle = QList<QPair<int, QString>>;

const NumberFormat &italiano()
{
    static const NumberFormat f{QLocale(QLocale::Italian, QLocale::Italy)};
    return f;
}

Motore motore(const QString &nome, double Pn, double Cmax, double Jmot,
              std::optional<double> Cn = std::nullopt)
{
    return {nome, Pn, 1450, 3000, Cn, Cmax, Jmot};
}

} // namespace

class TestVerifica : public QObject {
    Q_OBJECT
private slots:
    void calcolatrici_data();
    void calcolatrici();
    void ciclo_data();
    void ciclo();
    void scelta();
    void listaLunga();
    void fuoriScala();
    void secondaMossa();
};

void TestVerifica::calcolatrici_data()
{
    QTest::addColumn<FormId>("finestra");
    QTest::addColumn<QString>("file");
    QTest::addColumn<Caselle>("caselle");
    QTest::addColumn<Costante>("costante");
    QTest::addColumn<QStringList>("righe");
    const Costante fisica = Costante::Fisica, calcolatore = Costante::Calcolatore;
    // hoist: Cca 3,75 kgm, Ccj 0,0139953 kgm, Jtot 0,03525, Jm 0,01; Cdec = 3,75 - 0,0139953
    // x 2 / 5 = 3,74440; Ceff = sqrt(2 (3,76400^2 x 2 + 3,75^2 x 3 + 3,74440^2 x 5) / 40). With
    // the physical constant the inertia torque is 0,0139953 x 1504 / 93,6466 = 0,224771.
    const Caselle argano{{8, "10"}, {9, "40"}};
    QTest::newRow("drum hoist")
        << FormId::elevForm << "tamburo_esempio.txt" << argano << fisica
        << QStringList{"Costante di accelerazione = 93,65 (fisica; il calcolatore usa 1504)",
                       "Coppia in accelerazione = 3,975 kgm (38,98 N·m)",
                       "Coppia a regime = 3,750 kgm (36,77 N·m)",
                       "Coppia in decelerazione = 3,660 kgm (35,89 N·m)",
                       "Coppia di picco = 3,975 kgm (38,98 N·m)",
                       "Coppia efficace = 2,653 kgm (26,02 N·m)",
                       "Rapporto di intermittenza = 50 %",
                       "Rapporto d'inerzia = 2,53"};
    QTest::newRow("drum hoist, calculator's constant")
        << FormId::elevForm << "tamburo_esempio.txt" << argano << calcolatore
        << QStringList{"Costante di accelerazione = 1504 (del calcolatore)",
                       "Coppia in accelerazione = 3,764 kgm (36,91 N·m)",
                       "Coppia a regime = 3,750 kgm (36,77 N·m)",
                       "Coppia in decelerazione = 3,744 kgm (36,72 N·m)",
                       "Coppia di picco = 3,764 kgm (36,91 N·m)",
                       "Coppia efficace = 2,652 kgm (26,00 N·m)",
                       "Rapporto di intermittenza = 50 %",
                       "Rapporto d'inerzia = 2,53"};
    // conveyor: no load torque, Cmt 0,0126841 kgm, the physical one 11,2551 times as much
    // (0,142761); the ramp down brakes with -Cmt; Ceff = sqrt(2 x Cmt^2 x 10 / 60)
    const Caselle tappeto{{4, "20"}, {5, "60"}};
    QTest::newRow("belt conveyor")
        << FormId::convayorForm << "tappeto_esempio.txt" << tappeto << fisica
        << QStringList{"Costante di accelerazione = 93,65 (fisica; il calcolatore usa 1054)",
                       "Coppia in accelerazione = 0,143 kgm (1,40 N·m)",
                       "Coppia a regime = 0,000 kgm (0,00 N·m)",
                       "Coppia in decelerazione = -0,143 kgm (-1,40 N·m)",
                       "Coppia di picco = 0,143 kgm (1,40 N·m)",
                       "Coppia efficace = 0,082 kgm (0,81 N·m)",
                       "Rapporto di intermittenza = 67 %",
                       "Rapporto d'inerzia = 3,20"};
    QTest::newRow("belt conveyor, calculator's constant")
        << FormId::convayorForm << "tappeto_esempio.txt" << tappeto << calcolatore
        << QStringList{"Costante di accelerazione = 1054 (del calcolatore)",
                       "Coppia in accelerazione = 0,013 kgm (0,12 N·m)",
                       "Coppia a regime = 0,000 kgm (0,00 N·m)",
                       "Coppia in decelerazione = -0,013 kgm (-0,12 N·m)",
                       "Coppia di picco = 0,013 kgm (0,12 N·m)",
                       "Coppia efficace = 0,007 kgm (0,07 N·m)",
                       "Rapporto di intermittenza = 67 %",
                       "Rapporto d'inerzia = 3,20"};
    // screw lift: Cca 1,0530336 kgm, Cacc 0,0176615 kgm (physical 0,198782), Jtot 0,0232690,
    // Jm 0,001; 5 s at constant speed in each move of 15 s
    const Caselle vite{{9, "15"}, {10, "40"}};
    QTest::newRow("screw lift")
        << FormId::Soll_vite_Form << "vite_esempio.txt" << vite << fisica
        << QStringList{"Costante di accelerazione = 93,65 (fisica; il calcolatore usa 1054)",
                       "Coppia in accelerazione = 1,252 kgm (12,28 N·m)",
                       "Coppia a regime = 1,053 kgm (10,33 N·m)",
                       "Coppia in decelerazione = 0,854 kgm (8,38 N·m)",
                       "Coppia di picco = 1,252 kgm (12,28 N·m)",
                       "Coppia efficace = 0,923 kgm (9,05 N·m)",
                       "Rapporto di intermittenza = 75 %",
                       "Rapporto d'inerzia = 22,27"};
    QTest::newRow("screw lift, calculator's constant")
        << FormId::Soll_vite_Form << "vite_esempio.txt" << vite << calcolatore
        << QStringList{"Costante di accelerazione = 1054 (del calcolatore)",
                       "Coppia in accelerazione = 1,071 kgm (10,50 N·m)",
                       "Coppia a regime = 1,053 kgm (10,33 N·m)",
                       "Coppia in decelerazione = 1,035 kgm (10,15 N·m)",
                       "Coppia di picco = 1,071 kgm (10,50 N·m)",
                       "Coppia efficace = 0,912 kgm (8,94 N·m)",
                       "Rapporto di intermittenza = 75 %",
                       "Rapporto d'inerzia = 22,27"};
    // screw travel, a ramp down of 2 s: Cdec = 1,0530336 - 0,198782 x 5 / 2 = 0,556078
    const Caselle trasl{{9, "20"}, {10, "45"}, {23, "2"}};
    QTest::newRow("screw travel")
        << FormId::traslForm << "vite_esempio.txt" << trasl << fisica
        << QStringList{"Costante di accelerazione = 93,65 (fisica; il calcolatore usa 1054)",
                       "Coppia in accelerazione = 1,252 kgm (12,28 N·m)",
                       "Coppia a regime = 1,053 kgm (10,33 N·m)",
                       "Coppia in decelerazione = 0,556 kgm (5,45 N·m)",
                       "Coppia di picco = 1,252 kgm (12,28 N·m)",
                       "Coppia efficace = 1,008 kgm (9,89 N·m)",
                       "Rapporto di intermittenza = 89 %",
                       "Rapporto d'inerzia = 22,27"};
    QTest::newRow("screw travel, calculator's constant")
        << FormId::traslForm << "vite_esempio.txt" << trasl << calcolatore
        << QStringList{"Costante di accelerazione = 1054 (del calcolatore)",
                       "Coppia in accelerazione = 1,071 kgm (10,50 N·m)",
                       "Coppia a regime = 1,053 kgm (10,33 N·m)",
                       "Coppia in decelerazione = 1,009 kgm (9,89 N·m)",
                       "Coppia di picco = 1,071 kgm (10,50 N·m)",
                       "Coppia efficace = 0,993 kgm (9,74 N·m)",
                       "Rapporto di intermittenza = 89 %",
                       "Rapporto d'inerzia = 22,27"};
    // the reel's worked example (winder): at the full coil of 1 m, 318,3 rpm, aCmt 5,5556 and
    // Jtt (0,0625 - 6,25e-6) x 61,261 + 0,0302 = 3,8586, so Cacc = 5,5556 + 318,3 x 3,8586 /
    // (10 x 93,6466) + 0,5; at the core 3183 rpm and Preg = 1,0556 x 3183 / 975
    QTest::newRow("reel")
        << FormId::aspoForm << "aspo_esempio.txt" << Caselle() << fisica
        << QStringList{
               "Costante di accelerazione = 93,65 (fisica; il calcolatore usa 1504)",
               "Velocità del motore = da 318 a 3183 rpm (rapporto 10,00)",
               "Coppia a regime massima = 6,056 kgm (59,38 N·m) con diametro di 1,000 m",
               "Coppia in accelerazione massima = 7,367 kgm (72,25 N·m) con diametro di 1,000 m",
               "Coppia in decelerazione massima = 3,744 kgm (36,72 N·m) con diametro di 1,000 m",
               "Potenza a regime massima = 3,45 kW con diametro di 0,100 m",
               "Rapporto d'inerzia massimo = 191,93"};
    // with the calculator's constants Jtt is the sweep's aJtt, and the largest Cacc its CttMax
    QTest::newRow("reel, calculator's constant")
        << FormId::aspoForm << "aspo_esempio.txt" << Caselle() << calcolatore
        << QStringList{
               "Costante di accelerazione = 1504 (del calcolatore)",
               "Velocità del motore = da 318 a 3183 rpm (rapporto 10,00)",
               "Coppia a regime massima = 6,056 kgm (59,38 N·m) con diametro di 1,000 m",
               "Coppia in accelerazione massima = 6,704 kgm (65,75 N·m) con diametro di 1,000 m",
               "Coppia in decelerazione massima = 4,407 kgm (43,21 N·m) con diametro di 1,000 m",
               "Potenza a regime massima = 3,45 kW con diametro di 0,100 m",
               "Rapporto d'inerzia massimo = 1532,02"};
    // a zero tdec: the sweep in acceleration calculates, the check cannot
    QTest::newRow("reel without a deceleration time")
        << FormId::aspoForm << "aspo_esempio.txt" << Caselle{{9, "0"}} << fisica
        << QStringList{"Costante di accelerazione = 93,65 (fisica; il calcolatore usa 1504)",
                       "non calcolabile: tacc e tdec devono essere positivi"};
}

// Each calculator's "Calcola" leaves what it asks of a motor, with its own load and inertia
// torques or its coil, and the check reads it with either constant.
void TestVerifica::calcolatrici()
{
    QFETCH(FormId, finestra);
    QFETCH(QString, file);
    QFETCH(Caselle, caselle);
    QFETCH(Costante, costante);
    QFETCH(QStringList, righe);
    FakePlatform piattaforma;
    Programma programma(piattaforma, piattaforma, piattaforma, italiano());
    registraModelli(programma);
    programma.openForm(finestra);
    auto *f = programma.form<Calcolatrice>(finestra);
    QVERIFY(f->apriFile(QStringLiteral(DM_DATA "/") + file));
    for (const auto &[box, testo] : caselle)
        f->setTxtInDat(box, testo);
    f->btnInseDat_Click();
    f->btnCalcola_Click();
    QVERIFY(f->calcolato());
    const Variabili &v = programma.var();
    QVERIFY(v.carico);
    QCOMPARE(v.cicloDi, f->caption());
    QCOMPARE(verifica::righe(*v.carico, studia(*v.carico, costante), italiano()), righe);
}

void TestVerifica::ciclo_data()
{
    // clang-format off
    QTest::addColumn<Ciclo>("ciclo");
    QTest::addColumn<double>("Jmot");
    QTest::addColumn<QStringList>("righe");
    // Ccarico 2, Cinerzia 1, Jtot 0,05 of which Jm 0,01
    const Ciclo base{2, 1, 0.05, 0.01, 1400, 10, 1, 2, 30, 1504};
    const auto con = [&base](auto modifica) {
        Ciclo c = base;
        modifica(c);
        return c;
    };
    // Cin' = 1 x 0,06 / 0,05 = 1,2; Cdec = 2 - 1,2 x 1 / 2 = 1,4;
    // Ceff = sqrt(2 (3,2^2 x 1 + 2^2 x 7 + 1,4^2 x 2) / 30) = sqrt(2,8107)
    QTest::newRow("a larger rotor") << base << 0.02
                                    << QStringList{"Coppia in accelerazione = 3,200 kgm (31,38 N·m)",
                                                   "Coppia a regime = 2,000 kgm (19,61 N·m)",
                                                   "Coppia in decelerazione = 1,400 kgm (13,73 N·m)",
                                                   "Coppia di picco = 3,200 kgm (31,38 N·m)",
                                                   "Coppia efficace = 1,677 kgm (16,44 N·m)",
                                                   "Rapporto di intermittenza = 67 %",
                                                   "Rapporto d'inerzia = 2,00"};
    // 0,3 - 0,1 - 0,2 is -2,8e-17 in binary: a move without constant speed, not an error
    QTest::newRow("no constant speed")
        << con([](Ciclo &c) { c.T0 = 0.3, c.Tac = 0.1, c.Tdec = 0.2, c.Tf = 0.6; }) << 0.01
        << QStringList{"Coppia in accelerazione = 3,000 kgm (29,42 N·m)",
                       "Coppia a regime = 2,000 kgm (19,61 N·m)",
                       "Coppia in decelerazione = 1,500 kgm (14,71 N·m)",
                       "Coppia di picco = 3,000 kgm (29,42 N·m)",
                       "Coppia efficace = 2,121 kgm (20,80 N·m)",
                       "Rapporto di intermittenza = 100 %",
                       "Rapporto d'inerzia = 4,00"};
    // a deceleration that brakes harder than the load holds: the peak is its magnitude
    QTest::newRow("braking peak") << con([](Ciclo &c) { c.Cinerzia = 10, c.Tdec = 0.5; }) << 0.01
                                  << QStringList{"Coppia in accelerazione = 12,000 kgm (117,68 N·m)",
                                                 "Coppia a regime = 2,000 kgm (19,61 N·m)",
                                                 "Coppia in decelerazione = -18,000 kgm (-176,52 N·m)",
                                                 "Coppia di picco = 18,000 kgm (176,52 N·m)",
                                                 "Coppia efficace = 4,761 kgm (46,69 N·m)",
                                                 "Rapporto di intermittenza = 67 %",
                                                 "Rapporto d'inerzia = 4,00"};
    const auto continuo = [](const QString &motivo, const QString &decelerazione = "1,500 kgm (14,71 N·m)") {
        return QStringList{"Coppia in accelerazione = 3,000 kgm (29,42 N·m)",
                           "Coppia a regime = 2,000 kgm (19,61 N·m)",
                           "Coppia in decelerazione = " + decelerazione,
                           "Coppia di picco = 3,000 kgm (29,42 N·m)",
                           "Coppia efficace = 3,000 kgm (29,42 N·m) (servizio continuo: " + motivo + ")",
                           "Rapporto di intermittenza = 100 %",
                           "Rapporto d'inerzia = 4,00"};
    };
    // the reasons, in their order
    QTest::newRow("no cycle") << con([](Ciclo &c) { c.Tf = 0, c.Tdec = 0; }) << 0.01
                              << continuo("ciclo non indicato", "non calcolabile");
    QTest::newRow("no ramp down") << con([](Ciclo &c) { c.Tdec = 0, c.T0 = 0.5; }) << 0.01
                                  << continuo("Tac e Tdec devono essere positivi", "non calcolabile");
    QTest::newRow("move shorter than its ramps") << con([](Ciclo &c) { c.T0 = 2.9, c.Tf = 1; })
                                                 << 0.01 << continuo("t0 minore di Tac + Tdec");
    QTest::newRow("cycle shorter than two moves") << con([](Ciclo &c) { c.Tf = 19.99; }) << 0.01
                                                  << continuo("tf minore di 2 t0");
    QTest::newRow("no motor inertia")
        << base << 0.0
        << QStringList{"Coppia in accelerazione = 2,800 kgm (27,46 N·m)",
                       "Coppia a regime = 2,000 kgm (19,61 N·m)",
                       "Coppia in decelerazione = 1,600 kgm (15,69 N·m)",
                       "Coppia di picco = 2,800 kgm (27,46 N·m)",
                       "Coppia efficace = 1,652 kgm (16,21 N·m)",
                       "Rapporto di intermittenza = 67 %",
                       "Rapporto d'inerzia = non calcolabile"};
    QTest::newRow("no total inertia") << con([](Ciclo &c) { c.Jtot = 0; }) << 0.01
                                      << QStringList{"non calcolabile: Jtot non positivo"};
    QTest::newRow("out of scale") << con([](Ciclo &c) { c.Tdec = 1e-320; }) << 0.01
                                  << QStringList{"non calcolabile: valori fuori scala"};
    // clang-format on
}

void TestVerifica::ciclo()
{
    QFETCH(Ciclo, ciclo);
    QFETCH(double, Jmot);
    QFETCH(QStringList, righe);
    // the calculator's constant: the inertia torque as the cycle gives it
    QCOMPARE(
        verifica::righe(ciclo, analizza(ciclo, Jmot, Costante::Calcolatore), italiano()).mid(1),
        righe);
}

// The four uses against their limits, unrounded; the suitable motor of least power, then of
// least rated torque, then the first.
void TestVerifica::scelta()
{
    // with a rotor of 1/32 kgm^2: Cin' = 0,75, Cpicco 2,75 kgm, Ceff 2,0691 kgm, lambda 8;
    // 1400 rpm. Binary fractions, so that the uses of 100 % are exact.
    const Ciclo c{2, 1, 0.375, 0.125, 1400, 0.3, 0.1, 0.2, 0.6};
    const Limiti limiti{1, 8};
    const Costante calcolatore = Costante::Calcolatore;
    // at exactly 100 % a use is within its limit
    const Motore giusto = motore(QStringLiteral("giusto"), 5, 2.75, 0.03125, 2.15);
    const Esame e = esamina(c, giusto, limiti, calcolatore);
    QCOMPARE(e.picco, 100.0);
    QCOMPARE(e.inerzia, 100.0);
    QCOMPARE(e.velocita, 1400.0 / 3000 * 100);
    QVERIFY(e.adatto);
    // a name holding the separator or a quote is quoted, so that the line's fields stay apart
    Motore citato = giusto;
    citato.nome = QStringLiteral("M; \"4 kW\"");
    QVERIFY(rigaMotore(c, citato, e, italiano())
                .startsWith(QStringLiteral("\"M; \"\"4 kW\"\"\"; picco 100 %")));
    QCOMPARE(
        rigaMotore(c, giusto, e, italiano()),
        QStringLiteral("giusto; picco 100 %; efficace 96 %; velocità 47 %; inerzia 100 %; adatto"));
    QVERIFY(!esamina(c, giusto, {1.01, 10}, calcolatore).adatto);
    QVERIFY(!esamina(c, giusto, {1, 7.99}, calcolatore).adatto);
    // above its rated speed the motor gives constant power: at half the speed of the cycle
    // both its torques halve and the uses double
    Motore lento = giusto;
    lento.nn = 700;
    const Esame oltre = esamina(c, lento, limiti, calcolatore);
    QCOMPARE(oltre.picco, 200.0);
    QCOMPARE(oltre.continua, 2 * e.continua);
    QCOMPARE(oltre.governa(), Uso::Picco);
    QCOMPARE(governa(c, oltre, italiano()), QStringLiteral("governa: coppia di picco 200 %"));
    // without a rated torque, the one of 975 x Pn / nn
    QCOMPARE(esamina(c, motore("senza Cn", 3, 5, 0.01), limiti, calcolatore).continua,
             analizza(c, 0.01, calcolatore).Ceff / (975 * 3.0 / 1450) * 100);

    const std::vector<Motore> lista{
        motore("piccolo", 0.37, 0.5, 0.05), // not suitable
        motore("grande", 7.5, 10, 0.05),    motore("medio, Cn alta", 5.5, 8, 0.05, 4),
        motore("medio", 5.5, 8, 0.05, 3.8), motore("medio, uguale", 5.5, 8, 0.05, 3.8),
    };
    Confronto scelto = confronta(c, lista, limiti, calcolatore);
    QCOMPARE(scelto.esami.size(), lista.size());
    QVERIFY(!scelto.esami[0].adatto);
    QCOMPARE(scelto.scelto, std::optional<std::size_t>(3));
    QCOMPARE(confronta(c, {lista[0]}, limiti, calcolatore).scelto, std::nullopt);
    // nothing to check when the cycle cannot be computed
    Ciclo senza = c;
    senza.Jtot = -1;
    QVERIFY(confronta(senza, lista, limiti, calcolatore).esami.empty());
}

void TestVerifica::listaLunga()
{
    const Ciclo c{2, 1, 0.05, 0.01, 1400, 10, 1, 2, 30};
    std::vector<Motore> lista;
    for (int i = 0; i < 10000; ++i)
        lista.push_back(motore(QStringLiteral("M%1").arg(i), 100 - i % 50, 3 + i % 7, 0.01));
    const Confronto scelto = confronta(c, lista, {}, Costante::Fisica);
    QCOMPARE(scelto.scelto, std::optional<std::size_t>(49));
}

// Figures too large for their pictures, and cycles too long or too wide to draw: bounded text,
// a bounded chart.
void TestVerifica::fuoriScala()
{
    QCOMPARE(percentuale(3.9e82, italiano()), QStringLiteral("fuori scala"));
    QCOMPARE(percentuale(999999999, italiano()), QStringLiteral("999999999 %"));
    QCOMPARE(coppia(-2e8, italiano()), QStringLiteral("fuori scala"));
    QCOMPARE(cifra(1e300, QStringLiteral("##0.00"), italiano()), QStringLiteral("fuori scala"));

    const double massimo = std::numeric_limits<double>::max();
    Ciclo lungo{3.75, 0.014, 0.035, 0.01, 955, 10, 2, 5, massimo};
    const Motore m = motore(QStringLiteral("M"), 4, 6, 0.012);
    const grafico::Disegno d =
        graficoCiclo(lungo, analizza(lungo, Costante::Fisica), &m, italiano());
    QVERIFY(d.segmenti.size() < 100);
    QVERIFY(d.etichette.size() < 50);
    // a torque range that overflows cannot be drawn
    Ciclo largo = lungo;
    largo.Tf = 40;
    const Motore enorme = motore(QStringLiteral("E"), 4, massimo, 0.012);
    largo.Ccarico = -massimo;
    const grafico::Disegno f =
        graficoCiclo(largo, analizza(largo, Costante::Fisica), &enorme, italiano());
    QCOMPARE(f.etichette.size(), std::size_t(1));
    QCOMPARE(f.etichette.front().testo, QStringLiteral("fuori scala"));
}

// The chart draws the second move half a cycle after the first, as long as the first.
void TestVerifica::secondaMossa()
{
    const Ciclo c{2, 1, 0.05, 0.01, 1400, 10, 1, 2, 40, 1504};
    const grafico::Disegno d =
        graficoCiclo(c, analizza(c, Costante::Calcolatore), nullptr, italiano());
    std::vector<double> salite; // the x of each rise of the motor torque from rest
    double sinistra = 1e9, destra = -1e9;
    for (const grafico::Segmento &s : d.segmenti) {
        if (s.colore != coloriGrafico::coppia)
            continue;
        sinistra = std::min(sinistra, s.x1);
        destra = std::max(destra, s.x2);
        if (s.x1 == s.x2 && s.y2 < s.y1 && !std::count(salite.begin(), salite.end(), s.x1))
            salite.push_back(s.x1);
    }
    std::sort(salite.begin(), salite.end());
    QCOMPARE(salite.size(), std::size_t(2));
    QCOMPARE(salite[0], sinistra);
    // the second move at tf / 2 = 20 s of 40
    QCOMPARE(salite[1], sinistra + (destra - sinistra) / 2);
}

QTEST_GUILESS_MAIN(TestVerifica)
#include "tst_verifica.moc"
