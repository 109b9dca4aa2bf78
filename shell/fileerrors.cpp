#include "fileerrors.h"

#include <QDir>
#include <QFileInfo>

QString descriviErrore(QFileDevice::FileError error, const QString &path)
{
    const QFileInfo info(path);
    switch (error) {
    case QFileDevice::OpenError:
        if (!info.exists() && !QFileInfo(info.absolutePath()).isWritable())
            return QStringLiteral("la cartella non esiste o non è scrivibile");
        if (!info.exists())
            return QStringLiteral("il file non esiste");
        return QStringLiteral("accesso negato");
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
