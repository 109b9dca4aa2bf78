// Charts as pixels: the image the window retains and the printer gets, and the chart window
// itself, offscreen, on the worked example of the reel sweep.

#include "fakes.h"

#include "charts/grafmodel.h"
#include "reel/campiona.h"
#include "ui/chartpainter.h"
#include "ui/grafview.h"

#include "esempi.h"
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <QTest>

namespace {

void esempio(Variabili &v)
{
    datiAspo(v);
    if (aspo::campiona(v, {true, true}) != Impedimento::Nessuno)
        qFatal("sweep failed");
}

const NumberFormat &italiano()
{
    static const NumberFormat f(QLocale(QLocale::Italian, QLocale::Italy));
    return f;
}

// the colour of the device pixel under the logical point p
QColor pixel(const QImage &image, QPointF p)
{
    const qreal r = image.devicePixelRatio();
    return image.pixelColor(int(p.x() * r), int(p.y() * r));
}

// whether some device pixel within one logical pixel of p has colour c
bool vicinoA(const QImage &image, QPointF p, const QColor &c)
{
    const qreal r = image.devicePixelRatio();
    for (int dy = -int(r); dy <= int(r); ++dy)
        for (int dx = -int(r); dx <= int(r); ++dx) {
            const QPoint q(int(p.x() * r) + dx, int(p.y() * r) + dy);
            if (image.rect().contains(q) && image.pixelColor(q) == c)
                return true;
        }
    return false;
}

// The red total torque curve of the example at sample 50: 3,664559 of 6,704458 kgm.
const QPointF verticeRosso(505, 160.962);
// The blue tension curve there: 3,055556 kgm.
const QPointF verticeBlu(505, 193.209);
// The green speed curve at sample 50: 578,7452 of 3183,0989 rpm.
const QPointF verticeVerde(505, 564.545);

} // namespace

class TestChartImage : public QObject {
    Q_OBJECT
private slots:
    void image_data();
    void image();
    void opaqueLabel();
    void window();
};

void TestChartImage::image_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("1") << qreal(1);
    QTest::newRow("2") << qreal(2);
    QTest::newRow("1.5") << qreal(1.5);
}

void TestChartImage::image()
{
    QFETCH(qreal, dpr);
    Variabili v;
    esempio(v);
    const QImage image =
        immagineGrafico(grafico::coppiaTotale(v, italiano()), QSize(1024, 725), dpr);
    QCOMPARE(image.size(), QSize(qCeil(1024 * dpr), qCeil(725 * dpr)));
    QCOMPARE(image.devicePixelRatio(), dpr);
    QCOMPARE(pixel(image, verticeRosso), QColor(255, 0, 0));
    QVERIFY(vicinoA(image, verticeBlu, QColor(0, 0, 255)));
    // the centre axis black, the empty lower half white
    QCOMPARE(pixel(image, QPointF(600.2, 355.2)), QColor(Qt::black));
    QCOMPARE(pixel(image, QPointF(600, 600)), QColor(Qt::white));
    // unsmoothed: only the chart's own colours, no blends, away from the texts
    for (int y = 100; y < 700; y += 3)
        for (int x = 40; x < 900; x += 3) {
            const QColor c = pixel(image, QPointF(x, y));
            QVERIFY2(c == Qt::white || c == Qt::black || c == QColor(255, 0, 0) ||
                         c == QColor(0, 0, 255),
                     qPrintable(QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(c.name())));
        }

    const QImage verde = immagineGrafico(grafico::velocita(v, italiano()), QSize(1024, 725), dpr);
    QVERIFY(vicinoA(verde, verticeVerde, QColor(0, 255, 0)));
}

