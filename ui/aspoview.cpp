#include "aspoview.h"

#include "widgets.h"

#include "reel/aspomodel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>

using ui::twips;

AspoView::AspoView(Programma &programma, AspoModel &model)
    : FormWindow(programma, model), m_model(&model)
{
    setFont(ui::arial(9, false));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    central->setMinimumSize(twips(12000), twips(10700));

    auto *image1 = new QSvgWidget(QStringLiteral(":/ui/icons/motore.svg"), central);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(twips(360), twips(1080), 120, 90);
    ui::descriviMotore(image1);

    int top = 1080; // one row every 480 twips, in screen order
    for (const AspoModel::Riga &riga : AspoModel::righe()) {
        auto *label = new QLabel(AspoModel::label2(riga.box), central);
        label->setObjectName(QStringLiteral("Label2_%1").arg(riga.box));
        label->setGeometry(twips(4560), twips(top), twips(4600), twips(495));
        auto *box = new QLineEdit(central);
        box->setObjectName(QStringLiteral("txtInDat%1").arg(riga.box));
        box->setGeometry(twips(9240), twips(top), twips(1455), twips(495) - 4);
        ui::setBackground(box, riga.colore);
        label->setBuddy(box);
        ui::preparaCasella(box, ui::nomeCasella(riga.nome, riga.unita), riga.simbolo);
        auto *unit = new QLabel(riga.unita, central);
        unit->setObjectName(QStringLiteral("Label3_%1").arg(riga.box));
        unit->setGeometry(twips(10800), twips(top), twips(1000), twips(495));
        ui::collegaCasella(box, this, [this, k = riga.box](const QString &text) {
            if (m_model)
                m_model->setTxtInDat(k, text);
        });
        m_txtInDat[riga.box] = box;
        top += 480;
    }

    auto frame = [&](const QString &name, const QString &caption, int frameTop,
                     const QString &first, const QString &second) {
        auto *group = new QGroupBox(caption, central);
        group->setObjectName(name);
        group->setGeometry(twips(360), twips(frameTop), twips(3495), twips(1335));
        auto *a = new QRadioButton(first, group);
        auto *b = new QRadioButton(second, group);
        a->setGeometry(15, 25, 200, 24);
        b->setGeometry(15, 55, 200, 24);
        return std::pair{a, b};
    };
    std::tie(m_opt_avv, m_opt_svol) = frame(QStringLiteral("Frame1"), QStringLiteral("avolgitore/svolgitore"),
                                            4800, QStringLiteral("avvolgitore"),
                                            QStringLiteral("svolgitore"));
    std::tie(m_opt_acc, m_opt_dec) = frame(QStringLiteral("Frame2"), QStringLiteral("accel/decel"),
                                           6240, QStringLiteral("accelerazione"),
                                           QStringLiteral("decelerazione"));
    m_opt_avv->setObjectName(QStringLiteral("opt_avv"));
    m_opt_svol->setObjectName(QStringLiteral("opt_svol"));
    m_opt_acc->setObjectName(QStringLiteral("opt_acc"));
    m_opt_dec->setObjectName(QStringLiteral("opt_dec"));
    connect(m_opt_avv, &QRadioButton::toggled, this, [this](bool on) {
        if (m_model && on != m_model->opt_avv())
            m_model->setOpt_avv(on);
    });
    connect(m_opt_acc, &QRadioButton::toggled, this, [this](bool on) {
        if (m_model && on != m_model->opt_acc())
            m_model->setOpt_acc(on);
    });

    m_label1 = new QLabel(central);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twips(120), twips(8160), twips(6000), twips(375));

    m_label15 = new QLabel(central);
    m_label15->setObjectName(QStringLiteral("Label15"));
    m_label15->setFont(ui::courierNew(14, true));
    m_label15->setAlignment(Qt::AlignCenter);
    m_label15->setGeometry(twips(240), twips(8760), twips(10335), twips(600));

    m_btnInseDat = button(QStringLiteral("btnInseDat"), 240, &AspoModel::btnInseDat_Click);
    QPushButton *btnModDat = button(QStringLiteral("btnModDat"), 2760, &AspoModel::btnModDat_Click);
    m_btnCalcola = button(QStringLiteral("btnCalcola"), 5400, &AspoModel::btnCalcola_Click);
    QPushButton *btnEsci = button(QStringLiteral("btnEsci"), 8040, &AspoModel::btnEsci_Click);
    ui::applica(btnModDat, AspoModel::btnModDat());
    ui::applica(btnEsci, AspoModel::btnEsci());
    btnEsci->setIcon(QIcon(QStringLiteral(":/ui/icons/esci.svg")));

    createMenus();
    setWindowState(Qt::WindowMaximized);
    tabInOrdineDiSchermo();
    refresh();
}

QPushButton *AspoView::button(const QString &name, int left, void (AspoModel::*handler)())
{
    auto *b = new QPushButton(centralWidget());
    b->setObjectName(name);
    b->setGeometry(twips(left), twips(9720), twips(2535), twips(735));
    connect(b, &QPushButton::clicked, this, [this, handler] {
        if (m_model)
            (m_model.data()->*handler)();
    });
    return b;
}

void AspoView::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    struct Voce {
        const char *name;
        QString caption;
        void (AspoModel::*handler)();
    };
    const Voce voci[] = {
        {"mnuFileApri", QStringLiteral("a&pri file"), nullptr},
        {"mnusalva", QStringLiteral("&salva_file"), &AspoModel::mnusalva_Click},
        {"mnusalvaconnome", QStringLiteral("salva con &nome"), &AspoModel::mnusalvaconnome_Click},
        {"mnusalva_ris", QStringLiteral("Salva &risultati_dat"), &AspoModel::mnusalva_ris_Click},
        {"mnustampa_ris", QStringLiteral("Stampa&Risultati"), &AspoModel::mnustampa_ris_Click},
        {"mnuEsci", QStringLiteral("&Esci"), &AspoModel::mnuEsci_Click},
    };
    for (const Voce &voce : voci) {
        QAction *action = file->addAction(voce.caption);
        action->setObjectName(QLatin1String(voce.name));
        connect(action, &QAction::triggered, this, [this, handler = voce.handler] {
            if (!m_model)
                return;
            if (handler)
                (m_model.data()->*handler)();
            else
                m_model->mnuFileApri_Click();
        });
    }
}

void AspoView::refresh()
{
    if (!m_model)
        return;
    for (int k = 0; k < AspoModel::Caselle; ++k)
        ui::mostraTesto(m_txtInDat[k], m_model->txtInDat(k));
    (m_model->opt_avv() ? m_opt_avv : m_opt_svol)->setChecked(true);
    (m_model->opt_acc() ? m_opt_acc : m_opt_dec)->setChecked(true);
    ui::applica(m_btnInseDat, m_model->btnInseDat());
    ui::applica(m_btnCalcola, m_model->btnCalcola());
    ui::applica(m_label15, m_model->Label15());
    ui::applica(m_label1, m_model->Label1());
}
