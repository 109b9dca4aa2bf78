#pragma once
// Italian texts for what can go wrong with a file, for the messages of the windows and of the
// batch program: the system's error number worded, and for a missing file what is wrong with
// the folder that should hold it.

#include <QString>

QString descriviErrore(int errore, const QString &path);
