#include "componi.h"

#include "calcolo/numbers.h"
#include "shell/variabili.h"
#include "verifica/graficociclo.h"
#include "verifica/testi.h"

#include <QRegularExpression>

namespace scheda {

namespace {

// How the page names the colour of a chart's line.
QString nomeColore(Colore c)
{
    namespace g = verifica::coloriGrafico;
    const std::pair<Colore, const char *> nomi[] = {
        {g::coppia, "blu"},    {g::efficace, "verde"},      {g::nominale, "arancio"},
        {g::massima, "rosso"}, {g::accelerazione, "viola"}, {g::decelerazione, "ciano"}};
    for (const auto &[colore, nome] : nomi)
        if (colore == c)
            return QString::fromUtf8(nome);
    return QString();
}

} // namespace

Tabella tabellaValori(const QList<Grandezza> &grandezze, const NumberFormat &f)
{
    Tabella t{{QStringLiteral("Nome"), QStringLiteral("Valore usato nel calcolo"),
               QStringLiteral("Unità")},
              {0.3, 0.35, 0.35},
              {false, true, false},
              {}};
    for (const Grandezza &g : grandezze)
        if (!g.risultato())
            t.righe.push_back({g.nome, f.completo(g.valore), g.unita});
    return t;
}

Tabella tabellaRisultati(const QList<Grandezza> &grandezze, const NumberFormat &f)
{
    Tabella t{{QStringLiteral("Risultato"), QStringLiteral("Formula"), QStringLiteral("Valore"),
               QStringLiteral("In finestra"), QStringLiteral("Unità"), QStringLiteral("N·m")},
              {0.11, 0.38, 0.21, 0.11, 0.08, 0.11},
              {false, false, true, true, false, true},
              {}};
    // the formula's constants with the decimal separator of every other number on the sheet
    static const QRegularExpression costante(QStringLiteral("(\\d)\\.(\\d)"));
    const QString decimale =
        QStringLiteral("\\1") + f.locale().decimalPoint() + QStringLiteral("\\2");
    for (const Grandezza &g : grandezze)
        if (g.risultato())
            t.righe.push_back({g.nome, QString(g.formula).replace(costante, decimale),
                               f.completo(g.valore), g.mostrato, g.unita,
                               g.coppia ? f.picture(g.valore * verifica::newtonMetriPerKgm,
                                                    QStringLiteral("##0.00"))
                                        : QString()});
    return t;
}

void aggiungiVerifica(Foglio &foglio, const Variabili &v, const NumberFormat &f)
{
    if (!v.carico || !v.controllo)
        return;
    const verifica::Carico &carico = *v.carico;
    const verifica::Controllo &k = *v.controllo;
    foglio.blocchi.push_back(Titolo{QStringLiteral("Verifica motore")});
    QStringList righe;
    if (const auto *c = std::get_if<verifica::Ciclo>(&carico)) {
        const auto tempo = [&f](double s) {
            return verifica::cifra(s, QStringLiteral("##0.0##"), f);
        };
        righe
            << QStringLiteral("Ciclo di lavoro: t0 = %1 s, Tac = %2 s, Tdec = %3 s, tf = %4 s")
                   .arg(tempo(c->T0), tempo(c->Tac), tempo(c->Tdec), tempo(c->Tf))
            << QStringLiteral(
                   "Coppia di carico = %1; coppia d'inerzia del calcolatore = %2; Jtot = %3 kgm^2; "
                   "Jm = %4 kgm^2; Wm = %5 rpm")
                   .arg(verifica::coppia(c->Ccarico, f), verifica::coppia(c->Cinerzia, f),
                        f.general(c->Jtot), f.general(c->Jm),
                        verifica::cifra(c->Wm, QStringLiteral("##0.0#"), f));
    } else {
        const auto &b = std::get<verifica::Bobina>(carico);
        righe << QStringLiteral(
                     "Bobina: %1 diametri da %2 a %3 m; tacc = %4 s, tdec = %5 s; Jmot = %6 kgm^2")
                     .arg(verifica::diametri)
                     .arg(verifica::cifra(b.diametro.front(), QStringLiteral("##0.000"), f),
                          verifica::cifra(b.diametro.back(), QStringLiteral("##0.000"), f),
                          verifica::cifra(b.tacc, QStringLiteral("##0.0##"), f),
                          verifica::cifra(b.tdec, QStringLiteral("##0.0##"), f), f.general(b.Jmot));
    }
    righe << QStringLiteral("Fattore di sicurezza ") + verifica::limiti(k.limiti, f)
          << verifica::costante(carico, k.costante, f)
          << QStringLiteral("Con il motore del calcolo (Jm):");
    righe += verifica::righe(carico, verifica::studia(carico, k.costante), f);
    foglio.blocchi.push_back(Testo{righe});

    // the chart with the chosen motor, or the one checked
    const std::optional<std::size_t> mostrato = verifica::motoreDelGrafico(k.motori, k.confronto);
    const verifica::Studio studio =
        mostrato ? k.confronto.esami[*mostrato].studio : verifica::studia(carico, k.costante);
    const verifica::Motore *motore = mostrato ? &k.motori[*mostrato] : nullptr;
    foglio.blocchi.push_back(Grafico{
        verifica::grafico(carico, studio, motore, f), verifica::larghezzaGrafico,
        verifica::altezzaGrafico,
        verifica::aspo(carico) ? QStringLiteral("Coppie della bobina e del motore per velocità")
                               : QStringLiteral("Coppia del motore in un ciclo di lavoro")});
    // the window gives the colours beside the chart; the page, under it
    QStringList chiave;
    for (const auto &[nome, colore] : verifica::legenda(carico, motore != nullptr))
        chiave << nome + QStringLiteral(": ") + nomeColore(colore);
    foglio.blocchi.push_back(
        Testo{{chiave.join(QStringLiteral("; ")) +
               (motore ? QStringLiteral(" (motore %1).").arg(taglia(motore->nome))
                       : QStringLiteral("."))}});
    if (motore)
        foglio.blocchi.push_back(
            Testo{{taglia(verifica::nomeMotore(motore->nome)) + QStringLiteral(": ") +
                       verifica::datiMotore(*motore, f),
                   verifica::governa(carico, k.confronto.esami[*mostrato], f)}});

    if (k.confronto.esami.empty())
        return;
    const std::array<QString, 7> titoli = verifica::intestazioni(carico);
    Tabella t{QStringList(titoli.begin(), titoli.end()),
              {0.26, 0.1, 0.1, 0.1, 0.1, 0.1, 0.24},
              {false, true, true, true, true, true, false},
              {}};
    // a list of thousands would fill thousands of pages: the chosen motor and the best others
    const std::vector<std::size_t> riportati =
        verifica::motoriDelFoglio(k.motori, k.confronto, motoriRiportati);
    for (const std::size_t i : riportati) {
        const verifica::RigaTabella r = verifica::rigaTabella(k.motori, k.confronto, i, f);
        t.righe.push_back(
            {taglia(r.motore), r.potenza, r.uso[0], r.uso[1], r.uso[2], r.uso[3], r.esito});
    }
    if (!k.lista.isEmpty())
        foglio.blocchi.push_back(
            Testo{{taglia(k.lista) + QStringLiteral(": uso in percentuale del motore")}, true});
    foglio.blocchi.push_back(std::move(t));
    if (const std::size_t altri = k.motori.size() - riportati.size(); altri > 0)
        foglio.blocchi.push_back(
            Testo{{QStringLiteral("altri %1 motori non riportati").arg(altri)}});
}

} // namespace scheda
