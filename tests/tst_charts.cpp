// The five reel charts on the worked example of the sweep (winder accelerating, unwinder
// decelerating): frames, curves, labels and annotations; the chart window's opening, its
// flags, printing and exit; zero and non-finite full scales; the awkward inputs.

#include "calcolo/numbers.h"
#include "charts/grafmodel.h"
#include "reel/campiona.h"
#include "shell/platform.h"
#include "shell/variabili.h"

#include "fakes.h"

#include "esempi.h"
#include <QLineF>
#include <QSignalSpy>

#include <QTest>

#include <cmath>

using grafico::Disegno;
using grafico::Etichetta;
using grafico::Segmento;

Q_DECLARE_METATYPE(QList<QLineF>)

namespace {

enum Grafico { Vel, CmtAvv, CmtSvolg, Jtt, Cmj, Ctt };

Variabili esempio(bool avvolgitore = true, bool accelerazione = true)
{
    return esempioAspo(avvolgitore, accelerazione);
}

const NumberFormat &italiano()
{
    static const NumberFormat f(QLocale(QLocale::Italian, QLocale::Italy));
    return f;
}

Disegno disegna(Grafico g, const Variabili &v)
{
    switch (g) {
    case Vel: return grafico::velocita(v, italiano());
    case CmtAvv: return grafico::coppiaTiro(v, italiano(), true);
    case CmtSvolg: return grafico::coppiaTiro(v, italiano(), false);
    case Jtt: return grafico::inerzia(v, italiano());
    case Cmj: return grafico::coppiaInerzia(v, italiano());
    case Ctt: return grafico::coppiaTotale(v, italiano());
    }
    return {};
}

// frame segments of each chart: bottom with speed ticks, bottom, top, centre
int segmentiCornice(Grafico g)
{
    switch (g) {
    case Vel: return 168;
    case CmtSvolg: return 174;
    case Ctt: return 171;
    default: return 169;
    }
}

QLineF linea(const Segmento &s)
{
    return QLineF(s.x1, s.y1, s.x2, s.y2);
}

bool contiene(const std::vector<Segmento> &s, int n, const QLineF &l)
{
    for (int i = 0; i < n; ++i)
        if (linea(s[i]) == l)
            return true;
    return false;
}

const Etichetta &label(const Disegno &d, const QString &nome)
{
    const Etichetta *e = grafico::etichetta(d, nome);
    if (!e)
        qFatal("no label %s", qPrintable(nome));
    return *e;
}

bool vicino(double a, double b, double tolleranza = 1e-4)
{
    return std::fabs(a - b) < tolleranza;
}

bool tuttoFinito(const Disegno &d)
{
    for (const Segmento &s : d.segmenti)
        if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) ||
            !std::isfinite(s.y2))
            return false;
    return true;
}

class Finestre : public FormOpener {
public:
    void openForm(FormId id) override { aperte.push_back(id); }
    void unloadForm(FormId id) override { chiuse.push_back(id); }
    bool isLoaded(FormId) const override { return false; }
    std::vector<FormId> aperte, chiuse;
};

// A chart window model on fakes, outside any registry.
struct Finestra {
    FakePlatform piattaforma;
    Finestre finestre;
    Variabili var = esempio();
    bool avvolgitore = true;
    int domande = 0;
    GrafModel model{Ambiente{var, italiano(), piattaforma, piattaforma, piattaforma, finestre},
                    [this] {
                        ++domande;
                        return avvolgitore;
                    }};
};

} // namespace

class TestCharts : public QObject {
    Q_OBJECT
private slots:
    void frame_data();
    void frame();
    void curve_data();
    void curve();
    void titles_data();
    void titles();
    void annotations_data();
    void annotations();
    void designLabels();
    void zeroFullScale_data();
    void zeroFullScale();
    void nonFinite_data();
    void nonFinite();
    void equalDiameters_data();
    void equalDiameters();
    void edgeAnnotations();
    void hostileSamples();
    void winderSamplesUnwinderSettings();
    void inertiaScaleFromMinimum();

    void noFlagEmptyDrawing();
    void eachFlagDrawsAndClears_data();
    void eachFlagDrawsAndClears();
    void flagsOverlapInOrder();
    void windingChoiceAskedAtDrawTime();
    void reopeningStartsAfresh();
    void print();
    void exit();
};

