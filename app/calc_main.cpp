// dimensionamento-motori-calc: runs one calculation from a data file as a user would in the
// job's window (presets, open entry, "Immissione dati", "Calcola") and prints what the window
// shows. Same models, number locale, drawing and printing code as the windowed program.

#include "app/calcrunner.h"

#include <QApplication>

#include <csignal>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    // A file that grows past the size limit must fail its save with an error the program
    // reports, not end the program: the old file is then still there.
    std::signal(SIGXFSZ, SIG_IGN);
    // The batch program never shows a window; it draws charts and reports off screen, and
    // its standard error carries only its own messages, not the toolkit's notes.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(DM_VERSIONE));
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    return eseguiCalcolo(app.arguments().mid(1), out, err);
}
