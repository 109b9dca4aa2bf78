#pragma once
// The command line of dimensionamento-motori-calc: its jobs and options as two tables, read by
// QCommandLineParser, and the usage and help texts written from the same tables.

#include "calcolo/esame.h"
#include "shell/lavoro.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <utility>
#include <vector>

namespace argomenti {

// The jobs, from the table of jobs.
const QList<Lavoro> &lavori();

// An option: its name without the dashes, the names of its values as the usage shows them
// (none: a switch), the jobs it belongs to (none: every job), and its help text, one entry a
// line (none: described with another option). The options of one job come from its row.
struct Opzione {
    QString nome;
    QString valori;
    QStringList lavori;
    QStringList aiuto;
};
const std::vector<Opzione> &opzioni();

// The chart names, in the order of the results window's chart buttons.
const QStringList &grafici();

// What standard output carries: the lines of the windows, one JSON object a data file, or a
// table with a line a data file.
enum class Formato { Testo, Json, Csv };

struct Argomenti {
    QString lavoro;
    QStringList dati; // data files and folders of data files, as given
    Formato formato = Formato::Testo;
    QStringList scelte; // the switches of the job's own that are given ("svolgitore")
    // the motor check of the linear calculators and the reel: the load, then the motors of a
    // list; the calculators' constants in place of the physical one
    bool verifica = false, costantiCalcolatore = false;
    QString catalogo;
    verifica::Limiti limiti; // lambdaMax none: not checked (the reel's default)
    bool aiuto = false, versione = false;
    QString risultati, stampa, scheda, cliente, progetto;
    std::vector<std::pair<int, QString>> grafici; // chart button, image file
};

// The option an argument names, without its dashes and value ("--stampa=r.pdf" names
// "stampa"); empty for an argument that is not an option.
QString nomeOpzione(const QString &arg);

// The arguments after the program name; false, after a message on `err` where there is one to
// give, when the call is wrong (the caller prints the usage).
bool leggi(const QStringList &args, Argomenti &a, QTextStream &err);

// What a wrong call prints on standard error, and what --help prints on standard output.
QString uso();
QString aiuto();

} // namespace argomenti
