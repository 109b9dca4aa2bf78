#include "verificamodel.h"

#include "catalogo.h"
#include "graficociclo.h"
#include "testi.h"

#include "calcolo/numbers.h"
#include "shell/immissione.h"
#include "shell/variabili.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

const QString titolo = QStringLiteral("Verifica motore");

} // namespace

const std::array<VerificaModel::Riga, VerificaModel::Caselle> &VerificaModel::righe()
{
    const QString rpm = QStringLiteral(" rpm"), kgm = QStringLiteral(" kgm");
    static const std::array<Riga, Caselle> tavola{{
        // clang-format off
        {QStringLiteral("Nome del motore ="), QStringLiteral("Nome del motore"), QString(), QString(), QString()},
        {QStringLiteral("Potenza nominale \"Pn\" ="), QStringLiteral("Potenza nominale"), QStringLiteral("Pn"), QStringLiteral(" kW"), QString()},
        {QStringLiteral("Velocità nominale \"nn\" ="), QStringLiteral("Velocità nominale"), QStringLiteral("nn"), rpm, QString()},
        {QStringLiteral("Velocità massima \"nmax\" ="), QStringLiteral("Velocità massima"), QStringLiteral("nmax"), rpm, QString()},
        {QStringLiteral("Coppia nominale \"Cn\" ="), QStringLiteral("Coppia nominale"), QStringLiteral("Cn"), kgm, QString()},
        {QStringLiteral("Coppia massima \"Cmax\" ="), QStringLiteral("Coppia massima"), QStringLiteral("Cmax"), kgm, QString()},
        {QStringLiteral("Momento d'inerzia rotore \"Jmot\" ="), QStringLiteral("Momento d'inerzia rotore"), QStringLiteral("Jmot"), QStringLiteral(" kgm^2"), QString()},
        {QStringLiteral("Fattore di sicurezza \"k\" ="), QStringLiteral("Fattore di sicurezza"), QStringLiteral("k"), QString(),
         // clang-format on
         QString::number(verifica::Limiti{}.k)},
        {QStringLiteral("Rapporto d'inerzia max \"λmax\" ="),
         QStringLiteral("Rapporto d'inerzia max"), QStringLiteral("λmax"), QString(),
         QString::number(*verifica::Limiti{}.lambdaMax)},
    }};
    return tavola;
}

QString VerificaModel::testoCostanti()
{
    return QStringLiteral("Costanti del calcolatore (1504, 1054)");
}

VerificaModel::VerificaModel(Ambiente env, const QString &cartellaDati)
    : FormModel(FormId::frmVerifica, env, titolo)
{
    dialogo.Filter = verifica::filtroCatalogo();
    if (!cartellaDati.isEmpty())
        dialogo.FileName = QDir(cartellaDati).filePath(QStringLiteral("motori_esempio.csv"));
}

void VerificaModel::Form_Load()
{
    for (int box = 0; box < Caselle; ++box)
        m_txt[box] = righe()[box].preset;
    m_aspo = false;
    ricarica();
}

void VerificaModel::ricarica()
{
    const Variabili &v = m_env.var;
    if (v.carico) {
        const bool aspo = verifica::aspo(*v.carico);
        // λmax starts at the load's default: none for a coil, which dwarfs any rotor
        if (aspo != m_aspo) {
            const std::optional<double> prima = verifica::limitiPerDefault(*v.carico).lambdaMax;
            const QString dopo = prima ? m_env.numeri.general(*prima) : QString();
            if (m_txt[lambdaMax].trimmed() == (aspo ? righe()[lambdaMax].preset : QString()))
                m_txt[lambdaMax] = dopo;
            m_aspo = aspo;
        }
        m_intestazione =
            (aspo ? QStringLiteral("Bobina di: ") : QStringLiteral("Ciclo di: ")) + v.cicloDi;
        m_righeCiclo =
            verifica::righe(*v.carico, verifica::studia(*v.carico, m_costante), m_env.numeri);
        // the calculator's own inertia torque beside the check's acceleration torque
        if (const QString calcolatore = verifica::rigaCalcolatore(*v.carico, m_env.numeri);
            !calcolatore.isEmpty() && m_righeCiclo.size() > 2)
            m_righeCiclo.insert(2, calcolatore);
        m_intestazioni = verifica::intestazioni(*v.carico);
    } else {
        m_intestazione =
            QStringLiteral("Nessun ciclo: premere \"Calcola\" in una finestra di calcolo");
        m_righeCiclo.clear();
        m_intestazioni = verifica::intestazioni(verifica::Ciclo{});
    }
    m_ultima.reset();
    svuota();
    emit changed();
}

