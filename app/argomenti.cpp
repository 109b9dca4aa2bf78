#include "app/argomenti.h"

#include "app/lavori.h"

#include "calcolo/numbers.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cmath>

namespace argomenti {

namespace {

const QString programma = QStringLiteral("dimensionamento-motori-calc");
// where the help's second column starts
constexpr int colonna = 28;

// "  NAME                      text", continuation lines under the text
QString voce(const QString &nome, const QStringList &testo)
{
    QString out;
    for (qsizetype i = 0; i < testo.size(); ++i)
        out += (i == 0 ? (QStringLiteral("  ") + nome).leftJustified(colonna)
                       : QString(colonna, QLatin1Char(' '))) +
               testo.at(i) + QLatin1Char('\n');
    return out;
}

QString sintassi()
{
    return QStringLiteral("Uso: %1 LAVORO FILE... | CARTELLA [OPZIONI]\n").arg(programma);
}

// "tamburo, tappeto, vite e traslazione"
QString elenco(const QStringList &nomi)
{
    if (nomi.size() < 2)
        return nomi.join(QString());
    return nomi.mid(0, nomi.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") +
           nomi.constLast();
}

// "  --catalogo FILE.csv      verifica ..." and its continuation lines
QString voceOpzione(const Opzione &o)
{
    return voce(QStringLiteral("--") + o.nome +
                    (o.valori.isEmpty() ? QString() : QLatin1Char(' ') + o.valori),
                o.aiuto);
}

// "Opzioni di ogni lavoro:", then "Opzioni di aspo:" and its lines for each set of jobs that
// has options, in the order of the first job of each set
QString opzioniPerLavoro()
{
    QString out = QStringLiteral("Opzioni di ogni lavoro:\n");
    for (const Opzione &o : opzioni())
        if (o.lavori.isEmpty() && !o.aiuto.isEmpty())
            out += voceOpzione(o);
    for (const Lavoro &l : lavori()) {
        QStringList gruppi; // the sets of jobs starting with this one, in the table's order
        for (const Opzione &o : opzioni())
            if (!o.lavori.isEmpty() && o.lavori.constFirst() == l.nome &&
                !gruppi.contains(o.lavori.join(u',')))
                gruppi << o.lavori.join(u',');
        for (const QString &gruppo : std::as_const(gruppi)) {
            QString righe;
            for (const Opzione &o : opzioni())
                if (o.lavori.join(u',') == gruppo && !o.aiuto.isEmpty())
                    righe += voceOpzione(o);
            out += QStringLiteral("Opzioni di %1:\n").arg(elenco(gruppo.split(u','))) + righe;
        }
    }
    return out;
}

// A limit of the motor check, written with a decimal comma as in the data files or with a
// point; false, after its message, when it is not a finite number in its range.
bool limite(const QCommandLineParser &p, const QString &nome, double &into, bool entro(double),
            const QString &campo, QTextStream &err)
{
    if (!p.isSet(nome))
        return true;
    const QString testo = p.value(nome);
    const std::optional<double> valore = numeroDecimale(testo.trimmed());
    if (valore && std::isfinite(*valore) && entro(*valore)) {
        into = *valore;
        return true;
    }
    err << "Valore non valido per --" << nome << ": \"" << testo << "\" (" << campo << ").\n";
    return false;
}

// A value option counts when it is given a value; a switch when it is given.
bool data(const QCommandLineParser &p, const Opzione &o)
{
    return o.valori.isEmpty() ? p.isSet(o.nome) : !p.value(o.nome).isEmpty();
}

} // namespace

const QList<Lavoro> &lavori()
{
    return lavori::tutti();
}

const std::vector<Opzione> &opzioni()
{
    static const std::vector<Opzione> tavola = [] {
        QStringList conVerifica;
        for (const Lavoro &l : lavori())
            if (l.verifica)
                conVerifica << l.nome;
        std::vector<Opzione> t{
            {QStringLiteral("formato"),
             QStringLiteral("testo|json|csv"),
             {},
             {QStringLiteral("formato dell'uscita: testo (predefinito), json (un oggetto"),
              QStringLiteral("JSON per file di dati, uno per riga) o csv (una riga per file"),
              QStringLiteral("di dati, una colonna per valore del calcolo)")}},
            {QStringLiteral("scheda"),
             QStringLiteral("OUT.pdf"),
             {},
             {QStringLiteral("scrive la scheda di calcolo in PDF (un solo file di dati)")}},
            {QStringLiteral("cliente"),
             QStringLiteral("TESTO"),
             {},
             {QStringLiteral("il cliente scritto nella scheda e nel rapporto")}},
            {QStringLiteral("progetto"),
             QStringLiteral("TESTO"),
             {},
             {QStringLiteral("il progetto scritto nella scheda e nel rapporto")}},
            {QStringLiteral("verifica"),
             QString(),
             conVerifica,
             {QStringLiteral("stampa le coppie del ciclo di lavoro, o della bobina (righe"),
              QStringLiteral("\"verifica: ...\")")}},
            {QStringLiteral("catalogo"),
             QStringLiteral("FILE.csv"),
             conVerifica,
             {QStringLiteral("verifica ogni motore del catalogo e sceglie il motore (righe"),
              QStringLiteral("\"motore: ...\" e \"motore scelto: ...\"); implica --verifica")}},
            {QStringLiteral("costanti-calcolatore"),
             QString(),
             conVerifica,
             {QStringLiteral("la verifica con le costanti del calcolatore (1504, 1054)"),
              QStringLiteral("invece della costante fisica 60 g / (2 pi)")}},
            {QStringLiteral("sicurezza"),
             QStringLiteral("K"),
             conVerifica,
             {QStringLiteral("fattore di sicurezza sulle coppie, almeno 1 (predefinito: 1);"),
              QStringLiteral("solo con --catalogo")}},
            {QStringLiteral("inerzia-max"),
             QStringLiteral("L"),
             conVerifica,
             {QStringLiteral("rapporto d'inerzia massimo, maggiore di 0 (predefinito: 10;"),
              QStringLiteral("per aspo nessuno: il rapporto non è verificato); solo con"),
              QStringLiteral("--catalogo")}},
        };
        for (const Lavoro &l : lavori())
            for (const OpzioneLotto &o : l.opzioni)
                t.push_back({o.nome, o.valori, {l.nome}, o.aiuto});
        return t;
    }();
    return tavola;
}

const QStringList &grafici()
{
    static const QStringList nomi{QStringLiteral("velocita"), QStringLiteral("tiro"),
                                  QStringLiteral("coppia-inerzia"), QStringLiteral("inerzia"),
                                  QStringLiteral("coppia-totale")};
    return nomi;
}

QString nomeOpzione(const QString &arg)
{
    if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-") ||
        arg == QLatin1String("--"))
        return QString();
    const QString senza = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
    return senza.section(QLatin1Char('='), 0, 0);
}

bool leggi(const QStringList &args, Argomenti &a, QTextStream &err)
{
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    p.addOption(QCommandLineOption(QStringLiteral("version")));
    for (const Opzione &o : opzioni())
        p.addOption(o.valori.isEmpty() ? QCommandLineOption(o.nome)
                                       : QCommandLineOption(o.nome, QString(), o.valori));
    // "--grafico NOME OUT.png" takes two values: they travel as one, split after parsing
    QStringList uniti;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        uniti << arg;
        if (nomeOpzione(arg) != QLatin1String("grafico"))
            continue;
        if (arg.contains(QLatin1Char('=')) && i + 1 < args.size()) {
            uniti.last() += QChar(0) + args.at(++i);
        } else if (!arg.contains(QLatin1Char('=')) && i + 2 < args.size()) {
            uniti << args.at(i + 1) + QChar(0) + args.at(i + 2);
            i += 2;
        }
    }
    if (!p.parse(QStringList{programma} + uniti)) {
        if (!p.unknownOptionNames().isEmpty())
            err << "Opzione sconosciuta: \"--" << p.unknownOptionNames().constFirst() << "\"\n";
        return false;
    }
    // a value left empty or an option given twice is a wrong call: the run would not do what
    // the line seems to say
    QStringList viste;
    for (const QString &nome : p.optionNames()) {
        const auto o = std::find_if(opzioni().begin(), opzioni().end(),
                                    [&nome](const Opzione &q) { return q.nome == nome; });
        if (o == opzioni().end() || o->nome == QLatin1String("grafico"))
            continue;
        if (viste.contains(nome)) {
            err << "--" << nome << " è data più di una volta.\n";
            return false;
        }
        viste << nome;
        if (!o->valori.isEmpty() && p.value(nome).isEmpty()) {
            err << "--" << nome << " non ha un valore.\n";
            return false;
        }
    }
    a.aiuto = p.isSet(QStringLiteral("help"));
    a.versione = p.isSet(QStringLiteral("version"));
    for (const QString &valore : p.values(QStringLiteral("grafico"))) {
        const QStringList parti = valore.split(QChar(0));
        if (parti.size() != 2)
            return false;
        if (parti.at(1).isEmpty()) {
            err << "--grafico non ha un file.\n";
            return false;
        }
        const int pulsante = int(grafici().indexOf(parti.at(0)));
        if (pulsante < 0) {
            err << "Grafico sconosciuto: \"" << parti.at(0) << "\"\n";
            return false;
        }
        a.grafici.emplace_back(pulsante, parti.at(1));
    }
    // the help and the version need no job and no file
    if (a.aiuto || a.versione)
        return true;
    const QStringList posizionali = p.positionalArguments();
    if (posizionali.size() < 2)
        return false;
    a.lavoro = posizionali.at(0);
    a.dati = posizionali.mid(1);
    if (a.dati.contains(QString())) {
        err << "Un file di dati senza nome.\n";
        return false;
    }
    // an option belongs to its jobs
    for (const Opzione &o : opzioni()) {
        if (!data(p, o) || o.lavori.isEmpty() || o.lavori.contains(a.lavoro))
            continue;
        const auto proprie = std::count_if(opzioni().begin(), opzioni().end(),
                                           [&o](const Opzione &q) { return q.lavori == o.lavori; });
        if (o.lavori.size() > 1)
            err << "--" << o.nome << " vale solo per i lavori " << elenco(o.lavori) << ".\n";
        else if (proprie > 1)
            err << "Le opzioni valgono solo per il lavoro " << o.lavori.constFirst() << ".\n";
        else
            err << "--" << o.nome << " vale solo per il lavoro " << o.lavori.constFirst() << ".\n";
        return false;
    }
    a.catalogo = p.value(QStringLiteral("catalogo"));
    // the limits weigh the motors of a list: without one they would be dropped in silence
    for (const QString &limite : {QStringLiteral("sicurezza"), QStringLiteral("inerzia-max")})
        if (p.isSet(limite) && a.catalogo.isEmpty()) {
            err << "--" << limite << " vale solo con --catalogo.\n";
            return false;
        }
    a.verifica = p.isSet(QStringLiteral("verifica")) || !a.catalogo.isEmpty();
    a.costantiCalcolatore = p.isSet(QStringLiteral("costanti-calcolatore"));
    // the job's own defaults and switches
    for (const Lavoro &l : lavori()) {
        if (l.nome != a.lavoro)
            continue;
        a.limiti = l.limiti;
        for (const OpzioneLotto &o : l.opzioni)
            if (o.valori.isEmpty() && p.isSet(o.nome))
                a.scelte << o.nome;
    }
    double inerziaMax = 0;
    if (!limite(p, QStringLiteral("sicurezza"), a.limiti.k, verifica::Limiti::sicurezzaValida,
                QStringLiteral("un numero non minore di 1"), err) ||
        !limite(p, QStringLiteral("inerzia-max"), inerziaMax, verifica::Limiti::inerziaValida,
                QStringLiteral("un numero maggiore di 0"), err))
        return false;
    if (p.isSet(QStringLiteral("inerzia-max")))
        a.limiti.lambdaMax = inerziaMax;
    if (p.isSet(QStringLiteral("formato"))) {
        const QString formato = p.value(QStringLiteral("formato"));
        const QStringList nomi{QStringLiteral("testo"), QStringLiteral("json"),
                               QStringLiteral("csv")};
        if (!nomi.contains(formato)) {
            err << "Valore non valido per --formato: \"" << formato << "\" (testo, json o csv).\n";
            return false;
        }
        a.formato = Formato(nomi.indexOf(formato));
    }
    a.risultati = p.value(QStringLiteral("risultati"));
    a.stampa = p.value(QStringLiteral("stampa"));
    a.scheda = p.value(QStringLiteral("scheda"));
    a.cliente = p.value(QStringLiteral("cliente"));
    a.progetto = p.value(QStringLiteral("progetto"));
    return true;
}

