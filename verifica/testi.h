#pragma once
// The check as text, the same lines in the window and in the batch program's output.

#include "esame.h"

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class NumberFormat;

namespace verifica {

// What a figure too large for its picture reads, in lines, windows and sheets alike.
inline QString fuoriScala() { return QStringLiteral("fuori scala"); }
// The figure in its picture: "fuori scala" when it is not finite or has more than nine digits
// before the decimal point, so that no figure runs over its cell or line.
QString cifra(double valore, const QString &formato, const NumberFormat &f);
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

// One row of the table of a check: the motor, its rated power and the four uses (peak, RMS,
// speed, inertia), each within its limit or not, and the verdict, "(scelto)" added for the
// motor chosen among several.
struct RigaTabella {
    QString motore, potenza;
    std::array<QString, 4> uso;
    std::array<bool, 4> entro{};
    QString esito;
    bool scelto = false;
};
// The rows, the chosen motor first, then the list in its order; none when the cycle could not
// be computed.
std::vector<RigaTabella> tabella(const std::vector<Motore> &motori, const Confronto &confronto,
                                 const NumberFormat &f);
// The row of motor i.
RigaTabella rigaTabella(const std::vector<Motore> &motori, const Confronto &confronto, std::size_t i,
                        const NumberFormat &f);
// The motors a sheet lists: the chosen one, then at most `altri` others, the suitable ones by
// rising rated power, then the rest in list order. None when the cycle could not be computed.
std::vector<std::size_t> motoriDelFoglio(const std::vector<Motore> &motori, const Confronto &confronto,
                                         std::size_t altri);
// The motor whose cycle the chart draws: the one chosen, or the only one checked.
std::optional<std::size_t> motoreDelGrafico(const std::vector<Motore> &motori,
                                            const Confronto &confronto);

} // namespace verifica
