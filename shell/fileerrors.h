#pragma once
// Italian texts for what can go wrong with a file, for the messages of the windows.

#include <QFileDevice>
#include <QString>

QString descriviErrore(QFileDevice::FileError error, const QString &path);
