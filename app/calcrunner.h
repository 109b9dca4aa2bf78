#pragma once
// The batch calculation of dimensionamento-motori-calc, callable without its main(): the
// arguments after the program name, the streams for standard output and standard error.
// Returns the exit status, the worst of the data files: 0 calculated, 1 data not valid, 2 wrong
// call or a file that cannot be read or written. QtCore only: a calculation needs no GUI. Drawing a
// chart or a report needs one, and only the runs that ask for a drawing get a painter.

#include "shell/platform.h" // the drawings' types, declared

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

// What draws the charts and reports of a run.
class Disegnatore {
public:
    virtual ~Disegnatore() = default;
    // The chart window's image as a PNG picture; empty when it cannot be encoded.
    virtual QByteArray png(const grafico::Disegno &disegno) = 0;
    // The report as a PDF file, saved all or nothing; the message for the user, or nothing.
    virtual QString pdf(const stampa::Documento &documento, const QString &path) = 0;
    // The sizing sheet as an A4 PDF file, saved all or nothing; the message, or nothing.
    virtual QString scheda(const scheda::Foglio &foglio, const QString &path) = 0;
};

// Whether the arguments ask for a chart or a report, so that the run needs a painter.
bool chiedeDisegni(const QStringList &args);

// `disegnatore` may be null when the arguments ask for no drawing; `avanzamento`: standard
// error is a terminal, where a long run shows how far it has got.
int eseguiCalcolo(const QStringList &args, QTextStream &out, QTextStream &err,
                  Disegnatore *disegnatore, bool avanzamento = false);

// What both batch programs do before their application exists: a file that grows past the size
// limit fails its save with a message instead of ending the program, and standard error
// carries only the program's own messages, not the toolkit's notes.
void preparaProcessoCalcolo();

// Then, with the application made: the version, Qt's texts in Italian, standard output and
// error in UTF-8, and the run of the application's arguments. Returns the exit status.
// argc and argv as the application left them, for the arguments' own bytes.
int eseguiProgramma(QCoreApplication &app, int argc, char **argv, Disegnatore *disegnatore);
