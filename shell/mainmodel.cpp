#include "mainmodel.h"

#include <algorithm>

MainModel::MainModel(Ambiente env, const QList<Lavoro> &lavori)
    : FormModel(FormId::mainForm, env,
                QStringLiteral("   Finestra principale - scelta del tipo di lavoro")),
      m_lavori(lavori)
{
    std::sort(m_lavori.begin(), m_lavori.end(),
              [](const Lavoro &a, const Lavoro &b) { return a.opzione < b.opzione; });
}

QList<Menu> MainModel::menu()
{
    // the jobs without an entry (the drum hoist, the utilities) open only from their options
    QList<VoceMenu> scelte;
    for (const Lavoro &lavoro : std::as_const(m_lavori))
        if (lavoro.voce)
            scelte.append({lavoro.voce->nome, lavoro.voce->testo, lavoro.voce->scorciatoia,
                           [this, id = lavoro.finestra] { apri(id); }});
    return {
        {QStringLiteral("mnuFile"),
         QStringLiteral("&File"),
         {{QStringLiteral("mnuExit"), QStringLiteral("&Esci"), QStringLiteral("Ctrl+F2"),
           [this] { mnuExit_Click(); }}}},
        {QStringLiteral("mnuChJob"), QStringLiteral("&Scelta lavoro"), scelte},
        {QStringLiteral("mnuHelp"),
         QStringLiteral("&Help"),
         {{QStringLiteral("mnuAiuto"), QStringLiteral("&Aiuto"), QStringLiteral("Ctrl+H"),
           [this] { mnuAiuto_Click(); }}}},
    };
}

QString MainModel::label1()
{
    return QStringLiteral("Programma per il dimensionamento automatico della potenza del motore, "
                          "in funzione del tipo di carico e del tipo di trasmissione");
}

QString MainModel::label2()
{
    return QStringLiteral("Lavori selezionabili:");
}

QString MainModel::framChWrk()
{
    return QStringLiteral("Selezione lavoro");
}

void MainModel::setOptChWrk(int index)
{
    m_selected = (index >= 0 && index < m_lavori.size()) ? index : -1;
    emit changed();
}

void MainModel::bntChWrk_Click()
{
    if (m_selected >= 0)
        apri(m_lavori.at(m_selected).finestra);
}