QString uso()
{
    QStringList nomi;
    for (const Lavoro &l : lavori())
        nomi << l.nome;
    return sintassi() + QStringLiteral("LAVORO: ") + nomi.join(QStringLiteral(", ")) +
           QLatin1Char('\n') + opzioniPerLavoro() +
           QStringLiteral("Aiuto completo: %1 --help\n").arg(programma);
}

QString aiuto()
{
    QString lavoriTesto;
    for (const Lavoro &l : lavori())
        lavoriTesto += voce(l.nome, {l.descrizione});
    return sintassi() + QStringLiteral("       %1 --help | --version\n").arg(programma) +
           QStringLiteral(
               "\n"
               "Esegue il calcolo del LAVORO sul file di dati FILE come la sua finestra (valori\n"
               "preimpostati, apertura del file, \"Immissione dati\", \"Calcola\") e stampa, una "
               "voce\n"
               "per riga, \"messaggio: TESTO\" per ogni messaggio sui dati, \"casella K: TESTO\" "
               "per\n"
               "ogni casella e \"risultato: TESTO\" per ogni riga dei risultati.\n"
               "Con più file, o con una CARTELLA (i suoi file *.txt in ordine di nome), calcola\n"
               "ogni file per conto suo e ne stampa le righe dopo una riga \"file: NOME\".\n"
               "\n"
               "Lavori:\n") +
           lavoriTesto + QLatin1Char('\n') + opzioniPerLavoro() + QLatin1Char('\n') +
           QStringLiteral("Altre opzioni:\n") +
           voce(QStringLiteral("-h, --help"), {QStringLiteral("mostra questo aiuto ed esce")}) +
           voce(QStringLiteral("--version"), {QStringLiteral("mostra la versione ed esce")}) +
           QStringLiteral("\n"
                          "Stato di uscita:\n"
                          "  0  calcolo eseguito\n"
                          "  1  dati non validi\n"
                          "  2  chiamata errata, oppure un file che non si può leggere o scrivere\n"
                          "Con più file di dati, lo stato peggiore tra quelli dei file.\n");
}

} // namespace argomenti
