#pragma once
// The charts of the check, in pixels of a chart of larghezza x altezza, y downwards.
// A linear cycle: the motor torque over time, a step for the acceleration, the constant speed
// and the deceleration of each of the two moves and nothing in the rests, with horizontal lines
// for the RMS torque and, with a motor, the continuous and peak torques it gives at the speed.
// The reel: torque over motor speed, the coil's |Creg|, |Cacc| and |Cdec| over the speeds of
// its diameters and the motor's continuous and peak torques, flat up to the rated speed, then
// falling as nn / n up to the largest speed.

#include "calcolo/esame.h"
#include "calcolo/motore.h"

#include "charts/disegno.h"

#include <utility>
#include <vector>

class NumberFormat;

namespace verifica {

constexpr double larghezzaGrafico = 760, altezzaGrafico = 280;

// The colours of the lines.
namespace coloriGrafico {
constexpr Colore coppia = Colore::rgb(0, 0, 255);
constexpr Colore efficace = Colore::rgb(0, 150, 0);
constexpr Colore nominale = Colore::rgb(230, 120, 0);
constexpr Colore massima = Colore::rgb(220, 0, 0);
constexpr Colore accelerazione = Colore::rgb(160, 0, 160);
constexpr Colore decelerazione = Colore::rgb(0, 140, 160);
} // namespace coloriGrafico

// The key of the chart of a load: each line's name and colour, the motor's only with one.
std::vector<std::pair<QString, Colore>> legenda(const Carico &c, bool motore);

// `motore` may be null: no motor checked or chosen. A load that cannot be computed gives the
// axes and its reason; a cycle that is not valid gives the lines without the steps; ranges that
// cannot be drawn give "fuori scala".
grafico::Disegno graficoCiclo(const Ciclo &c, const Analisi &a, const Motore *motore,
                              const NumberFormat &f);
grafico::Disegno graficoBobina(const Bobina &b, const AnalisiBobina &a, const Motore *motore,
                               const NumberFormat &f);
grafico::Disegno grafico(const Carico &c, const Studio &s, const Motore *motore,
                         const NumberFormat &f);

} // namespace verifica
