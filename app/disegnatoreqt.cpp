#include "app/disegnatoreqt.h"

#include "ui/chartpainter.h"
#include "ui/reportpainter.h"
#include "ui/schedapainter.h"

#include <QBuffer>

QByteArray DisegnatoreQt::png(const grafico::Disegno &disegno)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!immagineGrafico(disegno).save(&buffer, "PNG"))
        return QByteArray();
    return bytes;
}

QString DisegnatoreQt::pdf(const stampa::Documento &documento, const QString &path)
{
    return stampaDocumentoPdf(documento, path);
}

QString DisegnatoreQt::scheda(const scheda::Foglio &foglio, const QString &path)
{
    return scriviSchedaPdf(foglio, path);
}
