// The logic of dimensionamento-motori-calc: runs one calculation from a data file as a user
// would in the job's window (presets, open entry, "Immissione dati", "Calcola") and prints what
// the window shows. Same models, number locale, drawing and printing code as the windowed program.

#include "app/calcrunner.h"
#include "app/finestre.h"

#include "charts/grafmodel.h"
#include "conveyor/convmodel.h"
#include "hoist/elevmodel.h"
#include "reel/aspo04model.h"
#include "reel/aspomodel.h"
#include "reel/risaspomodel.h"
#include "screw/vitemodel.h"
#include "shell/platform.h"
#include "shell/programma.h"
#include "shell/datafile.h"
#include "shell/risultmodel.h"
#include "shell/traduzione.h"
#include "shell/variabili.h"
#include "util/utilmodel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <deque>

namespace {

enum Uscita { Calcolato = 0, DatiNonValidi = 1, ChiamataErrata = 2 };

// Message boxes about the data are printed as they appear; other messages (a file that
// cannot be read or written) go to standard error. The open dialog always picks the data
// file, the save dialog the next output file asked for; the printer is a PDF file.
class BatchPlatform : public MessageBoxes, public FileDialogs, public Stampante {
public:
    BatchPlatform(QTextStream &out, QTextStream &err, Disegnatore *disegnatore)
        : m_out(out), m_err(err), m_disegnatore(disegnatore)
    {
    }

