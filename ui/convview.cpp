#include "convview.h"

#include "widgets.h"

#include "conveyor/convmodel.h"

namespace {

Disposizione disposizione()
{
    using ui::twips;
    Disposizione d;
    d.client = QSize(720, 680);
    d.clientFisso = true;
    d.carattere = ui::arial(8, false);
    // one column from where Label9 starts (5640 twips), a row every 32 pixels
    d.posti = [](const Riga &riga, int) {
        const int y = 8 + riga.box * 32;
        return PostiRiga{QRect(376, y, 180, 24), QRect(562, y, 90, 24), QRect(658, y, 60, 24)};
    };
    d.allineamentoEtichetta = Qt::AlignRight | Qt::AlignVCenter;
    d.nomeEtichetta = [](int k) { return QStringLiteral("Label1_%1").arg(k); };
    d.nomeCasella = QStringLiteral("txtIndat%1");
    d.nomeUnita = QStringLiteral("Label2_%1");
    d.unitaVuote = false;
    // the legend above the status label, at the lower left
    d.legenda = [](int i, QLabel *) { return QRect(8, 300 + 36 * i, 337, 28); };
    d.pulsanti = {QRect(8, 500, 165, 50), QRect(180, 500, 165, 50), QRect(8, 560, 165, 50),
                  QRect(180, 560, 165, 50)};
    d.nomeStato = QStringLiteral("Label5");
    d.stato = QRect(twips(120), twips(6840), twips(5055), twips(375));
    d.caratterStato = ui::arial(10, true);
    d.nomeData = QStringLiteral("Label9");
    d.data = QRect(twips(5640), twips(9360), twips(4935), twips(495));
    return d;
}

} // namespace

ConvView::ConvView(Programma &programma, ConvModel &model)
    : CalcolatriceView(programma, model, disposizione())
{
    ui::disegno(centrale(), QStringLiteral(":/conveyor/tappeto.svg"), QStringLiteral("Picture1"),
                QRect(8, 8, 282, 229), QStringLiteral("Schema del convogliatore a tappeto"),
                QStringLiteral("Servomotore, albero motore e riduttore; rullo di diametro DR; "
                               "tappeto WT con il carico WL; profilo della velocità v nel tempo: "
                               "traslazione t0 nel ciclo tf"));
    costruisci();
}
