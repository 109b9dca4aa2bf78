#pragma once
// A motor checked against what a calculation asks of it, a linear drive's duty cycle or the
// reel's coil: the use of its peak torque, of its continuous torque (the RMS torque of the
// cycle, or the worst diameter of the coil), of its largest speed and of the inertia ratio it
// allows, each in percent, with the torques the motor gives at the speed; and the choice among
// a list of motors.

#include "bobina.h"
#include "ciclo.h"
#include "motore.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace verifica {

// What a calculation asks of a motor.
using Carico = std::variant<Ciclo, Bobina>;
// Its figures with one rotor.
using Studio = std::variant<Analisi, AnalisiBobina>;

Studio studia(const Carico &c, double Jmot, bool proprio, Costante costante);
// With the calculation's own motor.
Studio studia(const Carico &c, Costante costante);
bool calcolato(const Studio &s);
bool aspo(const Carico &c);

// The check's defaults and ranges, the same in the window and the batch program.
struct Limiti {
    double k = 1; // safety factor on the torques, >= 1
    // largest load-to-rotor inertia ratio, > 0; none: not checked
    std::optional<double> lambdaMax = 10;

    static bool sicurezzaValida(double k) { return k >= 1 && k <= 1e300; }
    static bool inerziaValida(double lambda) { return lambda > 0 && lambda <= 1e300; }
};
// The reel's by default: a coil dwarfs any rotor, so its inertia ratio is shown, not checked.
inline Limiti limitiAspo()
{
    return {1, std::nullopt};
}
inline Limiti limitiPerDefault(const Carico &c)
{
    return aspo(c) ? limitiAspo() : Limiti{};
}

enum class Uso { Picco, Continua, Velocita, Inerzia };

struct Esame {
    Studio studio;                                 // the load with this motor's rotor
    double picco = 0, continua = 0, velocita = 0;  // use [%]; continua: RMS, or the coil at speed
    std::optional<double> inerzia;                 // use [%]; none: not checked
    int diametroPicco = -1, diametroContinua = -1; // the reel's worst diameters
    bool adatto = false; // every use checked at most 100, compared unrounded

    // The check that governs: the largest use.
    Uso governa() const;
    double uso(Uso u) const;
};

// A motor with which the load cannot be computed is not suitable; its uses are infinite.
Esame esamina(const Carico &c, const Motore &m, const Limiti &l, Costante costante);

struct Confronto {
    std::vector<Esame> esami; // one per motor, in list order; empty when the load cannot be
                              // computed even with the calculation's own motor
    std::optional<std::size_t> scelto; // the suitable motor of smallest Pn, then Cn, then first
};
Confronto confronta(const Carico &c, const std::vector<Motore> &motori, const Limiti &l,
                    Costante costante);

// A check as "Verifica" last made it: the motors in list order, the limits, the constant and
// the outcome; `lista` names the list ("Catalogo \"motori.csv\""), empty for a typed motor.
struct Controllo {
    std::vector<Motore> motori;
    Limiti limiti;
    Costante costante = Costante::Fisica;
    Confronto confronto;
    QString lista;
};

} // namespace verifica
