#include "convmodel.h"

#include "convcalc.h"
#include "shell/immissione.h"
#include "shell/menufile.h"
#include "shell/numbers.h"
#include "shell/variabili.h"
#include "shell/velocita.h"

#include "shell/datafile.h"

namespace {

// The alternative boxes and their legend have the system colour of an inactive title bar;
// under the classic desktop scheme that is this grey blue, fixed here so the window looks
// the same on every desktop.
constexpr Colore titoloInattivo = Colore::rgb(191, 205, 219);
constexpr Colore obbligatorio = Colore::rgb(255, 128, 128);
constexpr Colore ciano = Colore::rgb(0, 255, 255);

// Caption of a row: the text padded so that the symbols line up, the symbol in quotes, " =".
QString didascalia(const char *testo, const char *simbolo)
{
    return QString::fromUtf8(testo).leftJustified(18) + QStringLiteral(" \"") +
           QString::fromUtf8(simbolo) + QStringLiteral("\" =");
}

} // namespace

const std::array<ConvModel::Riga, ConvModel::Caselle> &ConvModel::righe()
{
    using namespace colori;
    // Boxes 2 and 5 keep the white of a plain text box.
    static const std::array<Riga, Caselle> table{{
        {didascalia("Massa carico", "WL"), QStringLiteral("kg"), obbligatorio},
        {didascalia("Massa tappeto", "WT"), QStringLiteral("kg"), obbligatorio},
        {didascalia("Massa totale", "Wtot"), QStringLiteral("kg"), bianco},
        {didascalia("Spostamento", "S"), QStringLiteral("m"), titoloInattivo},
        {didascalia("Tempo traslazione", "T0"), QStringLiteral("sec."), titoloInattivo},
        {didascalia("Tempo di ciclo", "Tf"), QStringLiteral("sec."), bianco},
        {didascalia("Velocità lineare", "vl"), QStringLiteral("msec."), titoloInattivo},
        {didascalia("Rapporto riduzione", "R"), QString(), rosso},
        {didascalia("Diametro rullo", "DR"), QStringLiteral("m."), rosso},
        {didascalia("Velocità angolare", "wm"), QStringLiteral("rpm"), titoloInattivo},
        {didascalia("Rendimento trasm.", "nu"), QString(), pesca},
        {didascalia("Tempo di accel.", "tacc"), QStringLiteral("sec."), pesca},
        {didascalia("Tempo di decel.", "tdec"), QStringLiteral("sec."), pesca},
        {didascalia("Inerzia trasmis.", "Jtr"), QStringLiteral("kgm^2"), pesca},
        {didascalia("Inerziamotore", "Jmot"), QStringLiteral("kgm^2"), pesca},
        {didascalia("Inerzia totale", "Jtot"), QStringLiteral("kgm^2"), cianoChiaro},
        {didascalia("Potenza motore", "Pm"), QStringLiteral("kW"), cianoChiaro},
        {didascalia("Velocità motore", "Wm"), QStringLiteral("rpm"), ciano},
        {didascalia("Pot. per perdite", "Ptr"), QStringLiteral("kW"), cianoChiaro},
    }};
    return table;
}

QString ConvModel::simbolo(int box)
{
    const QString &label = riga(box).label;
    const qsizetype open = label.indexOf(QLatin1Char('"'));
    const qsizetype close = label.indexOf(QLatin1Char('"'), open + 1);
    return label.mid(open + 1, close - open - 1);
}

QString ConvModel::nome(int box)
{
    const QString &label = riga(box).label;
    return label.left(label.indexOf(QLatin1Char('"'))).trimmed();
}

const std::array<ConvModel::Legenda, 4> &ConvModel::legenda()
{
    static const std::array<Legenda, 4> table{{
        {QStringLiteral("Label3"), QStringLiteral("Parametri obbligatori"), obbligatorio},
        {QStringLiteral("Label4"), QStringLiteral("Parametri tra di loro in alternativa"),
         titoloInattivo},
        {QStringLiteral("Label7"), QStringLiteral("Valore di default iniziale. Possibile variazione"),
         colori::pesca},
        {QStringLiteral("Label6"), QStringLiteral("Parametri calcolati"), colori::cianoChiaro},
    }};
    return table;
}

