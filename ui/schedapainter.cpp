#include "schedapainter.h"

#include "caratteri.h"
#include "chartpainter.h"
#include "reportpainter.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>

namespace {

// The page: A4 with 15 mm margins, the footer inside them at the bottom.
constexpr double margine = 15;       // mm
constexpr double figuraMassima = 85; // mm: the tallest a drawing or a photograph is shown
constexpr double fondoLibero = 10;   // mm: no block starts this close to the footer
constexpr double puntiTitolo = 12, puntiTesto = 10, puntiTabella = 8.5, puntiPiccoli = 8;

const QColor grigioTesto(90, 90, 90);
const QColor grigioFondo(228, 228, 228);
const QColor grigioLinee(150, 150, 150);

// A text laid out in a width: lines wrapped at the spaces, a word wider than the width cut
// where it must.
struct Paragrafo {
    std::shared_ptr<QTextLayout> layout;
    double altezza = 0;

    void dipingi(QPainter &painter, QPointF dove) const { layout->draw(&painter, dove); }
};

Paragrafo paragrafo(const QString &testo, const QFont &font, double larghezza, QPaintDevice &device,
                    Qt::Alignment allineamento = Qt::AlignLeft,
                    QTextOption::WrapMode aCapo = QTextOption::WrapAtWordBoundaryOrAnywhere)
{
    auto layout = std::make_shared<QTextLayout>(testo, font, &device);
    QTextOption opzioni(allineamento);
    opzioni.setWrapMode(aCapo);
    layout->setTextOption(opzioni);
    layout->setCacheEnabled(true);
    const double interlinea = QFontMetricsF(font, &device).leading();
    double y = 0;
    layout->beginLayout();
    for (QTextLine riga = layout->createLine(); riga.isValid(); riga = layout->createLine()) {
        riga.setLineWidth(larghezza);
        riga.setPosition(QPointF(0, y));
        y += riga.height() + interlinea;
    }
    layout->endLayout();
    return {std::move(layout), y};
}

// Something laid out whole on one page, painted at the top y the layout gives it.
struct Pezzo {
    double altezza = 0;
    double prima = 0; // space above it, dropped at the top of a page
    std::function<void(QPainter &, double y)> dipingi;
    bool inizio = false; // the start of a block: not in the last few millimetres of a page
    // how many pieces after it go on its page: a heading's block, a table's first rows
    int legati = 0;
    std::shared_ptr<const Pezzo> intestazione{}; // a table's header row, again at the top of a page
};

// The pieces on a page and the y of each.
using Pagina = std::vector<std::pair<std::shared_ptr<const Pezzo>, double>>;

// The blocks of a sheet as pieces, then the pieces on pages. Measures with the writer itself,
// so that the layout is what is painted.
class Impaginatore {
public:
    explicit Impaginatore(QPdfWriter &writer)
        : m_device(writer), m_dpi(writer.resolution()), m_larghezza(writer.width())
    {
        const QFontMetricsF piede(ui::arial(puntiPiccoli, false), &m_device);
        m_fondo = writer.height() - piede.height() - mm(3);
    }

    std::vector<Pagina> impagina(const scheda::Foglio &foglio);
    // At the bottom of every page, under a rule: the program and "Pagina 2 di 3".
    void piede(QPainter &painter, const QString &programma, std::size_t pagina,
               std::size_t pagine) const;

private:
    double mm(double v) const { return v * m_dpi / 25.4; }
    double punti(double v) const { return v * m_dpi / 72; }

    void intestazione(const scheda::Foglio &foglio);
    void blocco(const scheda::Titolo &titolo);
    void blocco(const scheda::Testo &testo);
    void blocco(const scheda::Tabella &tabella);
    void blocco(const scheda::Figura &figura);
    void blocco(const scheda::Grafico &grafico);
    // a picture of `proporzione` height to width as wide as the text, at most `massima` tall,
    // centred, with its description under it
    void figura(double proporzione, double massima, const QString &descrizione,
                std::function<void(QPainter &, const QRectF &)> dipingi);

    std::shared_ptr<Pezzo> aggiungi(Pezzo pezzo)
    {
        m_pezzi.push_back(std::make_shared<Pezzo>(std::move(pezzo)));
        return m_pezzi.back();
    }

