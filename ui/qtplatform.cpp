#include "qtplatform.h"

#include "chartpainter.h"
#include "dialoghifile.h"
#include "reportpainter.h"
#include "schedapainter.h"
#include "widgethost.h"
#include "widgets.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

QWidget *QtPlatform::finestra(FormId owner) const
{
    // a window that has gone (or was never shown) leaves the box to the active window
    QWidget *view = m_viste ? m_viste->view(owner) : nullptr;
    return view && view->isVisible() ? view : QApplication::activeWindow();
}

void QtPlatform::msgBox(FormId owner, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, finestra(owner));
    box.exec();
}

QString QtPlatform::scegli(FormId owner, bool salva, const QString &filter, const QString &fileName,
                           bool confirmOverwrite)
{
    const auto dialog =
        ui::dialogoFile(finestra(owner), salva ? ui::Dialogo::Salva : ui::Dialogo::Apri,
                        ui::qtFilter(filter), fileName, confirmOverwrite);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

QString QtPlatform::showOpen(FormId owner, const QString &filter, const QString &fileName)
{
    return scegli(owner, false, filter, fileName, false);
}

QString QtPlatform::showSave(FormId owner, const QString &filter, const QString &fileName,
                             bool confirmOverwrite)
{
    return scegli(owner, true, filter, fileName, confirmOverwrite);
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
    return stampaDocumentoSu(printer, documento, printer.printerName());
}

QString QtPlatform::esportaScheda(const scheda::Foglio &foglio, const QString &path)
{
    return scriviSchedaPdf(foglio, path);
}

std::optional<Intestazione> QtPlatform::chiediIntestazione(FormId owner, const Intestazione &preset)
{
    QDialog dialog(finestra(owner));
    dialog.setWindowTitle(QStringLiteral("Esporta scheda PDF"));
    dialog.setObjectName(QStringLiteral("dlgIntestazione"));
    auto *cliente = new QLineEdit(preset.cliente, &dialog);
    auto *progetto = new QLineEdit(preset.progetto, &dialog);
    cliente->setObjectName(QStringLiteral("txtCliente"));
    progetto->setObjectName(QStringLiteral("txtProgetto"));
    for (QLineEdit *box : {cliente, progetto})
        box->setMinimumWidth(320);
    auto *form = new QFormLayout(&dialog);
    form->addRow(new QLabel(QStringLiteral("Intestazione della scheda (facoltativa)"), &dialog));
    form->addRow(QStringLiteral("&Cliente:"), cliente);
    form->addRow(QStringLiteral("&Progetto:"), progetto);
    auto *pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(pulsanti);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Intestazione{cliente->text().trimmed(), progetto->text().trimmed()};
}
