#include "componi.h"

#include "shell/calcolatrice.h"
#include "shell/numbers.h"
#include "shell/variabili.h"
#include "verifica/graficociclo.h"
#include "verifica/testi.h"

#include <QCoreApplication>

namespace scheda {

Tabella tabellaValori(const QList<Grandezza> &grandezze, const NumberFormat &f)
{
    Tabella t{{QStringLiteral("Nome"), QStringLiteral("Valore usato nel calcolo"), QStringLiteral("Unità")},
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
    for (const Grandezza &g : grandezze)
        if (g.risultato())
            t.righe.push_back({g.nome, g.formula, f.completo(g.valore), g.mostrato, g.unita,
                               g.coppia ? f.picture(g.valore * verifica::newtonMetriPerKgm,
                                                    QStringLiteral("##0.00"))
                                        : QString()});
    return t;
}

void aggiungiVerifica(Foglio &foglio, const Variabili &v, const NumberFormat &f)
{
    if (!v.ciclo || !v.controllo)
        return;
    const verifica::Ciclo &c = *v.ciclo;
    const verifica::Controllo &k = *v.controllo;
    foglio.blocchi.push_back(Titolo{QStringLiteral("Verifica motore")});
    const auto tempo = [&f](double s) { return verifica::cifra(s, QStringLiteral("##0.0##"), f); };
    QStringList righe{
        QStringLiteral("Ciclo di lavoro: t0 = %1 s, Tac = %2 s, Tdec = %3 s, tf = %4 s")
            .arg(tempo(c.T0), tempo(c.Tac), tempo(c.Tdec), tempo(c.Tf)),
        QStringLiteral("Coppia di carico = %1; coppia d'inerzia = %2; Jtot = %3 kgm^2; Jm = %4 kgm^2; Wm = %5 rpm")
            .arg(verifica::coppia(c.Ccarico, f), verifica::coppia(c.Cinerzia, f), f.general(c.Jtot),
                 f.general(c.Jm), verifica::cifra(c.Wm, QStringLiteral("##0.0#"), f)),
        QStringLiteral("Fattore di sicurezza k = %1; rapporto d'inerzia massimo λmax = %2")
            .arg(f.completo(k.limiti.k), f.completo(k.limiti.lambdaMax)),
        QStringLiteral("Con il motore del calcolo (Jm):")};
    righe += verifica::righeCiclo(verifica::analizza(c), f);
    foglio.blocchi.push_back(Testo{righe});

    // the chart with the chosen motor, or the one checked
    const std::optional<std::size_t> mostrato = verifica::motoreDelGrafico(k.motori, k.confronto);
    const verifica::Analisi analisi =
        mostrato ? k.confronto.esami[*mostrato].analisi : verifica::analizza(c);
    foglio.blocchi.push_back(Grafico{
        verifica::graficoCiclo(c, analisi, mostrato ? &k.motori[*mostrato] : nullptr, f),
        verifica::larghezzaGrafico, verifica::altezzaGrafico,
        QStringLiteral("Coppia del motore in un ciclo di lavoro")});
    // the window gives the colours beside the chart; the page, under it
    foglio.blocchi.push_back(Testo{{mostrato ? QStringLiteral("Blu: coppia del motore; verde: coppia efficace Ceff; "
                                                              "arancio: coppia nominale Cn; rosso: coppia massima Cmax "
                                                              "di %1.").arg(taglia(k.motori[*mostrato].nome))
                                             : QStringLiteral("Blu: coppia del motore; verde: coppia efficace Ceff.")}});

    if (k.confronto.esami.empty())
        return;
    Tabella t{{QStringLiteral("Motore"), QStringLiteral("Pn [kW]"), QStringLiteral("Picco"),
               QStringLiteral("Efficace"), QStringLiteral("Velocità"), QStringLiteral("Inerzia"),
               QStringLiteral("Esito")},
              {0.26, 0.1, 0.1, 0.1, 0.1, 0.1, 0.24},
              {false, true, true, true, true, true, false},
              {}};
    // a list of thousands would fill thousands of pages: the chosen motor and the best others
    const std::vector<std::size_t> riportati = verifica::motoriDelFoglio(k.motori, k.confronto, motoriRiportati);
    for (const std::size_t i : riportati) {
        const verifica::RigaTabella r = verifica::rigaTabella(k.motori, k.confronto, i, f);
        t.righe.push_back({taglia(r.motore), r.potenza, r.uso[0], r.uso[1], r.uso[2], r.uso[3], r.esito});
    }
    if (!k.lista.isEmpty())
        foglio.blocchi.push_back(Testo{{taglia(k.lista) + QStringLiteral(": uso in percentuale del motore")}});
    foglio.blocchi.push_back(std::move(t));
    if (const std::size_t altri = k.motori.size() - riportati.size(); altri > 0)
        foglio.blocchi.push_back(Testo{{QStringLiteral("altri %1 motori non riportati").arg(altri)}});
}

} // namespace scheda

std::optional<scheda::Foglio> Calcolatrice::scheda(const scheda::Intestazione &intestazione,
                                                   const QDateTime &quando) const
{
    using namespace scheda;
    if (!calcolato())
        return std::nullopt;
    const NumberFormat &f = m_env.numeri;
    Foglio foglio{QStringLiteral("Verifica Dimensionamento Motori %1").arg(QCoreApplication::applicationVersion()),
                  tavola().caption.simplified(), taglia(intestazione.cliente), taglia(intestazione.progetto),
                  quando, {}};
    if (const Figura disegno = figura(); !disegno.percorso.isEmpty())
        foglio.blocchi.push_back(disegno);

    foglio.blocchi.push_back(Titolo{QStringLiteral("Dati")});
    Tabella dati{{QStringLiteral("Dato"), QStringLiteral("Simbolo"), QStringLiteral("Valore"), QStringLiteral("Unità")},
                 {0.45, 0.15, 0.25, 0.15},
                 {false, false, true, false},
                 {}};
    for (const Riga &r : righe())
        if (r.colonna == Colonna::Dati)
            dati.righe.push_back({r.nome, r.simbolo, taglia(m_testiCalcolati.value(r.box)), r.unita.trimmed()});
    foglio.blocchi.push_back(std::move(dati));

    foglio.blocchi.push_back(Titolo{QStringLiteral("Valori usati nel calcolo")});
    foglio.blocchi.push_back(tabellaValori(m_grandezze, f));
    foglio.blocchi.push_back(Titolo{QStringLiteral("Risultati")});
    foglio.blocchi.push_back(tabellaRisultati(m_grandezze, f));
    completaScheda(foglio);
    if (m_env.var.cicloDi == caption())
        aggiungiVerifica(foglio, m_env.var, f);
    return foglio;
}
