#include "verificaview.h"

#include "chartpainter.h"
#include "widgets.h"

#include "verifica/graficociclo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

// The chart of the cycle, painted as the core lays it out, on white.
class GraficoCiclo : public QWidget {
public:
    explicit GraficoCiclo(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(int(verifica::larghezzaGrafico), int(verifica::altezzaGrafico));
    }

    void mostra(const grafico::Disegno &disegno)
    {
        m_disegno = disegno;
        // a screen reader cannot see the lines; it reads the texts written on them
        QStringList testi;
        for (const grafico::Etichetta &etichetta : m_disegno.etichette)
            if (!etichetta.testo.trimmed().isEmpty())
                testi << etichetta.testo.simplified();
        setAccessibleDescription(testi.join(QLatin1String("; ")));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        dipingiGrafico(painter, m_disegno);
    }

private:
    grafico::Disegno m_disegno;
};

namespace {

enum Colonna { colMotore, colPotenza, colPicco, colEfficace, colVelocita, colInerzia, colEsito, colonne };

// The legend of the chart: a short stroke of each line's colour before its name.
QWidget *legenda(QWidget *parent)
{
    auto *riga = new QWidget(parent);
    riga->setObjectName(QStringLiteral("legendaGrafico"));
    auto *layout = new QHBoxLayout(riga);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(6);
    layout->addStretch();
    const std::pair<QString, Colore> voci[] = {
        {QStringLiteral("Coppia motore"), verifica::coloriGrafico::coppia},
        {QStringLiteral("Ceff"), verifica::coloriGrafico::efficace},
        {QStringLiteral("Cn"), verifica::coloriGrafico::nominale},
        {QStringLiteral("Cmax"), verifica::coloriGrafico::massima},
    };
    for (const auto &[nome, colore] : voci) {
        auto *tratto = new QWidget(riga);
        tratto->setFixedSize(24, 3);
        ui::setBackground(tratto, colore);
        auto *testo = new QLabel(nome, riga);
        layout->addWidget(tratto, 0, Qt::AlignVCenter);
        layout->addWidget(testo);
        if (nome != voci[std::size(voci) - 1].first)
            layout->addSpacing(18);
    }
    layout->addStretch();
    return riga;
}

} // namespace

