#include "elevview.h"

#include "widgets.h"

#include "hoist/elevmodel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace {

// One row of boxes: the row label, the box and its unit, on line `row` of `grid`.
QLineEdit *addRow(QGridLayout *grid, int row, const ElevModel::Riga &riga, QWidget *parent)
{
    auto *label = new QLabel(riga.label, parent);
    label->setObjectName(QStringLiteral("Label2_%1").arg(riga.box));
    auto *box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("txtInDat%1").arg(riga.box));
    box->setFixedWidth(110);
    ui::setBackground(box, riga.colore);
    auto *unit = new QLabel(riga.unita, parent);
    unit->setObjectName(QStringLiteral("Label3_%1").arg(riga.box));
    unit->setMinimumWidth(60);
    label->setBuddy(box);
    ui::preparaCasella(box, ui::nomeCasella(riga.label, riga.unita), ui::simboloRiga(riga.label));
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(unit, row, 2);
    return box;
}

} // namespace

ElevView::ElevView(Programma &programma, ElevModel &model)
    : FormWindow(programma, model), m_model(&model)
{
    setFont(ui::arial(9, false));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    auto *picture1 = new QSvgWidget(QStringLiteral(":/hoist/tamburo.svg"), central);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setFixedSize(257, 206);
    picture1->setAccessibleName(QStringLiteral("Schema del sollevamento con tamburo"));
    picture1->setAccessibleDescription(
        QStringLiteral("Servomotore, albero motore e riduttore; tamburo di diametro DS; carico WL "
                       "sulla tavola; contrappeso WC; profilo della velocità V nel tempo: due "
                       "movimenti di durata t0 in un ciclo di durata tf"));

    auto *image1 = new QSvgWidget(QStringLiteral(":/ui/icons/motore.svg"), central);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setFixedSize(120, 90);
    ui::descriviMotore(image1);
    auto *inputs = new QGridLayout;
    inputs->setVerticalSpacing(3);
    auto *results = new QGridLayout;
    results->setVerticalSpacing(3);
    int inputRow = 0;
    int resultRow = 0;
    for (const ElevModel::Riga &riga : ElevModel::righe()) {
        const bool result = riga.box >= 17 && riga.box <= 20;
        QLineEdit *box = result ? addRow(results, resultRow++, riga, central)
                                : addRow(inputs, inputRow++, riga, central);
        m_txtInDat[riga.box] = box;
        ui::collegaCasella(box, this, [this, k = riga.box](const QString &text) {
            if (m_model)
                m_model->setTxtInDat(k, text);
        });
    }

    // A taller window leaves the rows where they are: the Tab order follows their places.
    inputs->setRowStretch(inputRow, 1);

    auto *legend = new QVBoxLayout;
    legend->setSpacing(4);
    for (const ElevModel::Legenda &voce : ElevModel::legenda()) {
        auto *label = new QLabel(voce.testo, central);
        label->setObjectName(QString(voce.nome).replace(QLatin1Char('('), QLatin1Char('_')).remove(QLatin1Char(')')));
        label->setMargin(3);
        ui::setBackground(label, voce.colore);
        legend->addWidget(label);
    }

    m_label15 = new QLabel(central);
    m_label15->setObjectName(QStringLiteral("Label15"));
    m_label15->setFont(ui::courierNew(18, true));
    m_label15->setAlignment(Qt::AlignCenter);
    m_label15->setMinimumHeight(40);

    m_btnInseDat = button(QStringLiteral("btnInseDat"), &ElevModel::btnInseDat_Click);
    m_btnCalcola = button(QStringLiteral("btnCalcola"), &ElevModel::btnCalcola_Click);
    QPushButton *btnModDat = button(QStringLiteral("btnModDat"), &ElevModel::btnModDat_Click);
    QPushButton *btnEsci = button(QStringLiteral("btnEsci"), &ElevModel::btnEsci_Click);
    ui::applica(btnModDat, ElevModel::btnModDat());
    ui::applica(btnEsci, ElevModel::btnEsci());
    btnEsci->setIcon(QIcon(QStringLiteral(":/ui/icons/esci.svg")));

    auto *left = new QVBoxLayout;
    auto *pictures = new QHBoxLayout;
    pictures->addWidget(picture1);
    pictures->addWidget(image1, 0, Qt::AlignTop);
    pictures->addStretch();
    left->addLayout(pictures);
    left->addSpacing(10);
    left->addLayout(results);
    left->addSpacing(10);
    left->addLayout(legend);
    left->addStretch();

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(25);
    columns->addLayout(inputs);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_btnInseDat, m_btnCalcola, btnModDat, btnEsci})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(15, 10, 15, 15);
    layout->addLayout(columns);
    layout->addSpacing(8);
    layout->addWidget(m_label15);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    createMenus();
    tabInOrdineDiSchermo();
    refresh();
}

QPushButton *ElevView::button(const QString &name, void (ElevModel::*handler)())
{
    auto *b = new QPushButton(centralWidget());
    b->setObjectName(name);
    b->setMinimumSize(150, 45);
    connect(b, &QPushButton::clicked, this, [this, handler] {
        if (m_model)
            (m_model.data()->*handler)();
    });
    return b;
}

void ElevView::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *apri = file->addAction(QStringLiteral("&Apri File"));
    apri->setObjectName(QStringLiteral("mnuFileApri"));
    apri->setShortcut(QKeySequence(Qt::Key_F4));
    connect(apri, &QAction::triggered, this, [this] {
        if (m_model)
            m_model->mnuFileApri_Click();
    });
    QAction *salva = file->addAction(QStringLiteral("&Salva FIle"));
    salva->setObjectName(QStringLiteral("mnuSaveFile"));
    salva->setShortcut(QKeySequence(Qt::Key_F5));
    connect(salva, &QAction::triggered, this, [this] {
        if (m_model)
            m_model->mnuSaveFile_Click();
    });
    QAction *come = file->addAction(QStringLiteral("Salva File &Come.."));
    come->setObjectName(QStringLiteral("mnuSaveFileAs"));
    connect(come, &QAction::triggered, this, [this] {
        if (m_model)
            m_model->mnuSaveFileAs_Click();
    });

    // Choosing the menu title itself opens the help, and its drop-down closes at once rather
    // than stay open over the help window. Its single entry has no action of its own: its
    // shortcut, like a click on the title, goes through the title and so opens the help.
    QMenu *aiuto = menuBar()->addMenu(QStringLiteral("&Aiuto"));
    aiuto->setObjectName(QStringLiteral("mnuAiuto"));
    connect(aiuto, &QMenu::aboutToShow, this, [this, aiuto] {
        QMetaObject::invokeMethod(aiuto, &QMenu::close, Qt::QueuedConnection);
        if (m_model)
            m_model->mnuAiuto_Click();
    });
    QAction *hlep = aiuto->addAction(QStringLiteral("&Help"));
    hlep->setObjectName(QStringLiteral("mnuHlep"));
    hlep->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(hlep, &QAction::triggered, this, [this] {
        if (m_model)
            m_model->mnuAiuto_Click();
    });
}

void ElevView::refresh()
{
    if (!m_model)
        return;
    for (int k = 0; k < ElevModel::Caselle; ++k)
        ui::mostraTesto(m_txtInDat[k], m_model->txtInDat(k));
    ui::applica(m_btnInseDat, m_model->btnInseDat());
    ui::applica(m_btnCalcola, m_model->btnCalcola());
    ui::applica(m_label15, m_model->Label15());
}
