#include "viteview.h"

#include "widgets.h"

#include "screw/vitemodel.h"

#include <QLabel>

#include <memory>

using ui::twips;

namespace {

constexpr int sinistraIngressi = 12720, sinistraRisultati = 3960, sinistraLegenda = 5280;
constexpr int larghezzaEtichetta = 3600, larghezzaCasella = 1215, larghezzaUnita = 900;
constexpr int altezzaRiga = 360, passo = 400, topPulsanti = 9480;

// legendaFine: where the legend ends, for the motor below it (twips)
Disposizione disposizione(bool trasl, const std::shared_ptr<int> &legendaFine)
{
    Disposizione d;
    d.client = QSize(twips(sinistraIngressi + larghezzaCasella + larghezzaUnita + 360),
                     twips(topPulsanti + 735 + 240));
    d.carattere = ui::arial(9, false);
    d.posti = [](const Riga &riga, int i) {
        const bool risultato = riga.colonna == Colonna::Risultati;
        const int left = risultato ? sinistraRisultati : sinistraIngressi;
        const int top = (risultato ? 4920 : 600) + i * passo;
        return PostiRiga{
            QRect(twips(left - larghezzaEtichetta - 120), twips(top), twips(larghezzaEtichetta),
                  twips(altezzaRiga)),
            QRect(twips(left), twips(top), twips(larghezzaCasella), twips(altezzaRiga)),
            QRect(twips(left + larghezzaCasella + 60), twips(top), twips(larghezzaUnita),
                  twips(altezzaRiga))};
    };
    d.allineamentoEtichetta = Qt::AlignRight | Qt::AlignVCenter;
    // one under the other, each as tall as its wrapped text needs
    *legendaFine = 600;
    d.legendaACapo = true;
    d.legenda = [legendaFine](int, QLabel *label) {
        const int larghezza = twips(3600);
        const QRect r(twips(sinistraLegenda), twips(*legendaFine), larghezza,
                      std::max(twips(420), label->heightForWidth(larghezza)));
        *legendaFine += r.height() * 15 + 60;
        return r;
    };
    for (int i = 0; i < 4; ++i)
        d.pulsanti[i] = QRect(twips(240 + 2640 * i), twips(topPulsanti), twips(2535), twips(735));
    d.iconaEsci = !trasl;
    d.nomeStato = QStringLiteral("Label15");
    d.stato =
        QRect(trasl ? QPoint(twips(3120), twips(8640)) : QPoint(twips(3600), twips(8880)), QSize());
    d.caratterStato = ui::courierNew(14, true);
    d.allineamentoStato = Qt::AlignLeft | Qt::AlignVCenter;
    d.nomeData = QStringLiteral("Label8");
    d.data = trasl ? QRect(twips(8640), twips(240), twips(6375), twips(375))
                   : QRect(twips(7200), twips(120), twips(6375), twips(375));
    return d;
}

} // namespace

ViteView::ViteView(Programma &programma, ViteModel &model)
    : ViteView(programma, model, std::make_shared<int>())
{
}

ViteView::ViteView(Programma &programma, ViteModel &model, std::shared_ptr<int> legendaFine)
    : CalcolatriceView(programma, model, disposizione(model.id() == FormId::traslForm, legendaFine))
{
    const bool trasl = model.id() == FormId::traslForm;
    // made in reading order, the order a screen reader meets them: the date line on top, the
    // drawing, the legend and the motor beside it, then the rows
    creaData();
    const QRect posto(QPoint(twips(240), twips(600)), trasl ? QSize(325, 271) : QSize(300, 240));
    if (trasl)
        ui::disegno(
            centrale(), QStringLiteral(":/screw/trasl.svg"), QStringLiteral("Image2"), posto,
            QStringLiteral("Schema dello spostamento orizzontale con vite"),
            QStringLiteral("Motore e trasmissione di rapporto R = N1 / N2; vite di diametro "
                           "DB e passo PB; tavola WT con il carico WL, corsa L, forza Fc; "
                           "profilo della velocità V: traslazione t0 nel ciclo tf"));
    else
        ui::disegno(
            centrale(), QStringLiteral(":/screw/vite.svg"), QStringLiteral("Picture1"), posto,
            QStringLiteral("Schema del sollevamento con vite"),
            QStringLiteral("Servomotore e riduttore N; vite verticale di diametro DB, passo "
                           "PB e corsa LB; tavola WT con il carico WL; forza del contrappeso "
                           "Fc; profilo della velocità V: salita t0 up, discesa t0 down, "
                           "ciclo tf"));
    creaLegenda();
    ui::immagineMotore(centrale(),
                       QRect(twips(sinistraLegenda), twips(*legendaFine + 120), 120, 90));
    creaRighe();
    creaStato();
    creaPulsanti();
    completa();
}