void ConvModel::Form_Load()
{
    for (QString &text : m_txt)
        text = QStringLiteral("0");
    scrivi(10, QStringLiteral("0,6"));
    scrivi(11, QStringLiteral("5"));
    scrivi(12, QStringLiteral("5"));
    scrivi(13, QStringLiteral("0,02"));
    scrivi(14, QStringLiteral("0,01"));
    m_env.var.flgDatiOk = flag::False;
    emit changed();
}

void ConvModel::setTxtInDat(int box, const QString &text)
{
    if (m_txt.at(box) == text)
        return;
    m_txt[box] = text;
    emit changed();
}

void ConvModel::messaggio(const QString &text) { m_env.messaggi.msgBox(m_id, text, immissione::titolo()); }

void ConvModel::btnInseDat_Click()
{
    immissione();
    emit changed();
}

void ConvModel::immissione()
{
    Variabili &v = m_env.var;
    const NumberFormat &f = m_env.numeri;

    // Every box that is read must hold a number; the two inertias may also be empty.
    bool numeri = true;
    for (int box = 0; box < Caselle; ++box) {
        if (box >= 15 || (box >= 13 && m_txt[box].trimmed().isEmpty()))
            continue;
        if (!f.parse(m_txt[box])) {
            messaggio(immissione::nonNumero(simbolo(box), nome(box), m_txt[box]));
            numeri = false;
        }
    }
    if (!numeri) {
        // Nothing is derived from a box that holds no number.
        v.flgDatiOk = flag::False;
        return;
    }

    double *const lettura[] = {&v.WL, &v.WT,   &v.Wtot, &v.Lung, &v.T0, &v.Tf,  &v.Vl,
                               &v.N,  &v.Diam, &v.Wm,   &v.nu,   &v.Tac, &v.Tdec};
    for (int box = 0; box < 13; ++box)
        *lettura[box] = *f.parse(m_txt[box]);

    bool validi = true;
    if (v.WL > 0 && v.WT > 0) {
        v.Wtot = v.WL + v.WT;
        scrivi(2, f.general(v.Wtot));
    } else {
        messaggio(QStringLiteral("Inserire WL e WT diversi da 0"));
        validi = false;
    }

    scrivi(3, f.general(v.Lung));
    scrivi(4, f.general(v.T0));
    scrivi(5, f.general(v.Tf));

    if (v.N != 0) {
        scrivi(7, f.general(v.N));
    } else {
        messaggio(QStringLiteral("Inserire R diverso da 0"));
        validi = false;
    }

    if (v.Diam != 0) {
        scrivi(8, f.general(v.Diam));
    } else {
        messaggio(QStringLiteral("Inserire DR diverso da 0"));
        validi = false;
    }

    v.Circ = tappeto::circonferenza(v.Diam);

    // vl and wm determine each other through the roller; S with T0 gives a third way.
    if (v.Vl != 0) {
        if (const auto wm = tappeto::wmDaVl(v.Vl, v.Circ, v.N)) {
            v.Wm = *wm;
            scrivi(9, f.picture(v.Wm, QStringLiteral("##00")));
        } else {
            validi = false; // a zero roller has its own message above
        }
    } else if (v.Wm != 0) {
        if (const auto vl = tappeto::vlDaWm(v.Wm, v.Circ, v.N)) {
            v.Vl = *vl;
            scrivi(6, f.picture(v.Vl, QStringLiteral("##0.###")));
        } else {
            validi = false; // a zero ratio has its own message above
        }
    } else if (v.T0 > 0 && v.Lung > 0 && v.Tdec > 0 && v.Tac > 0) {
        if (const auto vl = velocita::vlDaCorsa(v.Lung, v.T0, v.Tac, v.Tdec)) {
            v.Vl = *vl;
            scrivi(6, f.picture(v.Vl, QStringLiteral("##0.####")));
            if (const auto wm = tappeto::wmDaVl(v.Vl, v.Circ, v.N)) {
                v.Wm = *wm;
                scrivi(9, f.picture(v.Wm, QStringLiteral("##00")));
            } else {
                validi = false;
            }
        } else {
            // the travel time is all ramps: no constant speed can cover the length
            messaggio(QStringLiteral("Inserire t0 diverso da Tac + Tdec"));
            validi = false;
        }
    } else {
        messaggio(QStringLiteral("Inserire Vl o wm diversi da 0"));
        validi = false;
    }

    v.flgDatiOk = validi ? flag::True : flag::False;
    if (validi) {
        m_btnInseDat = {QStringLiteral("Dati validi"), colori::verdeChiaro};
        m_btnCalcola.sfondo = colori::verdeChiaro;
        scrivi(17, f.picture(v.Wm, QStringLiteral("##00")));
        m_label5.testo = QStringLiteral(" ");
        m_label5.sfondo = colori::argento;
    }

    // The inertias come last, whatever the checks gave; an empty box takes its default.
    leggiInerzia(13, 0.02, v.Jt);
    leggiInerzia(14, 0.01, v.Jm);
}

