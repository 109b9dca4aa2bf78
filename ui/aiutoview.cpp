#include "aiutoview.h"

#include "shell/aiutomodel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

AiutoView::AiutoView(Programma &programma, AiutoModel &model) : VistaDi(programma, model)
{
    QWidget *central = creaCentrale(font());
    auto *OLE1 = new QTextBrowser(central);
    OLE1->setObjectName(QStringLiteral("OLE1"));
    OLE1->setHtml(model.testo());
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(OLE1);

    if (model.hasEsciButton()) {
        QPushButton *btnEsci = pulsante(central, QStringLiteral("btnEsci"), QStringLiteral("Esci"),
                                        &AiutoModel::btnEsci_Click);
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(btnEsci);
        layout->addLayout(row);
    }
    // an A4 page, read on screen
    resize(620, 760);
}
