#include "reportpainter.h"

#include "shell/datafile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

QFont fontOf(const stampa::Riga &riga, bool bold)
{
    QFont font(riga.font);
    font.setStyleHint(QFont::TypeWriter); // a fixed-pitch stand-in keeps the columns
    font.setPointSizeF(riga.punti);
    font.setBold(bold);
    return font;
}

qreal altezza(const stampa::Riga &riga, QPaintDevice &device)
{
    return QFontMetricsF(fontOf(riga, false), &device).height();
}

qreal larghezza(const stampa::Riga &riga, QPaintDevice &device)
{
    qreal x = 0;
    for (const stampa::Pezzo &pezzo : riga.pezzi)
        x += QFontMetricsF(fontOf(riga, pezzo.grassetto), &device).horizontalAdvance(pezzo.testo);
    return x;
}

// the printable area in device pixels
QSizeF area(QPagedPaintDevice &device)
{
    return device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
}

} // namespace

double scalaDocumento(QPagedPaintDevice &device, const stampa::Documento &doc)
{
    const QSizeF carta = area(device);
    double scala = 1;
    for (const stampa::Pagina &pagina : stampa::pagine(doc)) {
        qreal w = 0, h = 0;
        for (std::size_t i = pagina.prima; i < pagina.fine; ++i) {
            w = std::max(w, larghezza(doc.righe[i], device));
            h += altezza(doc.righe[i], device);
        }
        if (w > 0)
            scala = std::min(scala, carta.width() / w);
        if (h > 0)
            scala = std::min(scala, carta.height() / h);
    }
    return scala;
}

QString stampaDocumentoSu(QPagedPaintDevice &device, const stampa::Documento &doc,
                          const QString &destinazione)
{
    const double scala = scalaDocumento(device, doc);
    QPainter painter;
    if (!painter.begin(&device))
        return QStringLiteral("Impossibile avviare la stampa su \"%1\".").arg(destinazione);
    // the painter's origin is the top left of the printable area; the fonts are measured at
    // the device's resolution and the whole page drawn smaller when it does not fit
    painter.scale(scala, scala);
    bool prima = true;
    for (const stampa::Pagina &pagina : stampa::pagine(doc)) {
        if (!prima && !device.newPage()) {
            painter.end();
            return QStringLiteral("Errore di stampa: impossibile passare alla pagina seguente.");
        }
        prima = false;
        qreal y = 0;
        for (std::size_t i = pagina.prima; i < pagina.fine; ++i) {
            const stampa::Riga &riga = doc.righe[i];
            const QFontMetricsF lineMetrics(fontOf(riga, false), &device);
            qreal x = 0;
            for (const stampa::Pezzo &pezzo : riga.pezzi) {
                const QFont font = fontOf(riga, pezzo.grassetto);
                painter.setFont(font);
                painter.drawText(QPointF(x, y + lineMetrics.ascent()), pezzo.testo);
                x += QFontMetricsF(font, &device).horizontalAdvance(pezzo.testo);
            }
            y += lineMetrics.height();
        }
    }
    if (!painter.end())
        return QStringLiteral("Errore di stampa: il documento non è stato completato.");
    return QString();
}

QString scriviPdf(const QString &pdfPath, const QPageLayout &pagina,
                  const std::function<QString(QPdfWriter &)> &dipingi)
{
    // The writer paints into memory, and only a complete document (ended by its %%EOF mark)
    // replaces the file named, all at once: no scratch file, so no temporary folder to fill.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(pagina);
        writer.setCreator(QStringLiteral("Verifica Dimensionamento Motori"));
        if (const QString errore = dipingi(writer); !errore.isEmpty())
            return errore;
    }
    if (!bytes.trimmed().endsWith("%%EOF"))
        return QStringLiteral("Errore di scrittura del PDF: il documento non è stato completato.");
    return datafile::writeBytes(pdfPath, bytes);
}

QString stampaDocumentoPdf(const stampa::Documento &doc, const QString &pdfPath)
{
    // the default printer's 10-point margins
    return scriviPdf(pdfPath,
                     QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                 QMarginsF(10, 10, 10, 10), QPageLayout::Point),
                     [&](QPdfWriter &writer) { return stampaDocumentoSu(writer, doc, pdfPath); });
}
