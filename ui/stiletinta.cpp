#include "stiletinta.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace ui {

void StileTinta::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    if (element != PE_PanelButtonCommand) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const bool premuto = option->state & (State_Sunken | State_On);
    const QColor tinta = option->palette.color(QPalette::Button);
    const QColor bordo = option->palette.color(QPalette::Shadow);
    const QRect r = option->rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(r, premuto ? tinta.darker(125) : tinta);
    // a raised frame at rest, a sunken one while pressed: light and dark edges swap
    const QColor chiaro = premuto ? bordo : tinta.lighter(150);
    const QColor scuro = premuto ? tinta.lighter(150) : bordo;
    painter->setPen(chiaro);
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.topLeft(), r.bottomLeft());
    painter->setPen(scuro);
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
    if (option->state & State_HasFocus) {
        QPen punti(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine);
        painter->setPen(punti);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.adjusted(3, 3, -4, -4));
    }
    painter->restore();
}

void StileTinta::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    // the bevel is the panel alone: no gradient, no default-button frame of the base style
    if (element == CE_PushButtonBevel) {
        drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

StileTinta *stileTinta()
{
    // Widgets hold their own style through a guarded pointer: when the application goes, the
    // style with it, and a button left over falls back to the application's style.
    static QPointer<StileTinta> stile;
    if (!stile) {
        stile = new StileTinta;
        stile->setParent(qApp);
    }
    return stile;
}

} // namespace ui
