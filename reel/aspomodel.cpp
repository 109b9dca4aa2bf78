#include "aspomodel.h"

#include "risultati.h"
#include "sweep.h"
#include "shell/menufile.h"
#include "shell/immissione.h"
#include "shell/numbers.h"
#include "shell/variabili.h"

#include <QDateTime>

namespace {
constexpr Colore obbligatorio = Colore::bgr(0x8080FF);
constexpr Colore obbligatorioRosso = Colore::bgr(0xFF);
constexpr Colore predefinito = Colore::bgr(0x80C0FF);
} // namespace

const std::array<AspoModel::Riga, AspoModel::Caselle> &AspoModel::righe()
{
    static const std::array<Riga, Caselle> table{{
        {0, QStringLiteral("Diametro minimo"), QStringLiteral("d"), QStringLiteral(" mm"),
         QStringLiteral("0"), obbligatorio},
        {1, QStringLiteral("Diametro massimo"), QStringLiteral("Dm"), QStringLiteral(" mm"),
         QStringLiteral("0"), obbligatorio},
        {2, QStringLiteral("Rapporto di riduzione"), QStringLiteral("R"), QString(),
         QStringLiteral("0"), obbligatorio},
        {3, QStringLiteral("Velocità massima mat.le"), QStringLiteral("Vm"), QStringLiteral(" m/1'"),
         QStringLiteral("0"), obbligatorio},
        {7, QStringLiteral("Rendimento trasmissione"), QStringLiteral("n"), QStringLiteral(" "),
         QStringLiteral("0,9"), predefinito},
        {6, QStringLiteral("Momento d'inerzia trasm."), QStringLiteral("Jtr"), QStringLiteral("kgm^2"),
         QStringLiteral("0,01"), predefinito},
        {5, QStringLiteral("Momento d'inerzia mand."), QStringLiteral("Jman"), QStringLiteral("kgm^2"),
         QStringLiteral("0,02"), predefinito},
        {4, QStringLiteral("Momento d'inerzia mot."), QStringLiteral("Jmot"), QStringLiteral("kgm^2"),
         QStringLiteral("0,02"), predefinito},
        {8, QStringLiteral("Tempodi accelerazione"), QStringLiteral("tacc"), QStringLiteral("sec"),
         QStringLiteral("10"), predefinito},
        {9, QStringLiteral("Tempodi decelerazione"), QStringLiteral("tdec"), QStringLiteral("sec"),
         QStringLiteral("10"), predefinito},
        {10, QStringLiteral("Peso specifico materiale"), QStringLiteral("D"), QStringLiteral("kg/dm^3"),
         QStringLiteral("7,8"), predefinito},
        {11, QStringLiteral("Larghezza avvolgimento"), QStringLiteral("l"), QStringLiteral("mm"),
         QStringLiteral("0"), obbligatorioRosso},
        {12, QStringLiteral("Tensione materiale"), QStringLiteral("F"), QStringLiteral("kg"),
         QStringLiteral("0"), obbligatorioRosso},
        {13, QStringLiteral("Coppia com.zione attriti"), QStringLiteral("Cca"), QStringLiteral("kgm"),
         QStringLiteral("0,5"), predefinito},
    }};
    return table;
}

const AspoModel::Riga &AspoModel::riga(int box)
{
    for (const Riga &r : righe())
        if (r.box == box)
            return r;
    Q_UNREACHABLE();
}

QString AspoModel::label2(int box)
{
    const Riga &r = riga(box);
    return r.nome.leftJustified(26, QLatin1Char(' ')) + QLatin1Char('"') + r.simbolo +
           QStringLiteral("\" =");
}

void AspoModel::Form_Load()
{
    for (const Riga &r : righe())
        m_txt[r.box] = r.preset;
    Variabili &v = m_env.var;
    v.flgDatiOk = flag::False;
    // the torque-for-inertia flag is left as it is
    v.flgGrafVel = v.flgGrafCmt = v.flgGrafJtt = v.flgGrafCtt = flag::False;
    emit changed();
}

void AspoModel::setTxtInDat(int box, const QString &text)
{
    if (m_txt.at(box) == text)
        return;
    m_txt[box] = text;
    emit changed();
}

void AspoModel::setOpt_avv(bool winder)
{
    m_avvolgitore = winder;
    emit changed();
}

void AspoModel::setOpt_acc(bool acceleration)
{
    m_accelerazione = acceleration;
    emit changed();
}

bool AspoModel::leggi(int box, double &into)
{
    if (const auto value = m_env.numeri.parse(m_txt[box])) {
        into = *value;
        return true;
    }
    m_env.messaggi.msgBox(m_id, immissione::nonNumero(riga(box).simbolo, riga(box).nome, m_txt[box]),
                          immissione::titolo());
    return false;
}

