#pragma once
// Paints a sizing sheet on A4 pages and writes it as a PDF file with Qt's own writer: text
// that can be selected and searched, fonts embedded, the drive's drawing and the charts as
// lines. QtGui only.

#include "scheda/foglio.h"

#include <QString>

// Returns the message for the user when the file could not be written, else an empty string.
// The file is replaced all at once, or left as it was.
QString scriviSchedaPdf(const scheda::Foglio &foglio, const QString &path);
