// The logic of dimensionamento-motori-calc: runs the calculation of each data file as a user
// would in the job's window (presets, open entry, "Immissione dati", "Calcola") and prints what
// the window shows, in the format asked for. Same models, number locale, drawing and printing code
// as the windowed program.

#include "app/calcrunner.h"
#include "app/argomenti.h"
#include "app/finestre.h"
#include "app/lotto.h"
#include "app/resoconto.h"
#include "app/uscitastandard.h"

#include "calcolatrice/calcolatrice.h"
#include "charts/grafmodel.h"
#include "reel/aspo04model.h"
#include "reel/risaspomodel.h"
#include "shell/datafile.h"
#include "shell/fileerrors.h"
#include "shell/immissione.h"
#include "shell/nomi.h"
#include "shell/platform.h"
#include "shell/programma.h"
#include "shell/sistema.h"
#include "shell/traduzione.h"
#include "shell/variabili.h"
#include "verifica/catalogo.h"
#include "verifica/testi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

using Stato = resoconto::Esito;

// Messages about the data and the other messages (a file that cannot be read or written) are
// kept with the file's report. The open dialog always picks the data file, the save dialog
// the next output file asked for; the printer is a PDF file.
class BatchPlatform : public MessageBoxes, public FileDialogs, public Stampante {
public:
    BatchPlatform(resoconto::File &file, Disegnatore *disegnatore)
        : m_file(file), m_disegnatore(disegnatore)
    {
    }

    void msgDati(FormId, const QString &prompt) override
    {
        m_file.messaggi.append({prompt, false});
    }
    void msgBox(FormId, const QString &prompt, const QString &) override { errore(prompt); }
    void errore(const QString &testo)
    {
        m_file.messaggi.append({testo, true});
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
    resoconto::File &m_file;
    Disegnatore *m_disegnatore;
    int m_errori = 0;
};

// What every data file of a run shares, made once before the first file.
struct Comune {
    const argomenti::Argomenti &a;
    FormId finestra;
    const std::vector<verifica::Motore> &motori;
    QString lista; // how the sheet names the list of motors
    Disegnatore *disegnatore;
    const resoconto::Formato &formato;
    QString qui;          // the working folder, for the absolute paths
    QString cartellaDati; // the program's own files: the cylinder's pictures for its sheet
};

// The calculation of one data file, with its own program, windows and shared state.
struct Corsa {
    const Comune &comune;
    Programma &programma;
    BatchPlatform &platform;
    resoconto::File &file;
};

// A path as given, made absolute by its text alone: the bytes of a name that is not UTF-8 stay
// as they were.
QString assoluto(const QString &path, const QString &qui)
{
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : qui + u'/' + path);
}

// The outputs of the job's own (the reel's results file, charts and report), as its windows
// write them. False when one could not be written.
bool usciteProprie(const Corsa &c, Calcolatrice *form)
{
    const argomenti::Argomenti &a = c.comune.a;
    Disegnatore *disegnatore = c.comune.disegnatore;
    const int prima = c.platform.errori();
    if (!a.risultati.isEmpty()) {
        c.platform.salvataggi = {assoluto(a.risultati, c.comune.qui)};
        form->esporta(QStringLiteral("risultati"));
    }
    for (const auto &[pulsante, png] : a.grafici) {
        c.programma.form<RisAspoModel>(FormId::frmRris_aspo)->grafico_Click(pulsante);
        auto *graf = c.programma.form<GrafModel>(FormId::frmGraf);
        // encoded whole in memory, then saved like a data file: a failed save keeps the
        // picture that was there
        const QByteArray bytes = disegnatore ? disegnatore->png(graf->disegno()) : QByteArray();
        if (bytes.isEmpty())
            c.platform.errore(QStringLiteral("Impossibile scrivere il grafico \"%1\"").arg(png));
        else if (const QString errore = datafile::writeBytes(png, bytes); !errore.isEmpty())
            c.platform.errore(errore);
        graf->mnu_file_esci_Click();
    }
    if (!a.stampa.isEmpty()) {
        c.platform.pdf = assoluto(a.stampa, c.comune.qui);
        form->esporta(QStringLiteral("stampa"));
        auto *report = c.programma.form<Aspo04Model>(FormId::ASPO04);
        report->setText1(0, a.cliente);
        report->setText1(1, a.progetto);
        report->Command1_Click();
    }
    return c.platform.errori() == prima;
}

