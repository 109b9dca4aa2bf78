#include "mainview.h"

#include "widgets.h"

#include "shell/mainmodel.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

MainView::MainView(Programma &programma, MainModel &model) : VistaDi(programma, model)
{
    QWidget *central = creaCentrale(ui::arial(9, true), colori::argento);
    ui::setBackground(this, colori::argento);

    QWidget *image1 = ui::immagineMotore(central);

    auto *label1 = new QLabel(MainModel::label1(), central);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    label1->setFont(ui::arial(12, true));
    label1->setAlignment(Qt::AlignCenter);

    auto *label2 = new QLabel(MainModel::label2(), central);
    label2->setObjectName(QStringLiteral("Label2"));

    auto *frame = new QGroupBox(MainModel::framChWrk(), central);
    frame->setObjectName(QStringLiteral("framChWrk"));
    auto *frameLayout = new QVBoxLayout(frame);
    auto *group = new QButtonGroup(this);
    for (int i = 0; i < model.lavori().size(); ++i) {
        auto *option = new QRadioButton(model.lavori().at(i).didascalia, frame);
        option->setObjectName(QStringLiteral("optChWrk%1").arg(i));
        group->addButton(option, i);
        frameLayout->addWidget(option);
        m_optChWrk.append(option);
    }
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && m_model)
            m_model->setOptChWrk(id);
    });

    const auto grande = [](QPushButton *b, const char *icona, const Colore &colore) {
        b->setIcon(QIcon(QLatin1String(icona)));
        b->setIconSize(QSize(32, 32));
        b->setMinimumHeight(55);
        ui::setBackground(b, colore);
        return b;
    };
    QPushButton *bntChWrk =
        grande(pulsante(central, QStringLiteral("bntChWrk"), QStringLiteral("Lavoro scelto"),
                        &MainModel::bntChWrk_Click),
               ":/ui/icons/ok.svg", colori::verdeChiaro);
    QPushButton *btnExit = grande(pulsante(central, QStringLiteral("btnExit"),
                                           QStringLiteral("Esci"), &MainModel::btnExit_Click),
                                  ":/ui/icons/esci.svg", colori::cianoChiaro);

    auto *top = new QHBoxLayout;
    top->addWidget(image1);
    top->addWidget(label1, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bntChWrk);
    buttons->addSpacing(20);
    buttons->addWidget(btnExit);
    buttons->addStretch();

    auto *middle = new QHBoxLayout;
    auto *choice = new QVBoxLayout;
    choice->addWidget(label2);
    choice->addWidget(frame);
    middle->addLayout(choice, 1);
    middle->addSpacing(30);
    middle->addLayout(buttons);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(20, 15, 20, 20);
    layout->addLayout(top);
    layout->addSpacing(15);
    layout->addLayout(middle);

    resize(640, 420);
    // the window starts centred on the screen
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void MainView::refresh()
{
    if (!m_model)
        return;
    const int selected = m_model->optChWrk();
    if (selected >= 0 && !m_optChWrk[selected]->isChecked())
        m_optChWrk[selected]->setChecked(true);
}
