#include "calcolatrice.h"

#include "calcolo/numbers.h"
#include "calcolo/velocita.h"
#include "shell/immissione.h"
#include "shell/menufile.h"
#include "shell/risultmodel.h"
#include "shell/variabili.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

Calcolatrice::Calcolatrice(FormId id, Ambiente env, const Tavola &tavola)
    : FormModel(id, env, tavola.caption),
      m_btnInseDat(tavola.immissione), m_btnCalcola{QStringLiteral("Calcola"), colori::rosso},
      m_stato(tavola.stato), m_tavola(&tavola), m_rigaData(tavola.rigaData)
{
    int caselle = 0;
    for (const Riga &r : tavola.righe)
        caselle = std::max(caselle, r.box + 1);
    m_txt.fill(QStringLiteral("0"), caselle);
}

const Riga &Calcolatrice::riga(int box) const
{
    for (const Riga &r : m_tavola->righe)
        if (r.box == box)
            return r;
    Q_UNREACHABLE();
}

void Calcolatrice::Form_Load()
{
    for (const Riga &r : m_tavola->righe)
        m_txt[r.box] = r.preset;
    if (m_tavola->azzeraValidita)
        m_env.var.flgDatiOk = flag::False;
    m_btnInseDat = m_tavola->immissione;
    m_btnCalcola = {QStringLiteral("Calcola"), colori::rosso};
    m_stato = m_tavola->stato;
    m_rigaData = m_tavola->rigaData;
    m_grandezze.clear();
    m_testiImmessi.clear();
    caricato();
    emit changed();
}

void Calcolatrice::setTxtInDat(int box, const QString &text)
{
    if (m_txt.at(box) == text)
        return;
    m_txt[box] = text;
    emit changed();
}

const Aspetto &Calcolatrice::aspetto(Pulsante p) const
{
    switch (p) {
    case Pulsante::Immissione: return m_btnInseDat;
    case Pulsante::Calcola: return m_btnCalcola;
    case Pulsante::Modifica: return m_tavola->modifica;
    case Pulsante::Esci: return m_tavola->esci;
    }
    Q_UNREACHABLE();
}

QString Calcolatrice::nomePulsante(Pulsante p) const
{
    switch (p) {
    case Pulsante::Immissione: return m_tavola->nomeImmissione;
    case Pulsante::Calcola: return QStringLiteral("btnCalcola");
    case Pulsante::Modifica: return QStringLiteral("btnModDat");
    case Pulsante::Esci: return QStringLiteral("btnEsci");
    }
    Q_UNREACHABLE();
}

void Calcolatrice::premi(Pulsante p)
{
    switch (p) {
    case Pulsante::Immissione: btnInseDat_Click(); break;
    case Pulsante::Calcola: btnCalcola_Click(); break;
    case Pulsante::Modifica: btnModDat_Click(); break;
    case Pulsante::Esci: btnEsci_Click(); break;
    }
}

void Calcolatrice::messaggio(const QString &text)
{
    m_env.messaggi.msgDati(m_id, text);
}

bool Calcolatrice::leggi(int box, double &into)
{
    if (const auto value = m_env.numeri.parse(m_txt[box])) {
        into = *value;
        return true;
    }
    messaggio(immissione::nonNumero(riga(box).simbolo, riga(box).nome, m_txt[box]));
    return false;
}

bool Calcolatrice::numero(int box)
{
    double scarto = 0;
    return leggi(box, scarto);
}

bool Calcolatrice::leggiTutte(std::initializer_list<std::pair<int, double *>> lettura)
{
    bool numeri = true;
    for (const auto &[box, into] : lettura)
        numeri = leggi(box, *into) && numeri;
    return numeri;
}

bool Calcolatrice::senzaNumeri(bool numeri)
{
    if (numeri)
        return false;
    m_env.var.flgDatiOk = flag::False;
    emit changed();
    return true;
}

void Calcolatrice::scrivi(int box, double value, const QString &pattern)
{
    m_txt[box] = m_env.numeri.picture(value, pattern);
}

bool Calcolatrice::positivo(double valore, int box, const QString &testo)
{
    if (valore > 0) {
        scrivi(box, m_env.numeri.general(valore));
        return true;
    }
    messaggio(testo);
    return false;
}

bool Calcolatrice::rapporto(int boxN)
{
    const double N = m_env.var.N;
    if (N > 0)
        return true;
    messaggio(QStringLiteral("Inserire N diverso da 0"));
    scrivi(boxN, m_env.numeri.general(N));
    return false;
}

