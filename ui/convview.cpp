#include "convview.h"

#include "widgets.h"

#include "conveyor/convmodel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSvgWidget>

namespace {

// The form keeps the fixed layout of its design, in twips.
QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(ui::twips(left), ui::twips(top), ui::twips(width), ui::twips(height));
}

constexpr int rigaAlta = 32;   // pixels from one row of the column to the next
constexpr int colonnaX = 376;  // the column starts where Label9 does (5640 twips)

} // namespace

ConvView::ConvView(Programma &programma, ConvModel &model)
    : FormWindow(programma, model), m_model(&model)
{
    setFont(ui::arial(8, false));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    central->setFixedSize(720, 680);

    auto *picture1 = new QSvgWidget(QStringLiteral(":/conveyor/tappeto.svg"), central);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(8, 8, 282, 229);
    picture1->setAccessibleName(QStringLiteral("Schema del convogliatore a tappeto"));
    picture1->setAccessibleDescription(
        QStringLiteral("Servomotore, albero motore e riduttore; rullo di diametro DR; tappeto WT "
                       "con il carico WL; profilo della velocità v nel tempo: traslazione t0 nel "
                       "ciclo tf"));

    for (int k = 0; k < ConvModel::Caselle; ++k) {
        const ConvModel::Riga &riga = ConvModel::riga(k);
        const int y = 8 + k * rigaAlta;
        auto *label = new QLabel(riga.label, central);
        label->setObjectName(QStringLiteral("Label1_%1").arg(k));
        label->setGeometry(colonnaX, y, 180, 24);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *box = new QLineEdit(central);
        box->setObjectName(QStringLiteral("txtIndat%1").arg(k));
        box->setGeometry(colonnaX + 186, y, 90, 24);
        ui::setBackground(box, riga.colore);
        label->setBuddy(box);
        ui::preparaCasella(box, ui::nomeCasella(riga.label, riga.unita), ConvModel::simbolo(k));
        if (!riga.unita.isEmpty()) {
            auto *unit = new QLabel(riga.unita, central);
            unit->setObjectName(QStringLiteral("Label2_%1").arg(k));
            unit->setGeometry(colonnaX + 282, y, 60, 24);
        }
        m_txtIndat[k] = box;
        ui::collegaCasella(box, this, [this, k](const QString &text) {
            if (m_model)
                m_model->setTxtInDat(k, text);
        });
    }

    // The legend above the status label, at the lower left.
    int y = 300;
    for (const ConvModel::Legenda &voce : ConvModel::legenda()) {
        auto *label = new QLabel(voce.testo, central);
        label->setObjectName(voce.nome);
        label->setGeometry(8, y, 337, 28);
        label->setMargin(3);
        ui::setBackground(label, voce.colore);
        y += 36;
    }

    m_label5 = new QLabel(central);
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setGeometry(twipsRect(120, 6840, 5055, 375));
    m_label5->setFont(ui::arial(10, true));
    m_label5->setAlignment(Qt::AlignCenter);

    m_label9 = new QLabel(central);
    m_label9->setObjectName(QStringLiteral("Label9"));
    m_label9->setGeometry(twipsRect(5640, 9360, 4935, 495));
    m_label9->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_btnInseDat = button(QStringLiteral("btnInseDat"), &ConvModel::btnInseDat_Click,
                          QRect(8, 500, 165, 50));
    m_btnCalcola = button(QStringLiteral("btnCalcola"), &ConvModel::btnCalcola_Click,
                          QRect(180, 500, 165, 50));
    QPushButton *btnModDat = button(QStringLiteral("btnModDat"), &ConvModel::btnModDat_Click,
                                    QRect(8, 560, 165, 50));
    QPushButton *btnEsci = button(QStringLiteral("btnEsci"), &ConvModel::btnEsci_Click,
                                  QRect(180, 560, 165, 50));
    ui::applica(btnModDat, ConvModel::btnModDat());
    ui::applica(btnEsci, ConvModel::btnEsci());
    btnEsci->setIcon(QIcon(QStringLiteral(":/ui/icons/esci.svg")));

    createMenus();
    tabInOrdineDiSchermo();
    refresh();
}

QPushButton *ConvView::button(const QString &name, void (ConvModel::*handler)(),
                              const QRect &where)
{
    auto *b = new QPushButton(centralWidget());
    b->setObjectName(name);
    b->setGeometry(where);
    connect(b, &QPushButton::clicked, this, [this, handler] {
        if (m_model)
            (m_model.data()->*handler)();
    });
    return b;
}

void ConvView::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto voce = [this, file](const QString &name, const QString &text, auto handler) {
        QAction *action = file->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, handler] {
            if (m_model)
                (m_model.data()->*handler)();
        });
    };
    voce(QStringLiteral("mnuNewFile"), QStringLiteral("&Nuovo file"), &ConvModel::mnuNewFile_Click);
    voce(QStringLiteral("mnuFileApri"), QStringLiteral("&Apri file"), &ConvModel::mnuFileApri_Click);
    voce(QStringLiteral("mnuFileSav"), QStringLiteral("&Salva File"), &ConvModel::mnuFileSav_Click);
    voce(QStringLiteral("mnuFileSavAs"), QStringLiteral("Salva FIle con &nome"),
         &ConvModel::mnuFileSavAs_Click);
}

void ConvView::refresh()
{
    if (!m_model)
        return;
    for (int k = 0; k < ConvModel::Caselle; ++k)
        ui::mostraTesto(m_txtIndat[k], m_model->txtIndat(k));
    ui::applica(m_btnInseDat, m_model->btnInseDat());
    ui::applica(m_btnCalcola, m_model->btnCalcola());
    ui::applica(m_label5, m_model->Label5());
    if (m_label9->text() != m_model->Label9())
        m_label9->setText(m_model->Label9());
}
