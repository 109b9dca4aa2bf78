#include "aiutomodel.h"

#include <QFile>

AiutoModel::AiutoModel(FormId id, Ambiente env)
    : FormModel(id, env,
                id == FormId::aiutoForm ? QStringLiteral("Aiuto")
                                        : QStringLiteral("Aiuto per sollevamento con tampburo"))
{
}

QString AiutoModel::documento() const
{
    return m_id == FormId::aiutoForm ? QStringLiteral(":/shell/aiuto.html")
                                     : QStringLiteral(":/shell/aiuto_tamburo.html");
}

QString AiutoModel::testo() const
{
    QFile file(documento());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString AiutoModel::esciMenuCaption() const
{
    return m_id == FormId::aiutoForm ? QStringLiteral("&Esci") : QStringLiteral("E&sci");
}

QList<Menu> AiutoModel::menu()
{
    const VoceMenu esci = hasEsciButton() ? VoceMenu{QStringLiteral("mnuEsci"), esciMenuCaption(),
                                                     QString(), [this] { mnuEsci_Click(); }}
                                          : VoceMenu{QStringLiteral("mnuExit"), esciMenuCaption(),
                                                     QString(), [this] { mnuExit_Click(); }};
    return {{QStringLiteral("mnuFile"), QStringLiteral("&File"), {esci}}};
}