void TestCharts::frame_data()
{
    QTest::addColumn<int>("grafico");
    QTest::addColumn<QList<QLineF>>("presenti");
    QTest::addColumn<QList<QLineF>>("assenti");

    const QList<QLineF> basso{{1000, 690, 1024, 700}, {1000, 710, 1024, 700}, {0, 700, 1024, 700},
                              {20, 0, 20, 725},       {10, 30, 20, 0},        {30, 30, 20, 0},
                              {20, 690, 20, 710},     {980, 690, 980, 710},   {30, 695, 30, 705},
                              {970, 695, 970, 705}};
    const QList<QLineF> bassoAssenti{{1000, 690, 1000, 710}, {990, 695, 990, 705}};
    QTest::newRow("speed") << int(Vel)
                           << (basso + QList<QLineF>{{10, 40, 30, 40},
                                                     {10, 680, 30, 680},
                                                     {15, 50, 25, 50},
                                                     {15, 670, 25, 670}})
                           << (bassoAssenti + QList<QLineF>{{10, 690, 30, 690},
                                                            {15, 680, 25, 680},
                                                            {10, 700, 30, 700},
                                                            {15, 40, 25, 40}});
    const QList<QLineF> tacche{
        {10, 50, 30, 50}, {10, 690, 30, 690}, {15, 40, 25, 40}, {15, 680, 25, 680}};
    const QList<QLineF> taccheAssenti{{10, 40, 30, 40}, {15, 690, 25, 690}};
    // clang-format off
    QTest::newRow("tension winder") << int(CmtAvv) << basso + tacche << bassoAssenti + taccheAssenti;
    QTest::newRow("inertia") << int(Jtt) << basso + tacche << bassoAssenti + taccheAssenti;
    QTest::newRow("torque for inertia") << int(Cmj) << basso + tacche << bassoAssenti + taccheAssenti;
    QTest::newRow("tension unwinder")
        << int(CmtSvolg)
        << QList<QLineF>{{1000, 2, 1024, 10}, {1000, 20, 1024, 10}, {0, 10, 1024, 10},
                         {10, 0, 10, 725},    {2, 710, 10, 725},    {18, 710, 10, 725},
                         {20, 2, 20, 20},     {980, 2, 980, 20},    {30, 4, 30, 16},
                         {990, 4, 990, 16},   {2, 30, 18, 30},      {2, 710, 18, 710},
                         {5, 20, 15, 20},     {5, 700, 15, 700}}
        << QList<QLineF>{{1000, 2, 1000, 20}, {2, 10, 18, 10}, {5, 710, 15, 710}};
    QTest::newRow("total torque")
        << int(Ctt)
        << QList<QLineF>{{1000, 345, 1024, 355}, {1000, 365, 1024, 355}, {0, 355, 1024, 355},
                         {20, 0, 20, 725},       {10, 20, 20, 0},        {30, 20, 20, 0},
                         {10, 705, 20, 725},     {30, 705, 20, 725},     {20, 345, 20, 365},
                         {980, 345, 980, 365},   {30, 350, 30, 360},     {970, 350, 970, 360},
                         {10, 50, 30, 50},       {10, 690, 30, 690},     {15, 40, 25, 40},
                         {15, 680, 25, 680}}
        << QList<QLineF>{{1000, 345, 1000, 365}, {990, 350, 990, 360}, {10, 30, 20, 0}};
    // clang-format on
}

void TestCharts::frame()
{
    QFETCH(int, grafico);
    QFETCH(QList<QLineF>, presenti);
    QFETCH(QList<QLineF>, assenti);
    const Grafico g = Grafico(grafico);
    const Disegno d = disegna(g, esempio(g != CmtSvolg, g != CmtSvolg));
    const int n = segmentiCornice(g);
    QCOMPARE(int(d.segmenti.size()), n + (g == Ctt ? 200 : 100));
    // the frame comes first, black and thin, so the curve is drawn over it
    for (int i = 0; i < n; ++i) {
        QCOMPARE(d.segmenti[i].colore, colori::nero);
        QCOMPARE(d.segmenti[i].spessore, 1);
    }
    for (const QLineF &l : presenti)
        QVERIFY2(contiene(d.segmenti, n, l), qPrintable(QStringLiteral("missing %1,%2-%3,%4")
                                                            .arg(l.x1())
                                                            .arg(l.y1())
                                                            .arg(l.x2())
                                                            .arg(l.y2())));
    for (const QLineF &l : assenti)
        QVERIFY(!contiene(d.segmenti, n, l));
}

void TestCharts::curve_data()
{
    QTest::addColumn<int>("grafico");
    QTest::addColumn<bool>(
        "avvolgitore"); // the sweep: winder accelerating, else unwinder decelerating
    QTest::addColumn<int>("curva");
    QTest::addColumn<double>("yPrimo");
    QTest::addColumn<double>("yMezzo");
    QTest::addColumn<double>("yUltimo");
    QTest::addColumn<Colore>("colore");
    QTest::addColumn<int>("spessore");

    const Colore verde = Colore::rgb(0, 255, 0), ciano = Colore::rgb(0, 255, 255),
                 acqua = Colore::rgb(0, 200, 160), rosso = Colore::rgb(255, 0, 0),
                 blu = Colore::rgb(0, 0, 255);
    // speed: 3183,0989 at the core on the top edge, a tenth of it at the full coil
    QTest::newRow("speed winder") << int(Vel) << true << 0 << 0.0 << 564.5454 << 621.0 << verde
                                  << 1;
    QTest::newRow("speed unwinder")
        << int(Vel) << false << 0 << 0.0 << 564.5454 << 621.0 << verde << 1;
    // 0,555556 of 5,555556 kgm
    QTest::newRow("tension winder")
        << int(CmtAvv) << true << 0 << 622.0 << 316.0 << 10.0 << ciano << 1;
    // -0,45 of -4,5 kgm, hanging from the top axis
    QTest::newRow("tension unwinder")
        << int(CmtSvolg) << false << 0 << 68.0 << 374.0 << 680.0 << ciano << 1;
    // 0,032880 of 30,660345 kgm^2
    QTest::newRow("inertia winder")
        << int(Jtt) << true << 0 << 689.2708 << 0.0 << 10.0 << colori::nero << 1;
    // 0,006959 at the core, 0,006271 the least, 0,648902 the most
    QTest::newRow("torque for inertia winder")
        << int(Cmj) << true << 0 << 689.2720 << 0.0 << 10.0 << acqua << 1;
    QTest::newRow("torque for inertia unwinder")
        << int(Cmj) << false << 0 << 689.2720 << 0.0 << 10.0 << acqua << 1;
    // 1,062514 and 3,664559 of 6,704458 kgm; 0,555556 and 3,055556 kgm of tension
    // clang-format off
    QTest::newRow("total winder") << int(Ctt) << true << 0 << 298.7400 << 160.9622 << 0.0 << rosso << 3;
    QTest::newRow("total winder, tension") << int(Ctt) << true << 1 << 325.5834 << 193.2088
                                           << 60.8342 << blu << 2;
    // clang-format on
    // everything below the centre axis, -5,648902 kgm at the bottom edge
    QTest::newRow("total unwinder")
        << int(Ctt) << false << 0 << 415.1392 << 548.8113 << 710.0 << rosso << 3;
    QTest::newRow("total unwinder, tension")
        << int(Ctt) << false << 1 << 383.2798 << 510.5391 << 637.7983 << blu << 2;
}

