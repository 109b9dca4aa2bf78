#pragma once
// The check as text: the same lines in the window, the batch program's output and the sheet,
// and the rows of the motors' table.

#include "calcolo/esame.h"

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class NumberFormat;

namespace verifica {

// What a figure too large for its picture reads, in lines, windows and sheets alike.
inline QString fuoriScala()
{
    return QStringLiteral("fuori scala");
}
// The figure in its picture: "fuori scala" when it is not finite or has more than nine digits
// before the decimal point, so that no figure runs over its cell or line.
QString cifra(double valore, const QString &formato, const NumberFormat &f);
// "3,764 kgm (36,91 N·m)"
QString coppia(double kgm, const NumberFormat &f);
// "45 %"; a use too large to be a number reads "fuori scala"
QString percentuale(double valore, const NumberFormat &f);
// "Jtot non positivo", "t0 minore di Tac + Tdec" ...
QString testoMotivo(Motivo motivo);
// A motor's name as a line writes it: between double quotes, each doubled, when it holds ';'
// or '"', so that the fields of a line stay apart.
QString nomeMotore(const QString &nome);

// The figures of the load, one quantity a line, the constant first: "Costante di accelerazione
// = 93,65 (fisica; il calcolatore usa 1504)", "Coppia in accelerazione = 3,975 kgm (38,98 N·m)";
// the constant and "non calcolabile: REASON" when the load cannot be computed.
QStringList righe(const Carico &c, const Studio &s, const NumberFormat &f);
// The calculator's own inertia torque of a linear cycle, for the window beside the check's:
// "Coppia d'inerzia del calcolatore = 0,014 kgm (0,14 N·m) (costante 1504)"; empty for the reel.
QString rigaCalcolatore(const Carico &c, const NumberFormat &f);

// "NAME; picco 45 %; efficace 80 %; velocità 64 %; inerzia 15 %; adatto" (the reel: "regime",
// "inerzia non verificata")
QString rigaMotore(const Carico &c, const Motore &m, const Esame &e, const NumberFormat &f);
// "adatto" or "non adatto"
QString giudizio(const Esame &e);
// "governa: coppia efficace 99 %"; for the reel also the diameter where it is worst
QString governa(const Carico &c, const Esame &e, const NumberFormat &f);
// The motor's data as the check used them, the rated torque marked as given or computed, and
// the limits: "Pn 4 kW; nn 1450 rpm; nmax 3000 rpm; Cn 2,690 kgm (da 975 × Pn / nn); ..."
QString datiMotore(const Motore &m, const NumberFormat &f);
QString limiti(const Limiti &l, const NumberFormat &f);
// "Costante di accelerazione: fisica (93,65)" or "del calcolatore (1504)"
QString costante(const Carico &c, Costante k, const NumberFormat &f);

// The headings of the table's columns: motor, power, the four uses, verdict.
std::array<QString, 7> intestazioni(const Carico &c);

// One row of the table of a check: the motor, its rated power and the four uses (peak,
// continuous, speed, inertia), each within its limit or not ("—" when not checked), and the
// verdict, "(scelto)" added for the motor chosen among several.
struct RigaTabella {
    QString motore, potenza;
    std::array<QString, 4> uso;
    std::array<bool, 4> entro{};
    QString esito;
    bool scelto = false;
};
RigaTabella rigaTabella(const std::vector<Motore> &motori, const Confronto &confronto,
                        std::size_t i, const NumberFormat &f);
// The rows, the chosen motor first, then the list in its order; none when the load could not
// be computed.
std::vector<RigaTabella> tabella(const std::vector<Motore> &motori, const Confronto &confronto,
                                 const NumberFormat &f);
// The motors a sheet lists: the chosen one, then at most `altri` others, the suitable ones by
// rising rated power, then the rest in list order. None when the load could not be computed.
std::vector<std::size_t> motoriDelFoglio(const std::vector<Motore> &motori,
                                         const Confronto &confronto, std::size_t altri);
// The motor whose figures the chart draws: the one chosen, or the only one checked.
std::optional<std::size_t> motoreDelGrafico(const std::vector<Motore> &motori,
                                            const Confronto &confronto);

} // namespace verifica
