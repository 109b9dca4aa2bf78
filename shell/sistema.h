#pragma once
// The files of the system as the program reads and writes them, behind one small interface so
// that nothing above it knows the system's calls. Paths are the program's text for a name
// (nomi::daByte for the bytes that are not UTF-8); errors are the system's numbers, worded by
// datafile.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sistema {

enum class Tipo { Manca, File, Cartella, Altro };

// What a path names, following links: its kind and identity, or the error that hides it.
struct Voce {
    Tipo tipo = Tipo::Manca;
    int errore = 0; // when the path could not be looked at (ENOENT: Manca)
    quint64 dispositivo = 0, nodo = 0;
};
Voce esamina(const QString &path);
// Whether the path itself is a symbolic link, whatever it points to.
bool collegamento(const QString &path);

// Whether two paths name the same file, whatever their text.
inline bool stesso(const Voce &a, const Voce &b)
{
    return a.tipo != Tipo::Manca && b.tipo != Tipo::Manca && a.dispositivo == b.dispositivo &&
           a.nodo == b.nodo;
}

// A regular file read whole, up to one byte past `massimo`. The file is opened without waiting
// (a pipe with no writer does not block) and its kind checked on what was opened, so a file
// replaced by a pipe or a device after a look at its name is refused all the same.
struct Lettura {
    QByteArray byte;
    Tipo tipo = Tipo::File; // of what was opened: Cartella and Altro are refused
    int errore = 0;         // of the open, or of the read
    bool aperto = false;    // the file was opened: errore is of the read
    bool troppoGrande = false;
};
Lettura leggi(const QString &path, qint64 massimo);

// The bytes written to a new file beside the target, then put in its place at once: a failed
// write leaves what was there. A link is followed to its file. A target that exists and is not
// a regular file is never replaced.
struct Scrittura {
    // Invio: the bytes could not all be written
    enum Fase { Nessuna, NonNormale, Cartella, Apertura, Invio, Sostituzione } fase = Nessuna;
    int errore = 0;
    bool esisteva = false; // the target existed before
    bool ok() const { return fase == Nessuna; }
};
Scrittura scrivi(const QString &path, const QByteArray &byte);

// The names of a folder's entries other than its subfolders ("." and ".." left out), in the
// folder's order; the error when it cannot be read. The folder's own record of each entry's
// kind is used, so a listing of thousands looks at no file; only links are followed.
struct Elenco {
    QStringList nomi;
    int errore = 0;
};
Elenco elenca(const QString &cartella);

// All the bytes on standard output (1) or standard error (2); 0, or the error that stopped
// them (a full disk, a closed pipe).
int scriviUscita(int quale, const char *dati, qint64 quanti);

// What a program that writes files and standard output sets first: a file that grows past the
// size limit, or a pipe closed by its reader, fails its write with an error instead of ending
// the program.
void preparaProcesso();

// The system's own words for an error.
QString descrivi(int errore);

} // namespace sistema