    void msgBox(FormId, const QString &prompt, const QString &title) override
    {
        if (title == QLatin1String("Inserimento dati mancanti"))
            m_out << "messaggio: " << prompt << '\n';
        else
            m_err << prompt << '\n';
        m_errori += title != QLatin1String("Inserimento dati mancanti");
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

const char *const sintassi =
    "Uso: dimensionamento-motori-calc LAVORO FILE [OPZIONI]\n";

const char *const opzioni =
    "Opzioni di aspo:\n"
    "  --svolgitore              svolgitore (predefinito: avvolgitore)\n"
    "  --decelerazione           decelerazione (predefinito: accelerazione)\n"
    "  --risultati OUT.txt       scrive il file dei risultati\n"
    "  --grafico NOME OUT.png    scrive un grafico: velocita, tiro, inerzia, coppia-inerzia,\n"
    "                            coppia-totale (anche più volte)\n"
    "  --stampa OUT.pdf          scrive il rapporto in PDF, con --cliente TESTO --progetto TESTO\n"
    "Opzioni di utilita:\n"
    "  --cavo                    cilindro cavo (predefinito: cilindro pieno)\n";

// printed on standard error after a wrong call
const QString uso = QLatin1String(sintassi) +
                    QLatin1String("LAVORO: tamburo, tappeto, vite, traslazione, aspo, utilita\n") +
                    QString::fromUtf8(opzioni) +
                    QLatin1String("Aiuto completo: dimensionamento-motori-calc --help\n");

// printed on standard output by --help
const QString aiuto =
    QLatin1String(sintassi) +
    QString::fromUtf8(
        "       dimensionamento-motori-calc --help | --version\n"
        "\n"
        "Esegue il calcolo del LAVORO sul file di dati FILE come la sua finestra (valori\n"
        "preimpostati, apertura del file, \"Immissione dati\", \"Calcola\") e stampa, una voce\n"
        "per riga, \"messaggio: TESTO\" per ogni messaggio sui dati, \"casella K: TESTO\" per\n"
        "ogni casella e \"risultato: TESTO\" per ogni riga dei risultati.\n"
        "\n"
        "Lavori:\n"
        "  tamburo                   sollevamento con tamburo\n"
        "  tappeto                   tappeto o convogliatore\n"
        "  vite                      sollevamento con vite e madrevite\n"
        "  traslazione               spostamento orizzontale con vite e madrevite\n"
        "  aspo                      aspo avvolgitore o svolgitore\n"
        "  utilita                   momento d'inerzia di un cilindro pieno o cavo\n"
        "\n") +
    QString::fromUtf8(opzioni) +
    QString::fromUtf8(
        "\n"
        "Altre opzioni:\n"
        "  -h, --help                mostra questo aiuto ed esce\n"
        "  --version                 mostra la versione ed esce\n"
        "\n"
        "Stato di uscita:\n"
        "  0  calcolo eseguito\n"
        "  1  dati non validi\n"
        "  2  chiamata errata, oppure un file che non si può leggere o scrivere\n");

struct Argomenti {
    QString lavoro, file;
    bool svolgitore = false, decelerazione = false, cavo = false;
    bool aiuto = false, versione = false;
    QString risultati, stampa, cliente, progetto;
    std::vector<std::pair<int, QString>> grafici; // chart button, image file
};

// the chart names of the command line, in the order of the results window's buttons
int pulsanteGrafico(const QString &nome)
{
    const QStringList nomi{QStringLiteral("velocita"), QStringLiteral("tiro"),
                           QStringLiteral("coppia-inerzia"), QStringLiteral("inerzia"),
                           QStringLiteral("coppia-totale")};
    return int(nomi.indexOf(nome));
}

bool leggiArgomenti(const QStringList &args, Argomenti &a, QTextStream &err)
{
    QStringList posizionali;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        auto valore = [&](QString &into) {
            if (i + 1 >= args.size())
                return false;
            into = args.at(++i);
            return true;
        };
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            a.aiuto = true;
        } else if (arg == QLatin1String("--version")) {
            a.versione = true;
        } else if (arg == QLatin1String("--svolgitore")) {
            a.svolgitore = true;
        } else if (arg == QLatin1String("--cavo")) {
            a.cavo = true;
        } else if (arg == QLatin1String("--decelerazione")) {
            a.decelerazione = true;
        } else if (arg == QLatin1String("--risultati")) {
            if (!valore(a.risultati))
                return false;
        } else if (arg == QLatin1String("--stampa")) {
            if (!valore(a.stampa))
                return false;
        } else if (arg == QLatin1String("--cliente")) {
            if (!valore(a.cliente))
                return false;
        } else if (arg == QLatin1String("--progetto")) {
            if (!valore(a.progetto))
                return false;
        } else if (arg == QLatin1String("--grafico")) {
            QString nome, png;
            if (!valore(nome) || !valore(png))
                return false;
            const int pulsante = pulsanteGrafico(nome);
            if (pulsante < 0) {
                err << "Grafico sconosciuto: \"" << nome << "\"\n";
                return false;
            }
            a.grafici.emplace_back(pulsante, png);
        } else if (arg.startsWith(QLatin1String("--"))) {
            err << "Opzione sconosciuta: \"" << arg << "\"\n";
            return false;
        } else {
            posizionali << arg;
        }
    }
    // the help and the version need no job and no file
    if (a.aiuto || a.versione)
        return true;
    if (posizionali.size() != 2)
        return false;
    a.lavoro = posizionali.at(0);
    a.file = posizionali.at(1);
    const bool opzioniAspo = a.svolgitore || a.decelerazione || !a.risultati.isEmpty() ||
                             !a.stampa.isEmpty() || !a.grafici.empty() || !a.cliente.isEmpty() ||
                             !a.progetto.isEmpty();
    if (opzioniAspo && a.lavoro != QLatin1String("aspo")) {
        err << "Le opzioni valgono solo per il lavoro aspo.\n";
        return false;
    }
    if (a.cavo && a.lavoro != QLatin1String("utilita")) {
        err << "--cavo vale solo per il lavoro utilita.\n";
        return false;
    }
    return true;
}

// The linear calculators: open the file, enter the data, compute, show the result window.
template <class Modello>
int lineare(Programma &programma, FormId id, QTextStream &out, QTextStream &err)
{
    programma.openForm(id);
    auto *form = programma.form<Modello>(id);
    if (!form->mnuFileApri_Click())
        return ChiamataErrata;
    form->btnInseDat_Click();
    bool calcolato = false;
    if (programma.var().flgDatiOk == flag::True) {
        form->btnCalcola_Click();
        calcolato = programma.isLoaded(FormId::frmRisult);
        if (!calcolato)
            err << form->statusLabel().testo << '\n';
    }
    for (int k = 0; k < Modello::Caselle; ++k)
        out << "casella " << k << ": " << form->txtInDat(k) << '\n';
    if (auto *risultato = programma.form<RisultModel>(FormId::frmRisult))
        for (const int i : {0, 2, 1})
            out << "risultato: " << risultato->Label8()[i] << '\n';
    return calcolato ? Calcolato : DatiNonValidi;
}

// The cylinder utility has no file menu: its file holds the date line and the four inputs.
int utilita(Programma &programma, bool cavo, const QString &file, QTextStream &out,
            QTextStream &err)
{
    programma.openForm(FormId::utilForm);
    auto *form = programma.form<UtilModel>(FormId::utilForm);
    if (cavo)
        form->mnuJ_Cil_Cavo_Click();
    if (!form->apriFile(file))
        return ChiamataErrata;
    form->btnInDat_Click();
    bool calcolato = false;
    if (programma.var().flgDatiOk == flag::True) {
        form->btnCalcola_Click();
        calcolato = !form->txtOutDat().isEmpty();
        if (!calcolato)
            err << form->statusLabel().testo.trimmed() << '\n';
    }
    for (int k = 0; k < UtilModel::Caselle; ++k)
        out << "casella " << k << ": " << form->txtInDat(k) << '\n';
    if (calcolato)
        out << "risultato: " << form->txtOutDat() << '\n';
    return calcolato ? Calcolato : DatiNonValidi;
}

int aspo(Programma &programma, BatchPlatform &platform, Disegnatore *disegnatore,
         const Argomenti &a, QTextStream &out, QTextStream &err)
{
    programma.openForm(FormId::aspoForm);
    auto *form = programma.form<AspoModel>(FormId::aspoForm);
    form->setOpt_avv(!a.svolgitore);
    form->setOpt_acc(!a.decelerazione);
    if (!form->mnuFileApri_Click())
        return ChiamataErrata;
    form->btnInseDat_Click();
    bool calcolato = false;
    bool scritto = true;
    if (programma.var().flgDatiOk == flag::True) {
        form->btnCalcola_Click();
        calcolato = programma.isLoaded(FormId::frmRris_aspo);
        if (!calcolato)
            err << form->Label15().testo.trimmed() << '\n';
    }
    if (calcolato) {
        const int prima = platform.errori();
        if (!a.risultati.isEmpty()) {
            platform.salvataggi = {QFileInfo(a.risultati).absoluteFilePath()};
            form->mnusalva_ris_Click();
        }
        auto *sintesi = programma.form<RisAspoModel>(FormId::frmRris_aspo);
        for (const auto &[pulsante, png] : a.grafici) {
            sintesi->grafico_Click(pulsante);
            auto *graf = programma.form<GrafModel>(FormId::frmGraf);
            // encoded whole in memory, then saved like a data file: a failed save keeps
            // the picture that was there
            const QByteArray bytes = disegnatore ? disegnatore->png(graf->disegno()) : QByteArray();
            if (bytes.isEmpty()) {
                err << "Impossibile scrivere il grafico \"" << png << "\"\n";
                scritto = false;
            } else if (const QString errore = datafile::writeBytes(png, bytes); !errore.isEmpty()) {
                err << errore << '\n';
                scritto = false;
            }
            graf->mnu_file_esci_Click();
        }
        if (!a.stampa.isEmpty()) {
            platform.pdf = QFileInfo(a.stampa).absoluteFilePath();
            form->mnustampa_ris_Click();
            auto *report = programma.form<Aspo04Model>(FormId::ASPO04);
            report->setText1(0, a.cliente);
            report->setText1(1, a.progetto);
            report->Command1_Click();
        }
        scritto = scritto && platform.errori() == prima;
    }
    for (int k = 0; k < AspoModel::Caselle; ++k)
        out << "casella " << k << ": " << form->txtInDat(k) << '\n';
    if (auto *sintesi = programma.form<RisAspoModel>(FormId::frmRris_aspo))
        for (const QString &line : sintesi->Label1())
            out << "risultato: " << line << '\n';
    if (!calcolato)
        return DatiNonValidi;
    return scritto ? Calcolato : ChiamataErrata;
}

} // namespace

