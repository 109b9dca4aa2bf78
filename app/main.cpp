// dimensionamento-motori: the windowed program. It starts with the main window only; every
// other window is built when first opened, and the program ends when the last one closes.

#include "shell/programma.h"
#include "ui/qtplatform.h"
#include "ui/utilview.h"
#include "ui/widgethost.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // A file that grows past the size limit must fail its save with an error the program
    // reports, not end the program: the old file is then still there.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verifica Dimensionamento Motori per Tarbelo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Verifica Dimensionamento Motori"));
    QApplication::setApplicationVersion(QStringLiteral(DM_VERSIONE));
    // the window manager finds the menu entry and its icon through this id
    QGuiApplication::setDesktopFileName(QStringLiteral("it.tarbelo.DimensionamentoMotori"));

    const NumberFormat numbers;
    QtPlatform platform;
    Programma programma(platform, platform, platform, numbers);
    WidgetHost host(programma);
    programma.setHost(&host);
    programma.setCartellaImmagini(cartellaImmaginiUtilita());
    programma.openForm(FormId::mainForm);
    return app.exec();
}