void TestCharts::curve()
{
    QFETCH(int, grafico);
    QFETCH(bool, avvolgitore);
    QFETCH(int, curva);
    QFETCH(double, yPrimo);
    QFETCH(double, yMezzo);
    QFETCH(double, yUltimo);
    QFETCH(Colore, colore);
    QFETCH(int, spessore);
    const Grafico g = Grafico(grafico);
    const Disegno d = disegna(g, esempio(avvolgitore, avvolgitore));
    const int inizio = segmentiCornice(g) + 100 * curva;
    QVERIFY(int(d.segmenti.size()) >= inizio + 100);
    const Segmento &primo = d.segmenti[inizio];
    const Segmento &ultimo = d.segmenti[inizio + 99];
    QVERIFY(vicino(primo.x1, 20, 1e-12));
    QVERIFY2(vicino(primo.y1, yPrimo), qPrintable(QString::number(primo.y1, 'f', 6)));
    QVERIFY(vicino(ultimo.x2, 990, 1e-9));
    QVERIFY2(vicino(ultimo.y2, yUltimo), qPrintable(QString::number(ultimo.y2, 'f', 6)));
    for (int i = 0; i < 100; ++i) {
        const Segmento &s = d.segmenti[inizio + i];
        QCOMPARE(s.colore, colore);
        QCOMPARE(s.spessore, spessore);
        // sample i at 20 + 9,7 i, the polyline unbroken
        QVERIFY(vicino(s.x1, 20 + 9.7 * i, 1e-9));
        if (i > 0) {
            QCOMPARE(s.x1, d.segmenti[inizio + i - 1].x2);
            QCOMPARE(s.y1, d.segmenti[inizio + i - 1].y2);
        }
    }
    const Segmento &mezzo = d.segmenti[inizio + 50];
    QVERIFY(vicino(mezzo.x1, 505, 1e-9));
    // the inertia's middle is checked where it matters: the minimum of the torque for
    // inertia, and the inertia's own vertex, lie elsewhere
    if (g == Cmj) {
        double massimo = 0;
        for (int i = 0; i < 100; ++i)
            massimo = std::max(massimo, d.segmenti[inizio + i].y1);
        QVERIFY(vicino(massimo, 690, 1e-9));
    } else if (g != Jtt) {
        QVERIFY2(vicino(mezzo.y1, yMezzo), qPrintable(QString::number(mezzo.y1, 'f', 6)));
    }
    QVERIFY(tuttoFinito(d));
}

void TestCharts::titles_data()
{
    QTest::addColumn<int>("grafico");
    QTest::addColumn<QString>("lblY");
    QTest::addColumn<QPointF>("posY");
    QTest::addColumn<bool>("yOpaca");
    QTest::addColumn<QString>("Labelx");
    QTest::addColumn<QPointF>("posX");
    QTest::addColumn<bool>("xOpaca");
    QTest::addColumn<QString>("lbl_Y");
    QTest::addColumn<QPointF>("posMenoY");

    QTest::newRow("speed") << int(Vel) << "Omega rpm" << QPointF(15, 10) << false << "Diam. mm"
                           << QPointF(950, 705) << false << "" << QPointF(30, 710);
    QTest::newRow("tension winder")
        << int(CmtAvv) << "+ kgm  Coppia" << QPointF(30, 5) << true << "Diam. mm"
        << QPointF(950, 670) << true << "" << QPointF(30, 710);
    QTest::newRow("tension unwinder")
        << int(CmtSvolg) << "-kgm Coppia" << QPointF(30, 700) << true << "mm  Diam."
        << QPointF(945, 25) << true << "" << QPointF(30, 710);
    QTest::newRow("inertia") << int(Jtt) << "kgm^2 Jtotale" << QPointF(30, 5) << true
                             << "mm-->Diametro" << QPointF(910, 670) << true << ""
                             << QPointF(30, 710);
    QTest::newRow("torque for inertia")
        << int(Cmj) << "kgm coppia per accelerazione" << QPointF(30, 5) << true << "mm-->Diametro"
        << QPointF(910, 670) << true << "" << QPointF(30, 710);
    QTest::newRow("total") << int(Ctt) << "+kgm coppia totale" << QPointF(30, 5) << false
                           << "mm-->Diametro" << QPointF(910, 365) << false << "-kgm coppia totale"
                           << QPointF(30, 710);
}