// The motor check of what "Calcola" left: the load's figures with the calculation's own motor,
// then each motor of the list with its rotor, and the choice; kept in the shared state as the
// check window keeps it, for the sheet.
void verificaMotori(const Corsa &c)
{
    Variabili &v = c.programma.var();
    if (!v.carico)
        return;
    const argomenti::Argomenti &a = c.comune.a;
    const verifica::Limiti &limiti = a.limiti;
    const verifica::Costante costante =
        a.costantiCalcolatore ? verifica::Costante::Calcolatore : verifica::Costante::Fisica;
    resoconto::Verifica esito{*v.carico, verifica::studia(*v.carico, costante),
                              verifica::confronta(*v.carico, c.comune.motori, limiti, costante),
                              limiti, costante};
    v.controllo =
        verifica::Controllo{c.comune.motori, limiti, costante, esito.confronto, c.comune.lista};
    c.file.verifica = std::move(esito);
}

// The sizing sheet of the calculation as a PDF file; false, after its message, when it could
// not be written.
bool scheda(const Corsa &c, const Calcolatrice *form)
{
    const argomenti::Argomenti &a = c.comune.a;
    const std::optional<scheda::Foglio> foglio =
        form->scheda({a.cliente, a.progetto}, QDateTime::currentDateTime());
    const QString errore = foglio
                               ? c.platform.esportaScheda(*foglio, assoluto(a.scheda, c.comune.qui))
                               : QStringLiteral("Nessun calcolo per la scheda.");
    if (errore.isEmpty())
        return true;
    c.platform.errore(errore);
    return false;
}

// A job as a user runs it in its window: the choices, the open entry, "Immissione dati",
// "Calcola", the outputs asked for; then every box, the result lines and the numbers are kept,
// and the motor check and the sheet made when asked for.
Stato esegui(const Corsa &c)
{
    const argomenti::Argomenti &a = c.comune.a;
    c.programma.openForm(c.comune.finestra);
    auto *form = c.programma.form<Calcolatrice>(c.comune.finestra);
    for (const QString &scelta : a.scelte)
        form->scegli(scelta);
    if (!form->ApriFile())
        return Stato::Errore;
    form->btnInseDat_Click();
    bool fatto = false;
    if (c.programma.var().flgDatiOk == flag::True) {
        form->btnCalcola_Click();
        fatto = form->calcolato();
        if (!fatto)
            c.platform.errore(form->statusLabel().testo.trimmed());
    }
    bool scritto = !fatto || usciteProprie(c, form);
    c.file.caselle = form->testi();
    c.file.risultati = form->righeRisultato();
    if (!fatto)
        return Stato::DatiNonValidi;
    c.file.grandezze = form->grandezze();
    if (a.verifica)
        verificaMotori(c);
    if (!a.scheda.isEmpty())
        scritto = scheda(c, form) && scritto;
    return scritto ? Stato::Calcolato : Stato::Errore;
}

// A data file as if it were the only one: its own program, windows and shared state; then its
// part of the output.
resoconto::Pezzo calcola(const Comune &comune, const QString &nome, resoconto::Banco &banco)
{
    resoconto::File file;
    file.nome = nome;
    BatchPlatform platform(file, comune.disegnatore);
    platform.fileDati = assoluto(nome, comune.qui);
    {
        Programma programma(platform, platform, platform, banco.numeri);
        registraModelli(programma, comune.cartellaDati);
        file.esito = esegui({comune, programma, platform, file});
    }
    return comune.formato.pezzo(file, banco);
}

