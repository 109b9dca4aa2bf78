#include "mainmodel.h"

const std::array<MainModel::Lavoro, MainModel::Lavori> &MainModel::lavori()
{
    static const std::array<Lavoro, Lavori> table{{
        {QStringLiteral("Tappeto o convogliatore"), FormId::convayorForm},
        {QStringLiteral("Sollevamento con vite e madrevite"), FormId::Soll_vite_Form},
        {QStringLiteral("Spstamento orizzontale con vite e madrevite"), FormId::traslForm},
        {QStringLiteral("Aspo"), FormId::aspoForm},
        {QStringLiteral("Sollevamento con tamburo"), FormId::elevForm},
        {QStringLiteral("Utilità"), FormId::utilForm},
    }};
    return table;
}


QList<Menu> MainModel::menu()
{
    // no entry for the drum hoist or the utilities: those two open only from the options
    return {
        {QStringLiteral("mnuFile"), QStringLiteral("&File"),
         {{QStringLiteral("mnuExit"), QStringLiteral("&Esci"), QStringLiteral("Ctrl+F2"),
           [this] { mnuExit_Click(); }}}},
        {QStringLiteral("mnuChJob"), QStringLiteral("&Scelta lavoro"),
         {{QStringLiteral("mnuConv"), QStringLiteral("&Tappeto"), QStringLiteral("Ctrl+C"),
           [this] { mnuConv_Click(); }},
          {QStringLiteral("mnuSlvVi"), QStringLiteral("Sollevamento &Vite"), QStringLiteral("Ctrl+F"),
           [this] { mnuSlvVi_Click(); }},
          {QStringLiteral("mnuTralHor"), QStringLiteral("Spostamento &Orizzontale "),
           QStringLiteral("Ctrl+D"), [this] { mnuTralHor_Click(); }},
          {QStringLiteral("mnuAspo"), QStringLiteral("A&spo"), QStringLiteral("Ctrl+A"),
           [this] { mnuAspo_Click(); }}}},
        {QStringLiteral("mnuHelp"), QStringLiteral("&Help"),
         {{QStringLiteral("mnuAiuto"), QStringLiteral("&Aiuto"), QStringLiteral("Ctrl+H"),
           [this] { mnuAiuto_Click(); }}}},
    };
}

QString MainModel::label1()
{
    return QStringLiteral("Programma per il dimensionamento automatico della potenza del motore, "
                          "in funzione del tipo di carico e del tipo di trasmissione");
}

QString MainModel::label2() { return QStringLiteral("Lavori selezionabili:"); }

QString MainModel::framChWrk() { return QStringLiteral("Selezione lavoro"); }

void MainModel::setOptChWrk(int index)
{
    m_selected = (index >= 0 && index < Lavori) ? index : -1;
    emit changed();
}

void MainModel::bntChWrk_Click()
{
    // The options are tested in this fixed order; the first one selected wins.
    for (const int index : {0, 1, 4, 3, 2, 5}) {
        if (m_selected != index)
            continue;
        switch (index) {
        case 0: ApriTappeto(); break;
        case 1: ApriSollVite(); break;
        case 2: ApriTraslazione(); break;
        case 3: ApriAspo(); break;
        case 4: ApriTamburo(); break;
        case 5: ApriUtilita(); break;
        }
        return;
    }
}
