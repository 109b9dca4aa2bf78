#pragma once
// The coloured buttons of the design ("Calcola" red, "Dati validi" light green, "Immissione
// dati" pink, ...) painted flat in exactly their colour: the desktop's style would lay a
// gradient over it, and the colour is what tells the user the state of the data. A pressed
// button is darker and drawn sunken; the keyboard focus is a dotted frame inside the border.

#include <QProxyStyle>

namespace ui {

class StileTinta : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
};

// The one instance the coloured buttons share; it follows the application's style for
// everything but their panel and focus frame.
StileTinta *stileTinta();

} // namespace ui
