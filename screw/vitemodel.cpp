#include "vitemodel.h"

#include "vitecalc.h"
#include "shell/datafile.h"
#include "shell/immissione.h"
#include "shell/menufile.h"
#include "shell/numbers.h"
#include "shell/variabili.h"
#include "shell/velocita.h"

namespace {

constexpr Colore obbligatorio = Colore::rgb(255, 128, 128);
constexpr Colore calcolato = colori::verde;
constexpr Colore predefinito = colori::pesca;
constexpr Colore violaScuro = Colore::rgb(64, 0, 64);

// The 25 rows in screen order; `alternativa` and `rapporto` are the colours in which the two
// windows differ, `pesoTotale` and `potenza` their captions.
std::array<ViteModel::Riga, ViteModel::Caselle> righe(Colore alternativa, Colore rapporto,
                                                      const QString &pesoTotale,
                                                      const QString &simboloPesoTotale,
                                                      const QString &potenza)
{
    const QString mm = QStringLiteral(" mm"), m = QStringLiteral(" m"), kg = QStringLiteral(" kg"),
                  s = QStringLiteral(" secondi"), kgm2 = QStringLiteral(" kgm^2"),
                  kgm = QStringLiteral(" kgm"), kW = QStringLiteral(" kW");
    const std::optional<Colore> fondo; // no test covers these boxes
    return {{
        {0, QStringLiteral("Diametro della vite"), QStringLiteral("DB"), mm, obbligatorio},
        {1, QStringLiteral("Passodella vite"), QStringLiteral("PB"), mm, obbligatorio},
        {2, QStringLiteral("Lunghezza tralsazione"), QStringLiteral("LB"), m, alternativa},
        {3, QStringLiteral("Peso da sollevare"), QStringLiteral("WL"), kg, obbligatorio},
        {4, QStringLiteral("Peso tavola/supporto"), QStringLiteral("WT"), kg, obbligatorio},
        {5, QStringLiteral("Contrappeso"), QStringLiteral("Fc"), kg, fondo},
        {6, pesoTotale, simboloPesoTotale, kg, calcolato},
        {7, QStringLiteral("Rendimento trasmissione"), QStringLiteral("nu"), QString(), predefinito},
        {8, QStringLiteral("Rapporto di riduzione"), QStringLiteral("N"), QString(), rapporto},
        {9, QStringLiteral("Tempo di traslazione"), QStringLiteral("T0"), s, alternativa},
        {10, QStringLiteral("Tempo di ciclo"), QStringLiteral("Tf"), s, fondo},
        {11, QStringLiteral("Tempo di accelerazione"), QStringLiteral("Tac"), s, predefinito},
        {23, QStringLiteral("Tempo di decelerazione"), QStringLiteral("Tdec"), s, predefinito},
        {12, QStringLiteral("Velocità di traslazione"), QStringLiteral("Vl"), QStringLiteral(" m/s"),
         alternativa},
        {13, QStringLiteral("Velocità ang. motore"), QStringLiteral("Wm"), QStringLiteral("rpm "),
         alternativa},
        {14, QStringLiteral("Attrito di primo distacco"), QStringLiteral("ms"), QString(), predefinito},
        {15, QStringLiteral("Attrito dinamico"), QStringLiteral("mk"), QString(), predefinito},
        {16, QStringLiteral("Momento d'inerzia mot."), QStringLiteral("Jm"), kgm2, predefinito},
        {17, QStringLiteral("Momento d'inerzia tras"), QStringLiteral("Jt"), kgm2, predefinito},
        {24, QStringLiteral("Momento d'inerzia vite"), QStringLiteral("Jv"), kgm2, predefinito},
        {18, QStringLiteral("Momento d'inerzia Tot"), QStringLiteral("Jtot"), kgm2, calcolato},
        {19, QStringLiteral("Coppia motrice totale"), QStringLiteral("Cmt"), kgm, calcolato},
        {20, QStringLiteral("Coppia mot. per carico"), QStringLiteral("Cca"), kgm, calcolato},
        {21, QStringLiteral("Potenza mot. per attriti"), QStringLiteral("Pca"), kW, calcolato},
        {22, potenza, QStringLiteral("Pm"), kW, calcolato},
    }};
}

std::array<ViteModel::Legenda, 5> legenda(Colore obbligatori, Colore alternativi)
{
    return {{
        {QStringLiteral("Label5"), QStringLiteral("Parametri facoltativi"), colori::cianoPallido,
         violaScuro},
        {QStringLiteral("Label3(19)"), QStringLiteral("Parametri obbligatori"), obbligatori},
        {QStringLiteral("Label6"), QStringLiteral("Parametri calcolati"), colori::verdeChiaro},
        {QStringLiteral("Label4"), QStringLiteral("Parametri tra di loro in alternativa"),
         alternativi},
        {QStringLiteral("Label7"), QStringLiteral("Valore di default iniziale. Possibile variazione"),
         colori::pesca},
    }};
}

const QString inserireIDati = QStringLiteral("Inserire i dati");

} // namespace

