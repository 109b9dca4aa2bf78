#include "elevview.h"

#include "widgets.h"

#include "hoist/elevmodel.h"

namespace {

Disposizione disposizione()
{
    Disposizione d;
    d.client = QSize(811, 589);
    d.carattere = ui::arial(9, false);
    // data on the right from the top, results on the left below the drawing; a row every 25
    d.posti = [](const Riga &riga, int i) {
        if (riga.colonna == Colonna::Risultati)
            return PostiRiga{QRect(15, 232 + 25 * i, 178, 22), QRect(199, 232 + 25 * i, 110, 22),
                             QRect(315, 232 + 25 * i, 83, 22)};
        return PostiRiga{QRect(429, 10 + 25 * i, 185, 22), QRect(620, 10 + 25 * i, 110, 22),
                         QRect(736, 10 + 25 * i, 60, 22)};
    };
    d.legenda = [](int i, QLabel *) { return QRect(15, 345 + 24 * i, 383, 20); };
    d.pulsanti = {QRect(15, 529, 191, 45), QRect(212, 529, 191, 45), QRect(409, 529, 190, 45),
                  QRect(605, 529, 191, 45)};
    d.nomeStato = QStringLiteral("Label15");
    d.stato = QRect(15, 475, 781, 40);
    d.caratterStato = ui::courierNew(18, true);
    return d;
}

} // namespace

ElevView::ElevView(Programma &programma, ElevModel &model)
    : CalcolatriceView(programma, model, disposizione())
{
    ui::disegno(centrale(), QStringLiteral(":/hoist/tamburo.svg"), QStringLiteral("Picture1"),
                QRect(15, 10, 257, 206), QStringLiteral("Schema del sollevamento con tamburo"),
                QStringLiteral("Servomotore, albero motore e riduttore; tamburo di diametro DS; "
                               "carico WL sulla tavola; contrappeso WC; profilo della velocità V "
                               "nel tempo: due movimenti di durata t0 in un ciclo di durata tf"));
    ui::immagineMotore(centrale(), QRect(278, 10, 120, 90));
    costruisci();
}
