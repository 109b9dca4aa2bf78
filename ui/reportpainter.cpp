#include "reportpainter.h"

#include "shell/datafile.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

QFont fontOf(const stampa::Riga &riga, bool bold)
{
    QFont font(riga.font);
    font.setStyleHint(QFont::TypeWriter); // a fixed-pitch stand-in keeps the columns
    font.setPointSizeF(riga.punti);
    font.setBold(bold);
    return font;
}

} // namespace

QString stampaDocumentoSu(QPrinter &printer, const stampa::Documento &doc)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFormat() == QPrinter::PdfFormat
                                  ? printer.outputFileName()
                                  : printer.printerName();
        return QStringLiteral("Impossibile avviare la stampa su \"%1\".").arg(where);
    }

    // the painter's origin is the top left of the printable area
    const qreal pageHeight = painter.window().height();
    qreal y = 0;
    for (const stampa::Riga &riga : doc.righe) {
        const QFont lineFont = fontOf(riga, false);
        const QFontMetricsF lineMetrics(lineFont, &printer);
        const qreal height = lineMetrics.height();
        const bool full = y + height > pageHeight;
        // a page that holds nothing yet needs no break
        if (y > 0 && (riga.nuovaPagina || full)) {
            if (!printer.newPage()) {
                painter.end();
                return QStringLiteral("Errore di stampa: impossibile passare alla pagina seguente.");
            }
            y = 0;
        }
        qreal x = 0;
        for (const stampa::Pezzo &pezzo : riga.pezzi) {
            const QFont font = fontOf(riga, pezzo.grassetto);
            painter.setFont(font);
            painter.drawText(QPointF(x, y + lineMetrics.ascent()), pezzo.testo);
            x += QFontMetricsF(font, &printer).horizontalAdvance(pezzo.testo);
        }
        y += height;
    }
    if (!painter.end())
        return QStringLiteral("Errore di stampa: il documento non è stato completato.");
    return QString();
}

QString stampaDocumentoPdf(const stampa::Documento &doc, const QString &pdfPath)
{
    // The printer writes its file as it goes; it prints into a scratch file, and only a
    // complete document (ended by its %%EOF mark) replaces the one named, all at once.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return QStringLiteral("Impossibile stampare: nessuna cartella temporanea (%1).")
            .arg(scratch.errorString());
    const QString draft = scratch.filePath(QStringLiteral("stampa.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(draft);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    if (const QString errore = stampaDocumentoSu(printer, doc); !errore.isEmpty())
        return QString(errore).replace(draft, pdfPath);
    QFile file(draft);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!bytes.trimmed().endsWith("%%EOF"))
        return QStringLiteral("Errore di stampa: il documento non è stato completato.");
    return datafile::writeBytes(pdfPath, bytes);
}
