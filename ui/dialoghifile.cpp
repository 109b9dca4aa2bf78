#include "dialoghifile.h"

#include <QFileDialog>

namespace ui {

QIcon IconeDaNome::icon(const QFileInfo &info) const
{
    if (info.isDir())
        return icon(Folder);
    if (!info.isFile())
        return icon(File);
    const QMimeType type = m_mime.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), icon(File)));
}

QString IconeDaNome::type(const QFileInfo &info) const
{
    // Qt's provider would read a regular file to tell its type; the names of the other kinds
    // are missing from Qt's Italian translation
    if (info.isDir())
        return QStringLiteral("Cartella");
    if (!info.isFile())
        return QStringLiteral("File speciale");
    const QMimeType type = m_mime.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

std::unique_ptr<QFileDialog> dialogoFile(QWidget *parent, Dialogo tipo, const QString &filter,
                                         const QString &fileName, bool confermaSovrascrittura)
{
    const bool salva = tipo == Dialogo::Salva;
    auto dialog = std::make_unique<QFileDialog>(
        parent, salva ? QStringLiteral("Salva con nome") : QStringLiteral("Apri"), fileName,
        filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontUseCustomDirectoryIcons);
    // The dialog does not own its provider, and the thread that lists a folder may still ask
    // it while the dialog goes away: one provider for the program's life.
    static IconeDaNome *const provider = new IconeDaNome;
    dialog->setIconProvider(provider);
    dialog->setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !confermaSovrascrittura);
    return dialog;
}

} // namespace ui
