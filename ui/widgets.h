#pragma once
// Small helpers shared by the views: colours, fonts and the twips of the window designs.

#include "caratteri.h"
#include "shell/forms.h"

class QWidget;
class QPushButton;
class QLabel;
class QLineEdit;

namespace ui {

// Design positions are in twips, 15 to a pixel.
constexpr int twips(int t) { return t / 15; }

void setBackground(QWidget *widget, const Colore &colour);
void setTextColour(QWidget *widget, const Colore &colour);
void applica(QPushButton *button, const Aspetto &look);
void applica(QLabel *label, const Aspetto &look);

// What a screen reader says for a value box: the row label as the window shows it, without
// the symbol in quotes and the closing "=", then the unit in brackets when the row has one:
// "Diametro del tamburo (mm)".
QString nomeCasella(const QString &rowLabel, const QString &unit);
// The symbol between the quotes of a row label ("DS"); empty when there is none.
QString simboloRiga(const QString &rowLabel);
// A value box as a keyboard and a screen reader use it: its accessible name and, when the
// row has one, its symbol as the description; Enter keeps the text and goes on to the next
// control, as Tab does.
void preparaCasella(QLineEdit *box, const QString &name, const QString &symbol);

// The small picture of a motor with its reducer that most windows show.
void descriviMotore(QWidget *picture);

// Puts the Tab order of a window in its screen order: the controls that take the focus from
// the top down and, on one line, from left to right, then the push buttons in the same order.
// A frame counts as one place at its top left corner, and its option buttons follow one
// another inside it.
void ordinaTab(QWidget *window);

// "File di testo (*.txt)|*.txt|" to Qt's "File di testo (*.txt)".
QString qtFilter(const QString &designFilter);

} // namespace ui
