#include "platform.h"

#include "immissione.h"

void MessageBoxes::msgDati(FormId owner, const QString &prompt)
{
    msgBox(owner, prompt, immissione::titolo());
}

bool CommonDialog::ShowOpen(FileDialogs &dialogs)
{
    const QString chosen = dialogs.showOpen(m_owner, Filter, FileName);
    if (chosen.isEmpty())
        return false;
    FileName = chosen;
    return true;
}

bool CommonDialog::ShowSave(FileDialogs &dialogs, bool confirmOverwrite)
{
    const QString chosen = dialogs.showSave(m_owner, Filter, FileName, confirmOverwrite);
    if (chosen.isEmpty())
        return false;
    FileName = chosen;
    return true;
}
