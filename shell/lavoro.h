#pragma once
// A job of the program, as the table of jobs (app/lavori.h) describes it once: the window
// that calculates it, how the main window offers it, how the batch program names it and the
// options of its own it takes there.

#include "forms.h"

#include "calcolo/esame.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// An option of the batch program: its name without the dashes, the names of its values as
// the usage shows them (none: a switch), and its help text, one entry a line.
struct OpzioneLotto {
    QString nome;
    QString valori;
    QStringList aiuto;
};

// An entry of the main window's "Scelta lavoro" menu.
struct VoceScelta {
    QString nome;        // control name
    QString testo;       // caption with its access key
    QString scorciatoia; // "Ctrl+C"
};

struct Lavoro {
    FormId finestra;
    int opzione;                    // its option button in the main window, counted from the top
    QString didascalia;             // that button's caption
    std::optional<VoceScelta> voce; // its menu entry; none: it opens from its option only
    QString nome;                   // on the batch program's command line
    QString descrizione;            // in the batch program's help
    bool verifica;                  // its "Calcola" gives a load for the motor check
    QList<OpzioneLotto> opzioni{};  // the batch options of its own, in the help's order
    ::verifica::Limiti limiti{};    // the check's limits when the batch program is given none
};
