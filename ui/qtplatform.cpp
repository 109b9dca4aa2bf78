#include "qtplatform.h"

#include "widgets.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

void QtPlatform::msgBox(const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

QString QtPlatform::showOpen(const QString &filter, const QString &fileName)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Apri"),
                                        fileName, ui::qtFilter(filter));
}

QString QtPlatform::showSave(const QString &filter, const QString &fileName, bool confirmOverwrite)
{
    const QFileDialog::Options options =
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                        QStringLiteral("Salva con nome"), fileName,
                                        ui::qtFilter(filter), nullptr, options);
}

QString QtPlatform::stampaGrafico(const grafico::Disegno &)
{
    return QStringLiteral("Stampa non ancora disponibile.");
}

QString QtPlatform::stampaDocumento(const stampa::Documento &)
{
    return QStringLiteral("Stampa non ancora disponibile.");
}
