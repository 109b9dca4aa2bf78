#include "elevmodel.h"

#include "elevcalc.h"
#include "shell/menufile.h"
#include "shell/immissione.h"
#include "shell/numbers.h"
#include "shell/variabili.h"
#include "shell/velocita.h"


const std::array<ElevModel::Riga, ElevModel::Caselle> &ElevModel::righe()
{
    using namespace colori;
    static const std::array<Riga, Caselle> table{{
        {0, QStringLiteral("Diametro del tamburo     \"DS\" ="), QStringLiteral(" mm"), rosso},
        {1, QStringLiteral("Lunghezza tralsazione      \"LB\" ="), QStringLiteral(" m"), verde},
        {2, QStringLiteral("Peso da sollevare             \"WL\" ="), QStringLiteral(" kg"), rosso},
        {3, QStringLiteral("Peso tavola/supporto       \"WT\" ="), QStringLiteral(" kg"), rosso},
        {4, QStringLiteral("Contrappeso                       \"WC\" ="), QStringLiteral(" kg"),
         cianoChiaro},
        {5, QStringLiteral("Peso totale                      \"WT\" ="), QStringLiteral(" kg"), verde},
        {6, QStringLiteral("Rendimento trasmissione  \"nu\" ="), QString(), pesca},
        {7, QStringLiteral("Rapporto di riduzione         \"N\" ="), QString(), rosso},
        {8, QStringLiteral("Tempo di traslazione          \"t0\" ="), QStringLiteral(" secondi"),
         verde},
        {9, QStringLiteral("Tempo di ciclo                    \"tf\" ="), QStringLiteral(" secondi"),
         argento},
        {10, QStringLiteral("Tempo di accelerazione   \"Tac\" ="), QStringLiteral(" secondi"), pesca},
        {11, QStringLiteral("Tempo di decelerazione \"Tdec\" ="), QStringLiteral(" secondi"), pesca},
        {21, QStringLiteral("Velocità di traslazione       \"Vl\" ="), QStringLiteral(" m/s"), verde},
        {12, QStringLiteral("Velocità ang. motore       \"Wm\" ="), QStringLiteral("rpm "), argento},
        {13, QStringLiteral("Momento d'inerzia mot.     \"Jm\" ="), QStringLiteral(" kgm^2"), pesca},
        {14, QStringLiteral("Momento d'inerzia trasm.   \"Jt\" ="), QStringLiteral(" kgm^2"), pesca},
        {15, QStringLiteral("Momento d'inerzia tamb.   \"Jv\" ="), QStringLiteral(" kgm^2"), pesca},
        {16, QStringLiteral("Momento d'inerzia Tot    \"Jtot\" ="), QStringLiteral(" kgm^2"), verde},
        {17, QStringLiteral("Coppia motrice totale      \"Cmt\" ="), QStringLiteral(" kgm"), verde},
        {18, QStringLiteral("Coppia mot. per carico     \"Cca\" ="), QStringLiteral(" kgm"), verde},
        {19, QStringLiteral("Coppia mot. per comp. Jt  \"Ccj\" ="), QStringLiteral(" kgm"), verde},
        {20, QStringLiteral("Potenza mototore totale    \"Pm\" ="), QStringLiteral(" kW"), verde},
    }};
    return table;
}

const ElevModel::Riga &ElevModel::riga(int box)
{
    for (const Riga &r : righe())
        if (r.box == box)
            return r;
    Q_UNREACHABLE();
}

QString ElevModel::simbolo(int box)
{
    const QString &label = riga(box).label;
    const qsizetype open = label.indexOf(QLatin1Char('"'));
    const qsizetype close = label.indexOf(QLatin1Char('"'), open + 1);
    return label.mid(open + 1, close - open - 1);
}

