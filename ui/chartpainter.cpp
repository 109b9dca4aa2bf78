#include "chartpainter.h"

#include "caratteri.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>

#include <cmath>

namespace {

// Liang-Barsky: the part of the segment inside r. A scale gone wild can put a vertex far
// outside the window, and the raster engine is not meant for such coordinates.
bool taglia(QLineF &line, const QRectF &r)
{
    const double dx = line.dx(), dy = line.dy();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1() - r.left(), r.right() - line.x1(), line.y1() - r.top(),
                         r.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF a = line.pointAt(t0), b = line.pointAt(t1);
    line = QLineF(a, b);
    return true;
}

} // namespace

void dipingiGrafico(QPainter &painter, const grafico::Disegno &disegno)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // generous margin: a wide pen just outside the window still shows its edge
    const QRectF limite(-1000, -1000, 4000, 4000);
    for (const grafico::Segmento &s : disegno.segmenti) {
        QLineF line(s.x1, s.y1, s.x2, s.y2);
        if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) ||
            !std::isfinite(s.y2) || !taglia(line, limite))
            continue;
        QPen pen(ui::qcolor(s.colore), s.spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawLine(line);
    }

    for (const grafico::Etichetta &e : disegno.etichette) {
        if (e.testo.isEmpty())
            continue;
        painter.setFont(ui::arial(e.punti, true));
        const QFontMetricsF metrics(painter.font(), painter.device());
        const double larghezza = metrics.horizontalAdvance(e.testo);
        const double spostamento = e.ancora == grafico::Etichetta::Ancora::fine     ? larghezza
                                   : e.ancora == grafico::Etichetta::Ancora::centro ? larghezza / 2
                                                                                    : 0;
        const QRectF rect(e.left - spostamento, e.top, larghezza, metrics.height());
        if (e.sfondo)
            painter.fillRect(rect, ui::qcolor(*e.sfondo));
        painter.setPen(ui::qcolor(e.testoColore));
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, e.testo);
    }
    painter.restore();
}

QImage immagineGrafico(const grafico::Disegno &disegno, QSize size, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0))
        devicePixelRatio = 1;
    const QSize pixels(qCeil(size.width() * devicePixelRatio),
                       qCeil(size.height() * devicePixelRatio));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    dipingiGrafico(painter, disegno);
    painter.end();
    return image;
}
