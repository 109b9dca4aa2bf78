// The reel's diameter sweep on the worked example, winder and unwinder, and its guards.

#include "calcolo/numbers.h"
#include "reel/aspomodel.h"
#include "reel/campiona.h"
#include "shell/variabili.h"

#include "esempi.h"

#include <QTest>

namespace {

Variabili esempio()
{
    return datiAspo();
}

// The sweep on the shared state, and what the reel window says when it stops.
QString motivo(Variabili &v, aspo::Opzioni opzioni)
{
    const Impedimento m = aspo::campiona(v, opzioni);
    return m == Impedimento::Nessuno ? QString() : testoImpedimento(m, AspoModel::simboloAspo(m));
}

bool vicino(double a, double b, double tolleranza = 5e-7)
{
    return std::fabs(a - b) < tolleranza;
}

} // namespace

class TestReelSweep : public QObject {
    Q_OBJECT
private slots:
    void winderAcceleration_data();
    void winderAcceleration();
    void fifteenDigits();
    void unwinderDeceleration();
    void equalDiameters();
    void guards_data();
    void guards();
    void hostileButFinite();
};

void TestReelSweep::winderAcceleration_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<double>("diam");
    QTest::addColumn<double>("vel");
    QTest::addColumn<double>("cmt");
    QTest::addColumn<double>("jtt");
    QTest::addColumn<double>("cmj");
    QTest::addColumn<double>("ctt");
    QTest::newRow("core") << 0 << 0.1 << 3183.0989 << 0.555556 << 0.032880 << 0.006959 << 1.062514;
    QTest::newRow("middle") << 50 << 0.55 << 578.7452 << 3.055556 << 2.832702 << 0.109004
                            << 3.664559;
    QTest::newRow("full") << 100 << 1.0 << 318.3099 << 5.555556 << 30.660345 << 0.648902
                          << 6.704458;
}

void TestReelSweep::winderAcceleration()
{
    QFETCH(int, i);
    QFETCH(double, diam);
    QFETCH(double, vel);
    QFETCH(double, cmt);
    QFETCH(double, jtt);
    QFETCH(double, cmj);
    QFETCH(double, ctt);
    Variabili v = esempio();
    QCOMPARE(motivo(v, {true, true}), QString());
    QVERIFY(vicino(v.aDiam[i], diam, 1e-12));
    QVERIFY(vicino(v.aVel[i], vel, 5e-5));
    QVERIFY(vicino(v.aCmt[i], cmt));
    QVERIFY(vicino(v.aJtt[i], jtt));
    QVERIFY(vicino(v.aCmj[i], cmj));
    QVERIFY(vicino(v.aCtt[i], ctt));
    QVERIFY(vicino(v.CttMax, 6.704458));
    QCOMPARE(v.diamCttMax, v.aDiam[100]);
    QVERIFY(vicino(v.CttMin, 1.062514));
    QCOMPARE(v.diamCttMin, 0.1);
    QCOMPARE(v.CmjMax, v.aCmj[100]);
}