const std::array<ElevModel::Legenda, 5> &ElevModel::legenda()
{
    static const std::array<Legenda, 5> table{{
        {QStringLiteral("Label3(19)"), QStringLiteral("Parametri obbligatori"), colori::rosso},
        {QStringLiteral("Label4"), QStringLiteral("Parametri tra di loro in alternativa"),
         colori::argento},
        {QStringLiteral("Label5"), QStringLiteral("Parametri facoltativi"), colori::cianoPallido},
        {QStringLiteral("Label6"), QStringLiteral("Parametri calcolati"), colori::verdeChiaro},
        {QStringLiteral("Label7"), QStringLiteral("Valore di default iniziale. Possibile variazione"),
         colori::pesca},
    }};
    return table;
}

void ElevModel::Form_Load()
{
    for (QString &text : m_txt)
        text = QStringLiteral("0");
    scrivi(6, QStringLiteral("0,7"));
    scrivi(10, QStringLiteral("5"));
    scrivi(11, QStringLiteral("5"));
    scrivi(13, QStringLiteral("0,01"));
    scrivi(14, QStringLiteral("0,01"));
    scrivi(15, QStringLiteral("0,1"));
    m_env.var.flgDatiOk = flag::False;
    m_label15 = {QStringLiteral("Immettere i dati"), colori::rosso, colori::nero};
    emit changed();
}

void ElevModel::setTxtInDat(int box, const QString &text)
{
    if (m_txt.at(box) == text)
        return;
    m_txt[box] = text;
    emit changed();
}

void ElevModel::messaggio(const QString &text) { m_env.messaggi.msgBox(m_id, text, immissione::titolo()); }

// Converts one box; a text that is not a number is reported by name and leaves the
// variable as it was.
bool ElevModel::leggi(int box, double &into)
{
    const QString &text = m_txt[box];
    if (const auto value = m_env.numeri.parse(text)) {
        into = *value;
        return true;
    }
    const QString name = riga(box).label.left(riga(box).label.indexOf(QLatin1Char('"'))).trimmed();
    messaggio(immissione::nonNumero(simbolo(box), name, text));
    return false;
}

