#pragma once
// One number of a calculation as the sizing sheet and the batch program's machine-readable
// results give it: its name in the program, its unit and, for a result, its formula as the
// calculation computes it. Each calculator lists its numbers next to its formulas.

#include <QString>

namespace scheda {

struct Grandezza {
    QString nome;  // the program's name of the value: "Jtot"
    QString unita; // "kgm^2"; empty for a pure number
    // "Jtot = Jt + Jcar + Jm" in the names of this table, in the order the calculation
    // evaluates it; empty for a datum the calculation reads. Text in square brackets is a
    // note, not a formula.
    QString formula;
    double valore = 0;
    bool coppia = false; // a torque in kgm, also given in N·m
    QString mostrato{};  // as the window shows it; empty where it does not

    bool risultato() const { return !formula.isEmpty(); }
};

} // namespace scheda
