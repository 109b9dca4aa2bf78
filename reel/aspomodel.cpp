#include "aspomodel.h"

#include "campiona.h"
#include "charts/grafico.h"
#include "risaspomodel.h"
#include "risultati.h"
#include "shell/menufile.h"
#include "shell/variabili.h"

#include <QDateTime>

const Tavola &AspoModel::tavolaAspo()
{
    using namespace colori;
    // Label2(k): the name padded with blanks, the symbol between quotes, " ="
    const auto riga = [](int box, const char *nome, const char *simbolo, const char *unita,
                         const char *preset, Colore colore) {
        const QString n = QString::fromUtf8(nome), s = QString::fromUtf8(simbolo);
        return Riga{box,
                    n.leftJustified(26) + QLatin1Char('"') + s + QStringLiteral("\" ="),
                    n,
                    s,
                    QString::fromUtf8(unita),
                    colore,
                    QString::fromUtf8(preset)};
    };
    static const Tavola tavola = [&] {
        Tavola t{
            QStringLiteral("Verifica Aspi"),
            {
                // in screen order, not in index order
                riga(DiametroMinimo, "Diametro minimo", "d", " mm", "0", rossoChiaro),
                riga(DiametroMassimo, "Diametro massimo", "Dm", " mm", "0", rossoChiaro),
                riga(Rapporto, "Rapporto di riduzione", "R", "", "0", rossoChiaro),
                riga(VelocitaMateriale, "Velocità massima mat.le", "Vm", " m/1'", "0", rossoChiaro),
                riga(Rendimento, "Rendimento trasmissione", "n", " ", "0,9", albicocca),
                riga(InerziaTrasmissione, "Momento d'inerzia trasm.", "Jtr", "kgm^2", "0,01",
                     albicocca),
                riga(InerziaMandrino, "Momento d'inerzia mand.", "Jman", "kgm^2", "0,02",
                     albicocca),
                riga(InerziaMotore, "Momento d'inerzia mot.", "Jmot", "kgm^2", "0,02", albicocca),
                riga(TempoAccelerazione, "Tempodi accelerazione", "tacc", "sec", "10", albicocca),
                riga(TempoDecelerazione, "Tempodi decelerazione", "tdec", "sec", "10", albicocca),
                riga(PesoSpecifico, "Peso specifico materiale", "D", "kg/dm^3", "7,8", albicocca),
                riga(Larghezza, "Larghezza avvolgimento", "l", "mm", "0", rosso),
                riga(Tensione, "Tensione materiale", "F", "kg", "0", rosso),
                riga(CoppiaAttriti, "Coppia com.zione attriti", "Cca", "kgm", "0,5", albicocca),
            },
            {},
            {QStringLiteral("Immissione dati"), rosa},
            {QString(), argento},
        };
        t.mancanti = QStringLiteral("Dati mancanti o errati ");
        t.rigaData = QStringLiteral("Dati registrati il:  ");
        return t;
    }();
    return tavola;
}

QList<Menu> AspoModel::menuFinestra()
{
    using M = AspoModel;
    return {menuFile({voce("mnuFileApri", "a&pri file", &M::mnuFileApri_Click),
                      voce("mnusalva", "&salva_file", &M::mnusalva_Click),
                      voce("mnusalvaconnome", "salva con &nome", &M::mnusalvaconnome_Click),
                      voce("mnusalva_ris", "Salva &risultati_dat", &M::mnusalva_ris_Click),
                      voce("mnustampa_ris", "Stampa&Risultati", &M::mnustampa_ris_Click),
                      voce("mnuEsci", "&Esci", &M::mnuEsci_Click)})};
}