bool Calcolatrice::pesi(int boxTotale)
{
    Variabili &v = m_env.var;
    if (!(v.WL > 0 && v.WT > 0)) {
        messaggio(QStringLiteral("Inserire WL e WT diversi da 0"));
        return false;
    }
    v.Wtot = v.WL + v.WT;
    scrivi(boxTotale, m_env.numeri.general(v.Wtot));
    return true;
}

bool Calcolatrice::datiValidi() const
{
    return m_env.var.flgDatiOk == flag::True;
}

bool Calcolatrice::avviaCalcolo()
{
    if (datiValidi())
        return true;
    segnaMancanti();
    emit changed();
    return false;
}

bool Calcolatrice::impedito(Impedimento motivo)
{
    if (motivo == Impedimento::Nessuno)
        return false;
    segnaImpedito(motivo);
    emit changed();
    return true;
}

void Calcolatrice::segnaValidita(bool validi)
{
    m_grandezze.clear();
    m_env.var.flgDatiOk = validi ? flag::True : flag::False;
    if (validi) {
        m_testiImmessi = m_txt;
        segnaValidi();
    }
}

void Calcolatrice::segnaValidi()
{
    m_btnInseDat = {QStringLiteral("Dati validi"), colori::verdeChiaro};
    m_btnCalcola.sfondo = colori::verdeChiaro;
    // the text colour stays: the label only blanks out
    m_stato.testo = QStringLiteral(" ");
    m_stato.sfondo = colori::argento;
}

void Calcolatrice::segnaDaInserire(const Aspetto &immissione, const Aspetto &stato)
{
    m_grandezze.clear();
    m_btnInseDat = immissione;
    m_btnCalcola.sfondo = colori::rosso;
    m_stato = stato;
}

void Calcolatrice::segnaMancanti()
{
    m_grandezze.clear();
    m_stato = {m_tavola->mancanti, colori::rosso, colori::nero};
}

void Calcolatrice::segnaImpedito(Impedimento motivo)
{
    m_grandezze.clear();
    m_stato = {testoImpedimento(motivo, simbolo(motivo)), colori::rosso, colori::nero};
}

void Calcolatrice::mostraRisultato(std::initializer_list<Uscita> uscite,
                                   const verifica::Ciclo &ciclo, QList<scheda::Grandezza> grandezze)
{
    for (const Uscita &u : uscite) {
        scrivi(u.box, u.valore, QLatin1String(u.formato));
        // the sheet's table of the boxes shows what the calculation wrote there, not the 0
        // the box held at the entry
        if (u.box < m_testiImmessi.size())
            m_testiImmessi[u.box] = m_txt[u.box];
    }
    registraScheda(std::move(grandezze));
    emit changed();
    Variabili &v = m_env.var;
    v.Cmt = v.CmtRis;
    registraCarico(ciclo);
    m_env.finestre.openForm(FormId::frmRisult);
}

verifica::Tempi Calcolatrice::tempi() const
{
    const Variabili &v = m_env.var;
    return {v.T0, v.Tac, v.Tdec, v.Tf};
}

void Calcolatrice::registraCarico(verifica::Carico carico)
{
    Variabili &v = m_env.var;
    v.carico = std::move(carico);
    v.cicloDi = caption();
    v.controllo.reset();
    m_env.finestre.ricarica(FormId::frmVerifica);
}

bool Calcolatrice::derivaVelocita(int boxVl, int boxWm, const Trasmissione &t)
{
    Variabili &v = m_env.var;
    const auto scriviWm = [&](double Wm) {
        v.Wm = Wm;
        scrivi(boxWm, v.Wm, QStringLiteral("##00"));
    };
    if (v.Vl != 0) {
        const auto wm = t.wmDaVl(v.Vl);
        if (wm)
            scriviWm(*wm);
        return wm.has_value(); // a zero divisor has its own message among the checks
    }
    if (v.Wm != 0) {
        const auto vl = t.vlDaWm(v.Wm);
        if (vl) {
            v.Vl = *vl;
            scrivi(boxVl, v.Vl, QStringLiteral("##0.###"));
        }
        return vl.has_value();
    }
    if (v.T0 > 0 && v.Lung > 0 && v.Tdec > 0 && v.Tac > 0) {
        const auto vl = velocita::vlDaCorsa(v.Lung, v.T0, v.Tac, v.Tdec);
        if (!vl) {
            // the travel time is all ramps: no constant speed can cover the length
            messaggio(QStringLiteral("Inserire t0 diverso da Tac + Tdec"));
            return false;
        }
        v.Vl = *vl;
        scrivi(boxVl, v.Vl, QStringLiteral("##0.####"));
        const auto wm = t.wmDaVl(v.Vl);
        if (wm)
            scriviWm(*wm);
        return wm.has_value();
    }
    messaggio(QStringLiteral("Inserire Vl o wm diversi da 0"));
    return false;
}

