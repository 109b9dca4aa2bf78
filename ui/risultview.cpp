#include "risultview.h"

#include "widgets.h"

#include "shell/risultmodel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RisultView::RisultView(Programma &programma, RisultModel &model) : VistaDi(programma, model)
{
    QWidget *central = creaCentrale(ui::arial(9, false), colori::argento);

    QWidget *image1 = ui::immagineMotore(central);
    QWidget *image2 = ui::immagineEseguito(central);

    // made as they stand, top to bottom, so that a screen reader reads power, torque, speed
    for (const int i : {0, 2, 1}) {
        m_label8[i] = new QLabel(central);
        m_label8[i]->setObjectName(QStringLiteral("Label8_%1").arg(i));
        m_label8[i]->setFont(ui::arial(14, true));
        m_label8[i]->setAlignment(Qt::AlignCenter);
        m_label8[i]->setMinimumWidth(380);
    }
    m_label8[0]->setMinimumHeight(60); // the power, the tallest, on top

    // the linear calculators' duty cycle goes on to the motor check
    m_btnVerifica = pulsante(central, QStringLiteral("btnVerifica"),
                             QStringLiteral("Verifica motore..."), &RisultModel::btnVerifica_Click);
    m_btnVerifica->setMinimumSize(120, 40);

    QPushButton *btnEsci = pulsante(central, QStringLiteral("btnEsci"), QStringLiteral("Esci"),
                                    &RisultModel::btnEsci_Click);
    btnEsci->setIcon(QIcon(QStringLiteral(":/ui/icons/esci.svg")));
    btnEsci->setMinimumSize(120, 40);

    auto *top = new QHBoxLayout;
    top->addWidget(image1);
    top->addStretch();
    top->addWidget(image2, 0, Qt::AlignTop);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_btnVerifica);
    bottom->addWidget(btnEsci);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(20, 15, 20, 15);
    layout->addLayout(top);
    // top to bottom: power, torque, speed
    layout->addWidget(m_label8[0]);
    layout->addWidget(m_label8[2]);
    layout->addWidget(m_label8[1]);
    layout->addSpacing(10);
    layout->addLayout(bottom);
    refresh();
}

void RisultView::refresh()
{
    if (!m_model)
        return;
    ui::mostraTesti(m_label8, m_model->Label8());
    m_btnVerifica->setHidden(!m_model->verificabile());
}