void AspoModel::btnInseDat_Click()
{
    Variabili &v = m_env.var;
    const std::pair<int, double *> lettura[] = {
        {0, &v.dMin}, {1, &v.DMax}, {2, &v.N},     {3, &v.Vl},        {7, &v.nu},
        {6, &v.Jt},   {5, &v.Jv},   {4, &v.Jm},    {8, &v.Tac},       {9, &v.Tdec},
        {10, &v.pesoSpec}, {11, &v.Lung}, {12, &v.tiroMat}, {13, &v.Cca},
    };
    bool numeri = true;
    for (const auto &[box, into] : lettura)
        numeri = leggi(box, *into) && numeri;
    if (!numeri) {
        v.flgDatiOk = flag::False;
        emit changed();
        return;
    }

    const std::pair<double, const char *> controlli[] = {
        {v.dMin, "Inserire diametro minimo > 0"},
        {v.DMax, "Inserire diametro massimo > 0"},
        {v.N, "Inserire rapporto di riduzione > 0"},
        {v.Vl, "Inserire velocità materiale > 0"},
        {v.Lung, "Inserire larghezza materiale > 0"},
        {v.tiroMat, "Inserire tiro materiale > 0"},
    };
    bool validi = true;
    for (const auto &[valore, testo] : controlli) {
        if (!(valore > 0)) {
            m_env.messaggi.msgBox(m_id, QString::fromUtf8(testo), immissione::titolo());
            validi = false;
        }
    }
    v.flgDatiOk = validi ? flag::True : flag::False;
    if (validi) {
        m_btnInseDat = {QStringLiteral("Dati validi"), Colore::bgr(0x80FF80)};
        m_btnCalcola.sfondo = Colore::bgr(0x80FF80);
        m_label15 = {QStringLiteral(" "), Colore::bgr(0xC0C0C0)};
    }
    emit changed();
}

void AspoModel::btnModDat_Click()
{
    m_btnInseDat = {QStringLiteral("Immissione dati"), Colore::bgr(0xC0C0FF)};
    m_btnCalcola.sfondo = Colore::bgr(0xFF);
    m_label15 = {QStringLiteral("Inserire i dati "), Colore::bgr(0xC0C0FF)};
    m_env.var.flgDatiOk = flag::False;
    emit changed();
}

void AspoModel::btnCalcola_Click()
{
    Variabili &v = m_env.var;
    if (v.flgDatiOk != flag::True) {
        m_label15 = {QStringLiteral("Dati mancanti o errati "), Colore::bgr(0xFF)};
        emit changed();
        return;
    }
    const aspo::Esito esito = aspo::calcola(aspo::dati(v), {m_avvolgitore, m_accelerazione});
    if (!esito.campioni) {
        // the tables keep the last sweep; nothing is shown from a zero divisor
        m_label15 = {testoImpedimento(esito.motivo, simbolo(esito.motivo)), Colore::bgr(0xFF)};
        emit changed();
        return;
    }
    aspo::registra(v, *esito.campioni);
    v.aspoAvvolgitore = m_avvolgitore;
    // The results window sums the sweep up when it loads; one left open keeps the figures,
    // and the power, of the sweep it showed.
    if (!m_env.finestre.isLoaded(FormId::frmRris_aspo))
        v.Pm = aspo::potenzaMassima(v);
    MostraRisultati();
}

QString AspoModel::simbolo(Impedimento motivo)
{
    switch (motivo) {
    case Impedimento::RapportoNullo: return QStringLiteral("R");
    case Impedimento::RendimentoNullo: return QStringLiteral("n");
    case Impedimento::AccelerazioneNulla: return QStringLiteral("tacc");
    case Impedimento::DecelerazioneNulla: return QStringLiteral("tdec");
    default: return simboloLineare(motivo);
    }
}

void AspoModel::MostraRisultati() { m_env.finestre.openForm(FormId::frmRris_aspo); }

bool AspoModel::mnuFileApri_Click()
{
    const auto path = menufile::scegliApri(cmnDialogBox, m_env.dialoghi);
    return path && apriFile(*path);
}

bool AspoModel::apriFile(const QString &path)
{
    const auto lines = menufile::leggi(m_id, path, m_env.messaggi);
    if (!lines)
        return false;
    m_label1.testo = lines->value(0);
    // at most fourteen value lines: the form has no box for more
    menufile::riempi(*lines, m_txt);
    emit changed();
    return true;
}

void AspoModel::SalvaFile()
{
    if (const auto path = menufile::scegliSalva(cmnDialogBox, m_env.dialoghi))
        salvaFile(*path);
}

bool AspoModel::salvaFile(const QString &path)
{
    return menufile::salvaDati(m_id, path, QStringList(m_txt.begin(), m_txt.end()), m_env.numeri,
                               m_env.messaggi);
}

void AspoModel::SalvaRisultati()
{
    if (const auto path = menufile::scegliSalva(cmnDialogBox, m_env.dialoghi))
        salvaRisultati(*path);
}

bool AspoModel::salvaRisultati(const QString &path)
{
    return menufile::scrivi(m_id, path,
                            righeRisultati(m_env.var, m_txt, QDateTime::currentDateTime(),
                                           m_env.numeri),
                            m_env.messaggi, QStringLiteral("Salva risultati"));
}

void AspoModel::mnustampa_ris_Click()
{
    for (int i = 0; i < Caselle; ++i)
        m_env.var.datiStampa[i] = m_txt[i];
    m_env.finestre.openForm(FormId::ASPO04);
}
