#include "risaspoview.h"

#include "widgets.h"

#include "reel/risaspomodel.h"

#include <QLabel>
#include <QPushButton>

using ui::twips;

RisAspoView::RisAspoView(Programma &programma, RisAspoModel &model) : VistaDi(programma, model)
{
    QWidget *central = creaCentrale(ui::arial(9, false));
    central->setFixedSize(twips(10875), twips(8505));

    ui::immagineMotore(central, QRect(twips(240), twips(480), 120, 90));
    ui::immagineEseguito(central, QPoint(twips(9960), twips(480)));

    const int tops[3] = {2760, 3720, 4800};
    for (int i = 0; i < 3; ++i) {
        m_label1[i] = new QLabel(central);
        m_label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        m_label1[i]->setFont(ui::arial(11, true));
        m_label1[i]->setGeometry(twips(3360), twips(tops[i]), twips(7400), twips(600));
    }

    for (int i = 0; i < 5; ++i) {
        const RisAspoModel::Pulsante &p = RisAspoModel::pulsanti()[i];
        QPushButton *b =
            pulsante(central, p.nome, p.caption, [i](RisAspoModel &m) { m.grafico_Click(i); });
        b->setGeometry(twips(240), twips(p.top), twips(2535), twips(855));
        b->setFont(ui::arial(8, false)); // the longest caption fits the design width
        ui::setBackground(b, p.colore);
    }

    // under the summary, the check of a motor over the coil
    QPushButton *btnVerifica =
        pulsante(central, QStringLiteral("btnVerifica"), QStringLiteral("Verifica motore..."),
                 &RisAspoModel::btnVerifica_Click);
    btnVerifica->setGeometry(twips(3360), twips(5760), twips(2535), twips(735));

    QPushButton *btnEsci = pulsante(central, QStringLiteral("btnEsci"), QStringLiteral("Esci"),
                                    &RisAspoModel::btnEsci_Click);
    btnEsci->setGeometry(twips(7920), twips(7440), twips(2535), twips(735));
    ui::setBackground(btnEsci, colori::rossoChiaro);
    refresh();
}

void RisAspoView::refresh()
{
    if (m_model)
        ui::mostraTesti(m_label1, m_model->Label1());
}
