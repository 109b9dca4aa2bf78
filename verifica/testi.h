#pragma once
// The check as text, the same lines in the window and in the batch program's output.

#include "esame.h"

#include <QStringList>

class NumberFormat;

namespace verifica {

// "3,764 kgm (36,91 N·m)"
QString coppia(double kgm, const NumberFormat &f);
// "45 %"; a use too large to be a number reads "fuori scala"
QString percentuale(double valore, const NumberFormat &f);

// The torques of the cycle, the duty factor and the inertia ratio, one quantity a line:
// "Coppia in accelerazione = 3,764 kgm (36,91 N·m)"; a single line when the cycle cannot be
// computed: "non calcolabile: Jtot non positivo".
QStringList righeCiclo(const Analisi &a, const NumberFormat &f);

// "NAME; picco 45 %; efficace 80 %; velocità 64 %; inerzia 15 %; adatto"
QString rigaMotore(const Motore &m, const Esame &e, const NumberFormat &f);
// "adatto" or "non adatto"
QString giudizio(const Esame &e);

} // namespace verifica
