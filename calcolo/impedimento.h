#pragma once
// Why a calculation gives no result. The calculations answer with one of these; the window
// names the quantity with its own symbol and shows "Impossibile calcolare: ..." in its status
// label, so the arithmetic never holds a sentence.

#include <QString>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>

enum class Impedimento {
    Nessuno,
    RapportoNullo,      // the reduction ratio is 0
    AttritoNullo,       // the breakaway friction of a screw is 0
    RendimentoNullo,    // the transmission efficiency is 0
    AccelerazioneNulla, // the acceleration time is 0
    DecelerazioneNulla, // the deceleration time is 0 (the reel in deceleration)
    VelocitaNulla,      // the motor speed is 0
    DiametroNullo,      // a diameter of the reel's sweep is 0
    NonFinito,          // a result overflows or is not a number
};

// The symbols the drum hoist, the conveyor and the screws use in the message.
inline QString simboloLineare(Impedimento motivo)
{
    switch (motivo) {
    case Impedimento::RapportoNullo: return QStringLiteral("N");
    case Impedimento::AttritoNullo: return QStringLiteral("ms");
    case Impedimento::RendimentoNullo: return QStringLiteral("nu");
    case Impedimento::AccelerazioneNulla: return QStringLiteral("Tac");
    case Impedimento::DecelerazioneNulla: return QStringLiteral("Tdec");
    case Impedimento::VelocitaNulla: return QStringLiteral("Wm");
    case Impedimento::DiametroNullo: return QStringLiteral("diametro");
    case Impedimento::Nessuno:
    case Impedimento::NonFinito: break;
    }
    return QString();
}

// "Impossibile calcolare: SIMBOLO = 0", or "... risultato non finito"; `simbolo` is how the
// window calls the quantity that is 0.
inline QString testoImpedimento(Impedimento motivo, const QString &simbolo)
{
    if (motivo == Impedimento::NonFinito)
        return QStringLiteral("Impossibile calcolare: risultato non finito");
    return QStringLiteral("Impossibile calcolare: %1 = 0").arg(simbolo);
}

// What a calculation answers: its result, or why there is none.
template <class Risultato> struct Esito {
    std::optional<Risultato> risultato;
    Impedimento motivo = Impedimento::Nessuno;
};

// The first of the quantities that is 0, in the order given, as the reason a calculation
// stops; none when no divisor is 0.
inline Impedimento primoNullo(std::initializer_list<std::pair<double, Impedimento>> divisori)
{
    for (const auto &[valore, motivo] : divisori)
        if (valore == 0)
            return motivo;
    return Impedimento::Nessuno;
}

// Whether every value is a number within range; a calculation gives no result otherwise.
inline bool finiti(std::initializer_list<double> valori)
{
    for (const double x : valori)
        if (!std::isfinite(x))
            return false;
    return true;
}