void TestCharts::titles()
{
    QFETCH(int, grafico);
    QFETCH(QString, lblY);
    QFETCH(QPointF, posY);
    QFETCH(bool, yOpaca);
    QFETCH(QString, Labelx);
    QFETCH(QPointF, posX);
    QFETCH(bool, xOpaca);
    QFETCH(QString, lbl_Y);
    QFETCH(QPointF, posMenoY);
    // the torque-for-inertia title stays "per accelerazione" after a deceleration
    const Disegno d = disegna(Grafico(grafico), esempio(true, false));
    const Etichetta &y = label(d, QStringLiteral("lblY"));
    QCOMPARE(y.testo, lblY);
    QCOMPARE(QPointF(y.left, y.top), posY);
    QCOMPARE(y.punti, 12.0);
    QCOMPARE(y.testoColore, colori::nero);
    QCOMPARE(y.sfondo.has_value(), yOpaca);
    if (yOpaca)
        QCOMPARE(*y.sfondo, colori::bianco);

    const Etichetta &x = label(d, QStringLiteral("Labelx"));
    QCOMPARE(x.testo, Labelx);
    QCOMPARE(QPointF(x.left, x.top), posX);
    QCOMPARE(x.punti, 9.75);
    QCOMPARE(x.testoColore, grafico::sistema::evidenziato);
    QCOMPARE(x.sfondo.has_value(), xOpaca);
    if (xOpaca)
        QCOMPARE(*x.sfondo, colori::nero);

    const Etichetta &meno = label(d, QStringLiteral("lbl_Y"));
    QCOMPARE(meno.testo, lbl_Y);
    QCOMPARE(QPointF(meno.left, meno.top), posMenoY);
    QCOMPARE(meno.sfondo, std::optional<Colore>(grafico::sistema::testoEvidenziato));
}

void TestCharts::annotations_data()
{
    // clang-format off
    QTest::addColumn<int>("grafico");
    QTest::addColumn<bool>("avvolgitore");
    QTest::addColumn<QString>("testo0");
    QTest::addColumn<QString>("testo1");
    QTest::addColumn<QPointF>("pos0");
    QTest::addColumn<QPointF>("pos1");
    QTest::addColumn<Colore>("colore");

    const QPointF a(200, 30), b(200, 60);
    const Colore verde = Colore::rgb(0, 255, 0), rosso = Colore::rgb(255, 0, 0);
    QTest::newRow("speed") << int(Vel) << true
                           << "Velocità massima = 3183 rpm con diametro di 100 mm"
                           << "Velocità minima   = 318 rpm con diametro di 1000 mm" << a << b
                           << verde;
    QTest::newRow("tension winder") << int(CmtAvv) << true
                                    << "Coppia minima = 0,556 kgm con diametro di 100 mm"
                                    << "Coppia massima   = 5,556 kgm con diametro di 1000 mm" << a
                                    << b << colori::nero;
    QTest::newRow("tension unwinder") << int(CmtSvolg) << false
                                      << "Coppia minima = -0,450 kgm con diametro di 100 mm"
                                      << "Coppia massima   = -4,500 kgm con diametro di 1000 mm"
                                      << a << b << colori::nero;
    QTest::newRow("inertia") << int(Jtt) << true
                             << "Jtot minimo = 0,033 kgm^2 con diametro di 100 mm"
                             << "Jtot massimo   = 30,660 kgm^2 con diametro di 1000 mm" << a << b
                             << colori::nero;
    // the extremes, named at the ends of the range though the least lies inside it
    QTest::newRow("torque for inertia") << int(Cmj) << true
                                        << "C acc. minima = 0,006 kgm con diametro di 100 mm"
                                        << "C acc. massima   = 0,649 kgm con diametro di 1000 mm"
                                        << a << b << colori::nero;
    QTest::newRow("total winder") << int(Ctt) << true
                                  << "C tot. massima = 6,704 kgm con diametro di 1000 mm"
                                  << "C tot. minima   = 1,063 kgm con diametro di 100 mm"
                                  << QPointF(300, 30) << QPointF(300, 50) << rosso;
    // largest and smallest magnitude, negative
    QTest::newRow("total unwinder") << int(Ctt) << false
                                    << "C tot. massima = -5,649 kgm con diametro di 1000 mm"
                                    << "C tot. minima   = -0,957 kgm con diametro di 100 mm"
                                    << QPointF(300, 30) << QPointF(300, 50) << rosso;
    // clang-format on
}