VerificaView::VerificaView(Programma &programma, VerificaModel &model)
    : VistaDi(programma, model)
{
    QWidget *central = creaCentrale(ui::arial(9, false), colori::argento);

    // made as they stand, the cycle before the motor, so that a screen reader reads them so
    m_intestazione = new QLabel(central);
    m_intestazione->setObjectName(QStringLiteral("lblCiclo"));
    m_intestazione->setFont(ui::arial(10, true));
    m_righeCiclo = new QLabel(central);
    m_righeCiclo->setObjectName(QStringLiteral("lblRigheCiclo"));
    m_righeCiclo->setFont(ui::arial(10, false));
    m_righeCiclo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_righeCiclo->setWordWrap(true);
    m_righeCiclo->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QPushButton *btnVerifica = pulsante(central, QStringLiteral("btnVerifica"), QString(),
                                        &VerificaModel::btnVerifica_Click);
    ui::applica(btnVerifica, {QStringLiteral("Verifica"), colori::verdeChiaro});
    QPushButton *btnCatalogo = pulsante(central, QStringLiteral("btnCatalogo"), QString(),
                                        &VerificaModel::btnCatalogo_Click);
    ui::applica(btnCatalogo, {QStringLiteral("Apri catalogo..."), colori::gialloChiaro});
    for (QPushButton *b : {btnVerifica, btnCatalogo})
        b->setMinimumSize(130, 40);

    auto *caselle = new QGridLayout;
    caselle->setHorizontalSpacing(6);
    caselle->setVerticalSpacing(3);
    int riga = 0;
    for (int box = 0; box < VerificaModel::Caselle; ++box) {
        if (box == VerificaModel::Nome || box == VerificaModel::k) {
            auto *titolo = new QLabel(box == VerificaModel::Nome
                                          ? QStringLiteral("Motore")
                                          : QStringLiteral("Limiti della verifica"),
                                      central);
            titolo->setFont(ui::arial(9, true));
            if (riga > 0)
                caselle->setRowMinimumHeight(riga++, 6);
            caselle->addWidget(titolo, riga++, 0, 1, 3);
        }
        const VerificaModel::Riga &r = VerificaModel::righe()[box];
        auto *label = new QLabel(r.didascalia, central);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *casella = new QLineEdit(central);
        casella->setObjectName(QStringLiteral("txtMotore%1").arg(box));
        casella->setFixedWidth(box == VerificaModel::Nome ? 190 : 110);
        label->setBuddy(casella);
        ui::preparaCasella(casella, ui::nomeCasella(r.didascalia, r.unita), r.simbolo);
        ui::collegaCasella(casella, this, [this, box](const QString &text) {
            if (m_model)
                m_model->setTxtMotore(box, text);
        });
        caselle->addWidget(label, riga, 0);
        caselle->addWidget(casella, riga, 1, 1, box == VerificaModel::Nome ? 2 : 1);
        if (!r.unita.isEmpty())
            caselle->addWidget(new QLabel(r.unita.trimmed(), central), riga, 2);
        m_caselle[box] = casella;
        ++riga;
    }
    caselle->setColumnMinimumWidth(2, 50);

    m_stato = new QLabel(central);
    m_stato->setObjectName(QStringLiteral("lblStato"));
    m_stato->setFont(ui::arial(10, true));
    m_stato->setMargin(4);
    m_stato->setMinimumHeight(m_stato->fontMetrics().height() + 10);

    m_tabella = new QTableWidget(0, colonne, central);
    m_tabella->setObjectName(QStringLiteral("tblMotori"));
    m_tabella->setAccessibleName(QStringLiteral("Verifica dei motori"));
    m_tabella->setHorizontalHeaderLabels(
        {QStringLiteral("Motore"), QStringLiteral("Pn [kW]"), QStringLiteral("Picco"),
         QStringLiteral("Efficace"), QStringLiteral("Velocità"), QStringLiteral("Inerzia"),
         QStringLiteral("Esito")});
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table rather than walk its cells
    m_tabella->setTabKeyNavigation(false);
    m_tabella->setWordWrap(false);
    m_tabella->verticalHeader()->hide();
    m_tabella->verticalHeader()->setDefaultSectionSize(m_tabella->fontMetrics().height() + 8);
    QHeaderView *intestazioni = m_tabella->horizontalHeader();
    intestazioni->setSectionResizeMode(QHeaderView::ResizeToContents);
    intestazioni->setSectionResizeMode(colMotore, QHeaderView::Stretch);
    intestazioni->setHighlightSections(false);
    // about eight motors at a time; the rest scroll
    m_tabella->setMinimumHeight(intestazioni->sizeHint().height() +
                                8 * m_tabella->verticalHeader()->defaultSectionSize() +
                                2 * m_tabella->frameWidth());

    // the chart with its legend, on white as it is printed
    auto *foglio = new QWidget(central);
    foglio->setObjectName(QStringLiteral("foglioGrafico"));
    ui::setBackground(foglio, colori::bianco);
    m_grafico = new GraficoCiclo(foglio);
    m_grafico->setObjectName(QStringLiteral("graficoCiclo"));
    m_grafico->setAccessibleName(QStringLiteral("Grafico del ciclo"));
    auto *sulFoglio = new QVBoxLayout(foglio);
    sulFoglio->setContentsMargins(0, 0, 0, 0);
    sulFoglio->setSpacing(0);
    sulFoglio->addWidget(m_grafico);
    sulFoglio->addWidget(legenda(foglio));

    QPushButton *btnEsci = pulsante(central, QStringLiteral("btnEsci"), QString(),
                                    &VerificaModel::btnEsci_Click);
    ui::applica(btnEsci, {QStringLiteral("Esci"), colori::rosso});
    btnEsci->setIcon(QIcon(QStringLiteral(":/ui/icons/esci.svg")));
    btnEsci->setMinimumSize(130, 40);

    auto *pulsanti = new QHBoxLayout;
    pulsanti->addWidget(btnVerifica);
    pulsanti->addWidget(btnCatalogo);
    pulsanti->addStretch();

    auto *ciclo = new QVBoxLayout;
    ciclo->addWidget(m_intestazione);
    ciclo->addWidget(m_righeCiclo);
    ciclo->addStretch();
    ciclo->addLayout(pulsanti);

    auto *sopra = new QHBoxLayout;
    sopra->addLayout(ciclo, 1);
    sopra->addSpacing(18);
    sopra->addLayout(caselle);

    auto *sotto = new QHBoxLayout;
    sotto->addWidget(foglio);
    sotto->addStretch();
    sotto->addWidget(btnEsci, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);
    layout->addLayout(sopra);
    layout->addWidget(m_stato);
    layout->addWidget(m_tabella, 1);
    layout->addLayout(sotto);

    tabInOrdineDiSchermo();
    refresh();
}

void VerificaView::refresh()
{
    if (!m_model)
        return;
    const VerificaModel &m = *m_model;
    m_intestazione->setText(m.intestazione());
    m_righeCiclo->setText(m.righeCiclo().join(QLatin1Char('\n')));
    m_righeCiclo->setVisible(!m.righeCiclo().isEmpty());
    for (int box = 0; box < VerificaModel::Caselle; ++box)
        ui::mostraTesto(m_caselle[box], m.txtMotore(box));
    ui::applica(m_stato, m.statusLabel());
    const QString stato = m.statusLabel().testo.trimmed();
    m_stato->setAccessibleName(stato.isEmpty()
                                   ? QStringLiteral("Esito della verifica")
                                   : QStringLiteral("Esito della verifica: ") + stato);
    mostraTabella(m.tabella());
    m_grafico->mostra(m.grafico());
}

void VerificaView::mostraTabella(const std::vector<VerificaModel::RigaTabella> &righe)
{
    m_tabella->clearContents();
    m_tabella->setRowCount(int(righe.size()));
    const Qt::Alignment numero = Qt::AlignRight | Qt::AlignVCenter;
    for (int i = 0; i < int(righe.size()); ++i) {
        const VerificaModel::RigaTabella &r = righe[std::size_t(i)];
        const auto cella = [&](int colonna, const QString &testo, Qt::Alignment allineamento) {
            auto *item = new QTableWidgetItem(testo);
            item->setTextAlignment(allineamento);
            if (r.scelto) {
                QFont grassetto = m_tabella->font();
                grassetto.setBold(true);
                item->setFont(grassetto);
            }
            m_tabella->setItem(i, colonna, item);
            return item;
        };
        cella(colMotore, r.motore, Qt::AlignLeft | Qt::AlignVCenter);
        cella(colPotenza, r.potenza, numero);
        for (int u = 0; u < 4; ++u)
            cella(colPicco + u, r.uso[std::size_t(u)], numero)
                ->setBackground(ui::qcolor(r.entro[std::size_t(u)] ? colori::verdeChiaro
                                                                   : colori::rossoChiaro));
        cella(colEsito, r.esito, Qt::AlignLeft | Qt::AlignVCenter);
    }
}