    QPaintDevice &m_device;
    double m_dpi, m_larghezza, m_fondo = 0;
    std::vector<std::shared_ptr<Pezzo>> m_pezzi;
};

void Impaginatore::intestazione(const scheda::Foglio &foglio)
{
    const QFont piccolo = ui::arial(puntiPiccoli + 1, false);
    const QFontMetricsF mPiccolo(piccolo, &m_device);
    const double w = m_larghezza;
    aggiungi({mPiccolo.height(), 0, [=, programma = foglio.programma](QPainter &p, double y) {
                  p.setFont(piccolo);
                  p.setPen(grigioTesto);
                  const QRectF riga(0, y, w, mPiccolo.height());
                  p.drawText(riga, Qt::AlignLeft | Qt::AlignTop, programma);
                  p.drawText(riga, Qt::AlignRight | Qt::AlignTop,
                             QStringLiteral("Scheda di calcolo"));
              }});
    const Paragrafo lavoro = paragrafo(foglio.lavoro, ui::arial(18, true), w, m_device);
    aggiungi({lavoro.altezza, mm(2), [=](QPainter &p, double y) {
                  p.setPen(Qt::black);
                  lavoro.dipingi(p, QPointF(0, y));
              }});
    QStringList righe;
    if (!foglio.cliente.isEmpty())
        righe << QStringLiteral("Cliente: %1").arg(foglio.cliente);
    if (!foglio.progetto.isEmpty())
        righe << QStringLiteral("Progetto: %1").arg(foglio.progetto);
    righe << QStringLiteral("Data: %1")
                 .arg(foglio.quando.toString(QStringLiteral("dd/MM/yyyy hh:mm")));
    const double filetto = mm(2.5);
    for (qsizetype i = 0; i < righe.size(); ++i) {
        const Paragrafo riga = paragrafo(righe[i], ui::arial(puntiTesto, false), w, m_device);
        const bool ultima = i + 1 == righe.size();
        aggiungi({riga.altezza + (ultima ? filetto : 0), i == 0 ? mm(1.5) : 0,
                  [=, this](QPainter &p, double y) {
                      p.setPen(Qt::black);
                      riga.dipingi(p, QPointF(0, y));
                      if (ultima) {
                          p.setPen(QPen(grigioLinee, punti(0.75)));
                          const double sotto = y + riga.altezza + filetto;
                          p.drawLine(QPointF(0, sotto), QPointF(w, sotto));
                      }
                  }});
    }
}

void Impaginatore::blocco(const scheda::Titolo &titolo)
{
    const Paragrafo testo =
        paragrafo(titolo.testo, ui::arial(puntiTitolo, true), m_larghezza, m_device);
    aggiungi({testo.altezza + mm(1), mm(5),
              [=](QPainter &p, double y) {
                  p.setPen(Qt::black);
                  testo.dipingi(p, QPointF(0, y));
              },
              true, 1});
}

void Impaginatore::blocco(const scheda::Testo &testo)
{
    bool primo = true;
    for (qsizetype i = 0; i < testo.righe.size(); ++i) {
        const Paragrafo righe =
            paragrafo(testo.righe.at(i), ui::arial(puntiTesto, false), m_larghezza, m_device);
        const bool ultima = i + 1 == testo.righe.size();
        aggiungi({righe.altezza + mm(0.6), primo ? mm(1.5) : 0,
                  [=](QPainter &p, double y) {
                      p.setPen(Qt::black);
                      righe.dipingi(p, QPointF(0, y));
                  },
                  primo, ultima && testo.conIlSeguente ? 1 : 0});
        primo = false;
    }
}

void Impaginatore::blocco(const scheda::Tabella &tabella)
{
    const qsizetype colonne = tabella.colonne.size();
    if (colonne == 0)
        return;
    // the columns' edges; shares that do not fit the table are made equal
    std::vector<double> quote(tabella.larghezze);
    if (qsizetype(quote.size()) != colonne ||
        std::any_of(quote.begin(), quote.end(), [](double q) { return !(q > 0); }))
        quote.assign(colonne, 1);
    const double totale = std::accumulate(quote.begin(), quote.end(), 0.0);
    std::vector<double> bordi{0};
    for (double q : quote)
        bordi.push_back(bordi.back() + q / totale * m_larghezza);

    const double margineX = mm(1.2), margineY = mm(0.7);
    const double linea = punti(0.5);
    const auto riga = [&](const QStringList &celle, bool testata) {
        std::vector<Paragrafo> testi;
        std::vector<double> abbassa;
        double altezza = 0;
        for (qsizetype c = 0; c < colonne; ++c) {
            const double larghezza = bordi[c + 1] - bordi[c] - 2 * margineX;
            const QString testo = celle.value(c);
            const QFont base = ui::arial(puntiTabella, testata);
            const bool numero =
                !testata && std::size_t(c) < tabella.numeri.size() && tabella.numeri[c];
            // A number stays on one line and a name or a word of a formula whole: one wider
            // than its column is set smaller.
            const QFontMetricsF metriche(base, &m_device);
            double serve = 0;
            for (const QString &parola :
                 numero ? QStringList{testo} : testo.split(u' ', Qt::SkipEmptyParts))
                serve = std::max(serve, metriche.horizontalAdvance(parola));
            QFont font = base;
            if (serve > larghezza)
                font.setPointSizeF(std::max(numero ? 5.0 : 6.0, puntiTabella * larghezza / serve));
            testi.push_back(paragrafo(
                testo, font, larghezza, m_device, numero ? Qt::AlignRight : Qt::AlignLeft,
                numero ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere));
            // smaller text on the baseline of the row's first line
            abbassa.push_back(metriche.ascent() - QFontMetricsF(font, &m_device).ascent());
            altezza = std::max(altezza, abbassa.back() + testi.back().altezza);
        }
        altezza += 2 * margineY;
        return Pezzo{altezza, 0, [=](QPainter &p, double y) {
                         if (testata)
                             p.fillRect(QRectF(0, y, bordi.back(), altezza), grigioFondo);
                         p.setPen(Qt::black);
                         for (qsizetype c = 0; c < colonne; ++c)
                             testi[c].dipingi(
                                 p, QPointF(bordi[c] + margineX, y + margineY + abbassa[c]));
                         p.setPen(QPen(grigioLinee, linea));
                         p.setBrush(Qt::NoBrush);
                         for (qsizetype c = 0; c < colonne; ++c)
                             p.drawRect(QRectF(bordi[c], y, bordi[c + 1] - bordi[c], altezza));
                     }};
    };
    Pezzo testata = riga(tabella.colonne, true);
    testata.prima = mm(1.5);
    testata.inizio = true;
    testata.legati = int(std::min<std::size_t>(tabella.righe.size(), 3));
    const std::shared_ptr<const Pezzo> ripetuta = aggiungi(testata);
    for (const QStringList &celle : tabella.righe) {
        Pezzo pezzo = riga(celle, false);
        pezzo.intestazione = ripetuta;
        aggiungi(std::move(pezzo));
    }
}

void Impaginatore::figura(double proporzione, double massima, const QString &descrizione,
                          std::function<void(QPainter &, const QRectF &)> dipingi)
{
    double w = m_larghezza, h = w * proporzione;
    if (h > massima) {
        h = massima;
        w = h / proporzione;
    }
    const QRectF dove((m_larghezza - w) / 2, 0, w, h);
    const Paragrafo didascalia = paragrafo(descrizione, ui::arial(puntiPiccoli + 1, false),
                                           m_larghezza, m_device, Qt::AlignHCenter);
    const double spazio = descrizione.isEmpty() ? 0 : mm(1.5);
    aggiungi({h + spazio + (descrizione.isEmpty() ? 0 : didascalia.altezza) + mm(2), mm(3),
              [=](QPainter &p, double y) {
                  dipingi(p, dove.translated(0, y));
                  if (!descrizione.isEmpty()) {
                      p.setPen(grigioTesto);
                      didascalia.dipingi(p, QPointF(0, y + h + spazio));
                  }
              },
              true});
}

void Impaginatore::blocco(const scheda::Figura &figura)
{
    // a drawing of the program's own is painted as lines; a photograph as its pixels
    if (figura.percorso.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        auto svg = std::make_shared<QSvgRenderer>(figura.percorso);
        const QSizeF size = svg->viewBoxF().size();
        if (!svg->isValid() || size.isEmpty())
            return;
        this->figura(size.height() / size.width(), mm(figuraMassima), figura.descrizione,
                     [svg](QPainter &p, const QRectF &dove) { svg->render(&p, dove); });
    } else {
        const QImage immagine(figura.percorso);
        if (immagine.isNull())
            return;
        // no larger than the window shows it, on a screen of 96 pixels to the inch
        const double massima = std::min(mm(figuraMassima), immagine.height() * m_dpi / 96);
        this->figura(double(immagine.height()) / immagine.width(), massima, figura.descrizione,
                     [immagine](QPainter &p, const QRectF &dove) {
                         p.setRenderHint(QPainter::SmoothPixmapTransform);
                         p.drawImage(dove, immagine);
                     });
    }
}

void Impaginatore::blocco(const scheda::Grafico &grafico)
{
    if (!(grafico.larghezza > 0) || !(grafico.altezza > 0))
        return;
    // The chart's labels are sized in points for a screen's pixels (96 to the inch), its lines
    // in those pixels: on the page its pixels are scaled to the text width, and the labels,
    // which the painter sizes at the writer's resolution, are made as much smaller, so that
    // they keep their proportion to the lines and their place.
    grafico::Disegno disegno = grafico.disegno;
    for (grafico::Etichetta &e : disegno.etichette)
        e.punti *= 96 / m_dpi;
    const QRectF proprio(0, 0, grafico.larghezza, grafico.altezza);
    figura(grafico.altezza / grafico.larghezza, m_fondo, grafico.descrizione,
           [=, this](QPainter &p, const QRectF &dove) {
               p.save();
               p.translate(dove.topLeft());
               p.scale(dove.width() / proprio.width(), dove.height() / proprio.height());
               p.setClipRect(proprio);
               dipingiGrafico(p, disegno);
               p.restore();
               p.setPen(QPen(grigioLinee, punti(0.5)));
               p.setBrush(Qt::NoBrush);
               p.drawRect(dove);
           });
}

std::vector<Pagina> Impaginatore::impagina(const scheda::Foglio &foglio)
{
    intestazione(foglio);
    for (const scheda::Blocco &b : foglio.blocchi)
        std::visit([this](const auto &blocco) { this->blocco(blocco); }, b);

    std::vector<Pagina> pagine(1);
    double y = 0;
    const auto posa = [&](const std::shared_ptr<const Pezzo> &pezzo) {
        if (y > 0)
            y += pezzo->prima;
        pagine.back().emplace_back(pezzo, y);
        y += pezzo->altezza;
    };
    for (std::size_t i = 0; i < m_pezzi.size(); ++i) {
        const Pezzo &pezzo = *m_pezzi[i];
        // what must go on this page with it: the heading's block, a table's first rows
        double serve = pezzo.prima + pezzo.altezza;
        std::size_t fine = i + pezzo.legati;
        for (std::size_t j = i + 1; j <= fine && j < m_pezzi.size(); ++j) {
            serve += m_pezzi[j]->prima + m_pezzi[j]->altezza;
            fine = std::max(fine, j + m_pezzi[j]->legati);
        }
        const bool pieno =
            y + serve > m_fondo || (pezzo.inizio && y + pezzo.prima > m_fondo - mm(fondoLibero));
        if (y > 0 && pieno) {
            pagine.emplace_back();
            y = 0;
            if (pezzo.intestazione)
                posa(pezzo.intestazione);
        }
        posa(m_pezzi[i]);
    }
    return pagine;
}

void Impaginatore::piede(QPainter &painter, const QString &programma, std::size_t pagina,
                         std::size_t pagine) const
{
    const QFont font = ui::arial(puntiPiccoli, false);
    const double altezza = QFontMetricsF(font, &m_device).height();
    const QRectF riga(0, m_device.height() - altezza, m_larghezza, altezza);
    painter.setPen(QPen(grigioLinee, punti(0.5)));
    painter.drawLine(QPointF(0, riga.top() - mm(1.5)), QPointF(riga.right(), riga.top() - mm(1.5)));
    painter.setFont(font);
    painter.setPen(grigioTesto);
    painter.drawText(riga, Qt::AlignLeft | Qt::AlignTop, programma);
    painter.drawText(riga, Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("Pagina %1 di %2").arg(pagina).arg(pagine));
}

} // namespace

