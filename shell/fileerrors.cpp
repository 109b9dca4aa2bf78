#include "fileerrors.h"

#include "immissione.h"

#include <QDir>
#include <QFileInfo>

QString descriviErrore(QFileDevice::FileError error, const QString &path)
{
    const QFileInfo info(path);
    switch (error) {
    case QFileDevice::OpenError: {
        if (info.exists())
            return QStringLiteral("accesso negato");
        // the file is missing: say what is wrong with the folder that should hold it
        const QFileInfo cartella(info.absolutePath());
        if (cartella.exists() && !cartella.isDir())
            return QStringLiteral("\"%1\" è un file, non una cartella")
                .arg(immissione::citazione(cartella.fileName(), 60));
        if (!cartella.exists())
            return QStringLiteral("la cartella \"%1\" non esiste")
                .arg(immissione::citazione(cartella.fileName(), 60));
        if (!cartella.isWritable())
            return QStringLiteral("la cartella non è scrivibile");
        return QStringLiteral("il file non esiste");
    }
    case QFileDevice::PermissionsError:
        return QStringLiteral("accesso negato");
    case QFileDevice::ReadError:
        return QStringLiteral("errore di lettura");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("errore di scrittura (disco pieno o limite di dimensione)");
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
        return QStringLiteral("impossibile sostituire il file esistente");
    default:
        return QStringLiteral("errore del sistema");
    }
}
