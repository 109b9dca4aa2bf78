#include "app/lotto.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

bool elencaDati(const QStringList &argomenti, QStringList &files, bool &cartella, QTextStream &err)
{
    for (const QString &dato : argomenti) {
        if (!QFileInfo(dato).isDir()) {
            files << dato;
            continue;
        }
        cartella = true;
        // sorted as plain strings: for a folder of thousands, cheaper than QDir's own listing
        QStringList nomi;
        for (QDirIterator it(dato, {QStringLiteral("*.txt")}, QDir::Files); it.hasNext();)
            nomi << it.nextFileInfo().fileName();
        if (nomi.isEmpty()) {
            err << "Nessun file di dati (*.txt) nella cartella \"" << dato << "\".\n";
            return false;
        }
        std::sort(nomi.begin(), nomi.end());
        const QDir dir(dato);
        for (const QString &nome : std::as_const(nomi))
            files << dir.filePath(nome);
    }
    return true;
}
