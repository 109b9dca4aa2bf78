#include "verificaview.h"

#include "chartpainter.h"
#include "widgets.h"

#include "verifica/graficociclo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

// The chart of the check, painted as the core lays it out, on white, scaled to the room it has
// with its proportions kept.
class GraficoCiclo : public QWidget {
public:
    explicit GraficoCiclo(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(int(verifica::larghezzaGrafico / 2), int(verifica::altezzaGrafico / 2));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    QSize sizeHint() const override
    {
        return {int(verifica::larghezzaGrafico), int(verifica::altezzaGrafico)};
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
        const qreal scala =
            std::min(width() / verifica::larghezzaGrafico, height() / verifica::altezzaGrafico);
        painter.translate((width() - verifica::larghezzaGrafico * scala) / 2, 0);
        painter.scale(scala, scala);
        dipingiGrafico(painter, m_disegno);
    }

private:
    grafico::Disegno m_disegno;
};

namespace {

enum Colonna {
    colMotore,
    colPotenza,
    colPicco,
    colContinua,
    colVelocita,
    colInerzia,
    colEsito,
    colonne
};

QLabel *etichettaTesto(QWidget *parent, const QString &nome, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(nome);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

VerificaView::VerificaView(Programma &programma, VerificaModel &model) : VistaDi(programma, model)
{
    QWidget *central = creaCentrale(ui::arial(9, false), colori::argento);
    // made as they stand, the load before the motor, so that a screen reader reads them so
    QLayout *ciclo = creaCiclo(central);
    QLayout *caselle = creaCaselle(central);
    creaEsito(central);
    creaTabella(central);
    QWidget *foglio = creaGrafico(central);
    disponi(central, ciclo, caselle, foglio);
    tabInOrdineDiSchermo();
    refresh();
}

QLayout *VerificaView::creaCiclo(QWidget *central)
{
    m_intestazione = new QLabel(central);
    m_intestazione->setObjectName(QStringLiteral("lblCiclo"));
    m_intestazione->setFont(ui::arial(10, true));
    m_righeCiclo = etichettaTesto(central, QStringLiteral("lblRigheCiclo"), ui::arial(10, false));

    QPushButton *btnVerifica = pulsante(central, QStringLiteral("btnVerifica"), QString(),
                                        &VerificaModel::btnVerifica_Click);
    ui::applica(btnVerifica, {QStringLiteral("Verifica"), colori::verdeChiaro});
    QPushButton *btnCatalogo = pulsante(central, QStringLiteral("btnCatalogo"), QString(),
                                        &VerificaModel::btnCatalogo_Click);
    ui::applica(btnCatalogo, {QStringLiteral("Apri catalogo..."), colori::gialloChiaro});
    for (QPushButton *b : {btnVerifica, btnCatalogo})
        b->setMinimumSize(130, 40);
    auto *pulsanti = new QHBoxLayout;
    pulsanti->addWidget(btnVerifica);
    pulsanti->addWidget(btnCatalogo);
    pulsanti->addStretch();

    auto *layout = new QVBoxLayout;
    layout->addWidget(m_intestazione);
    layout->addWidget(m_righeCiclo);
    layout->addStretch();
    layout->addLayout(pulsanti);
    return layout;
}

QLayout *VerificaView::creaCaselle(QWidget *central)
{
    auto *caselle = new QGridLayout;
    caselle->setHorizontalSpacing(6);
    caselle->setVerticalSpacing(2);
    int riga = 0;
    for (int box = 0; box < VerificaModel::Caselle; ++box) {
        if (box == VerificaModel::Nome || box == VerificaModel::k) {
            auto *titolo =
                new QLabel(box == VerificaModel::Nome ? QStringLiteral("Motore")
                                                      : QStringLiteral("Limiti della verifica"),
                           central);
            titolo->setFont(ui::arial(9, true));
            if (riga > 0)
                caselle->setRowMinimumHeight(riga++, 4);
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
    m_costanti = new QCheckBox(VerificaModel::testoCostanti(), central);
    m_costanti->setObjectName(QStringLiteral("chkCostanti"));
    connect(m_costanti, &QCheckBox::toggled, this, [this](bool si) {
        if (m_model)
            m_model->setCostantiCalcolatore(si);
    });
    caselle->addWidget(m_costanti, riga, 0, 1, 3, Qt::AlignRight);
    caselle->setColumnMinimumWidth(2, 50);
    return caselle;
}

void VerificaView::creaEsito(QWidget *central)
{
    m_stato = new QLabel(central);
    m_stato->setObjectName(QStringLiteral("lblStato"));
    m_stato->setFont(ui::arial(10, true));
    m_stato->setMargin(4);
    m_stato->setMinimumHeight(m_stato->fontMetrics().height() + 10);
    m_verdetto = etichettaTesto(central, QStringLiteral("lblVerdetto"), ui::arial(9, false));
}

void VerificaView::creaTabella(QWidget *central)
{
    m_tabella = new QTableWidget(0, colonne, central);
    m_tabella->setObjectName(QStringLiteral("tblMotori"));
    m_tabella->setAccessibleName(QStringLiteral("Verifica dei motori"));
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
    // at least three motors in sight; the rest scroll
    m_tabella->setMinimumHeight(intestazioni->sizeHint().height() +
                                3 * m_tabella->verticalHeader()->defaultSectionSize() +
                                2 * m_tabella->frameWidth());
}

QWidget *VerificaView::creaGrafico(QWidget *central)
{
    // the chart with its key, on white as it is printed
    auto *foglio = new QWidget(central);
    foglio->setObjectName(QStringLiteral("foglioGrafico"));
    ui::setBackground(foglio, colori::bianco);
    m_grafico = new GraficoCiclo(foglio);
    m_grafico->setObjectName(QStringLiteral("graficoCiclo"));
    m_grafico->setAccessibleName(QStringLiteral("Grafico del ciclo"));
    m_legenda = new QWidget(foglio);
    m_legenda->setObjectName(QStringLiteral("legendaGrafico"));
    new QHBoxLayout(m_legenda);
    m_legenda->layout()->setContentsMargins(0, 0, 0, 4);
    auto *sulFoglio = new QVBoxLayout(foglio);
    sulFoglio->setContentsMargins(0, 0, 0, 0);
    sulFoglio->setSpacing(0);
    sulFoglio->addWidget(m_grafico, 1);
    sulFoglio->addWidget(m_legenda);
    return foglio;
}

void VerificaView::disponi(QWidget *central, QLayout *ciclo, QLayout *caselle, QWidget *foglio)
{
    auto *sopra = new QHBoxLayout;
    sopra->addLayout(ciclo, 1);
    sopra->addSpacing(18);
    sopra->addLayout(caselle);

    // the table and the chart share what the window's size leaves them
    auto *divisore = new QSplitter(Qt::Vertical, central);
    divisore->setObjectName(QStringLiteral("divisore"));
    divisore->setChildrenCollapsible(false);
    divisore->addWidget(m_tabella);
    divisore->addWidget(foglio);
    divisore->setStretchFactor(0, 1);
    divisore->setStretchFactor(1, 2);
    // read as they stand: the table, the handle between them, the chart
    foglio->raise();
    divisore->handle(1)->stackUnder(foglio);
    m_tabella->stackUnder(divisore->handle(1));

    QPushButton *btnEsci =
        pulsante(central, QStringLiteral("btnEsci"), QString(), &VerificaModel::btnEsci_Click);
    ui::applica(btnEsci, {QStringLiteral("Esci"), colori::rosso});
    btnEsci->setIcon(QIcon(QStringLiteral(":/ui/icons/esci.svg")));
    btnEsci->setMinimumSize(130, 40);

    auto *sotto = new QHBoxLayout;
    sotto->addStretch();
    sotto->addWidget(btnEsci);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(6);
    layout->addLayout(sopra);
    layout->addWidget(m_stato);
    layout->addWidget(m_verdetto);
    layout->addWidget(divisore, 1);
    layout->addLayout(sotto);

    // as large as the design wants, within the screen's free area
    if (const QScreen *schermo = QGuiApplication::primaryScreen()) {
        const QSize libero = schermo->availableSize() - QSize(40, 60);
        resize(sizeHint().boundedTo(libero).expandedTo(minimumSizeHint()));
    }
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
    {
        const QSignalBlocker fermo(m_costanti);
        m_costanti->setChecked(m.costantiCalcolatore());
    }
    ui::applica(m_stato, m.statusLabel());
    const QString stato = m.statusLabel().testo.trimmed();
    m_stato->setAccessibleName(stato.isEmpty() ? QStringLiteral("Esito della verifica")
                                               : QStringLiteral("Esito della verifica: ") + stato);
    m_verdetto->setText(m.verdetto().join(QLatin1Char('\n')));
    m_verdetto->setVisible(!m.verdetto().isEmpty());
    const auto &titoli = m.intestazioni();
    m_tabella->setHorizontalHeaderLabels(QStringList(titoli.begin(), titoli.end()));
    mostraTabella(m.tabella());
    m_grafico->mostra(m.grafico());
    mostraLegenda(m.legenda());
}

void VerificaView::mostraLegenda(const std::vector<std::pair<QString, Colore>> &voci)
{
    // a short stroke of each line's colour before its name
    QLayout *layout = m_legenda->layout();
    while (QLayoutItem *item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    auto *riga = static_cast<QHBoxLayout *>(layout);
    riga->addStretch();
    for (std::size_t i = 0; i < voci.size(); ++i) {
        auto *tratto = new QWidget(m_legenda);
        tratto->setFixedSize(24, 3);
        ui::setBackground(tratto, voci[i].second);
        auto *nome = new QLabel(voci[i].first, m_legenda);
        riga->addWidget(tratto, 0, Qt::AlignVCenter);
        riga->addWidget(nome);
        // shown now, not at the next turn of the event loop, so a picture taken at once has them
        tratto->show();
        nome->show();
        if (i + 1 < voci.size())
            riga->addSpacing(18);
    }
    riga->addStretch();
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
