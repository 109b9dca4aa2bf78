#pragma once
// The batch calculation of dimensionamento-motori-calc, callable without its main(): the
// arguments after the program name, the streams for standard output and standard error.
// Needs a QApplication (charts and reports are drawn off screen). Returns the exit status:
// 0 calculated, 1 data not valid, 2 wrong call or a file that cannot be read or written.

#include <QStringList>
#include <QTextStream>

int eseguiCalcolo(const QStringList &args, QTextStream &out, QTextStream &err);