void TestChartImage::opaqueLabel()
{
    Variabili v;
    esempio(v);
    // "mm-->Diametro" at (910, 670) on black; the top row of the label is above the glyphs
    const QImage image = immagineGrafico(grafico::inerzia(v, italiano()));
    QCOMPARE(pixel(image, QPointF(911, 670.5)), QColor(Qt::black));
    QCOMPARE(pixel(image, QPointF(905, 672)), QColor(Qt::white));
    // nothing of an empty drawing but white
    const QImage vuota = immagineGrafico(grafico::vuoto());
    for (int y = 0; y < vuota.height(); y += 5)
        for (int x = 0; x < vuota.width(); x += 5)
            QCOMPARE(vuota.pixelColor(x, y), QColor(Qt::white));
}

void TestChartImage::window()
{
    Banco b;
    esempio(b.var());
    Ambiente env{b.var(), b.numeri, b.piattaforma, b.piattaforma, b.piattaforma, b.programma};
    GrafModel model(env, [] { return true; });
    b.var().flgGrafCtt = flag::True;
    model.Form_Load();
    QCOMPARE(b.var().flgGrafCtt, flag::False);

    GrafView view(b.programma, model);
    QCOMPARE(view.windowTitle(), QStringLiteral("Grafici"));
    QVERIFY(view.windowState() & Qt::WindowMaximized);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // ctest runs this again on screens of ratio 1.5 and 2, and says which
    QCOMPARE(view.devicePixelRatioF(),
             qEnvironmentVariable("DM_DPR", QStringLiteral("1")).toDouble());
    const QImage &kept = view.immagine();
    QVERIFY(kept.width() / kept.devicePixelRatio() >= 1024);
    QVERIFY(kept.height() / kept.devicePixelRatio() >= 725);
    QCOMPARE(kept.devicePixelRatio(), view.devicePixelRatioF());
    QCOMPARE(pixel(kept, verticeRosso), QColor(255, 0, 0));

    // what the window shows: white, with the curve
    QWidget *client = view.centralWidget();
    QCOMPARE(client->palette().color(QPalette::Window), QColor(Qt::white));
    const QImage shown = client->grab().toImage();
    QCOMPARE(pixel(shown, QPointF(600, 600)), QColor(Qt::white));
    QCOMPARE(pixel(shown, verticeRosso), QColor(255, 0, 0));
    if (client->width() > 1030)
        QCOMPARE(pixel(shown, QPointF(client->width() - 3, 355)), QColor(Qt::white));

    // restored, the window keeps room for the whole drawing below its menu bar, as far as
    // the screen allows
    const QSize schermo = view.screen()->availableGeometry().size();
    const int menu = view.menuBar()->sizeHint().height();
    QCOMPARE(view.normalGeometry().size(), QSize(1024, 725 + menu).boundedTo(schermo));

    // the model redraws: the image follows
    b.var().flgGrafVel = flag::True;
    model.Form_Load();
    QCOMPARE(pixel(view.immagine(), verticeRosso), QColor(Qt::white));
    QVERIFY(vicinoA(view.immagine(), verticeVerde, QColor(0, 255, 0)));

    // the File menu
    QMenu *file = view.menuBar()->findChild<QMenu *>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QCOMPARE(file->title(), QStringLiteral("&File"));
    const QList<QAction *> actions = file->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->objectName(), QStringLiteral("mnu_file_stampa"));
    QCOMPARE(actions[0]->text(), QStringLiteral("S&tampa"));
    QCOMPARE(actions[1]->objectName(), QStringLiteral("mnu_file_esci"));
    QCOMPARE(actions[1]->text(), QStringLiteral("&Esci"));
    actions[0]->trigger();
    QCOMPARE(b.piattaforma.graficiStampati.size(), size_t(1));
    QCOMPARE(b.piattaforma.graficiStampati[0].segmenti.size(), model.disegno().segmenti.size());
    b.var().flgGrafVel = flag::True;
    actions[1]->trigger();
    QCOMPARE(b.var().flgGrafVel, flag::False);
}

QTEST_MAIN(TestChartImage)
#include "tst_chartimage.moc"
