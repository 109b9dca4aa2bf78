#include "app/lotto.h"

#include "shell/fileerrors.h"
#include "shell/nomi.h"
#include "shell/sistema.h"

#include <QDir>

#include <algorithm>

bool elencaDati(const QStringList &argomenti, QStringList &files, bool &cartella, QTextStream &err)
{
    for (const QString &dato : argomenti) {
        if (sistema::esamina(dato).tipo != sistema::Tipo::Cartella) {
            files << dato;
            continue;
        }
        cartella = true;
        const sistema::Elenco elenco = sistema::elenca(dato);
        if (elenco.errore != 0) {
            err << "Impossibile leggere la cartella \"" << nomi::stampabile(dato)
                << "\": " << descriviErrore(elenco.errore, dato) << ".\n";
            return false;
        }
        // Every entry named *.txt but the subfolders and the hidden ones: one that cannot be
        // read as a data file (a dangling link, a pipe, a device) is calculated all the same, so
        // that its reason is reported with it. Sorted as plain strings: for a folder of
        // thousands, cheaper than QDir's own listing.
        QStringList scelti;
        const QDir dir(dato);
        for (const QString &nome : elenco.nomi)
            if (nome.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) && !nome.startsWith(u'.'))
                scelti << nome;
        if (scelti.isEmpty()) {
            err << "Nessun file di dati (*.txt) nella cartella \"" << nomi::stampabile(dato)
                << "\".\n";
            return false;
        }
        std::sort(scelti.begin(), scelti.end());
        for (const QString &nome : std::as_const(scelti))
            files << dir.filePath(nome);
    }
    return true;
}
