#pragma once
// Small helpers shared by the views: colours, fonts and the twips of the window designs.

#include "caratteri.h"
#include "shell/forms.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

class QWidget;
class QPushButton;

namespace ui {

// Design positions are in twips, 15 to a pixel.
constexpr int twips(int t)
{
    return t / 15;
}

void setBackground(QWidget *widget, const Colore &colour);
void setTextColour(QWidget *widget, const Colore &colour);
void applica(QPushButton *button, const Aspetto &look);
void applica(QLabel *label, const Aspetto &look);

// What a screen reader says for a value box: the row label as the window shows it, without
// the symbol in quotes and the closing "=", then the unit in brackets when the row has one:
// "Diametro del tamburo (mm)".
QString nomeCasella(const QString &rowLabel, const QString &unit);
// A value box as a keyboard and a screen reader use it: its accessible name and, when the
// row has one, its symbol as the description; Enter keeps the text and goes on to the next
// control, as Tab does.
void preparaCasella(QLineEdit *box, const QString &name, const QString &symbol);

// Whatever a value box shows is what the handlers read, however it got there: typed, pasted,
// dropped, from an input method, or set by a screen reader or an automation client through the
// accessibility interface. The model hears every change of the box's text...
template <class Scrivi> void collegaCasella(QLineEdit *box, const QObject *context, Scrivi scrivi)
{
    QObject::connect(box, &QLineEdit::textChanged, context, scrivi);
}
// ...but its own: the model's text shown in a box does not come back to it as an edit.
void mostraTesto(QLineEdit *box, const QString &text);

// The model's lines into a window's result labels, one each.
template <std::size_t N>
void mostraTesti(const std::array<QLabel *, N> &labels, const std::array<QString, N> &testi)
{
    for (std::size_t i = 0; i < N; ++i)
        labels[i]->setText(testi[i]);
}

// Image1, the small picture of a motor with its reducer that most windows show, at `posto`
// (an empty rectangle: 120 x 90 pixels, placed by a layout).
QWidget *immagineMotore(QWidget *parent, const QRect &posto = QRect());
// The drawing of a drive, from its SVG file, with what a screen reader says of it.
QWidget *disegno(QWidget *parent, const QString &file, const QString &nome, const QRect &posto,
                 const QString &nomeAccessibile, const QString &descrizione);
// Image2, the tick of a result window: the calculation is done (32 x 32 pixels).
QWidget *immagineEseguito(QWidget *parent, const QPoint &posto = QPoint());

// Puts the Tab order of a window in its screen order: the controls that take the focus from
// the top down and, on one line, from left to right, then the push buttons in the same order.
// A frame counts as one place at its top left corner, and its option buttons follow one
// another inside it.
void ordinaTab(QWidget *window);

// "File di testo (*.txt)|*.txt|" to Qt's "File di testo (*.txt)".
QString qtFilter(const QString &designFilter);

} // namespace ui