void AspoModel::caricato()
{
    // the torque-for-inertia flag is left as it is
    Variabili &v = m_env.var;
    v.flgGrafVel = v.flgGrafCmt = v.flgGrafJtt = v.flgGrafCtt = flag::False;
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

void AspoModel::btnInseDat_Click()
{
    Variabili &v = m_env.var;
    // clang-format off
    const bool numeri = leggiTutte({
        {DiametroMinimo, &v.dMin},      {DiametroMassimo, &v.DMax},
        {Rapporto, &v.N},               {VelocitaMateriale, &v.Vl},
        {Rendimento, &v.nu},            {InerziaTrasmissione, &v.Jt},
        {InerziaMandrino, &v.Jv},       {InerziaMotore, &v.Jm},
        {TempoAccelerazione, &v.Tac},   {TempoDecelerazione, &v.Tdec},
        {PesoSpecifico, &v.pesoSpec},   {Larghezza, &v.Lung},
        {Tensione, &v.tiroMat},         {CoppiaAttriti, &v.Cca},
    });
    // clang-format on
    if (senzaNumeri(numeri))
        return;
    const std::pair<double, const char *> controlli[] = {
        {v.dMin, "Inserire diametro minimo > 0"},     {v.DMax, "Inserire diametro massimo > 0"},
        {v.N, "Inserire rapporto di riduzione > 0"},  {v.Vl, "Inserire velocità materiale > 0"},
        {v.Lung, "Inserire larghezza materiale > 0"}, {v.tiroMat, "Inserire tiro materiale > 0"},
    };
    bool validi = true;
    for (const auto &[valore, testo] : controlli) {
        if (!(valore > 0)) {
            messaggio(QString::fromUtf8(testo));
            validi = false;
        }
    }
    segnaValidita(validi);
    emit changed();
}

void AspoModel::btnModDat_Click()
{
    segnaDaInserire({QStringLiteral("Immissione dati"), colori::rosa},
                    {QStringLiteral("Inserire i dati "), colori::rosa});
    m_env.var.flgDatiOk = flag::False;
    emit changed();
}

void AspoModel::btnCalcola_Click()
{
    // the tables keep the last sweep; nothing is shown from a zero divisor
    calcola(
        [this] {
            return aspo::calcola(aspo::dati(m_env.var), {m_avvolgitore, m_accelerazione});
        },
        [this](const aspo::Campionatura &c) {
            Variabili &v = m_env.var;
            aspo::registra(v, c);
            v.aspoAvvolgitore = m_avvolgitore;
            // The results window sums the sweep up when it loads; one left open keeps the
            // figures, and the power, of the sweep it showed.
            if (!m_env.finestre.isLoaded(FormId::frmRris_aspo))
                v.Pm = aspo::potenzaMassima(c);
            registraScheda(aspo::grandezze(aspo::dati(v), {m_avvolgitore, m_accelerazione}, c));
            registraCarico(aspo::bobina(aspo::dati(v), c));
            MostraRisultati();
            emit changed();
        });
}

QString AspoModel::simboloAspo(Impedimento motivo)
{
    switch (motivo) {
    case Impedimento::RapportoNullo: return QStringLiteral("R");
    case Impedimento::RendimentoNullo: return QStringLiteral("n");
    case Impedimento::AccelerazioneNulla: return QStringLiteral("tacc");
    case Impedimento::DecelerazioneNulla: return QStringLiteral("tdec");
    default: return simboloLineare(motivo);
    }
}

void AspoModel::completaScheda(scheda::Foglio &foglio) const
{
    const auto righe = RisAspoModel::righe(m_env.var, m_env.numeri);
    foglio.blocchi.push_back(scheda::Titolo{QStringLiteral("Risultati verifiche aspo")});
    foglio.blocchi.push_back(scheda::Testo{QStringList(righe.begin(), righe.end())});
    foglio.blocchi.push_back(scheda::Grafico{grafico::coppiaTotale(m_env.var, m_env.numeri),
                                             grafico::larghezza, grafico::altezza,
                                             QStringLiteral("Grafico coppia totale")});
}

void AspoModel::MostraRisultati()
{
    m_env.finestre.openForm(FormId::frmRris_aspo);
}

void AspoModel::SalvaRisultati()
{
    if (const auto path = menufile::scegliSalva(dialogo, m_env.dialoghi))
        salvaRisultati(*path);
}

bool AspoModel::salvaRisultati(const QString &path)
{
    const QStringList testi = this->testi();
    std::array<QString, Caselle> caselle;
    std::copy(testi.begin(), testi.end(), caselle.begin());
    return menufile::scrivi(
        m_id, path, righeRisultati(m_env.var, caselle, QDateTime::currentDateTime(), m_env.numeri),
        m_env.messaggi, QStringLiteral("Salva risultati"));
}

void AspoModel::mnustampa_ris_Click()
{
    for (int i = 0; i < Caselle; ++i)
        m_env.var.datiStampa[i] = txtInDat(i);
    m_env.finestre.openForm(FormId::ASPO04);
}

void AspoModel::scegli(const QString &opzione)
{
    if (opzione == QLatin1String("svolgitore"))
        setOpt_avv(false);
    else if (opzione == QLatin1String("decelerazione"))
        setOpt_acc(false);
}

QStringList AspoModel::righeRisultato() const
{
    if (!m_env.finestre.isLoaded(FormId::frmRris_aspo))
        return {};
    const auto righe = RisAspoModel::righe(m_env.var, m_env.numeri);
    return QStringList(righe.begin(), righe.end());
}

void AspoModel::esporta(const QString &opzione)
{
    if (opzione == QLatin1String("risultati"))
        mnusalva_ris_Click();
    else if (opzione == QLatin1String("stampa"))
        mnustampa_ris_Click();
}