void TestCharts::annotations()
{
    QFETCH(int, grafico);
    QFETCH(bool, avvolgitore);
    QFETCH(QString, testo0);
    QFETCH(QString, testo1);
    QFETCH(QPointF, pos0);
    QFETCH(QPointF, pos1);
    QFETCH(Colore, colore);
    const Disegno d = disegna(Grafico(grafico), esempio(avvolgitore, avvolgitore));
    const Etichetta &e0 = label(d, QStringLiteral("lblDat(0)"));
    const Etichetta &e1 = label(d, QStringLiteral("lblDat(1)"));
    QCOMPARE(e0.testo, testo0);
    QCOMPARE(e1.testo, testo1);
    QCOMPARE(QPointF(e0.left, e0.top), pos0);
    QCOMPARE(QPointF(e1.left, e1.top), pos1);
    QCOMPARE(e0.testoColore, colore);
    QCOMPARE(e1.testoColore, colore);
    for (const Etichetta *e : {&e0, &e1}) {
        QCOMPARE(e->punti, 11.25);
        QVERIFY(!e->sfondo);
    }
    for (int i = 2; i <= 5; ++i)
        QCOMPARE(label(d, QStringLiteral("lblDat(%1)").arg(i)).testo, QStringLiteral(" "));
}

void TestCharts::designLabels()
{
    const Disegno d = grafico::vuoto();
    QVERIFY(d.segmenti.empty());
    QStringList nomi;
    for (const Etichetta &e : d.etichette)
        nomi << e.nome;
    QCOMPARE(nomi, (QStringList{"lblY", "Labelx", "lbl_Y", "lblDat(0)", "lblDat(1)", "lblDat(2)",
                                "lblDat(3)", "lblDat(4)", "lblDat(5)"}));
    const Etichetta &y = label(d, QStringLiteral("lblY"));
    QCOMPARE(y.testo, QStringLiteral(" "));
    QCOMPARE(y.punti, 12.0);
    QVERIFY(!y.sfondo);
    const Etichetta &x = label(d, QStringLiteral("Labelx"));
    QCOMPARE(x.testo, QString());
    QVERIFY(!x.sfondo);
    QCOMPARE(x.testoColore, grafico::sistema::evidenziato);
    const Etichetta &meno = label(d, QStringLiteral("lbl_Y"));
    QCOMPARE(meno.testo, QString());
    QCOMPARE(meno.punti, 9.75);
    QCOMPARE(meno.sfondo, std::optional<Colore>(colori::bianco));
    for (int i = 0; i <= 5; ++i) {
        const Etichetta &e = label(d, QStringLiteral("lblDat(%1)").arg(i));
        QCOMPARE(e.testo, QStringLiteral(" "));
        QCOMPARE(e.punti, 11.25);
        QVERIFY(!e.sfondo);
        QCOMPARE(e.testoColore, colori::nero);
    }
}

void TestCharts::zeroFullScale_data()
{
    QTest::addColumn<int>("grafico");
    QTest::addColumn<int>("quale");
    QTest::addColumn<QString>("testo0");
    QTest::newRow("speed at the core")
        << int(Vel) << 0 << "Velocità massima = 00 rpm con diametro di 100 mm";
    QTest::newRow("tension winder")
        << int(CmtAvv) << 1 << "Coppia minima = 0,556 kgm con diametro di 100 mm";
    QTest::newRow("tension unwinder")
        << int(CmtSvolg) << 1 << "Coppia minima = 0,556 kgm con diametro di 100 mm";
    QTest::newRow("inertia") << int(Jtt) << 2 << "Jtot minimo = 0,033 kgm^2 con diametro di 100 mm";
    QTest::newRow("torque for inertia, all equal")
        << int(Cmj) << 3 << "C acc. minima = 0,649 kgm con diametro di 100 mm";
    QTest::newRow("total") << int(Ctt) << 4 << "C tot. massima = 0,000 kgm con diametro di 1000 mm";
}

void TestCharts::zeroFullScale()
{
    QFETCH(int, grafico);
    QFETCH(int, quale);
    QFETCH(QString, testo0);
    Variabili v = esempio();
    switch (quale) {
    case 0: v.aVel[0] = 0; break;
    case 1: v.aCmt[100] = 0; break;
    case 2: v.aJtt[100] = 0; break;
    case 3: v.CmjMin = v.CmjMax; break;
    case 4: v.CttMax = 0; break;
    }
    const Grafico g = Grafico(grafico);
    const Disegno d = disegna(g, v);
    // frame and labels, no curve
    QCOMPARE(int(d.segmenti.size()), segmentiCornice(g));
    QCOMPARE(label(d, QStringLiteral("lblDat(0)")).testo, testo0);
    QVERIFY(label(d, QStringLiteral("lblY")).testo.size() > 1);
}

void TestCharts::nonFinite_data()
{
    QTest::addColumn<int>("grafico");
    QTest::addColumn<int>("quale");
    QTest::addColumn<int>("curve"); // curves left
    QTest::newRow("speed sample nan") << int(Vel) << 0 << 0;
    QTest::newRow("speed full scale denormal") << int(Vel) << 1 << 0;
    QTest::newRow("tension infinite full scale") << int(CmtAvv) << 2 << 0;
    QTest::newRow("tension unwinder infinite sample") << int(CmtSvolg) << 3 << 0;
    QTest::newRow("inertia nan full scale") << int(Jtt) << 4 << 0;
    QTest::newRow("torque for inertia infinite extreme") << int(Cmj) << 5 << 0;
    // the tension curve of the total chart still has its place
    QTest::newRow("total torque sample nan") << int(Ctt) << 6 << 1;
    QTest::newRow("total torque infinite full scale") << int(Ctt) << 7 << 0;
}