QString scriviSchedaPdf(const scheda::Foglio &foglio, const QString &path)
{
    return scriviPdf(
        path,
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(margine, margine, margine, margine), QPageLayout::Millimeter),
        [&](QPdfWriter &writer) {
            writer.setTitle(QStringLiteral("Scheda di calcolo: %1").arg(foglio.lavoro));
            writer.setCreator(foglio.programma);
            Impaginatore impaginatore(writer);
            const std::vector<Pagina> pagine = impaginatore.impagina(foglio);

            QPainter painter;
            if (!painter.begin(&writer))
                return QStringLiteral("Impossibile scrivere la scheda \"%1\".")
                    .arg(QFileInfo(path).fileName());
            for (std::size_t n = 0; n < pagine.size(); ++n) {
                if (n > 0 && !writer.newPage()) {
                    painter.end();
                    return QStringLiteral(
                        "Errore di scrittura del PDF: impossibile passare alla pagina seguente.");
                }
                for (const auto &[pezzo, y] : pagine[n])
                    pezzo->dipingi(painter, y);
                impaginatore.piede(painter, foglio.programma, n + 1, pagine.size());
            }
            if (!painter.end())
                return QStringLiteral(
                    "Errore di scrittura del PDF: il documento non è stato completato.");
            return QString();
        });
}