const ViteModel::Configurazione &ViteModel::configurazione(FormId id)
{
    using A = Azione;
    static const Configurazione sollevamento{
        FormId::Soll_vite_Form,
        QStringLiteral("Sollevamento con vite e madrevite"),
        righe(colori::verdeChiaro, colori::rosso, QStringLiteral("Peso totale"),
              QStringLiteral("WT"), QStringLiteral("Potenza mototore totale")),
        legenda(colori::rosso, colori::verdeChiaro),
        {
            {QStringLiteral("mnuApriNwFil"), QStringLiteral("Apri &Nuovo FIle"), A::NuovoFile},
            {QStringLiteral("mnuApriFile"), QStringLiteral("&Apri File"), A::ApriFile},
            {QStringLiteral("mnuSalvaFileNome"), QStringLiteral("Salva con &Nome"), A::SalvaFile},
            {QStringLiteral("mnuSalvaFile"), QStringLiteral("&Salva"), A::SalvaFile},
            {QStringLiteral("mnuFileEsci"), QStringLiteral("&Esci"), A::Esci},
        },
        {inserireIDati, colori::rosa},
        {inserireIDati, colori::argento},
        {QStringLiteral("Esci"), colori::rosso},
        true,
        12720, 3960, 5280,
        600, 4920, 600, 400,
        {3600, 8880, 0, 0},
        {7200, 120, 6375, 375},
        QStringLiteral(":/screw/vite.svg"), 300, 240,
    };
    static const Configurazione traslazione{
        FormId::traslForm,
        QStringLiteral("Spostamento orizzontale con vite e madrevite."),
        righe(Colore::rgb(192, 255, 192), obbligatorio, QStringLiteral("Massa totale"),
              QStringLiteral("Mt"), QStringLiteral("Potenza totale mototore")),
        legenda(obbligatorio, Colore::rgb(192, 255, 192)),
        {
            {QStringLiteral("mnuApriFile"), QStringLiteral("ApriFile"), A::ApriFile},
            {QStringLiteral("mnuSalvaFileNome"), QStringLiteral("Salva con&Nome"), A::SalvaFile},
            {QStringLiteral("muSalvaFile"), QStringLiteral("&Salva"), A::SalvaFile},
            {QStringLiteral("mnuEsci"), QStringLiteral("&Esci"), A::Esci},
        },
        {QStringLiteral("Immissione dati"), colori::rosa},
        {QString(), colori::argento},
        {QStringLiteral("Esci"), colori::argento},
        false,
        12720, 3960, 5280,
        600, 4920, 600, 400,
        {3120, 8640, 0, 0},
        {8640, 240, 6375, 375},
        QStringLiteral(":/screw/trasl.svg"), 325, 271,
    };
    return id == FormId::traslForm ? traslazione : sollevamento;
}

ViteModel::ViteModel(FormId id, Ambiente env)
    : FormModel(id, env), m_config(&configurazione(id))
{
    Q_ASSERT(id == FormId::Soll_vite_Form || id == FormId::traslForm);
    m_btnInseDat = m_config->btnInseDat;
    m_label15 = m_config->label15;
    m_txt.fill(QStringLiteral("0"));
}