void VerificaModel::setCostantiCalcolatore(bool si)
{
    const verifica::Costante costante =
        si ? verifica::Costante::Calcolatore : verifica::Costante::Fisica;
    if (costante == m_costante)
        return;
    m_costante = costante;
    const auto ultima = m_ultima;
    ricarica();
    verifica::Limiti limiti;
    if (ultima && leggiLimiti(limiti))
        mostra(ultima->first, limiti, ultima->second);
}

void VerificaModel::svuota()
{
    m_tabella.clear();
    m_verdetto.clear();
    m_stato = {QStringLiteral(" "), colori::argento};
    const Variabili &v = m_env.var;
    if (v.carico) {
        m_grafico = verifica::grafico(*v.carico, verifica::studia(*v.carico, m_costante), nullptr,
                                      m_env.numeri);
        m_legenda = verifica::legenda(*v.carico, false);
    } else {
        m_grafico = {};
        m_legenda.clear();
    }
}

bool VerificaModel::numero(int box, double &into)
{
    // a decimal comma or a point, as in the lists and the batch program's options
    if (const auto valore = numeroDecimale(m_txt[box].trimmed())) {
        into = *valore;
        return true;
    }
    m_env.messaggi.msgDati(
        m_id, immissione::nonNumero(righe()[box].simbolo, righe()[box].nome, m_txt[box]));
    return false;
}

bool VerificaModel::valore(int box, double &into, bool entro(double), const QString &fuori)
{
    if (!numero(box, into))
        return false;
    if (entro(into))
        return true;
    m_env.messaggi.msgDati(m_id, fuori);
    return false;
}

bool VerificaModel::leggiLimiti(verifica::Limiti &limiti)
{
    const bool sicurezza = valore(k, limiti.k, verifica::Limiti::sicurezzaValida,
                                  QStringLiteral("Inserire k maggiore o uguale a 1"));
    // an empty λmax: the inertia ratio is shown, not checked
    if (m_txt[lambdaMax].trimmed().isEmpty()) {
        limiti.lambdaMax.reset();
        return sicurezza;
    }
    double massimo = 0;
    const bool inerzia = valore(lambdaMax, massimo, verifica::Limiti::inerziaValida,
                                QStringLiteral("Inserire λmax maggiore di 0"));
    limiti.lambdaMax = massimo;
    return inerzia && sicurezza;
}

bool VerificaModel::leggiMotore(verifica::Motore &motore)
{
    bool validi = true;
    const auto positivo = [&](int box, double &into) {
        validi = valore(
                     box, into, [](double x) { return x > 0 && std::isnormal(x); },
                     QStringLiteral("Inserire %1 maggiore di 0").arg(righe()[box].simbolo)) &&
                 validi;
    };
    motore.nome = m_txt[Nome].trimmed();
    if (motore.nome.isEmpty())
        motore.nome = QStringLiteral("Motore indicato");
    positivo(Pn, motore.Pn);
    positivo(nn, motore.nn);
    positivo(nmax, motore.nmax);
    // without a rated torque the motor has the one of its rated power and speed
    if (!m_txt[Cn].trimmed().isEmpty()) {
        double Cn = 0;
        positivo(VerificaModel::Cn, Cn);
        motore.Cn = Cn;
    }
    positivo(Cmax, motore.Cmax);
    positivo(Jmot, motore.Jmot);
    return validi;
}

