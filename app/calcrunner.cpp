// The logic of dimensionamento-motori-calc: runs one calculation from a data file as a user
// would in the job's window (presets, open entry, "Immissione dati", "Calcola") and prints what
// the window shows. Same models, number locale, drawing and printing code as the windowed program.

#include "app/calcrunner.h"
#include "app/argomenti.h"
#include "app/finestre.h"

#include "charts/grafmodel.h"
#include "reel/aspo04model.h"
#include "reel/aspomodel.h"
#include "reel/risaspomodel.h"
#include "shell/platform.h"
#include "shell/programma.h"
#include "shell/datafile.h"
#include "shell/risultmodel.h"
#include "shell/traduzione.h"
#include "shell/variabili.h"
#include "util/utilmodel.h"
#include "verifica/catalogo.h"
#include "verifica/testi.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <deque>

namespace {

enum Uscita { Calcolato = 0, DatiNonValidi = 1, ChiamataErrata = 2 };

// Messages about the data are printed as they appear; other messages (a file that cannot be
// read or written) go to standard error. The open dialog always picks the data file, the save
// dialog the next output file asked for; the printer is a PDF file.
class BatchPlatform : public MessageBoxes, public FileDialogs, public Stampante {
public:
    BatchPlatform(QTextStream &out, QTextStream &err, Disegnatore *disegnatore)
        : m_out(out), m_err(err), m_disegnatore(disegnatore)
    {
    }

    void msgDati(FormId, const QString &prompt) override { m_out << "messaggio: " << prompt << '\n'; }
    void msgBox(FormId, const QString &prompt, const QString &) override
    {
        m_err << prompt << '\n';
        ++m_errori;
    }
    QString showOpen(FormId, const QString &, const QString &) override { return fileDati; }
    QString showSave(FormId, const QString &, const QString &, bool) override
    {
        if (salvataggi.empty())
            return QString();
        QString next = salvataggi.front();
        salvataggi.pop_front();
        return next;
    }
    QString stampaGrafico(const grafico::Disegno &) override
    {
        return QStringLiteral("Nessuna stampante nel calcolo da riga di comando.");
    }
    QString stampaDocumento(const stampa::Documento &documento) override
    {
        if (pdf.isEmpty() || !m_disegnatore)
            return QStringLiteral("Nessuna stampante nel calcolo da riga di comando.");
        return m_disegnatore->pdf(documento, pdf);
    }
    QString esportaScheda(const scheda::Foglio &foglio, const QString &path) override
    {
        if (!m_disegnatore)
            return QStringLiteral("Nessun programma di disegno per la scheda.");
        return m_disegnatore->scheda(foglio, path);
    }
    int errori() const { return m_errori; }

