#pragma once
// Paints a laid-out document on a paged device (a printer, a PDF file): the lines top to
// bottom, the runs of a line one after the other, a new page where the document asks for one.
// Every page fits the printable area: when its lines are wider or taller than the paper, the
// whole document is scaled down by one factor, so fonts keep their proportions, the print zones
// stay aligned and the rows of a table look the same on every page. QtGui only.

#include "reel/documento.h"

#include <QString>

#include <functional>

class QPageLayout;
class QPagedPaintDevice;
class QPdfWriter;

// Returns the message for the user when nothing could be printed, else an empty string;
// `destinazione` names the printer or file in that message.
QString stampaDocumentoSu(QPagedPaintDevice &device, const stampa::Documento &doc,
                          const QString &destinazione);

// The factor the document is painted at on the device's printable area: 1 when every page
// fits, less when one is wider or taller.
double scalaDocumento(QPagedPaintDevice &device, const stampa::Documento &doc);

// The same document in a PDF file on A4 (the default printer's paper and margins of a PDF).
QString stampaDocumentoPdf(const stampa::Documento &doc, const QString &pdfPath);

// A PDF file written all at once: `dipingi` paints the pages on a writer at a printer's
// resolution (1200 dpi) with the page layout given, into a scratch file, and returns its
// message when it fails. Only a complete document replaces the file named; otherwise that file
// stays as it was. Returns the message for the user, else an empty string.
QString scriviPdf(const QString &pdfPath, const QPageLayout &pagina,
                  const std::function<QString(QPdfWriter &)> &dipingi);