void ConvModel::leggiInerzia(int box, double standard, double &into)
{
    if (m_txt[box].trimmed().isEmpty()) {
        into = standard;
        scrivi(box, m_env.numeri.general(into));
    } else {
        into = *m_env.numeri.parse(m_txt[box]); // checked at the start of the data entry
    }
}

void ConvModel::btnCalcola_Click()
{
    Variabili &v = m_env.var;
    if (v.flgDatiOk != flag::True) {
        m_label5 = {QStringLiteral("Dati mancanti o errati"), colori::rosso, colori::nero};
        emit changed();
        return;
    }
    const tappeto::Esito esito = tappeto::calcola(tappeto::dati(v));
    if (!esito.risultato) {
        m_label5 = {testoImpedimento(esito.motivo, simboloLineare(esito.motivo)), colori::rosso,
                    colori::nero};
        emit changed();
        return;
    }
    const tappeto::Risultato &r = *esito.risultato;
    tappeto::registra(v, r);
    const NumberFormat &f = m_env.numeri;
    scrivi(15, f.picture(r.Jtot, QStringLiteral("##0.####")));
    scrivi(16, f.picture(r.Pm, QStringLiteral("##0.####")));
    scrivi(18, f.picture(r.Ptr, QStringLiteral("##0.####")));
    emit changed();
    v.Cmt = v.CmtRis;
    m_env.finestre.openForm(FormId::frmRisult);
}

void ConvModel::btnModDat_Click()
{
    Variabili &v = m_env.var;
    for (double *x : {&v.WL, &v.WT, &v.Wtot, &v.Lung, &v.T0, &v.Tf, &v.Vl, &v.N, &v.Diam, &v.Wm,
                      &v.nu, &v.Tac, &v.Tdec})
        *x = 0;
    m_btnInseDat = {QStringLiteral("Immissione Dati"), colori::rosa};
    m_btnCalcola.sfondo = colori::rosso;
    m_label5.testo = QStringLiteral(" ");
    m_label5.sfondo = colori::argento;
    v.flgDatiOk = flag::False;
    // the data are entered again at once: valid data end up marked valid again
    immissione();
    emit changed();
}

bool ConvModel::mnuFileApri_Click()
{
    const auto path = menufile::scegliApri(cmnDialogBox, m_env.dialoghi);
    return path && apriFile(*path);
}

bool ConvModel::apriFile(const QString &path)
{
    const auto lines = menufile::leggi(m_id, path, m_env.messaggi);
    if (!lines)
        return false;
    m_label9 = lines->value(0);
    // value lines until the end of the file; the form has no box beyond 18
    menufile::riempi(*lines, m_txt);
    emit changed();
    return true;
}

void ConvModel::SalvaFile()
{
    if (const auto path = menufile::scegliSalva(cmnDialogBox, m_env.dialoghi))
        salvaFile(*path);
}

bool ConvModel::salvaFile(const QString &path)
{
    return menufile::salvaDati(m_id, path, QStringList(m_txt.begin(), m_txt.end()), m_env.numeri,
                               m_env.messaggi);
}

void ConvModel::NuovoFile()
{
    menufile::nuovoFile(cmnDialogBox, m_env.dialoghi, m_env.messaggi,
                        QStringLiteral("Salva File"));
}

bool ConvModel::nuovoFile(const QString &path)
{
    return menufile::scriviNuovo(m_id, path, m_env.messaggi, QStringLiteral("Salva File"));
}
