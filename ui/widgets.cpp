#include "widgets.h"

#include "stiletinta.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSvgWidget>

#include <algorithm>
#include <tuple>

namespace ui {

namespace {

// The same colour in every role a widget may paint it in.
void colora(QWidget *widget, std::initializer_list<QPalette::ColorRole> ruoli, const Colore &colour)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole ruolo : ruoli)
        palette.setColor(ruolo, qcolor(colour));
    widget->setPalette(palette);
}

} // namespace

void setBackground(QWidget *widget, const Colore &colour)
{
    colora(widget, {QPalette::Window, QPalette::Button, QPalette::Base}, colour);
    widget->setAutoFillBackground(true);
    // a coloured button shows its colour flat, as a coloured label does
    if (qobject_cast<QPushButton *>(widget) && widget->style() != stileTinta())
        widget->setStyle(stileTinta());
}

void setTextColour(QWidget *widget, const Colore &colour)
{
    colora(widget, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}, colour);
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

QString nomeCasella(const QString &rowLabel, const QString &unit)
{
    QString name = rowLabel;
    const qsizetype quote = name.indexOf(QLatin1Char('"'));
    if (quote >= 0)
        name.truncate(quote);
    name = name.simplified();
    if (name.endsWith(QLatin1Char('=')))
        name = name.chopped(1).simplified();
    const QString u = unit.simplified();
    if (!u.isEmpty())
        name += QLatin1String(" (") + u + QLatin1Char(')');
    return name;
}

void preparaCasella(QLineEdit *box, const QString &name, const QString &symbol)
{
    box->setAccessibleName(name);
    if (!symbol.isEmpty())
        box->setAccessibleDescription(QStringLiteral("simbolo ") + symbol);
    // The calculators have no default button, so Enter would only leave the text where it
    // is; it goes on to the next control, by Qt's own handling of Tab.
    QObject::connect(box, &QLineEdit::returnPressed, box, [box] {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &tab);
    });
}

void mostraTesto(QLineEdit *box, const QString &text)
{
    if (box->text() == text)
        return;
    const QSignalBlocker quiet(box);
    box->setText(text);
}

QWidget *immagineEseguito(QWidget *parent, const QPoint &posto)
{
    auto *picture = new QSvgWidget(QStringLiteral(":/ui/icons/ok.svg"), parent);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setGeometry(QRect(posto, QSize(32, 32)));
    picture->setFixedSize(32, 32);
    picture->setAccessibleName(QStringLiteral("Calcolo eseguito"));
    return picture;
}

QWidget *disegno(QWidget *parent, const QString &file, const QString &nome, const QRect &posto,
                 const QString &nomeAccessibile, const QString &descrizione)
{
    auto *picture = new QSvgWidget(file, parent);
    picture->setObjectName(nome);
    picture->setGeometry(posto);
    picture->setAccessibleName(nomeAccessibile);
    picture->setAccessibleDescription(descrizione);
    return picture;
}

QWidget *immagineMotore(QWidget *parent, const QRect &posto)
{
    auto *picture = new QSvgWidget(QStringLiteral(":/ui/icons/motore.svg"), parent);
    picture->setObjectName(QStringLiteral("Image1"));
    if (posto.isEmpty())
        picture->setFixedSize(120, 90);
    else
        picture->setGeometry(posto);
    picture->setAccessibleName(QStringLiteral("Motore elettrico con riduttore"));
    return picture;
}

void ordinaTab(QWidget *window)
{
    struct Posto {
        bool pulsante; // the push buttons come last, after every row
        QPoint luogo;  // top left of the control's frame, or of the control
        QPoint angolo; // top left of the control
        QWidget *controllo;
    };
    QList<Posto> posti;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        const QWidget *luogo = w;
        for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
            if (qobject_cast<const QGroupBox *>(p))
                luogo = p;
        posti.append({qobject_cast<QPushButton *>(w) != nullptr, luogo->mapTo(window, QPoint(0, 0)),
                      w->mapTo(window, QPoint(0, 0)), w});
    }
    // The rows of data are the right-hand column of every calculator, the results and the
    // options stand to its left: Tab walks the columns from the right, each from the top,
    // so the data come first, then what was computed from them, then the buttons.
    const auto chiave = [](const Posto &p) {
        return std::tuple(p.pulsante, p.pulsante ? 0 : -p.luogo.x(), p.luogo.y(), p.luogo.x(),
                          p.angolo.y(), p.angolo.x());
    };
    std::stable_sort(posti.begin(), posti.end(),
                     [&](const Posto &a, const Posto &b) { return chiave(a) < chiave(b); });
    for (qsizetype i = 1; i < posti.size(); ++i)
        QWidget::setTabOrder(posti.at(i - 1).controllo, posti.at(i).controllo);
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