void VerificaModel::btnVerifica_Click()
{
    const bool motoreVuoto = std::all_of(m_txt.begin() + Nome, m_txt.begin() + k,
                                         [](const QString &t) { return t.trimmed().isEmpty(); });
    verifica::Limiti limiti;
    verifica::Motore motore;
    if (motoreVuoto && !m_catalogo.empty()) {
        if (leggiLimiti(limiti))
            mostra(m_catalogo, limiti, m_nomeCatalogo);
        return;
    }
    // every box gets its message, the motor's and the limits'
    const bool letto = leggiMotore(motore);
    if (leggiLimiti(limiti) && letto)
        mostra({motore}, limiti, QString());
}

void VerificaModel::btnCatalogo_Click()
{
    if (dialogo.ShowOpen(m_env.dialoghi))
        apriCatalogo(dialogo.FileName);
}

bool VerificaModel::apriCatalogo(const QString &path)
{
    verifica::Catalogo catalogo = verifica::leggiCatalogo(path);
    if (!catalogo.errore.isEmpty()) {
        m_env.messaggi.msgBox(m_id, catalogo.errore, QStringLiteral("Apri catalogo"));
        return false;
    }
    m_catalogo = std::move(catalogo.motori);
    m_nomeCatalogo = QStringLiteral("Catalogo \"%1\"")
                         .arg(immissione::citazione(QFileInfo(path).fileName(), 60));
    m_avvisoCatalogo = catalogo.avviso();
    verifica::Limiti limiti;
    if (leggiLimiti(limiti))
        mostra(m_catalogo, limiti, m_nomeCatalogo);
    return true;
}

void VerificaModel::mostra(const std::vector<verifica::Motore> &motori,
                           const verifica::Limiti &limiti, const QString &fonte)
{
    svuota();
    const Variabili &v = m_env.var;
    if (!v.carico) {
        emit changed();
        return;
    }
    const verifica::Carico &carico = *v.carico;
    m_ultima = std::pair{motori, fonte};
    const verifica::Confronto confronto = verifica::confronta(carico, motori, limiti, m_costante);
    m_env.var.controllo = verifica::Controllo{motori, limiti, m_costante, confronto, fonte};
    if (confronto.esami.empty()) {
        m_stato = {m_righeCiclo.value(1), colori::rosso};
        emit changed();
        return;
    }
    const NumberFormat &f = m_env.numeri;
    m_tabella = verifica::tabella(motori, confronto, f);
    if (const auto mostrato = verifica::motoreDelGrafico(motori, confronto)) {
        const verifica::Motore &m = motori[*mostrato];
        const verifica::Esame &e = confronto.esami[*mostrato];
        m_grafico = verifica::grafico(carico, e.studio, &m, f);
        m_legenda = verifica::legenda(carico, true);
        m_verdetto = {verifica::nomeMotore(m.nome) + QStringLiteral(": ") +
                          verifica::datiMotore(m, f),
                      verifica::limiti(limiti, f) + QStringLiteral("; ") +
                          verifica::costante(carico, m_costante, f),
                      verifica::governa(carico, e, f)};
    }

    QString testo;
    if (motori.size() == 1)
        testo = QStringLiteral("%1: %2").arg(motori.front().nome,
                                             verifica::giudizio(confronto.esami.front()));
    else
        testo =
            QStringLiteral("%1: %2 motori, scelto: %3")
                .arg(fonte)
                .arg(motori.size())
                .arg(confronto.scelto ? motori[*confronto.scelto].nome : QStringLiteral("nessuno"));
    // the columns of the list left out, named once where the outcome is
    if (!fonte.isEmpty() && fonte == m_nomeCatalogo && !m_avvisoCatalogo.isEmpty())
        testo += QStringLiteral(" (") + m_avvisoCatalogo + QLatin1Char(')');
    m_stato = {testo, confronto.scelto ? colori::verdeChiaro : colori::rosa};
    emit changed();
}
