#include "qtplatform.h"

#include "chartpainter.h"
#include "widgets.h"
#include "reportpainter.h"

#include <QApplication>
#include <QPainter>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

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

QString QtPlatform::stampaGrafico(const grafico::Disegno &disegno)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return QStringLiteral("Nessuna stampante predefinita: impossibile stampare.");
    QPrinter printer(info);
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("Impossibile stampare sulla stampante predefinita.");
    // The window's image, as large as the page allows without distortion; painted at a
    // higher pixel ratio so that the enlarged lines and texts stay sharp.
    const QSize size(1024, 725);
    const QRectF page = painter.viewport();
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    const QImage image = immagineGrafico(disegno, size, std::clamp(scale, qreal(1), qreal(3)));
    const QSizeF target(size.width() * scale, size.height() * scale);
    painter.drawImage(QRectF(page.topLeft(), target), image);
    painter.end();
    return QString();
}

QString QtPlatform::stampaDocumento(const stampa::Documento &documento)
{
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull())
        return QStringLiteral("Nessuna stampante predefinita: impossibile stampare.");
    // the default printer with its own settings, no dialog
    QPrinter printer(predefinita);
    return stampaDocumentoSu(printer, documento);
}