void TestCharts::nonFinite()
{
    QFETCH(int, grafico);
    QFETCH(int, quale);
    QFETCH(int, curve);
    Variabili v = esempio();
    switch (quale) {
    case 0: v.aVel[50] = std::nan(""); break;
    case 1: v.aVel[0] = 1e-320; break;
    case 2: v.aCmt[100] = HUGE_VAL; break;
    case 3: v.aCmt[30] = -HUGE_VAL; break;
    case 4: v.aJtt[100] = std::nan(""); break;
    case 5: v.CmjMax = HUGE_VAL; break;
    case 6: v.aCtt[10] = std::nan(""); break;
    case 7: v.CttMax = HUGE_VAL; break;
    }
    const Grafico g = Grafico(grafico);
    const Disegno d = disegna(g, v);
    QVERIFY(tuttoFinito(d));
    QCOMPARE(int(d.segmenti.size()), segmentiCornice(g) + 100 * curve);
    if (curve == 1)
        QCOMPARE(d.segmenti.back().colore, Colore::rgb(0, 0, 255));
}

void TestCharts::equalDiameters_data()
{
    QTest::addColumn<int>("grafico");
    QTest::addColumn<bool>("avvolgitore");
    QTest::addColumn<double>("altezza"); // of the horizontal line; negative: no curve
    QTest::newRow("speed") << int(Vel) << true << 0.0;
    QTest::newRow("tension winder") << int(CmtAvv) << true << 10.0;
    QTest::newRow("tension unwinder") << int(CmtSvolg) << false << 680.0;
    QTest::newRow("inertia") << int(Jtt) << true << 10.0;
    QTest::newRow("torque for inertia") << int(Cmj) << true << -1.0;
    QTest::newRow("total") << int(Ctt) << true << 0.0;
}

void TestCharts::equalDiameters()
{
    QFETCH(int, grafico);
    QFETCH(bool, avvolgitore);
    QFETCH(double, altezza);
    Variabili v = esempio(avvolgitore, avvolgitore);
    v.DMax = v.dMin;
    QCOMPARE(aspo::campiona(v, {avvolgitore, avvolgitore}), Impedimento::Nessuno);
    const Grafico g = Grafico(grafico);
    const Disegno d = disegna(g, v);
    const int n = segmentiCornice(g);
    if (altezza < 0) {
        // every sample is the least and the most: no scale, no curve
        QCOMPARE(int(d.segmenti.size()), n);
        return;
    }
    QVERIFY(int(d.segmenti.size()) >= n + 100);
    for (int i = n; i < n + 100; ++i) {
        QVERIFY(vicino(d.segmenti[i].y1, altezza, 1e-9));
        QVERIFY(vicino(d.segmenti[i].y2, altezza, 1e-9));
    }
    QVERIFY(label(d, QStringLiteral("lblDat(1)")).testo.endsWith(QStringLiteral(" di 100 mm")));
}

void TestCharts::edgeAnnotations()
{
    Variabili v = esempio();
    v.dMin = 1200;
    v.aVel.fill(7.2);
    QCOMPARE(label(grafico::velocita(v, italiano()), QStringLiteral("lblDat(0)")).testo,
             QStringLiteral("Velocità massima = 07 rpm con diametro di 1200 mm"));

    v = esempio(false, true);
    v.dMin = 300;
    v.aCmt[0] = -1.25;
    for (bool avvolgitore : {true, false})
        QCOMPARE(label(grafico::coppiaTiro(v, italiano(), avvolgitore), QStringLiteral("lblDat(0)"))
                     .testo,
                 QStringLiteral("Coppia minima = -1,250 kgm con diametro di 300 mm"));

    // a negative that rounds to nothing shows no sign; diameters in metres become mm
    v = esempio();
    v.CttMin = -0.0004;
    v.diamCttMin = 0.2355;
    QCOMPARE(label(grafico::coppiaTotale(v, italiano()), QStringLiteral("lblDat(1)")).testo,
             QStringLiteral("C tot. minima   = 0,000 kgm con diametro di 236 mm"));
}

void TestCharts::hostileSamples()
{
    // Tables the sweep could never give (it refuses what is not finite) but the charts must
    // still survive: every sample and extreme drawn from values that are equal, zero, tiny,
    // huge, infinite or not a number, in every chart. Nothing drawn may lie outside the
    // numbers, and no label may write inf or nan.
    const double ostili[] = {0.0,    -0.0,     1.0,       -1.0,         1e-308, 5e-324, 1e308,
                             -1e308, HUGE_VAL, -HUGE_VAL, std::nan(""), 3183.1, 0.1};
    const int n = int(std::size(ostili));
    quint32 seme = 20261208;
    const auto caso = [&] {
        seme = seme * 1664525u + 1013904223u; // the same sequence on every run
        return ostili[(seme >> 8) % quint32(n)];
    };
    for (int prova = 0; prova < 300; ++prova) {
        Variabili v = esempio(prova % 2 == 0, prova % 3 == 0);
        const bool uguali = prova % 5 == 0; // one value everywhere
        const double tutti = caso();
        for (Variabili::Tabella *t : {&v.aDiam, &v.aVel, &v.aCmt, &v.aJtt, &v.aCmj, &v.aCtt})
            for (double &x : *t)
                x = uguali ? tutti : caso();
        for (double *x : {&v.CmjMax, &v.CmjMin, &v.CttMax, &v.CttMin, &v.diamCttMax, &v.diamCttMin,
                          &v.dMin, &v.DMax})
            *x = uguali ? tutti : caso();
        for (int g = Vel; g <= Ctt; ++g) {
            const Disegno d = disegna(Grafico(g), v);
            QVERIFY2(tuttoFinito(d),
                     qPrintable(QStringLiteral("chart %1, case %2").arg(g).arg(prova)));
            for (const Etichetta &e : d.etichette) {
                const QString t = e.testo.toLower();
                QVERIFY2(!t.contains(QLatin1String("inf")) && !t.contains(QLatin1String("nan")),
                         qPrintable(e.testo));
            }
        }
    }
}

