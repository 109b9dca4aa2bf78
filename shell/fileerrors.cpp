#include "fileerrors.h"

#include "immissione.h"
#include "sistema.h"

#include <QFileInfo>

#include <cerrno>

namespace {

// A path that does not lead to its file: what is wrong on the way.
QString mancante(const QString &path)
{
    if (sistema::collegamento(path))
        return QStringLiteral("il collegamento simbolico non porta a nessun file");
    const QFileInfo info(path);
    const QFileInfo cartella(info.absolutePath());
    const sistema::Voce voce = sistema::esamina(cartella.absoluteFilePath());
    if (voce.tipo == sistema::Tipo::File || voce.tipo == sistema::Tipo::Altro)
        return QStringLiteral("\"%1\" è un file, non una cartella")
            .arg(immissione::citazione(cartella.fileName(), 60));
    if (voce.tipo == sistema::Tipo::Manca)
        return QStringLiteral("la cartella \"%1\" non esiste")
            .arg(immissione::citazione(cartella.fileName(), 60));
    if (!cartella.isWritable())
        return QStringLiteral("la cartella non è scrivibile");
    return QStringLiteral("il file non esiste");
}

} // namespace

QString descriviErrore(int errore, const QString &path)
{
    switch (errore) {
    case ENOENT:
    case ENOTDIR: return mancante(path);
    case EACCES:
    case EPERM: return QStringLiteral("accesso negato");
    case ENAMETOOLONG: return QStringLiteral("nome troppo lungo");
    case ELOOP: return QStringLiteral("troppi collegamenti simbolici");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return QStringLiteral("errore di scrittura (disco pieno o limite di dimensione)");
    default: return sistema::descrivi(errore);
    }
}
