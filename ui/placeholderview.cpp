#include "placeholderview.h"

#include "widgets.h"

#include "shell/placeholdermodel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderView::PlaceholderView(Programma &programma, PlaceholderModel &model)
    : FormWindow(programma, model), m_model(&model)
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *label = new QLabel(model.testo(), central);
    label->setFont(ui::arial(12, true));
    label->setAlignment(Qt::AlignCenter);
    auto *btnEsci = new QPushButton(QStringLiteral("Esci"), central);
    btnEsci->setObjectName(QStringLiteral("btnEsci"));
    connect(btnEsci, &QPushButton::clicked, this, [this] {
        if (m_model)
            m_model->btnEsci_Click();
    });
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(label);
    layout->addWidget(btnEsci, 0, Qt::AlignRight);
    resize(480, 200);
}