const ViteModel::Riga &ViteModel::riga(int box) const
{
    for (const Riga &r : m_config->righe)
        if (r.box == box)
            return r;
    Q_UNREACHABLE();
}

QString ViteModel::label2(int box) const
{
    const Riga &r = riga(box);
    return QStringLiteral("%1 \"%2\" =").arg(r.testo.leftJustified(26), r.simbolo);
}

void ViteModel::Form_Load()
{
    for (int k = 0; k <= 23; ++k)
        m_txt[k] = QStringLiteral("0");
    scrivi(7, QStringLiteral("0,6"));
    scrivi(11, QStringLiteral("5"));
    scrivi(23, QStringLiteral("5"));
    scrivi(14, QStringLiteral("0,52"));
    scrivi(15, QStringLiteral("0,45"));
    scrivi(16, QStringLiteral("0,001"));
    scrivi(17, QStringLiteral("0,02"));
    scrivi(24, QStringLiteral("0,009"));
    m_env.var.flgDatiOk = flag::False;
    m_btnInseDat = m_config->btnInseDat;
    m_btnCalcola = {QStringLiteral("Calcola"), colori::rosso};
    m_label15 = m_config->label15;
    m_label8.clear();
    emit changed();
}

void ViteModel::setTxtInDat(int box, const QString &text)
{
    if (m_txt.at(box) == text)
        return;
    m_txt[box] = text;
    emit changed();
}

void ViteModel::messaggio(const QString &text) { m_env.messaggi.msgBox(m_id, text, immissione::titolo()); }

// Converts one box; a text that is not a number is reported by name and leaves the
// variable as it was.
bool ViteModel::leggi(int box, double &into)
{
    const QString &text = m_txt[box];
    if (const auto value = m_env.numeri.parse(text)) {
        into = *value;
        return true;
    }
    messaggio(immissione::nonNumero(riga(box).simbolo, riga(box).testo, text));
    return false;
}

void ViteModel::smarca()
{
    m_env.var.flgDatiOk = flag::False;
    m_btnInseDat = {inserireIDati, colori::rosa};
    m_btnCalcola.sfondo = colori::rosso;
    m_label15 = {inserireIDati, colori::argento, colori::nero};
}