void TestCharts::winderSamplesUnwinderSettings()
{
    // the reel window switched to the unwinder after a winder's sweep
    const Disegno d = grafico::coppiaTiro(esempio(true, true), italiano(), false);
    const int n = segmentiCornice(CmtSvolg);
    QCOMPARE(int(d.segmenti.size()), n + 100);
    QVERIFY(vicino(d.segmenti[n].y1, 68));
    QVERIFY(vicino(d.segmenti[n + 99].y2, 680));
    QCOMPARE(label(d, QStringLiteral("lblY")).testo, QStringLiteral("-kgm Coppia"));
    QCOMPARE(label(d, QStringLiteral("lblDat(0)")).testo,
             QStringLiteral("Coppia minima = 0,556 kgm con diametro di 100 mm"));
    QCOMPARE(label(d, QStringLiteral("lblDat(1)")).testo,
             QStringLiteral("Coppia massima   = 5,556 kgm con diametro di 1000 mm"));
}

void TestCharts::inertiaScaleFromMinimum()
{
    // all samples negative and far from zero still span the frame
    Variabili v = esempio();
    for (int i = 0; i <= 100; ++i)
        v.aCmj[i] = -100 + i * 0.5;
    v.CmjMin = -100;
    v.CmjMax = -50;
    const Disegno d = grafico::coppiaInerzia(v, italiano());
    const int n = segmentiCornice(Cmj);
    QCOMPARE(d.segmenti[n].y1, 690.0);
    QCOMPARE(d.segmenti[n + 50].y1, 350.0);
    QCOMPARE(d.segmenti[n + 99].y2, 10.0);
    QCOMPARE(label(d, QStringLiteral("lblDat(0)")).testo,
             QStringLiteral("C acc. minima = -100,000 kgm con diametro di 100 mm"));
}

void TestCharts::noFlagEmptyDrawing()
{
    Finestra f;
    f.model.Form_Load();
    QVERIFY(f.model.disegno().segmenti.empty());
    const Disegno iniziale = grafico::vuoto();
    QCOMPARE(f.model.disegno().etichette.size(), iniziale.etichette.size());
    for (size_t i = 0; i < iniziale.etichette.size(); ++i) {
        QCOMPARE(f.model.disegno().etichette[i].testo, iniziale.etichette[i].testo);
        QCOMPARE(f.model.disegno().etichette[i].left, iniziale.etichette[i].left);
        QCOMPARE(f.model.disegno().etichette[i].top, iniziale.etichette[i].top);
    }
    QCOMPARE(f.domande, 0);
    QCOMPARE(f.model.caption(), QStringLiteral("Grafici"));
    QCOMPARE(f.model.id(), FormId::frmGraf);
}

void TestCharts::eachFlagDrawsAndClears_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("segmenti");
    QTest::addColumn<QString>("lblY");
    QTest::newRow("flgGrafVel") << 0 << 268 << "Omega rpm";
    QTest::newRow("flgGrafCmt") << 1 << 269 << "+ kgm  Coppia";
    QTest::newRow("flgGrafJtt") << 2 << 269 << "kgm^2 Jtotale";
    QTest::newRow("flgGrafCmj") << 3 << 269 << "kgm coppia per accelerazione";
    QTest::newRow("flgGrafCtt") << 4 << 371 << "+kgm coppia totale";
}

void TestCharts::eachFlagDrawsAndClears()
{
    QFETCH(int, flag);
    QFETCH(int, segmenti);
    QFETCH(QString, lblY);
    qint16 Variabili::*const flags[] = {&Variabili::flgGrafVel, &Variabili::flgGrafCmt,
                                        &Variabili::flgGrafJtt, &Variabili::flgGrafCmj,
                                        &Variabili::flgGrafCtt};
    Finestra f;
    f.var.*flags[flag] = flag::True;
    QSignalSpy changed(&f.model, &FormModel::changed);
    f.model.Form_Load();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(int(f.model.disegno().segmenti.size()), segmenti);
    QCOMPARE(label(f.model.disegno(), QStringLiteral("lblY")).testo, lblY);
    for (qint16 Variabili::*p : flags)
        QCOMPARE(f.var.*p, flag::False);

    // a flag is True only at -1
    Finestra g;
    g.var.*flags[flag] = 1;
    g.model.Form_Load();
    QVERIFY(g.model.disegno().segmenti.empty());
}

