#pragma once
// The program's windows: for each, the factory of its model (both programs) and of its view
// (the windowed program). The shell's registry and the widget host know no job; they are
// given these tables at start.

#include <QString>

class Programma;
class WidgetHost;

// The models of every window. cartellaDati: where the program's files are, the cylinder
// utility's pictures and the example list of motors.
void registraModelli(Programma &programma, const QString &cartellaDati = QString());
// That folder: next to the program in the build folder, the shared data folder once
// installed (seen from the programs in bin/ and from the drawing program in libexec/).
QString cartellaDatiProgramma();

// The Qt views of every window.
void registraViste(WidgetHost &host);
