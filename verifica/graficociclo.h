#pragma once
// The chart of one duty cycle: the motor torque over time, a step for the acceleration, the
// constant speed and the deceleration of each of the two moves and nothing in the rests, with
// horizontal lines for the RMS torque and, with a motor, its rated and peak torques. Axes in
// s and kgm with their numbers; pixels of a chart of larghezza x altezza, y downwards.

#include "ciclo.h"
#include "motore.h"

#include "charts/disegno.h"

class NumberFormat;

namespace verifica {

constexpr double larghezzaGrafico = 760, altezzaGrafico = 280;

// The colours of the lines, for the chart's legend in the window.
namespace coloriGrafico {
constexpr Colore coppia = Colore::rgb(0, 0, 255);
constexpr Colore efficace = Colore::rgb(0, 150, 0);
constexpr Colore nominale = Colore::rgb(230, 120, 0);
constexpr Colore massima = Colore::rgb(220, 0, 0);
} // namespace coloriGrafico

// `motore` may be null: no motor checked or chosen. A cycle that cannot be computed gives
// the axes and its reason; one that is not valid gives the lines without the steps.
grafico::Disegno graficoCiclo(const Ciclo &c, const Analisi &a, const Motore *motore,
                              const NumberFormat &f);

} // namespace verifica