bool Calcolatrice::apriFile(const QString &path)
{
    const auto lines = menufile::leggi(m_id, path, m_env.messaggi);
    if (!lines)
        return false;
    m_rigaData = lines->value(0);
    for (qsizetype i = 0; i < m_txt.size() && i + 1 < lines->size(); ++i)
        m_txt[i] = lines->at(i + 1);
    emit changed();
    return true;
}

bool Calcolatrice::salvaFile(const QString &path)
{
    return menufile::salvaDati(m_id, path, m_txt, m_env.numeri, m_env.messaggi);
}

bool Calcolatrice::nuovoFile(const QString &path)
{
    return menufile::scriviNuovo(m_id, path, m_env.messaggi, m_tavola->titoloNuovo);
}

bool Calcolatrice::ApriFile()
{
    const auto path = menufile::scegliApri(dialogo, m_env.dialoghi);
    return path && apriFile(*path);
}

void Calcolatrice::SalvaFile()
{
    if (const auto path = menufile::scegliSalva(dialogo, m_env.dialoghi))
        salvaFile(*path);
}

void Calcolatrice::NuovoFile()
{
    menufile::nuovoFile(dialogo, m_env.dialoghi, m_env.messaggi, m_tavola->titoloNuovo);
}

QList<Menu> Calcolatrice::menu()
{
    QList<Menu> menus = menuFinestra();
    for (Menu &m : menus) {
        if (m.nome != QLatin1String("mnuFile"))
            continue;
        // before the menu's own "Esci", where it has one
        qsizetype dove = m.voci.size();
        if (!m.voci.isEmpty() && m.voci.constLast().testo == QLatin1String("&Esci"))
            --dove;
        m.voci.insert(dove, {QStringLiteral("mnuEsportaScheda"),
                             QStringLiteral("Esporta scheda &PDF..."), QString(),
                             [this] { mnuEsportaScheda_Click(); }, [this] { return calcolato(); }});
    }
    return menus;
}

void Calcolatrice::registraScheda(QList<scheda::Grandezza> grandezze)
{
    // a result the window shows in a box of its own name shows as that box does
    for (scheda::Grandezza &g : grandezze)
        if (g.risultato() && g.mostrato.isEmpty())
            for (const Riga &r : righe())
                if (r.simbolo == g.nome)
                    g.mostrato = m_txt.value(r.box);
    m_grandezze = std::move(grandezze);
    // the data as the entry that validated them left them, whatever was typed since
    m_testiCalcolati = m_testiImmessi.size() == m_txt.size() ? m_testiImmessi : m_txt;
}

void Calcolatrice::mnuEsportaScheda_Click()
{
    if (!calcolato())
        return;
    // the customer and project typed last in any window of the run are offered again
    Variabili &v = m_env.var;
    const std::optional<Intestazione> intestazione =
        m_env.dialoghi.chiediIntestazione(m_id, {v.cliente, v.progetto});
    if (!intestazione)
        return;
    v.cliente = intestazione->cliente;
    v.progetto = intestazione->progetto;
    // the first sheet is proposed beside the data file, with its name
    if (m_dialogoScheda.FileName.isEmpty()) {
        const QFileInfo dati(dialogo.FileName);
        m_dialogoScheda.FileName =
            dialogo.FileName.isEmpty()
                ? QStringLiteral("scheda.pdf")
                : dati.dir().filePath(dati.completeBaseName() + QStringLiteral(".pdf"));
    }
    m_dialogoScheda.Filter = QStringLiteral("Documento PDF (*.pdf)|*.pdf|");
    m_dialogoScheda.FilterIndex = 1;
    if (!m_dialogoScheda.ShowSave(m_env.dialoghi, true))
        return;
    const std::optional<scheda::Foglio> foglio =
        scheda(*intestazione, QDateTime::currentDateTime());
    if (const QString errore = m_env.stampante.esportaScheda(*foglio, m_dialogoScheda.FileName);
        !errore.isEmpty())
        m_env.messaggi.msgBox(m_id, errore, QStringLiteral("Esporta scheda PDF"));
}

QStringList Calcolatrice::righeRisultato() const
{
    if (!m_env.finestre.isLoaded(FormId::frmRisult))
        return {};
    const auto l = RisultModel::righe(m_env.var, m_env.numeri);
    return {l[0], l[2], l[1]};
}
