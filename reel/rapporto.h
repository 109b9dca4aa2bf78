#pragma once
// The printed reel report: customer and project, date and time, the reel data as typed and
// the table of the diameter sweep, laid out as lines of text for the printer.

#include "documento.h"

#include <QDateTime>
#include <QString>

struct Variabili;
class NumberFormat;

namespace stampa {

// Rows 0 to this one go on the first page; the table goes on from a new page.
constexpr int UltimaRigaPrimaPagina = 43;

// One row of the table: diameter, motor speed, a quarter of the total inertia, acceleration
// torque and total torque of sample i, in fixed columns.
QString rigaTabella(const Variabili &v, int i, const NumberFormat &numeri);

// "dd - mm - yyyy hh:mm:ss", 24-hour time with the locale's time separator.
QString dataOra(const QDateTime &quando, const NumberFormat &numeri);

} // namespace stampa

stampa::Documento rapporto(const Variabili &v, const QString &cliente, const QString &progetto,
                           const QDateTime &quando, const NumberFormat &numeri);
