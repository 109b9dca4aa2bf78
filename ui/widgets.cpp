#include "widgets.h"

#include <QLabel>
#include <QPushButton>

namespace ui {

void setBackground(QWidget *widget, const Colore &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, qcolor(colour));
    palette.setColor(QPalette::Button, qcolor(colour));
    palette.setColor(QPalette::Base, qcolor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const Colore &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, qcolor(colour));
    palette.setColor(QPalette::ButtonText, qcolor(colour));
    palette.setColor(QPalette::Text, qcolor(colour));
    widget->setPalette(palette);
}

void applica(QPushButton *button, const Aspetto &look)
{
    if (button->text() != look.testo)
        button->setText(look.testo);
    setBackground(button, look.sfondo);
    setTextColour(button, look.testoColore);
}

void applica(QLabel *label, const Aspetto &look)
{
    if (label->text() != look.testo)
        label->setText(look.testo);
    setBackground(label, look.sfondo);
    setTextColour(label, look.testoColore);
}

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont courierNew(double points, bool bold)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString qtFilter(const QString &designFilter)
{
    // pairs of description|pattern; Qt shows the description, which names the pattern
    const QStringList parts = designFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts.at(i);
    return filters.join(QLatin1String(";;"));
}

} // namespace ui
