// The sizing sheet of a calculator's last successful "Calcola".

#include "calcolatrice.h"

#include "calcolo/numbers.h"
#include "scheda/componi.h"
#include "shell/variabili.h"

#include <QCoreApplication>

std::optional<scheda::Foglio> Calcolatrice::scheda(const Intestazione &intestazione,
                                                   const QDateTime &quando) const
{
    using namespace scheda;
    if (!calcolato())
        return std::nullopt;
    const NumberFormat &f = m_env.numeri;
    Foglio foglio{QStringLiteral("Verifica Dimensionamento Motori %1")
                      .arg(QCoreApplication::applicationVersion()),
                  tavola().caption.simplified(),
                  taglia(intestazione.cliente),
                  taglia(intestazione.progetto),
                  quando,
                  {}};
    if (const Figura disegno = figura(); !disegno.percorso.isEmpty())
        foglio.blocchi.push_back(disegno);

    foglio.blocchi.push_back(Titolo{QStringLiteral("Dati")});
    Tabella dati{{QStringLiteral("Dato"), QStringLiteral("Simbolo"), QStringLiteral("Valore"),
                  QStringLiteral("Unità")},
                 {0.45, 0.15, 0.25, 0.15},
                 {false, false, true, false},
                 {}};
    for (const Riga &r : righe())
        if (r.colonna == Colonna::Dati)
            dati.righe.push_back({r.nome, r.simbolo, taglia(m_testiCalcolati.value(r.box)),
                                  r.unita.trimmed().isEmpty() ? r.unitaScheda : r.unita.trimmed()});
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
