#pragma once
// The sizing sheet of a calculator's last successful "Calcola": the job's header, the drive's
// drawing, the boxes as the data entry left them, the numbers the calculation read, every
// result with its formula, the window's own extras and the motor check made on its cycle.

#include "calcolo/grandezza.h"
#include "foglio.h"

#include <QList>

class NumberFormat;
struct Variabili;

namespace scheda {

// The table of the numbers the calculation read (formula empty) and the table of its results.
Tabella tabellaValori(const QList<Grandezza> &grandezze, const NumberFormat &f);
Tabella tabellaRisultati(const QList<Grandezza> &grandezze, const NumberFormat &f);

// The motor check of the cycle in the shared state, when one was made: its heading, the cycle
// with the calculator's own motor, the chart of one cycle and the table of the motors.
void aggiungiVerifica(Foglio &foglio, const Variabili &v, const NumberFormat &f);

} // namespace scheda
