#include "utilview.h"

#include "widgets.h"

#include "util/utilmodel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace {

using ui::twips;

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

QFont timesNewRoman(int points)
{
    QFont times(QStringLiteral("Times New Roman"));
    times.setStyleHint(QFont::Serif);
    times.setPointSize(points);
    times.setBold(true);
    return times;
}

Disposizione disposizione()
{
    Disposizione d;
    d.client = QSize(twips(13800), twips(10200));
    d.clientFisso = true;
    d.carattere = ui::arial(9, false);
    d.caratterRighe = ui::arial(12, true);
    // labels sized to their text, a little below the top of their boxes; no unit labels
    d.posti = [](const Riga &riga, int) {
        return PostiRiga{QRect(QPoint(twips(5640), twips(1080 + 600 * riga.box)), QSize()),
                         twipsRect(8880, 960 + 600 * riga.box, 1935, 615), QRect()};
    };
    // the design numbers the labels of the two diameters the other way round
    d.nomeEtichetta = [](int k) { return QStringLiteral("Label2_%1").arg(k < 2 ? 1 - k : k); };
    for (const auto &[i, left] : {std::pair{0, 600}, {2, 3960}, {1, 7320}, {3, 10920}})
        d.pulsanti[i] = twipsRect(left, 9000, 2655, 975);
    d.iconaEsci = false;
    d.nomeStato = QStringLiteral("Label1");
    d.stato = QRect(QPoint(twips(3120), twips(7920)), QSize());
    d.caratterStato = timesNewRoman(24);
    d.allineamentoStato = Qt::AlignLeft | Qt::AlignVCenter;
    return d;
}

} // namespace

UtilView::UtilView(Programma &programma, UtilModel &model)
    : CalcolatriceView(programma, model, disposizione()), m_util(&model)
{
    ui::immagineMotore(centrale(), twipsRect(120, 120, 3000, 900));

    m_imagLav = new QLabel(centrale());
    m_imagLav->setObjectName(QStringLiteral("imag_Lav"));
    m_imagLav->setGeometry(twipsRect(120, 1080, 4815, 3030));
    m_imagLav->setScaledContents(true);
    caricaImmagine();
    connect(&model, &UtilModel::immagineScelta, this, &UtilView::caricaImmagine);

    creaRighe();
    auto *result = new QLabel(UtilModel::labelRisultato(), centrale());
    result->setObjectName(QStringLiteral("Label2_4"));
    result->setFont(ui::arial(12, true));
    result->move(twips(5280), twips(3720));
    result->adjustSize();
    m_txtOutDat = new QLineEdit(centrale());
    m_txtOutDat->setObjectName(QStringLiteral("txtOutDat"));
    m_txtOutDat->setFont(ui::arial(12, true));
    m_txtOutDat->setGeometry(twipsRect(8880, 3600, 1935, 615));
    m_txtOutDat->setReadOnly(true);
    result->setBuddy(m_txtOutDat);
    ui::preparaCasella(m_txtOutDat, ui::nomeCasella(UtilModel::labelRisultato(), QString()),
                       QString());

    creaStato();
    creaPulsanti();
    completa();
}

void UtilView::caricaImmagine()
{
    if (!m_util)
        return;
    // A picture that cannot be read leaves the one shown before.
    QPixmap picture;
    if (picture.load(m_util->immagine()))
        m_imagLav->setPixmap(picture);
    const bool cavo = m_util->immagine().endsWith(UtilModel::fileCavo());
    m_imagLav->setAccessibleName(cavo ? QStringLiteral("Cilindro cavo")
                                      : QStringLiteral("Cilindro pieno"));
    m_imagLav->setAccessibleDescription(
        cavo ? QStringLiteral("Cilindro cavo: diametro interno d, diametro esterno D, lunghezza l")
             : QStringLiteral("Cilindro pieno: diametro D, lunghezza l"));
}

void UtilView::aggiorna()
{
    if (m_util)
        ui::mostraTesto(m_txtOutDat, m_util->txtOutDat());
}
