#include "viteview.h"

#include "widgets.h"

#include "screw/vitemodel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSvgWidget>

#include <algorithm>

using ui::twips;

namespace {
constexpr int larghezzaEtichetta = 3600; // row labels, left of their boxes
constexpr int larghezzaCasella = 1215;
constexpr int altezzaRiga = 360;
constexpr int larghezzaUnita = 900;
constexpr int topPulsanti = 9480;
} // namespace

ViteView::ViteView(Programma &programma, ViteModel &model)
    : FormWindow(programma, model), m_model(&model)
{
    const ViteModel::Configurazione &c = model.config();
    setFont(ui::arial(9, false));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    central->setMinimumSize(twips(c.sinistraIngressi + larghezzaCasella + larghezzaUnita + 360),
                            twips(topPulsanti + 735 + 240));

    // made in reading order, the order a screen reader meets them: the date line on top, the
    // drawing, the legend and the motor beside it, then the rows
    m_label8 = new QLabel(central);
    m_label8->setObjectName(QStringLiteral("Label8"));
    m_label8->setGeometry(twips(c.label8Posto.left), twips(c.label8Posto.top),
                          twips(c.label8Posto.width), twips(c.label8Posto.height));

    auto *picture = new QSvgWidget(c.immagine, central);
    picture->setObjectName(c.id == FormId::traslForm ? QStringLiteral("Image2")
                                                     : QStringLiteral("Picture1"));
    picture->setGeometry(twips(240), twips(600), c.immagineLarghezza, c.immagineAltezza);
    if (c.id == FormId::traslForm) {
        picture->setAccessibleName(QStringLiteral("Schema dello spostamento orizzontale con vite"));
        picture->setAccessibleDescription(
            QStringLiteral("Motore e trasmissione di rapporto R = N1 / N2; vite di diametro DB e "
                           "passo PB; tavola WT con il carico WL, corsa L, forza Fc; profilo della "
                           "velocità V: traslazione t0 nel ciclo tf"));
    } else {
        picture->setAccessibleName(QStringLiteral("Schema del sollevamento con vite"));
        picture->setAccessibleDescription(
            QStringLiteral("Servomotore e riduttore N; vite verticale di diametro DB, passo PB e "
                           "corsa LB; tavola WT con il carico WL; forza del contrappeso Fc; "
                           "profilo della velocità V: salita t0 up, discesa t0 down, ciclo tf"));
    }

    int topLegenda = c.topLegenda;
    for (const ViteModel::Legenda &voce : c.legenda) {
        auto *label = new QLabel(voce.testo, central);
        label->setObjectName(QString(voce.nome).replace(QLatin1Char('('), QLatin1Char('_')).remove(QLatin1Char(')')));
        label->setMargin(3);
        label->setWordWrap(true);
        const int larghezza = twips(3600);
        label->setGeometry(twips(c.sinistraLegenda), twips(topLegenda), larghezza,
                           std::max(twips(420), label->heightForWidth(larghezza)));
        ui::setBackground(label, voce.colore);
        ui::setTextColour(label, voce.testoColore);
        topLegenda += label->height() * 15 + 60;
    }

    auto *image1 = new QSvgWidget(QStringLiteral(":/ui/icons/motore.svg"), central);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(twips(c.sinistraLegenda), twips(topLegenda + 120), 120, 90);
    ui::descriviMotore(image1);

    int topIngresso = c.topIngressi;
    int topRisultato = c.topRisultati;
    for (const ViteModel::Riga &riga : c.righe) {
        const bool risultato = ViteModel::risultato(riga.box);
        const int left = risultato ? c.sinistraRisultati : c.sinistraIngressi;
        int &top = risultato ? topRisultato : topIngresso;

        auto *label = new QLabel(model.label2(riga.box), central);
        label->setObjectName(QStringLiteral("Label2_%1").arg(riga.box));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(twips(left - larghezzaEtichetta - 120), twips(top),
                           twips(larghezzaEtichetta), twips(altezzaRiga));
        auto *box = new QLineEdit(central);
        box->setObjectName(QStringLiteral("txtInDat%1").arg(riga.box));
        box->setGeometry(twips(left), twips(top), twips(larghezzaCasella), twips(altezzaRiga));
        if (riga.colore)
            ui::setBackground(box, *riga.colore);
        label->setBuddy(box);
        ui::preparaCasella(box, ui::nomeCasella(riga.testo, riga.unita), riga.simbolo);
        auto *unit = new QLabel(riga.unita, central);
        unit->setObjectName(QStringLiteral("Label3_%1").arg(riga.box));
        unit->setGeometry(twips(left + larghezzaCasella + 60), twips(top), twips(larghezzaUnita),
                          twips(altezzaRiga));
        ui::collegaCasella(box, this, [this, k = riga.box](const QString &text) {
            if (m_model)
                m_model->setTxtInDat(k, text);
        });
        m_txtInDat[riga.box] = box;
        top += c.passo;
    }

    m_label15 = new QLabel(central);
    m_label15->setObjectName(QStringLiteral("Label15"));
    m_label15->setFont(ui::courierNew(14, true));
    m_label15->move(twips(c.label15Posto.left), twips(c.label15Posto.top));

    m_btnInseDat = button(QStringLiteral("btnInseDat"), 240, &ViteModel::btnInseDat_Click);
    m_btnCalcola = button(QStringLiteral("btnCalcola"), 2880, &ViteModel::btnCalcola_Click);
    QPushButton *btnModDat = button(QStringLiteral("btnModDat"), 5520, &ViteModel::btnModDat_Click);
    QPushButton *btnEsci = button(QStringLiteral("btnEsci"), 8160, &ViteModel::btnEsci_Click);
    ui::applica(btnModDat, ViteModel::btnModDat());
    ui::applica(btnEsci, model.btnEsci());
    if (c.id == FormId::Soll_vite_Form)
        btnEsci->setIcon(QIcon(QStringLiteral(":/ui/icons/esci.svg")));

    createMenus();
    setWindowState(Qt::WindowNoState);
    tabInOrdineDiSchermo();
    refresh();
}

QPushButton *ViteView::button(const QString &name, int left, void (ViteModel::*handler)())
{
    auto *b = new QPushButton(centralWidget());
    b->setObjectName(name);
    b->setGeometry(twips(left), twips(topPulsanti), twips(2535), twips(735));
    connect(b, &QPushButton::clicked, this, [this, handler] {
        if (m_model)
            (m_model.data()->*handler)();
    });
    return b;
}

void ViteView::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    for (const ViteModel::Voce &voce : m_model->config().menu) {
        QAction *action = file->addAction(voce.testo);
        action->setObjectName(voce.nome);
        connect(action, &QAction::triggered, this, [this, azione = voce.azione] {
            if (m_model)
                m_model->esegui(azione);
        });
    }
}

void ViteView::refresh()
{
    if (!m_model)
        return;
    for (int k = 0; k < ViteModel::Caselle; ++k)
        ui::mostraTesto(m_txtInDat[k], m_model->txtInDat(k));
    ui::applica(m_btnInseDat, m_model->btnInseDat());
    ui::applica(m_btnCalcola, m_model->btnCalcola());
    ui::applica(m_label15, m_model->Label15());
    // sized to its text; an empty label shows nothing, not a patch of colour
    m_label15->adjustSize();
    m_label15->setVisible(!m_label15->text().isEmpty());
    if (m_label8->text() != m_model->Label8())
        m_label8->setText(m_model->Label8());
}
