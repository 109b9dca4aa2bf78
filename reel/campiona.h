#pragma once
// The reel's sweep and the shared state: its data as the data entry leaves them there, and its
// tables and extremes stored there, where the results window, the charts, the report and the
// results file read them.

#include "sweep.h"

#include "shell/variabili.h"

namespace aspo {

Dati dati(const Variabili &v);

// The tables and extremes into the shared state.
void registra(Variabili &v, const Campionatura &c);

// The sweep of the data the shared state holds, stored there when it succeeds; the tables
// stay as they were otherwise.
Impedimento campiona(Variabili &v, Opzioni opzioni);

} // namespace aspo
