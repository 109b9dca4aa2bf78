#pragma once
// Paints a laid-out document on a printer: the lines top to bottom, the runs of a line one
// after the other, a new page where the document asks for one or where the page is full.

#include "reel/documento.h"

#include <QString>

class QPrinter;

// Returns the message for the user when nothing could be printed, else an empty string.
QString stampaDocumentoSu(QPrinter &printer, const stampa::Documento &doc);

// The same document in a PDF file on A4.
QString stampaDocumentoPdf(const stampa::Documento &doc, const QString &pdfPath);
