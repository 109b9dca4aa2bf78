#pragma once
// A motor checked against a duty cycle: the use of its peak torque, its rated torque, its
// largest speed and of the inertia ratio it allows, each in percent; and the choice among a
// list of motors.

#include "ciclo.h"
#include "motore.h"

#include <optional>
#include <vector>

namespace verifica {

struct Limiti {
    double k = 1;          // safety factor on the torques, >= 1
    double lambdaMax = 10; // largest load-to-rotor inertia ratio, > 0
};

struct Esame {
    Analisi analisi; // the cycle with this motor's rotor
    double picco = 0, efficace = 0, velocita = 0, inerzia = 0; // use [%]
    bool adatto = false; // all four at most 100, compared unrounded
};

// A motor with which the cycle cannot be computed is not suitable; its uses are infinite.
Esame esamina(const Ciclo &c, const Motore &m, const Limiti &l);

struct Confronto {
    std::vector<Esame> esami;     // one per motor, in list order; empty when the cycle cannot be
                                  // computed even with the calculator's own motor
    std::optional<std::size_t> scelto; // the suitable motor of smallest Pn, then Cn, then first
};
Confronto confronta(const Ciclo &c, const std::vector<Motore> &motori, const Limiti &l);

// A check as "Verifica" last made it on a cycle: the motors in list order, the limits and the
// outcome; `lista` names the list ("Catalogo \"motori.csv\""), empty for a typed motor.
struct Controllo {
    std::vector<Motore> motori;
    Limiti limiti;
    Confronto confronto;
    QString lista;
};

} // namespace verifica