void ElevModel::btnInseDat_Click()
{
    Variabili &v = m_env.var;
    const NumberFormat &f = m_env.numeri;

    bool numeri = true;
    const std::pair<int, double *> lettura[] = {
        {0, &v.Diam}, {1, &v.Lung}, {2, &v.WL},  {3, &v.WT},   {4, &m_WC},   {5, &v.Wtot},
        {6, &v.nu},   {7, &v.N},    {8, &v.T0},  {9, &v.Tf},   {10, &v.Tac}, {11, &v.Tdec},
        {21, &v.Vl},  {12, &v.Wm},  {13, &v.Jm}, {14, &v.Jt},  {15, &v.Jv},  {16, &v.Jtot},
    };
    for (const auto &[box, into] : lettura)
        numeri = leggi(box, *into) && numeri;
    if (!numeri) {
        // Nothing is derived from a box that holds no number.
        v.flgDatiOk = flag::False;
        emit changed();
        return;
    }

    bool validi = true;
    if (v.Diam > 0) {
        scrivi(0, f.general(v.Diam));
    } else {
        messaggio(QStringLiteral("Inserire DB diverso da 0"));
        validi = false;
    }

    if (!(v.N > 0)) {
        messaggio(QStringLiteral("Inserire N diverso da 0"));
        scrivi(7, f.general(v.N));
        validi = false;
    }

    if (v.WL > 0 && v.WT > 0) {
        v.Wtot = v.WT + v.WL;
        scrivi(5, f.general(v.Wtot));
    } else {
        messaggio(QStringLiteral("Inserire WL e WT diversi da 0"));
        validi = false;
    }

    // Vl and Wm determine each other through the drum; the travel data give a third way.
    if (v.Vl != 0 || v.Wm != 0) {
        if (v.Vl != 0) {
            if (const auto wm = tamburo::wmDaVl(v.Vl, v.Diam, v.N)) {
                v.Wm = *wm;
                scrivi(12, f.picture(v.Wm, QStringLiteral("##00")));
            } else {
                validi = false; // a zero drum has its own message above
            }
        } else {
            if (const auto vl = tamburo::vlDaWm(v.Wm, v.Diam, v.N)) {
                v.Vl = *vl;
                scrivi(21, f.picture(v.Vl, QStringLiteral("##0.###")));
            } else {
                validi = false; // a zero ratio has its own message above
            }
        }
    } else if (v.T0 > 0 && v.Lung > 0 && v.Tdec > 0 && v.Tac > 0) {
        if (const auto vl = velocita::vlDaCorsa(v.Lung, v.T0, v.Tac, v.Tdec)) {
            v.Vl = *vl;
            scrivi(21, f.picture(v.Vl, QStringLiteral("##0.####")));
            if (const auto wm = tamburo::wmDaVl(v.Vl, v.Diam, v.N)) {
                v.Wm = *wm;
                scrivi(12, f.picture(v.Wm, QStringLiteral("##00")));
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
        m_label15 = {QStringLiteral(" "), colori::argento, colori::nero};
    }
    emit changed();
}

void ElevModel::btnCalcola_Click()
{
    Variabili &v = m_env.var;
    if (v.flgDatiOk != flag::True) {
        m_label15 = {QStringLiteral("Dati mancanti o errati"), colori::rosso, colori::nero};
        emit changed();
        return;
    }
    const tamburo::Esito esito = tamburo::calcola(tamburo::dati(v, m_WC));
    if (!esito.risultato) {
        m_label15 = {testoImpedimento(esito.motivo, simboloLineare(esito.motivo)), colori::rosso,
                     colori::nero};
        emit changed();
        return;
    }
    const tamburo::Risultato &r = *esito.risultato;
    tamburo::registra(v, r);
    const NumberFormat &f = m_env.numeri;
    scrivi(16, f.picture(r.Jtot, QStringLiteral("##0.0000##")));
    scrivi(19, f.picture(r.Ccj, QStringLiteral("##0.000#")));
    scrivi(18, f.picture(r.Cca, QStringLiteral("##0.000#")));
    scrivi(17, f.picture(r.Cmt, QStringLiteral("##0.000#")));
    scrivi(20, f.picture(r.Pm, QStringLiteral("##0.000#")));
    emit changed();
    v.Cmt = v.CmtRis;
    m_env.finestre.openForm(FormId::frmRisult);
}

void ElevModel::segnaDaInserire()
{
    m_label15 = {QStringLiteral("Immettere i dati"), colori::rosso, colori::nero};
    m_btnInseDat = {QStringLiteral("Insrire i dati"), colori::rosa};
    m_btnCalcola.sfondo = colori::rosso;
}

void ElevModel::btnModDat_Click()
{
    Variabili &v = m_env.var;
    v.flgDatiOk = flag::False;
    segnaDaInserire();
    // A speed derived from the travel data is cleared so that the next entry derives it again.
    if (v.Lung > 0 && v.T0 > 0) {
        v.Vl = 0;
        v.Wm = 0;
        scrivi(12, QStringLiteral("0"));
        scrivi(21, QStringLiteral("0"));
    }
    emit changed();
}

bool ElevModel::mnuFileApri_Click()
{
    const auto path = menufile::scegliApri(cmnDialogBox1, m_env.dialoghi);
    return path && apriFile(*path);
}

bool ElevModel::apriFile(const QString &path)
{
    const auto lines = menufile::leggi(m_id, path, m_env.messaggi);
    if (!lines)
        return false;
    // Line 1 is the date line; at most 22 value lines follow, the rest is ignored.
    menufile::riempi(*lines, m_txt);
    emit changed();
    return true;
}

void ElevModel::SalvaFile()
{
    if (const auto path = menufile::scegliSalva(cmnDialogBox1, m_env.dialoghi))
        salvaFile(*path);
}

bool ElevModel::salvaFile(const QString &path)
{
    return menufile::salvaDati(m_id, path, QStringList(m_txt.begin(), m_txt.end()), m_env.numeri,
                               m_env.messaggi);
}
