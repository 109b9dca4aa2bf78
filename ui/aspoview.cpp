#include "aspoview.h"

#include "widgets.h"

#include "reel/aspomodel.h"

#include <QGroupBox>
#include <QRadioButton>

using ui::twips;

namespace {

Disposizione disposizione()
{
    Disposizione d;
    d.client = QSize(twips(12000), twips(10700));
    d.carattere = ui::arial(9, false);
    // one row every 480 twips, in screen order
    d.posti = [](const Riga &, int i) {
        const int top = 1080 + 480 * i;
        return PostiRiga{QRect(twips(4560), twips(top), twips(4600), twips(495)),
                         QRect(twips(9240), twips(top), twips(1455), twips(495) - 4),
                         QRect(twips(10800), twips(top), twips(1000), twips(495))};
    };
    for (const auto &[i, left] : {std::pair{0, 240}, {2, 2760}, {1, 5400}, {3, 8040}})
        d.pulsanti[i] = QRect(twips(left), twips(9720), twips(2535), twips(735));
    d.nomeStato = QStringLiteral("Label15");
    d.stato = QRect(twips(240), twips(8760), twips(10335), twips(600));
    d.caratterStato = ui::courierNew(14, true);
    d.nomeData = QStringLiteral("Label1");
    d.data = QRect(twips(120), twips(8160), twips(6000), twips(375));
    d.sfondoData = colori::argento;
    return d;
}

} // namespace

AspoView::AspoView(Programma &programma, AspoModel &model)
    : CalcolatriceView(programma, model, disposizione()), m_aspo(&model)
{
    ui::immagineMotore(centrale(), QRect(twips(360), twips(1080), 120, 90));
    creaRighe();

    auto frame = [&](const QString &name, const QString &caption, int frameTop,
                     const QString &first, const QString &second) {
        auto *group = new QGroupBox(caption, centrale());
        group->setObjectName(name);
        group->setGeometry(twips(360), twips(frameTop), twips(3495), twips(1335));
        auto *a = new QRadioButton(first, group);
        auto *b = new QRadioButton(second, group);
        a->setGeometry(15, 25, 200, 24);
        b->setGeometry(15, 55, 200, 24);
        return std::pair{a, b};
    };
    std::tie(m_opt_avv, m_opt_svol) =
        frame(QStringLiteral("Frame1"), QStringLiteral("avolgitore/svolgitore"), 4800,
              QStringLiteral("avvolgitore"), QStringLiteral("svolgitore"));
    std::tie(m_opt_acc, m_opt_dec) =
        frame(QStringLiteral("Frame2"), QStringLiteral("accel/decel"), 6240,
              QStringLiteral("accelerazione"), QStringLiteral("decelerazione"));
    m_opt_avv->setObjectName(QStringLiteral("opt_avv"));
    m_opt_svol->setObjectName(QStringLiteral("opt_svol"));
    m_opt_acc->setObjectName(QStringLiteral("opt_acc"));
    m_opt_dec->setObjectName(QStringLiteral("opt_dec"));
    connect(m_opt_avv, &QRadioButton::toggled, this, [this](bool on) {
        if (m_aspo && on != m_aspo->opt_avv())
            m_aspo->setOpt_avv(on);
    });
    connect(m_opt_acc, &QRadioButton::toggled, this, [this](bool on) {
        if (m_aspo && on != m_aspo->opt_acc())
            m_aspo->setOpt_acc(on);
    });

    creaData();
    creaStato();
    creaPulsanti();
    setWindowState(Qt::WindowMaximized);
    completa();
}

void AspoView::aggiorna()
{
    if (!m_aspo)
        return;
    (m_aspo->opt_avv() ? m_opt_avv : m_opt_svol)->setChecked(true);
    (m_aspo->opt_acc() ? m_opt_acc : m_opt_dec)->setChecked(true);
}
