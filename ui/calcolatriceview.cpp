#include "calcolatriceview.h"

#include "widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// "Label3(19)" becomes the object name "Label3_19"
QString nomeOggetto(const QString &nomeDisegno)
{
    return QString(nomeDisegno)
        .replace(QLatin1Char('('), QLatin1Char('_'))
        .remove(QLatin1Char(')'));
}

void colloca(QLabel *label, const QRect &posto)
{
    if (posto.size().isEmpty()) {
        label->move(posto.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(posto);
    }
}

} // namespace

CalcolatriceView::CalcolatriceView(Programma &programma, Calcolatrice &model,
                                   Disposizione disposizione)
    : VistaDi(programma, model), m_disposizione(std::move(disposizione))
{
    QWidget *central = creaCentrale(m_disposizione.carattere);
    if (m_disposizione.clientFisso)
        central->setFixedSize(m_disposizione.client);
    else
        central->setMinimumSize(m_disposizione.client);
}

void CalcolatriceView::creaRighe()
{
    const Disposizione &d = m_disposizione;
    std::map<Colonna, int> posto;
    for (const Riga &riga : m_model->righe()) {
        const PostiRiga p = d.posti(riga, posto[riga.colonna]++);
        auto *label = new QLabel(riga.didascalia, centrale());
        label->setObjectName(d.nomeEtichetta(riga.box));
        label->setAlignment(d.allineamentoEtichetta);
        auto *box = new QLineEdit(centrale());
        box->setObjectName(d.nomeCasella.arg(riga.box));
        if (d.caratterRighe) {
            label->setFont(*d.caratterRighe);
            box->setFont(*d.caratterRighe);
        }
        colloca(label, p.etichetta);
        box->setGeometry(p.casella);
        if (riga.colore)
            ui::setBackground(box, *riga.colore);
        label->setBuddy(box);
        ui::preparaCasella(box, ui::nomeCasella(riga.didascalia, riga.unita), riga.simbolo);
        if (!p.unita.isEmpty() && (d.unitaVuote || !riga.unita.isEmpty())) {
            auto *unit = new QLabel(riga.unita, centrale());
            unit->setObjectName(d.nomeUnita.arg(riga.box));
            unit->setGeometry(p.unita);
        }
        ui::collegaCasella(box, this, [this, k = riga.box](const QString &text) {
            if (m_model)
                m_model->setTxtInDat(k, text);
        });
        m_caselle[riga.box] = box;
    }
}

void CalcolatriceView::creaLegenda()
{
    const QList<VoceLegenda> &legenda = m_model->tavola().legenda;
    for (int i = 0; i < legenda.size(); ++i) {
        const VoceLegenda &voce = legenda.at(i);
        auto *label = new QLabel(voce.testo, centrale());
        label->setObjectName(nomeOggetto(voce.nome));
        label->setMargin(3);
        label->setWordWrap(m_disposizione.legendaACapo);
        label->setGeometry(m_disposizione.legenda(i, label));
        ui::setBackground(label, voce.colore);
        ui::setTextColour(label, voce.testoColore);
    }
}

void CalcolatriceView::creaStato()
{
    m_stato = new QLabel(centrale());
    m_stato->setObjectName(m_disposizione.nomeStato);
    m_stato->setFont(m_disposizione.caratterStato);
    m_stato->setAlignment(m_disposizione.allineamentoStato);
    colloca(m_stato, m_disposizione.stato);
}

void CalcolatriceView::creaData()
{
    if (m_disposizione.nomeData.isEmpty())
        return;
    m_data = new QLabel(centrale());
    m_data->setObjectName(m_disposizione.nomeData);
    m_data->setGeometry(m_disposizione.data);
    m_data->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (m_disposizione.sfondoData)
        ui::setBackground(m_data, *m_disposizione.sfondoData);
}

void CalcolatriceView::creaPulsanti()
{
    using P = Calcolatrice::Pulsante;
    // left to right as they stand
    std::array<P, 4> ordine{P::Immissione, P::Calcola, P::Modifica, P::Esci};
    std::sort(ordine.begin(), ordine.end(), [this](P a, P b) {
        return m_disposizione.pulsanti[int(a)].x() < m_disposizione.pulsanti[int(b)].x();
    });
    for (const P p : ordine) {
        QPushButton *b = pulsante(centrale(), m_model->nomePulsante(p), QString(),
                                  [p](Calcolatrice &m) { m.premi(p); });
        b->setGeometry(m_disposizione.pulsanti[int(p)]);
        m_pulsanti[int(p)] = b;
    }
    if (m_disposizione.iconaEsci)
        m_pulsanti[int(P::Esci)]->setIcon(QIcon(QStringLiteral(":/ui/icons/esci.svg")));
}

void CalcolatriceView::costruisci()
{
    creaRighe();
    creaLegenda();
    creaStato();
    creaData();
    creaPulsanti();
    completa();
}

void CalcolatriceView::completa()
{
    tabInOrdineDiSchermo();
    refresh();
}

void CalcolatriceView::refresh()
{
    if (!m_model)
        return;
    for (const auto &[box, casella] : m_caselle)
        ui::mostraTesto(casella, m_model->txtInDat(box));
    using P = Calcolatrice::Pulsante;
    for (const P p : {P::Immissione, P::Calcola, P::Modifica, P::Esci})
        if (m_pulsanti[int(p)])
            ui::applica(m_pulsanti[int(p)], m_model->aspetto(p));
    if (m_stato) {
        ui::applica(m_stato, m_model->statusLabel());
        if (m_disposizione.stato.size().isEmpty()) {
            // sized to its text; an empty label shows nothing, not a patch of colour
            m_stato->adjustSize();
            m_stato->setVisible(!m_stato->text().isEmpty());
        }
    }
    if (m_data && m_data->text() != m_model->rigaData())
        m_data->setText(m_model->rigaData());
    aggiorna();
}
