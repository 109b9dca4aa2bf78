#pragma once
// The File menu of every calculator window: the common dialog set to the data file filter,
// and the open and save routines with their messages. A cancelled dialog does nothing.

#include <QStringList>
#include <optional>

class CommonDialog;
enum class FormId;
class FileDialogs;
class MessageBoxes;
class NumberFormat;

namespace menufile {

// The chosen file name, or nothing when the user cancels.
std::optional<QString> scegliApri(CommonDialog &dialog, FileDialogs &dialogs);
std::optional<QString> scegliSalva(CommonDialog &dialog, FileDialogs &dialogs);

// Every line of the data file, the date line first; nothing (after a message) when it cannot
// be read, so the caller touches no box.
std::optional<QStringList> leggi(FormId owner, const QString &path, MessageBoxes &messages);

// A new data file: the user names it in a save dialog that asks before replacing a file
// (emptying a file the user only meant to pick would lose it), then it holds the single line
// "nuovo file". False when cancelled or after a message titled `title`.
bool nuovoFile(CommonDialog &dialog, FileDialogs &dialogs, MessageBoxes &messages,
               const QString &title);
bool scriviNuovo(FormId owner, const QString &path, MessageBoxes &messages, const QString &title);

// Writes `lines` as they are; false after a message titled `title`.
bool scrivi(FormId owner, const QString &path, const QStringList &lines, MessageBoxes &messages,
            const QString &title);
// Writes the date line and then the box texts; false after a message.
bool salvaDati(FormId owner, const QString &path, const QStringList &testi,
               const NumberFormat &numbers, MessageBoxes &messages);

} // namespace menufile
