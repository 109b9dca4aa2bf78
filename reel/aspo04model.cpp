#include "aspo04model.h"

#include "rapporto.h"
#include "shell/platform.h"

#include <QDateTime>

void Aspo04Model::Form_Load()
{
    m_istruzioni = {
        QStringLiteral("  "),
        QStringLiteral(" "),
        QStringLiteral("                 Prima di stampare i risultati inserire:"),
        QStringLiteral("     "),
        QStringLiteral(
            "                                                         A) il nome del Cliente"),
        QStringLiteral(
            "                                                         B) il nome del progetto"),
    };
    emit changed();
}

QList<Menu> Aspo04Model::menu()
{
    return {{QStringLiteral("mnuFile"),
             QStringLiteral("&File"),
             {{QStringLiteral("mnuFileEsci"), QStringLiteral("&Esci"), QString(),
               [this] { mnuFileEsci_Click(); }}}},
            {QStringLiteral("mnuAiuto"),
             QStringLiteral("&Help"),
             {{QStringLiteral("mnuHelp"), QStringLiteral("&Help"), QString(),
               [this] { mnuHelp_Click(); }}}}};
}

void Aspo04Model::setText1(int i, const QString &text)
{
    if (m_text1.at(i) == text)
        return;
    m_text1.at(i) = text;
    emit changed();
}

void Aspo04Model::Command1_Click()
{
    // names are not checked: empty ones print as nothing
    const stampa::Documento doc =
        rapporto(m_env.var, m_text1[0], m_text1[1], QDateTime::currentDateTime(), m_env.numeri);
    const QString message = m_env.stampante.stampaDocumento(doc);
    if (!message.isEmpty())
        m_env.messaggi.msgBox(m_id, message, QStringLiteral("Stampa"));
}