void ViteModel::btnInseDat_Click()
{
    Variabili &v = m_env.var;
    const NumberFormat &f = m_env.numeri;

    double Fc = 0; // the counterweight enters no formula: read, then dropped
    bool numeri = true;
    const std::pair<int, double *> lettura[] = {
        {0, &v.Diam}, {1, &v.PB},  {2, &v.Lung}, {3, &v.WL},  {4, &v.WT},  {5, &Fc},   {6, &v.Wtot},
        {7, &v.nu},   {8, &v.N},   {9, &v.T0},   {10, &v.Tf}, {11, &v.Tac}, {23, &v.Tdec},
        {12, &v.Vl},  {13, &v.Wm}, {14, &v.ms},  {15, &v.mk}, {16, &v.Jm}, {17, &v.Jt},
        {24, &v.Jv},  {18, &v.Jtot},
    };
    for (const auto &[box, into] : lettura)
        numeri = leggi(box, *into) && numeri;

    if (m_config->smarcaOgniImmissione)
        smarca();
    else
        m_label15 = {QStringLiteral("Inserire i Dati"), colori::rosso, colori::nero};

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

    if (v.PB > 0) {
        scrivi(1, f.general(v.PB));
    } else {
        messaggio(QStringLiteral("Inserire PB diverso da 0"));
        validi = false;
    }

    if (!(v.N > 0)) {
        messaggio(QStringLiteral("Inserire N diverso da 0"));
        scrivi(8, f.general(v.N));
        validi = false;
    }

    if (v.WL > 0 && v.WT > 0) {
        v.Wtot = v.WL + v.WT;
        scrivi(6, f.general(v.Wtot));
    } else {
        messaggio(QStringLiteral("Inserire WL e WT diversi da 0"));
        validi = false;
    }

    // The screw turns once per pitch of travel, the motor N times per screw turn.
    if (v.Vl != 0) {
        if (const auto wm = vite::wmDaVl(v.Vl, v.PB, v.N)) {
            v.Wm = *wm;
            scrivi(13, f.picture(v.Wm, QStringLiteral("##00")));
        } else {
            validi = false; // a zero pitch has its own message above
        }
    } else if (v.Wm != 0) {
        if (const auto vl = vite::vlDaWm(v.Wm, v.N, v.PB)) {
            v.Vl = *vl;
            scrivi(12, f.picture(v.Vl, QStringLiteral("##0.###")));
        } else {
            validi = false; // a zero ratio has its own message above
        }
    } else if (v.T0 > 0 && v.Lung > 0 && v.Tdec > 0 && v.Tac > 0) {
        if (const auto vl = velocita::vlDaCorsa(v.Lung, v.T0, v.Tac, v.Tdec)) {
            v.Vl = *vl;
            scrivi(12, f.picture(v.Vl, QStringLiteral("##0.####")));
            if (const auto wm = vite::wmDaVl(v.Vl, v.PB, v.N)) {
                v.Wm = *wm;
                scrivi(13, f.picture(v.Wm, QStringLiteral("##00")));
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

void ViteModel::btnCalcola_Click()
{
    Variabili &v = m_env.var;
    if (v.flgDatiOk != flag::True) {
        m_label15 = {QStringLiteral("Dati mancanti o errati"), colori::rosso, colori::nero};
        emit changed();
        return;
    }
    const vite::Esito esito = vite::calcola(vite::dati(v));
    if (!esito.risultato) {
        m_label15 = {testoImpedimento(esito.motivo, simboloLineare(esito.motivo)), colori::rosso,
                     colori::nero};
        emit changed();
        return;
    }
    const vite::Risultato &r = *esito.risultato;
    vite::registra(v, r);
    const NumberFormat &f = m_env.numeri;
    scrivi(18, f.picture(r.Jtot, QStringLiteral("##0.0000##")));
    scrivi(20, f.picture(r.Cca, QStringLiteral("##0.000#")));
    scrivi(19, f.picture(r.CmtRis, QStringLiteral("##0.000#")));
    scrivi(22, f.picture(r.Pm, QStringLiteral("##0.000#")));
    scrivi(21, f.picture(r.Pca, QStringLiteral("##0.000#")));
    emit changed();
    // the result window shows the torque this calculator hands over in CmtRis
    v.Cmt = v.CmtRis;
    m_env.finestre.openForm(FormId::frmRisult);
}

void ViteModel::btnModDat_Click()
{
    smarca();
    emit changed();
}

void ViteModel::esegui(Azione azione)
{
    switch (azione) {
    case Azione::NuovoFile: NuovoFile(); break;
    case Azione::ApriFile: mnuApriFile_Click(); break;
    case Azione::SalvaFile: SalvaFile(); break;
    case Azione::Esci: unload(); break;
    }
}

bool ViteModel::mnuApriFile_Click()
{
    const auto path = menufile::scegliApri(cmnDialogBox1, m_env.dialoghi);
    return path && apriFile(*path);
}

bool ViteModel::apriFile(const QString &path)
{
    const auto lines = menufile::leggi(m_id, path, m_env.messaggi);
    if (!lines)
        return false;
    m_label8 = lines->value(0);
    // value lines by index up to the end of the file; the form has no box beyond 24
    menufile::riempi(*lines, m_txt);
    emit changed();
    return true;
}

void ViteModel::SalvaFile()
{
    if (const auto path = menufile::scegliSalva(cmnDialogBox1, m_env.dialoghi))
        salvaFile(*path);
}

bool ViteModel::salvaFile(const QString &path)
{
    return menufile::salvaDati(m_id, path, QStringList(m_txt.begin(), m_txt.end()), m_env.numeri,
                               m_env.messaggi);
}

// A new file replaces whatever the chosen name holds: the save dialog asks first.
void ViteModel::NuovoFile()
{
    menufile::nuovoFile(cmnDialogBox1, m_env.dialoghi, m_env.messaggi,
                        QStringLiteral("Nuovo File"));
}

bool ViteModel::nuovoFile(const QString &path)
{
    return menufile::scriviNuovo(m_id, path, m_env.messaggi, QStringLiteral("Nuovo File"));
}