// Calculates the files on `fili` threads, each file on its own and each thread with its own
// bench, and hands the files to `consegna` in their order on the calling thread. The files
// travel in blocks, so that the threads seldom wait for each other; at most `anticipo` blocks
// wait for their turn.
// `consegna` returns false when the run must stop (its output is lost): no further block is
// started.
void calcolaInParallelo(const Comune &comune, const QStringList &files, int fili,
                        const std::function<bool(resoconto::Pezzo &)> &consegna)
{
    constexpr qsizetype blocco = 32, anticipo = 16;
    const qsizetype blocchi = (files.size() + blocco - 1) / blocco;
    std::vector<std::optional<std::vector<resoconto::Pezzo>>> anello(anticipo);
    std::mutex mutex;
    std::condition_variable pronto, spazio;
    qsizetype prossimo = 0, consegnati = 0;
    std::vector<resoconto::Banco> banchi(
        static_cast<std::size_t>(fili)); // made here: the locale is read once
    const auto lavora = [&](resoconto::Banco &banco) {
        std::unique_lock lock(mutex);
        while (true) {
            spazio.wait(lock,
                        [&] { return prossimo >= blocchi || prossimo < consegnati + anticipo; });
            if (prossimo >= blocchi)
                return;
            const qsizetype b = prossimo++;
            lock.unlock();
            std::vector<resoconto::Pezzo> fatti;
            for (qsizetype i = b * blocco; i < std::min(files.size(), (b + 1) * blocco); ++i)
                fatti.push_back(calcola(comune, files.at(i), banco));
            lock.lock();
            anello[std::size_t(b % anticipo)] = std::move(fatti);
            pronto.notify_one();
        }
    };
    std::vector<std::thread> squadra;
    for (resoconto::Banco &banco : banchi)
        squadra.emplace_back(lavora, std::ref(banco));
    bool avanti = true;
    for (qsizetype b = 0; b < blocchi && avanti; ++b) {
        std::unique_lock lock(mutex);
        std::optional<std::vector<resoconto::Pezzo>> &posto = anello[std::size_t(b % anticipo)];
        pronto.wait(lock, [&] { return posto.has_value(); });
        std::vector<resoconto::Pezzo> fatti = std::move(*posto);
        posto.reset();
        ++consegnati;
        lock.unlock();
        spazio.notify_all();
        for (resoconto::Pezzo &pezzo : fatti)
            if (avanti)
                avanti = consegna(pezzo);
    }
    if (!avanti) {
        const std::lock_guard lock(mutex);
        prossimo = blocchi;
    }
    spazio.notify_all();
    for (std::thread &t : squadra)
        t.join();
}

// The files a run writes: each must be a regular file or none yet, and none may be a file the
// run reads (a data file, the list of motors), whatever path names it. False, after the
// message, for the first that is not.
bool usciteLibere(const argomenti::Argomenti &a, const QStringList &files, QTextStream &err)
{
    QStringList uscite{a.risultati, a.stampa, a.scheda};
    for (const auto &grafico : a.grafici)
        uscite << grafico.second;
    std::vector<sistema::Voce> ingressi;
    for (const QString &ingresso : files + QStringList{a.catalogo})
        if (!ingresso.isEmpty())
            ingressi.push_back(sistema::esamina(ingresso));
    for (const QString &uscita : std::as_const(uscite)) {
        if (uscita.isEmpty())
            continue;
        const sistema::Voce voce = sistema::esamina(uscita);
        const QString nome = QLatin1Char('"') + nomi::stampabile(uscita) + QLatin1Char('"');
        if (voce.tipo == sistema::Tipo::Cartella)
            err << nome << " è una cartella.\n";
        else if (voce.tipo == sistema::Tipo::Altro)
            err << nome << " non è un file normale.\n";
        else if (std::any_of(ingressi.begin(), ingressi.end(),
                             [&](const sistema::Voce &v) { return sistema::stesso(v, voce); }))
            err << nome << " è un file di ingresso di questo calcolo.\n";
        else
            continue;
        return false;
    }
    return true;
}

// Why standard output could not be written.
QString uscitaPersa(const QTextStream &out)
{
    const auto *device = dynamic_cast<const UscitaStandard *>(out.device());
    const int errore = device ? device->errore() : 0;
    return QStringLiteral("Impossibile scrivere l'uscita standard: %1.")
        .arg(errore ? descriviErrore(errore, QString()) : QStringLiteral("errore di scrittura"));
}

} // namespace

bool chiedeDisegni(const QStringList &args)
{
    for (const QString &arg : args) {
        const QString nome = argomenti::nomeOpzione(arg);
        if (nome == QLatin1String("grafico") || nome == QLatin1String("stampa") ||
            nome == QLatin1String("scheda"))
            return true;
    }
    return false;
}

