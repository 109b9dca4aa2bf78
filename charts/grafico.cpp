#include "grafico.h"

#include "calcolo/numbers.h"
#include "shell/variabili.h"

#include <QPointF>

#include <cmath>
#include <functional>

namespace grafico {

namespace {

constexpr int ultimo = Variabili::Campioni - 1;
constexpr Colore nero = colori::nero;

const QString lblY = QStringLiteral("lblY");
const QString Labelx = QStringLiteral("Labelx");
const QString lbl_Y = QStringLiteral("lbl_Y");
QString lblDat(int i)
{
    return QStringLiteral("lblDat(%1)").arg(i);
}

void linea(std::vector<Segmento> &s, double x1, double y1, double x2, double y2)
{
    s.push_back({x1, y1, x2, y2, nero, 1});
}

// One tick for each value from a up to the last one not above b.
void tacche(int a, int b, const std::function<void(double)> &tacca)
{
    for (int t = a; t <= b; t += 20)
        tacca(t);
}

// The curve through the 101 samples on the scale k, or nothing when a vertex cannot be
// placed: a zero or non-finite full scale must not put NaN or infinite coordinates into the
// drawing, nor flatten the curve to a line that shows nothing (k = 0).
void curva(Disegno &d, double k, const std::function<double(int)> &yi, Colore colore, int spessore)
{
    if (!std::isfinite(k) || k == 0)
        return;
    std::array<double, Variabili::Campioni> ys{};
    for (int i = 0; i <= ultimo; ++i) {
        ys[i] = yi(i);
        if (!std::isfinite(ys[i]))
            return;
    }
    for (int i = 1; i <= ultimo; ++i)
        d.segmenti.push_back({x(i - 1), ys[i - 1], x(i), ys[i], colore, spessore});
}

void titolo(Disegno &d, const QString &nome, const QString &testo, double left, double top)
{
    Etichetta *e = etichetta(d, nome);
    e->testo = testo;
    e->left = left;
    e->top = top;
}

// Made opaque: the label shows its background colour, the design's unless given.
void opaca(Disegno &d, const QString &nome, std::optional<Colore> sfondo = std::nullopt)
{
    Etichetta *e = etichetta(d, nome);
    e->sfondo = sfondo ? *sfondo : (nome == lblY ? colori::bianco : sistema::finestra);
}

// prefix, value, unit text, diameter in mm with "##00", " mm"
void annotazione(Disegno &d, int i, double left, double top, Colore colore, const NumberFormat &f,
                 const QString &prefisso, double valore, const QString &schema,
                 const QString &unita, double diametro)
{
    Etichetta *e = etichetta(d, lblDat(i));
    e->left = left;
    e->top = top;
    e->testoColore = colore;
    e->testo = prefisso + f.picture(valore, schema) + unita +
               f.picture(diametro, QStringLiteral("##00")) + QStringLiteral(" mm");
}

void annotazioni(Disegno &d, const NumberFormat &f, Colore colore, double top1,
                 const QString &prefisso0, const QString &prefisso1, double v0, double v1,
                 const QString &unita, double d0, double d1, double left = 200,
                 const QString &schema = QStringLiteral("##0.000"))
{
    annotazione(d, 0, left, 30, colore, f, prefisso0, v0, schema, unita, d0);
    annotazione(d, 1, left, top1, colore, f, prefisso1, v1, schema, unita, d1);
}

void aggiungi(Disegno &d, Cornice c)
{
    const std::vector<Segmento> s = cornice(c);
    d.segmenti.insert(d.segmenti.end(), s.begin(), s.end());
}

// The frame with its two axis titles made opaque: the vertical one on white, the horizontal
// one on black.
void assiOpachi(Disegno &d, Cornice c, const QString &testoY, QPointF postoY, const QString &testoX,
                QPointF postoX)
{
    aggiungi(d, c);
    titolo(d, lblY, testoY, postoY.x(), postoY.y());
    opaca(d, lblY);
    titolo(d, Labelx, testoX, postoX.x(), postoX.y());
    opaca(d, Labelx, colori::nero);
}

// A drawing of its own, from the window's design state.
Disegno nuovo(const std::function<void(Disegno &)> &disegna)
{
    Disegno d = vuoto();
    disegna(d);
    return d;
}

} // namespace

// The heights of the frames, in pixels: the zero line of the bottom frame, and the full
// scale of a curve in a frame (the speed curve, which starts at the top edge, a little more).
constexpr double zeroBasso = 690;
constexpr double scalaCurva = 680;
constexpr double scalaVelocita = 690;

double x(int i)
{
    return 20 + 9.7 * i;
}

double y(Cornice cornice, double k, double v)
{
    switch (cornice) {
    case Cornice::alto: return std::fabs(k * v);
    case Cornice::centro: return 355 - k * v;
    case Cornice::basso:
    case Cornice::velocita: break;
    }
    return zeroBasso - k * v;
}

std::vector<Segmento> cornice(Cornice c)
{
    // A frame: its axes and arrowheads, then its rows of ticks. A row on the horizontal axis
    // has a tick from (x, da) to (x, a) at each x of its range, one on the vertical axis a tick
    // from (da, y) to (a, y) at each y.
    struct Tacche {
        int primo, ultimo;
        double da, a;
        bool orizzontale;
    };
    struct Telaio {
        std::vector<std::array<double, 4>> linee;
        std::vector<Tacche> tacche;
    };
    // the frames as the design tabulates them, a row of the table a line
    // clang-format off
    const std::vector<std::array<double, 4>> assiBasso = {
        {1000, 690, 1024, 700}, {1000, 710, 1024, 700}, {0, 700, 1024, 700},
        {20, 0, 20, 725}, {10, 30, 20, 0}, {30, 30, 20, 0}};
    const std::vector<Tacche> tacchePiede = {{20, 990, 690, 710, true}, {30, 980, 695, 705, true}};
    Telaio t;
    switch (c) {
    case Cornice::basso:
        t = {assiBasso, tacchePiede};
        t.tacche.insert(t.tacche.end(), {{50, 690, 10, 30, false}, {40, 680, 15, 25, false}});
        break;
    case Cornice::velocita: // the vertical ticks shifted by ten pixels
        t = {assiBasso, tacchePiede};
        t.tacche.insert(t.tacche.end(), {{40, 690, 10, 30, false}, {50, 680, 15, 25, false}});
        break;
    case Cornice::alto:
        t = {{{1000, 2, 1024, 10}, {1000, 20, 1024, 10}, {0, 10, 1024, 10},
              {10, 0, 10, 725}, {2, 710, 10, 725}, {18, 710, 10, 725}},
             {{20, 990, 2, 20, true}, {30, 990, 4, 16, true},
              {30, 710, 2, 18, false}, {20, 700, 5, 15, false}}};
        break;
    case Cornice::centro:
        t = {{{1000, 345, 1024, 355}, {1000, 365, 1024, 355}, {0, 355, 1024, 355},
              {20, 0, 20, 725}, {10, 20, 20, 0}, {30, 20, 20, 0},
              {10, 705, 20, 725}, {30, 705, 20, 725}},
             {{20, 990, 345, 365, true}, {30, 980, 350, 360, true},
              {50, 690, 10, 30, false}, {40, 680, 15, 25, false}}};
        break;
    }
    // clang-format on
    std::vector<Segmento> s;
    for (const auto &[x1, y1, x2, y2] : t.linee)
        linea(s, x1, y1, x2, y2);
    for (const Tacche &r : t.tacche)
        tacche(r.primo, r.ultimo, [&](double v) {
            if (r.orizzontale)
                linea(s, v, r.da, v, r.a);
            else
                linea(s, r.da, v, r.a, v);
        });
    return s;
}

std::vector<Etichetta> etichetteIniziali()
{
    // Positions are those of the window design; every chart moves the labels it uses.
    const QString blank = QStringLiteral(" ");
    std::vector<Etichetta> e;
    e.push_back({lblY, blank, 30, 5, 12, sistema::testoFinestra, std::nullopt});
    e.push_back({Labelx, QString(), 910, 670, 9.75, sistema::evidenziato, std::nullopt});
    e.push_back(
        {lbl_Y, QString(), 30, 710, 9.75, sistema::testoFinestra, sistema::testoEvidenziato});
    for (int i = 0; i < 6; ++i)
        e.push_back(
            {lblDat(i), blank, 200, 30.0 + 30 * i, 11.25, sistema::testoFinestra, std::nullopt});
    return e;
}

Disegno vuoto()
{
    return Disegno{{}, etichetteIniziali()};
}

Etichetta *etichetta(Disegno &d, const QString &nome)
{
    for (Etichetta &e : d.etichette)
        if (e.nome == nome)
            return &e;
    return nullptr;
}

const Etichetta *etichetta(const Disegno &d, const QString &nome)
{
    return etichetta(const_cast<Disegno &>(d), nome);
}

void velocita(Disegno &d, const Variabili &v, const NumberFormat &f)
{
    aggiungi(d, Cornice::velocita);
    titolo(d, lblY, QStringLiteral("Omega rpm"), 15, 10);
    titolo(d, Labelx, QStringLiteral("Diam. mm"), 950, 705);
    if (v.aVel[0] != 0) {
        // the curve starts on sample 0, which this scale puts at the top edge
        const double k = scalaVelocita / v.aVel[0];
        curva(
            d, k, [&](int i) { return y(Cornice::velocita, k, v.aVel[i]); }, colori::verde, 1);
    }
    annotazioni(d, f, colori::verde, 60, QStringLiteral("Velocità massima = "),
                QStringLiteral("Velocità minima   = "), v.aVel[0], v.aVel[ultimo],
                QStringLiteral(" rpm con diametro di "), v.dMin, v.DMax, 200,
                QStringLiteral("##00"));
}

void coppiaTiro(Disegno &d, const Variabili &v, const NumberFormat &f, bool avvolgitore)
{
    if (avvolgitore) {
        assiOpachi(d, Cornice::basso, QStringLiteral("+ kgm  Coppia"), {30, 5},
                   QStringLiteral("Diam. mm"), {950, 670});
        if (v.aCmt[ultimo] != 0) {
            const double k = scalaCurva / v.aCmt[ultimo];
            curva(
                d, k, [&](int i) { return y(Cornice::basso, k, v.aCmt[i]); }, colori::ciano, 1);
        }
    } else {
        // the unwinder's torques are negative: their magnitudes hang from the top axis
        assiOpachi(d, Cornice::alto, QStringLiteral("-kgm Coppia"), {30, 700},
                   QStringLiteral("mm  Diam."), {945, 25});
        if (v.aCmt[ultimo] != 0) {
            const double k = std::fabs(scalaCurva / v.aCmt[ultimo]);
            curva(
                d, k, [&](int i) { return y(Cornice::alto, k, v.aCmt[i]); }, colori::ciano, 1);
        }
    }
    annotazioni(d, f, nero, 60, QStringLiteral("Coppia minima = "),
                QStringLiteral("Coppia massima   = "), v.aCmt[0], v.aCmt[ultimo],
                QStringLiteral(" kgm con diametro di "), v.dMin, v.DMax);
}

void inerzia(Disegno &d, const Variabili &v, const NumberFormat &f)
{
    assiOpachi(d, Cornice::basso, QStringLiteral("kgm^2 Jtotale"), {30, 5},
               QStringLiteral("mm-->Diametro"), {910, 670});
    if (v.aJtt[ultimo] != 0) {
        const double k = scalaCurva / v.aJtt[ultimo];
        curva(
            d, k, [&](int i) { return y(Cornice::basso, k, v.aJtt[i]); }, nero, 1);
    }
    annotazioni(d, f, nero, 60, QStringLiteral("Jtot minimo = "),
                QStringLiteral("Jtot massimo   = "), v.aJtt[0], v.aJtt[ultimo],
                QStringLiteral(" kgm^2 con diametro di "), v.dMin, v.DMax);
}

void coppiaInerzia(Disegno &d, const Variabili &v, const NumberFormat &f)
{
    // also after a sweep for deceleration
    assiOpachi(d, Cornice::basso, QStringLiteral("kgm coppia per accelerazione"), {30, 5},
               QStringLiteral("mm-->Diametro"), {910, 670});
    // Measured from the smallest torque, so the curve spans the frame from y = 690 to
    // y = 10 whatever the sign and offset of the samples.
    if (v.CmjMax != v.CmjMin) {
        const double k = scalaCurva / (v.CmjMax - v.CmjMin);
        curva(
            d, k, [&](int i) { return y(Cornice::basso, k, v.aCmj[i] - v.CmjMin); },
            Colore::rgb(0, 200, 160), 1);
    }
    // the extremes, but always named at the two ends of the range
    annotazioni(d, f, nero, 60, QStringLiteral("C acc. minima = "),
                QStringLiteral("C acc. massima   = "), v.CmjMin, v.CmjMax,
                QStringLiteral(" kgm con diametro di "), v.dMin, v.DMax);
}

void coppiaTotale(Disegno &d, const Variabili &v, const NumberFormat &f)
{
    aggiungi(d, Cornice::centro);
    titolo(d, lblY, QStringLiteral("+kgm coppia totale"), 30, 5);
    titolo(d, Labelx, QStringLiteral("mm-->Diametro"), 910, 365);
    titolo(d, lbl_Y, QStringLiteral("-kgm coppia totale"), 30, 710);
    if (v.CttMax != 0) {
        // CttMax is the signed total torque of largest magnitude: both curves fit the frame
        const double k = std::fabs(355 / v.CttMax);
        curva(
            d, k, [&](int i) { return y(Cornice::centro, k, v.aCtt[i]); }, colori::rosso, 3);
        curva(
            d, k, [&](int i) { return y(Cornice::centro, k, v.aCmt[i]); }, Colore::rgb(0, 0, 255),
            2);
    }
    annotazioni(d, f, colori::rosso, 50, QStringLiteral("C tot. massima = "),
                QStringLiteral("C tot. minima   = "), v.CttMax, v.CttMin,
                QStringLiteral(" kgm con diametro di "), v.diamCttMax * 1000, v.diamCttMin * 1000,
                300);
}

Disegno velocita(const Variabili &v, const NumberFormat &f)
{
    return nuovo([&](Disegno &d) { velocita(d, v, f); });
}

Disegno coppiaTiro(const Variabili &v, const NumberFormat &f, bool avvolgitore)
{
    return nuovo([&](Disegno &d) { coppiaTiro(d, v, f, avvolgitore); });
}

Disegno inerzia(const Variabili &v, const NumberFormat &f)
{
    return nuovo([&](Disegno &d) { inerzia(d, v, f); });
}

Disegno coppiaInerzia(const Variabili &v, const NumberFormat &f)
{
    return nuovo([&](Disegno &d) { coppiaInerzia(d, v, f); });
}

Disegno coppiaTotale(const Variabili &v, const NumberFormat &f)
{
    return nuovo([&](Disegno &d) { coppiaTotale(d, v, f); });
}

} // namespace grafico
