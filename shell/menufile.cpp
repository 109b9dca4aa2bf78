#include "menufile.h"

#include "datafile.h"
#include "platform.h"

namespace menufile {

static void preparaDialogo(CommonDialog &dialog)
{
    dialog.Filter = datafile::filtro();
    dialog.FilterIndex = 1;
}

std::optional<QString> scegliApri(CommonDialog &dialog, FileDialogs &dialogs)
{
    preparaDialogo(dialog);
    if (!dialog.ShowOpen(dialogs))
        return std::nullopt;
    return dialog.FileName;
}

std::optional<QString> scegliSalva(CommonDialog &dialog, FileDialogs &dialogs)
{
    preparaDialogo(dialog);
    if (!dialog.ShowSave(dialogs))
        return std::nullopt;
    return dialog.FileName;
}

std::optional<QStringList> leggi(FormId owner, const QString &path, MessageBoxes &messages)
{
    datafile::ReadResult file = datafile::read(path);
    if (!file.ok) {
        messages.msgBox(owner, file.error, QStringLiteral("Apri File"));
        return std::nullopt;
    }
    return std::move(file.lines);
}

bool nuovoFile(CommonDialog &dialog, FileDialogs &dialogs, MessageBoxes &messages,
               const QString &title)
{
    preparaDialogo(dialog);
    return dialog.ShowSave(dialogs, true) &&
           scriviNuovo(dialog.owner(), dialog.FileName, messages, title);
}

bool scriviNuovo(FormId owner, const QString &path, MessageBoxes &messages, const QString &title)
{
    return scrivi(owner, path, {QStringLiteral("nuovo file")}, messages, title);
}

bool scrivi(FormId owner, const QString &path, const QStringList &lines, MessageBoxes &messages,
            const QString &title)
{
    const QString error = datafile::write(path, lines);
    if (error.isEmpty())
        return true;
    messages.msgBox(owner, error, title);
    return false;
}

bool salvaDati(FormId owner, const QString &path, const QStringList &testi,
               const NumberFormat &numbers, MessageBoxes &messages)
{
    const QStringList lines =
        QStringList{datafile::dateLine(numbers, QDateTime::currentDateTime())} + testi;
    return scrivi(owner, path, lines, messages, QStringLiteral("Salva File"));
}

} // namespace menufile