int eseguiCalcolo(const QStringList &args, QTextStream &out, QTextStream &err,
                  Disegnatore *disegnatore, bool avanzamento)
{
    argomenti::Argomenti a;
    if (!argomenti::leggi(args, a, err)) {
        err << argomenti::uso();
        return int(Stato::Errore);
    }
    if (a.aiuto) {
        out << argomenti::aiuto();
        return int(Stato::Calcolato);
    }
    if (a.versione) {
        out << "dimensionamento-motori-calc " << QCoreApplication::applicationVersion() << '\n';
        return int(Stato::Calcolato);
    }
    const auto &lavori = argomenti::lavori();
    const auto lavoro = std::find_if(lavori.begin(), lavori.end(),
                                     [&a](const Lavoro &l) { return l.nome == a.lavoro; });
    if (lavoro == lavori.end()) {
        err << "Lavoro sconosciuto: \"" << a.lavoro << "\"\n" << argomenti::uso();
        return int(Stato::Errore);
    }

    QStringList files;
    bool cartella = false;
    if (!elencaDati(a.dati, files, cartella, err))
        return int(Stato::Errore);
    // an output file holds the outputs of one data file
    const std::pair<QLatin1String, bool> uniche[] = {
        {QLatin1String("risultati"), !a.risultati.isEmpty()},
        {QLatin1String("grafico"), !a.grafici.empty()},
        {QLatin1String("stampa"), !a.stampa.isEmpty()},
        {QLatin1String("scheda"), !a.scheda.isEmpty()}};
    for (const auto &[opzione, data] : uniche)
        if (data && files.size() > 1) {
            err << "--" << opzione << " scrive un solo file: non vale con più file di dati.\n"
                << argomenti::uso();
            return int(Stato::Errore);
        }

    if (!usciteLibere(a, files, err))
        return int(Stato::Errore);

    // a list that cannot be used is a wrong call, found before anything is calculated
    verifica::Catalogo catalogo;
    QString lista;
    if (!a.catalogo.isEmpty()) {
        catalogo = verifica::leggiCatalogo(a.catalogo);
        if (!catalogo.errore.isEmpty()) {
            err << nomi::stampabile(catalogo.errore) << '\n';
            return int(Stato::Errore);
        }
        if (const QString avviso = catalogo.avviso(); !avviso.isEmpty())
            err << nomi::stampabile(avviso) << '\n';
        lista = QStringLiteral("Catalogo \"%1\"")
                    .arg(immissione::citazione(QFileInfo(a.catalogo).fileName(), 60));
    }

    const resoconto::Corsa corsa{a.lavoro, files.size() > 1 || cartella, a.verifica,
                                 !a.catalogo.isEmpty(), catalogo.motori};
    const std::unique_ptr<resoconto::Formato> formato = resoconto::formato(a.formato, corsa, out);
    const Comune comune{a,        lavoro->finestra,    catalogo.motori,        lista, disegnatore,
                        *formato, QDir::currentPath(), cartellaDatiProgramma()};
    Avanzamento progresso(err, avanzamento, files.size());
    Stato peggiore = Stato::Calcolato;
    qsizetype consegnati = 0;
    // a file's output, then its messages; false once standard output is lost
    const auto consegna = [&](resoconto::Pezzo &pezzo) {
        peggiore = std::max(peggiore, pezzo.esito);
        // standard output may be the same terminal: the progress line goes before a line of
        // it is written, and the line leaves its buffer before the progress comes back
        progresso.cancella();
        formato->scrivi(pezzo);
        if (progresso.terminale())
            out.flush();
        for (const QString &errore : std::as_const(pezzo.errori)) {
            progresso.cancella();
            if (corsa.intestazioni)
                err << nomi::stampabile(pezzo.nome) << ": ";
            err << nomi::stampabile(errore) << '\n';
        }
        progresso.passo(++consegnati);
        return out.status() == QTextStream::Ok;
    };
    // a few files are not worth the threads; a drawing is made on the calling thread, and only
    // a run of one data file draws
    const int fili = int(std::min<qsizetype>(QThread::idealThreadCount(), files.size() / 16));
    if (fili > 1) {
        calcolaInParallelo(comune, files, fili, consegna);
    } else {
        resoconto::Banco banco;
        for (const QString &nome : std::as_const(files)) {
            resoconto::Pezzo pezzo = calcola(comune, nome, banco);
            if (!consegna(pezzo))
                break;
        }
    }
    if (out.status() == QTextStream::Ok)
        formato->chiudi();
    out.flush();
    if (out.status() != QTextStream::Ok) {
        progresso.cancella();
        err << uscitaPersa(out) << '\n';
        return int(Stato::Errore);
    }
    return int(peggiore);
}

void preparaProcessoCalcolo()
{
    sistema::preparaProcesso();
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
}

int eseguiProgramma(QCoreApplication &app, int argc, char **argv, Disegnatore *disegnatore)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(DM_VERSIONE));
    traduzione::caricaQt(app);
    UscitaStandard uscita(1), errori(2);
    QTextStream out(&uscita);
    QTextStream err(&errori);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    // the arguments by their bytes: a file name that is not UTF-8 is opened as it was given
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << nomi::daByte(QByteArray(argv[i]));
    return eseguiCalcolo(args, out, err, disegnatore, isatty(STDERR_FILENO));
}