    QString fileDati;
    std::deque<QString> salvataggi;
    QString pdf;

private:
    QTextStream &m_out;
    QTextStream &m_err;
    Disegnatore *m_disegnatore;
    int m_errori = 0;
};

struct Corsa {
    Programma &programma;
    BatchPlatform &platform;
    Disegnatore *disegnatore;
    const argomenti::Argomenti &a;
    QTextStream &out;
    QTextStream &err;
};

// Whether "Calcola" gave its results: the result window of a linear calculator or of the reel
// opened, the utility's own result box filled.
bool calcolato(const Corsa &c, Calcolatrice *form)
{
    if (auto *util = qobject_cast<UtilModel *>(form))
        return !util->txtOutDat().isEmpty();
    return c.programma.isLoaded(FormId::frmRisult) || c.programma.isLoaded(FormId::frmRris_aspo);
}

// The lines of the result window, as the window shows them top to bottom.
QStringList risultati(const Corsa &c, Calcolatrice *form)
{
    if (auto *util = qobject_cast<UtilModel *>(form))
        return util->txtOutDat().isEmpty() ? QStringList() : QStringList{util->txtOutDat()};
    if (auto *risultato = c.programma.form<RisultModel>(FormId::frmRisult)) {
        const auto &l = risultato->Label8();
        return {l[0], l[2], l[1]};
    }
    if (auto *sintesi = c.programma.form<RisAspoModel>(FormId::frmRris_aspo)) {
        const auto &l = sintesi->Label1();
        return QStringList(l.begin(), l.end());
    }
    return {};
}

// The reel's outputs: the results file, the charts, the report. False when one could not be
// written.
bool usciteAspo(const Corsa &c, AspoModel *form)
{
    const argomenti::Argomenti &a = c.a;
    const int prima = c.platform.errori();
    bool scritto = true;
    if (!a.risultati.isEmpty()) {
        c.platform.salvataggi = {QFileInfo(a.risultati).absoluteFilePath()};
        form->mnusalva_ris_Click();
    }
    auto *sintesi = c.programma.form<RisAspoModel>(FormId::frmRris_aspo);
    for (const auto &[pulsante, png] : a.grafici) {
        sintesi->grafico_Click(pulsante);
        auto *graf = c.programma.form<GrafModel>(FormId::frmGraf);
        // encoded whole in memory, then saved like a data file: a failed save keeps the
        // picture that was there
        const QByteArray bytes = c.disegnatore ? c.disegnatore->png(graf->disegno()) : QByteArray();
        if (bytes.isEmpty()) {
            c.err << "Impossibile scrivere il grafico \"" << png << "\"\n";
            scritto = false;
        } else if (const QString errore = datafile::writeBytes(png, bytes); !errore.isEmpty()) {
            c.err << errore << '\n';
            scritto = false;
        }
        graf->mnu_file_esci_Click();
    }
    if (!a.stampa.isEmpty()) {
        c.platform.pdf = QFileInfo(a.stampa).absoluteFilePath();
        form->mnustampa_ris_Click();
        auto *report = c.programma.form<Aspo04Model>(FormId::ASPO04);
        report->setText1(0, a.cliente);
        report->setText1(1, a.progetto);
        report->Command1_Click();
    }
    return scritto && c.platform.errori() == prima;
}

// The motor check of the cycle that "Calcola" left: the cycle's torques with the calculator's
// own motor, then each motor of the list with its rotor, and the choice.
void verificaMotori(const Corsa &c, const std::vector<verifica::Motore> &motori)
{
    const NumberFormat &f = c.programma.numeri();
    const verifica::Ciclo &ciclo = *c.programma.var().ciclo;
    for (const QString &riga : verifica::righeCiclo(verifica::analizza(ciclo), f))
        c.out << "verifica: " << riga << '\n';
    if (c.a.catalogo.isEmpty())
        return;
    const verifica::Confronto confronto =
        verifica::confronta(ciclo, motori, {c.a.sicurezza, c.a.inerziaMax});
    for (std::size_t i = 0; i < confronto.esami.size(); ++i)
        c.out << "motore: " << verifica::rigaMotore(motori[i], confronto.esami[i], f) << '\n';
    c.out << "motore scelto: "
          << (confronto.scelto ? motori[*confronto.scelto].nome : QStringLiteral("nessuno")) << '\n';
}

// A job as a user runs it in its window: the choices, the open entry, "Immissione dati",
// "Calcola", the outputs asked for; then every box and the result lines are printed, and the
// motor check when asked for.
int esegui(Corsa &c, FormId finestra, const std::vector<verifica::Motore> &motori)
{
    c.programma.openForm(finestra);
    auto *form = c.programma.form<Calcolatrice>(finestra);
    auto *aspo = qobject_cast<AspoModel *>(form);
    if (aspo) {
        aspo->setOpt_avv(!c.a.svolgitore);
        aspo->setOpt_acc(!c.a.decelerazione);
    }
    if (auto *util = qobject_cast<UtilModel *>(form); util && c.a.cavo)
        util->mnuJ_Cil_Cavo_Click();
    if (!form->ApriFile())
        return ChiamataErrata;
    form->btnInseDat_Click();
    bool fatto = false;
    if (c.programma.var().flgDatiOk == flag::True) {
        form->btnCalcola_Click();
        fatto = calcolato(c, form);
        if (!fatto)
            c.err << form->statusLabel().testo.trimmed() << '\n';
    }
    const bool scritto = !fatto || !aspo || usciteAspo(c, aspo);
    for (int k = 0; k < form->caselle(); ++k)
        c.out << "casella " << k << ": " << form->txtInDat(k) << '\n';
    for (const QString &riga : risultati(c, form))
        c.out << "risultato: " << riga << '\n';
    if (!fatto)
        return DatiNonValidi;
    if (c.a.verifica)
        verificaMotori(c, motori);
    return scritto ? Calcolato : ChiamataErrata;
}

} // namespace

bool chiedeDisegni(const QStringList &args)
{
    for (const QString &arg : args) {
        const QString nome = argomenti::nomeOpzione(arg);
        if (nome == QLatin1String("grafico") || nome == QLatin1String("stampa"))
            return true;
    }
    return false;
}

int eseguiCalcolo(const QStringList &args, QTextStream &out, QTextStream &err,
                  Disegnatore *disegnatore)
{
    argomenti::Argomenti a;
    if (!argomenti::leggi(args, a, err)) {
        err << argomenti::uso();
        return ChiamataErrata;
    }
    if (a.aiuto) {
        out << argomenti::aiuto();
        return Calcolato;
    }
    if (a.versione) {
        out << "dimensionamento-motori-calc " << QCoreApplication::applicationVersion() << '\n';
        return Calcolato;
    }
    const auto &lavori = argomenti::lavori();
    const auto lavoro = std::find_if(lavori.begin(), lavori.end(),
                                     [&a](const argomenti::Lavoro &l) { return l.nome == a.lavoro; });
    if (lavoro == lavori.end()) {
        err << "Lavoro sconosciuto: \"" << a.lavoro << "\"\n" << argomenti::uso();
        return ChiamataErrata;
    }

    // a list that cannot be used is a wrong call, found before anything is calculated
    verifica::Catalogo catalogo;
    if (!a.catalogo.isEmpty()) {
        catalogo = verifica::leggiCatalogo(a.catalogo);
        if (!catalogo.errore.isEmpty()) {
            err << catalogo.errore << '\n';
            return ChiamataErrata;
        }
    }

    const NumberFormat numbers;
    BatchPlatform platform(out, err, disegnatore);
    platform.fileDati = QFileInfo(a.file).absoluteFilePath();
    Programma programma(platform, platform, platform, numbers);
    registraModelli(programma);
    Corsa corsa{programma, platform, disegnatore, a, out, err};
    return esegui(corsa, lavoro->finestra, catalogo.motori);
}

void preparaProcessoCalcolo()
{
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
}

int eseguiProgramma(QCoreApplication &app, Disegnatore *disegnatore)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(DM_VERSIONE));
    traduzione::caricaQt(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    return eseguiCalcolo(app.arguments().mid(1), out, err, disegnatore);
}
