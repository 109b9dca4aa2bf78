// dimensionamento-motori-calc-grafica: dimensionamento-motori-calc for the runs that write a
// chart or a report. The same calculation, then the charts and reports painted off screen with
// the same fonts as the windows. dimensionamento-motori-calc starts it; it is not on the path.

#include "app/calcrunner.h"
#include "app/disegnatoreqt.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    preparaProcessoCalcolo();
    // it never shows a window
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    DisegnatoreQt disegnatore;
    return eseguiProgramma(app, argc, argv, &disegnatore);
}