void TestReelSweep::fifteenDigits()
{
    // the results file writes these with 15 significant digits
    Variabili v = esempio();
    motivo(v, {true, true});
    const NumberFormat f(QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(f.general(v.aVel[0]), QStringLiteral("3183,09886142228"));
    QCOMPARE(f.general(v.CttMax), QStringLiteral("6,70445788823917"));
}

void TestReelSweep::unwinderDeceleration()
{
    Variabili v = esempio();
    QCOMPARE(motivo(v, {false, false}), QString());
    QVERIFY(vicino(v.aCmt[0], -0.45, 1e-12));
    QVERIFY(vicino(v.aCtt[100], -5.648902));
    QCOMPARE(v.CttMax, v.aCtt[100]);
    QVERIFY(v.CttMax < 0);
}

void TestReelSweep::equalDiameters()
{
    Variabili v = esempio();
    v.DMax = v.dMin;
    QCOMPARE(motivo(v, {true, true}), QString());
    for (int i = 1; i < Variabili::Campioni; ++i) {
        QCOMPARE(v.aDiam[i], v.aDiam[0]);
        QCOMPARE(v.aCtt[i], v.aCtt[0]);
    }
    QCOMPARE(v.CttMax, v.aCtt[0]);
    QCOMPARE(v.diamCttMax, v.aDiam[0]);
    QCOMPARE(v.CttMin, v.aCtt[0]);
}

void TestReelSweep::guards_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("avvolgitore");
    QTest::addColumn<bool>("accelerazione");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("R") << 0 << true << true << "Impossibile calcolare: R = 0";
    QTest::newRow("n winder") << 1 << true << true << "Impossibile calcolare: n = 0";
    QTest::newRow("tacc") << 2 << true << true << "Impossibile calcolare: tacc = 0";
    QTest::newRow("tdec") << 3 << true << false << "Impossibile calcolare: tdec = 0";
    QTest::newRow("d") << 4 << true << true << "Impossibile calcolare: diametro = 0";
    QTest::newRow("overflow") << 5 << true << true << "Impossibile calcolare: risultato non finito";
}

void TestReelSweep::guards()
{
    QFETCH(int, which);
    QFETCH(bool, avvolgitore);
    QFETCH(bool, accelerazione);
    QFETCH(QString, atteso);
    Variabili v = esempio();
    motivo(v, {true, true});
    const Variabili prima = v;
    switch (which) {
    case 0: v.N = 0; break;
    case 1: v.nu = 0; break;
    case 2: v.Tac = 0; break;
    case 3: v.Tdec = 0; break;
    case 4: v.dMin = 0; break;
    case 5:
        v.Vl = 1e308;
        v.dMin = 1e-300;
        break;
    }
    QCOMPARE(motivo(v, {avvolgitore, accelerazione}), atteso);
    QCOMPARE(v.aDiam, prima.aDiam);
    QCOMPARE(v.aCtt, prima.aCtt);
    QCOMPARE(v.CttMax, prima.CttMax);
    // the unwinder multiplies by n: a zero efficiency divides nothing there
    if (which == 1)
        QCOMPARE(motivo(v, {false, true}), QString());
}

void TestReelSweep::hostileButFinite()
{
    // a core bigger than the full reel, negative times and efficiencies, values at the edge
    // of the doubles: whatever is computed is finite, and the extremes (by size) bound the
    // total torques
    using Guasto = void (*)(Variabili &);
    const Guasto casi[] = {
        [](Variabili &v) { std::swap(v.dMin, v.DMax); },
        [](Variabili &v) {
            v.Tac = -2;
            v.Tdec = -2;
        },
        [](Variabili &v) { v.nu = -0.8; },
        [](Variabili &v) {
            v.dMin = 1e-300;
            v.DMax = 1e-290;
        },
        [](Variabili &v) {
            v.Vl = 1e300;
            v.tiroMat = 1e300;
        },
        [](Variabili &v) {
            v.pesoSpec = -7850;
            v.Lung = 1e-308;
        },
    };
    int caso = 0;
    for (const Guasto guasta : casi) {
        for (const bool avvolgitore : {true, false})
            for (const bool accelerazione : {true, false}) {
                Variabili v = esempio();
                guasta(v);
                const QString perche = motivo(v, {avvolgitore, accelerazione});
                if (!perche.isEmpty()) {
                    QCOMPARE(perche, QStringLiteral("Impossibile calcolare: risultato non finito"));
                    continue;
                }
                for (const auto *t : {&v.aDiam, &v.aVel, &v.aCmt, &v.aJtt, &v.aCmj, &v.aCtt})
                    for (double x : *t)
                        QVERIFY2(std::isfinite(x), qPrintable(QString::number(caso)));
                for (double x : v.aCtt) {
                    QVERIFY(std::fabs(x) <= std::fabs(v.CttMax));
                    QVERIFY(std::fabs(x) >= std::fabs(v.CttMin));
                }
            }
        ++caso;
    }
}

QTEST_APPLESS_MAIN(TestReelSweep)
#include "tst_reelsweep.moc"