bool chiedeDisegni(const QStringList &args)
{
    return args.contains(QLatin1String("--grafico")) || args.contains(QLatin1String("--stampa"));
}

int eseguiCalcolo(const QStringList &args, QTextStream &out, QTextStream &err,
                  Disegnatore *disegnatore)
{
    Argomenti a;
    if (!leggiArgomenti(args, a, err)) {
        err << uso;
        return ChiamataErrata;
    }
    if (a.aiuto) {
        out << aiuto;
        return Calcolato;
    }
    if (a.versione) {
        out << "dimensionamento-motori-calc " << QCoreApplication::applicationVersion() << '\n';
        return Calcolato;
    }
    const QStringList lavori{QStringLiteral("tamburo"), QStringLiteral("tappeto"),
                             QStringLiteral("vite"),    QStringLiteral("traslazione"),
                             QStringLiteral("aspo"),    QStringLiteral("utilita")};
    if (!lavori.contains(a.lavoro)) {
        err << "Lavoro sconosciuto: \"" << a.lavoro << "\"\n" << uso;
        return ChiamataErrata;
    }

    const NumberFormat numbers;
    BatchPlatform platform(out, err, disegnatore);
    platform.fileDati = QFileInfo(a.file).absoluteFilePath();
    Programma programma(platform, platform, platform, numbers);
    registraModelli(programma);
    if (a.lavoro == QLatin1String("aspo"))
        return aspo(programma, platform, disegnatore, a, out, err);
    if (a.lavoro == QLatin1String("utilita"))
        return utilita(programma, a.cavo, platform.fileDati, out, err);
    if (a.lavoro == QLatin1String("tappeto"))
        return lineare<ConvModel>(programma, FormId::convayorForm, out, err);
    if (a.lavoro == QLatin1String("vite"))
        return lineare<ViteModel>(programma, FormId::Soll_vite_Form, out, err);
    if (a.lavoro == QLatin1String("traslazione"))
        return lineare<ViteModel>(programma, FormId::traslForm, out, err);
    return lineare<ElevModel>(programma, FormId::elevForm, out, err);
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
