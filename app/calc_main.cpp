// dimensionamento-motori-calc: runs one calculation from a data file as a user would in the
// job's window (presets, open entry, "Immissione dati", "Calcola") and prints what the window
// shows. Same models and number locale as the windowed program, on QtCore alone: a calculation
// starts no GUI. A run that draws a chart or a report hands itself over, arguments and all, to
// the drawing program, which runs the same calculation with the GUI's painting.

#include "app/calcrunner.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const char *const programmaGrafico = "dimensionamento-motori-calc-grafica";

// Next to this program in the build folder; in the program's own libexec folder once installed.
QString trovaProgrammaGrafico()
{
    const QDir qui(QCoreApplication::applicationDirPath());
    for (const QString &path :
         {qui.filePath(QLatin1String(programmaGrafico)),
          qui.filePath(QLatin1String(DM_LIBEXEC_RELATIVA "/") + QLatin1String(programmaGrafico))})
        if (QFileInfo(path).isExecutable())
            return QDir::cleanPath(path);
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    preparaProcessoCalcolo();
    QCoreApplication app(argc, argv);
    if (chiedeDisegni(app.arguments().mid(1))) {
        const QByteArray path = QFile::encodeName(trovaProgrammaGrafico());
        if (!path.isEmpty()) {
            argv[0] = const_cast<char *>(path.constData());
            execv(path.constData(), argv);
        }
        fprintf(stderr, "Impossibile disegnare grafici e rapporti: %s \"%s\".\n",
                path.isEmpty() ? "manca il programma" : strerror(errno), programmaGrafico);
        return 2;
    }
    return eseguiProgramma(app, argc, argv, nullptr);
}
