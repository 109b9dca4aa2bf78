#pragma once
// What the GUI tests do with the real widgets, as a user would: find a control by its name,
// read a label or a value box, type over a box, click a button or an option, look at a colour.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

template <class T> T *controllo(QWidget *window, const QString &name)
{
    return window ? window->findChild<T *>(name) : nullptr;
}

// Value box k of a calculator (txtInDat, or txtIndat as the conveyor names them).
inline QLineEdit *casella(QWidget *window, int k)
{
    if (auto *box = controllo<QLineEdit>(window, QStringLiteral("txtInDat%1").arg(k)))
        return box;
    return controllo<QLineEdit>(window, QStringLiteral("txtIndat%1").arg(k));
}

inline QString valore(QWidget *window, int k)
{
    const QLineEdit *box = casella(window, k);
    return box ? box->text() : QStringLiteral("<no box %1>").arg(k);
}

inline QString testo(QWidget *window, const QString &labelName)
{
    const QLabel *label = controllo<QLabel>(window, labelName);
    return label ? label->text() : QStringLiteral("<no %1>").arg(labelName);
}

// The user selects what the box holds and types over it.
inline void digita(QLineEdit *box, const QString &text)
{
    QVERIFY(box);
    box->selectAll();
    QTest::keyClicks(box, text);
}

inline void clicca(QPushButton *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A radio button reacts only to clicks on its indicator or its text, not anywhere in the
// row the layout gives it; click the indicator.
inline void clicca(QRadioButton *option)
{
    QVERIFY(option);
    QStyleOptionButton opt;
    opt.initFrom(option);
    const QRect indicator =
        option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, option);
    QTest::mouseClick(option, Qt::LeftButton, Qt::KeyboardModifiers(), indicator.center());
}

inline QColor sfondo(const QWidget *w, QPalette::ColorRole role = QPalette::Button)
{
    return w->palette().color(role);
}
