#pragma once
// The program's windows: for each, the factory of its model (both programs) and of its view
// (the windowed program). The shell's registry and the widget host know no job; they are
// given these tables at start.

#include <QString>

class Programma;
class WidgetHost;

// The models of every window. cartellaImmagini: where the cylinder utility finds its pictures.
void registraModelli(Programma &programma, const QString &cartellaImmagini = QString());

// The Qt views of every window.
void registraViste(WidgetHost &host);
