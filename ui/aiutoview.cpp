#include "aiutoview.h"

#include "shell/aiutomodel.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

AiutoView::AiutoView(Programma &programma, AiutoModel &model)
    : FormWindow(programma, model), m_model(&model)
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *OLE1 = new QTextBrowser(central);
    OLE1->setObjectName(QStringLiteral("OLE1"));
    OLE1->setHtml(model.testo());
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(OLE1);

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *esci = file->addAction(model.esciMenuCaption());
    esci->setObjectName(model.hasEsciButton() ? QStringLiteral("mnuEsci")
                                              : QStringLiteral("mnuExit"));
    connect(esci, &QAction::triggered, this, [this] {
        if (!m_model)
            return;
        if (m_model->hasEsciButton())
            m_model->mnuEsci_Click();
        else
            m_model->mnuExit_Click();
    });

    if (model.hasEsciButton()) {
        auto *btnEsci = new QPushButton(QStringLiteral("Esci"), central);
        btnEsci->setObjectName(QStringLiteral("btnEsci"));
        connect(btnEsci, &QPushButton::clicked, this, [this] {
            if (m_model)
                m_model->btnEsci_Click();
        });
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(btnEsci);
        layout->addLayout(row);
    }
    // an A4 page, read on screen
    resize(620, 760);
}
