#pragma once
// The program's open and save dialogs: Qt's own dialog (so its texts follow the program's
// Italian translation on every desktop), modal over the window that asks, and listing a folder
// without ever reading the files in it. Types and icons come from the names alone: a folder of
// devices, pipes or endless files such as /proc lists at once, where sniffing the content of
// /proc/kmsg would block the program for good.

#include <QFileIconProvider>
#include <QMimeDatabase>

#include <memory>

class QFileDialog;
class QWidget;

namespace ui {

class IconeDaNome : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QMimeDatabase m_mime;
};

enum class Dialogo { Apri, Salva };

// filter in Qt's form ("File di testo (*.txt)"); fileName the name to start from, which may
// hold a folder. A save dialog asks before replacing a file when `confermaSovrascrittura`.
std::unique_ptr<QFileDialog> dialogoFile(QWidget *parent, Dialogo tipo, const QString &filter,
                                         const QString &fileName, bool confermaSovrascrittura);

} // namespace ui