void TestCharts::flagsOverlapInOrder()
{
    Finestra f;
    f.var.flgGrafVel = f.var.flgGrafCmt = f.var.flgGrafJtt = f.var.flgGrafCmj = f.var.flgGrafCtt =
        flag::True;
    f.model.Form_Load();
    const Disegno &d = f.model.disegno();
    QCOMPARE(int(d.segmenti.size()), 268 + 269 + 269 + 269 + 371);
    // each chart's curve follows its frame, in the order of the flags
    const std::vector<std::pair<int, Colore>> curve{{168, Colore::rgb(0, 255, 0)},
                                                    {268 + 169, Colore::rgb(0, 255, 255)},
                                                    {537 + 169, colori::nero},
                                                    {806 + 169, Colore::rgb(0, 200, 160)},
                                                    {1075 + 171, Colore::rgb(255, 0, 0)},
                                                    {1075 + 271, Colore::rgb(0, 0, 255)}};
    for (const auto &[inizio, colore] : curve) {
        QCOMPARE(d.segmenti[inizio].colore, colore);
        QCOMPARE(d.segmenti[inizio - 1].colore,
                 inizio == 1346 ? Colore::rgb(255, 0, 0) : colori::nero);
    }
    // the last chart's texts win; what it leaves alone keeps the earlier setting
    QCOMPARE(label(d, QStringLiteral("lblY")).testo, QStringLiteral("+kgm coppia totale"));
    QCOMPARE(label(d, QStringLiteral("lblY")).sfondo, std::optional<Colore>(colori::bianco));
    QCOMPARE(label(d, QStringLiteral("Labelx")).sfondo, std::optional<Colore>(colori::nero));
    QCOMPARE(label(d, QStringLiteral("lblDat(0)")).testo,
             QStringLiteral("C tot. massima = 6,704 kgm con diametro di 1000 mm"));
    QCOMPARE(f.var.flgGrafVel, flag::False);
    QCOMPARE(f.var.flgGrafCtt, flag::False);
}

void TestCharts::windingChoiceAskedAtDrawTime()
{
    Finestra f;
    f.avvolgitore = false;
    f.var.flgGrafCmt = flag::True;
    f.model.Form_Load();
    QCOMPARE(f.domande, 1);
    QCOMPARE(label(f.model.disegno(), QStringLiteral("lblY")).testo, QStringLiteral("-kgm Coppia"));
    QCOMPARE(int(f.model.disegno().segmenti.size()), 274);

    // no source given: the choice of the last sweep
    FakePlatform p;
    Finestre w;
    Variabili v = esempio(false, false);
    v.aspoAvvolgitore = false;
    v.flgGrafCmt = flag::True;
    GrafModel m(Ambiente{v, italiano(), p, p, p, w}, {});
    m.Form_Load();
    QCOMPARE(label(m.disegno(), QStringLiteral("Labelx")).testo, QStringLiteral("mm  Diam."));
}

void TestCharts::reopeningStartsAfresh()
{
    Finestra f;
    f.var.flgGrafJtt = f.var.flgGrafCtt = flag::True;
    f.model.Form_Load();
    f.var.flgGrafVel = flag::True;
    f.model.Form_Load();
    // the third label and the opaque title are gone with the earlier drawing
    QCOMPARE(int(f.model.disegno().segmenti.size()), 268);
    QCOMPARE(label(f.model.disegno(), QStringLiteral("lbl_Y")).testo, QString());
    QVERIFY(!label(f.model.disegno(), QStringLiteral("lblY")).sfondo);
}

void TestCharts::print()
{
    Finestra f;
    f.var.flgGrafJtt = flag::True;
    f.model.Form_Load();
    f.model.mnu_file_stampa_Click();
    QCOMPARE(f.piattaforma.graficiStampati.size(), size_t(1));
    QCOMPARE(f.piattaforma.graficiStampati[0].segmenti.size(), size_t(269));
    QCOMPARE(label(f.piattaforma.graficiStampati[0], QStringLiteral("lblDat(0)")).testo,
             QStringLiteral("Jtot minimo = 0,033 kgm^2 con diametro di 100 mm"));
    QVERIFY(f.piattaforma.messaggi.empty());

    f.piattaforma.erroreStampa =
        QStringLiteral("Nessuna stampante predefinita: impossibile stampare.");
    f.model.mnu_file_stampa_Click();
    QCOMPARE(f.piattaforma.graficiStampati.size(), size_t(1));
    QCOMPARE(f.piattaforma.messaggi.size(), size_t(1));
    QCOMPARE(f.piattaforma.messaggi[0].testo, f.piattaforma.erroreStampa);
    QCOMPARE(f.piattaforma.messaggi[0].titolo, QStringLiteral("Stampa"));
}

void TestCharts::exit()
{
    Finestra f;
    f.var.flgGrafVel = flag::True;
    f.var.flgGrafCmt = flag::True;
    f.model.mnu_file_esci_Click();
    QCOMPARE(f.var.flgGrafVel, flag::False);
    QCOMPARE(f.var.flgGrafCmt, flag::True);
    QCOMPARE(f.finestre.chiuse, std::vector<FormId>{FormId::frmGraf});
}

QTEST_APPLESS_MAIN(TestCharts)
#include "tst_charts.moc"
