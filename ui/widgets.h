#pragma once
// Small helpers shared by the views: colours, fonts and the twips of the window designs.

#include "shell/forms.h"

#include <QColor>
#include <QFont>

class QWidget;
class QPushButton;
class QLabel;

namespace ui {

inline QColor qcolor(const Colore &c) { return QColor(c.r, c.g, c.b); }
// Design positions are in twips, 15 to a pixel.
constexpr int twips(int t) { return t / 15; }

void setBackground(QWidget *widget, const Colore &colour);
void setTextColour(QWidget *widget, const Colore &colour);
void applica(QPushButton *button, const Aspetto &look);
void applica(QLabel *label, const Aspetto &look);

QFont arial(double points, bool bold);
QFont courierNew(double points, bool bold);

// "File di testo (*.txt)|*.txt|" to Qt's "File di testo (*.txt)".
QString qtFilter(const QString &designFilter);

} // namespace ui
