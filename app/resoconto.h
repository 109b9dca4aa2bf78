#pragma once
// What the batch program gives for each data file, and how it is written on standard output:
// the lines of the windows, one JSON object a line, or a line of a table whose columns are
// known only once every file has been calculated. A file's own part of the output is made
// where the file was calculated, possibly on another thread; the output itself is written in
// the order of the files.

#include "app/argomenti.h"
#include "calcolo/esame.h"
#include "calcolo/grandezza.h"
#include "calcolo/numbers.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace resoconto {

// Also the file's exit status.
enum class Esito { Calcolato = 0, DatiNonValidi = 1, Errore = 2 };

struct Messaggio {
    QString testo;
    // a file that cannot be read or written, a calculation that cannot be made: standard
    // error; the messages about the data belong to the file's lines
    bool errore = false;
};

// The motor check of what "Calcola" left.
struct Verifica {
    verifica::Carico carico;
    verifica::Studio studio;       // with the calculation's own motor
    verifica::Confronto confronto; // the motors of the list; empty without one
    verifica::Limiti limiti;
    verifica::Costante costante;
};

// A number as JSON writes it, every digit of the double; null where it is not finite or not
// computed.
QJsonValue numero(double valore);
QJsonValue numero(const std::optional<double> &valore);

// The check as the JSON output writes it, with the motors of the list.
QJsonObject verificaJson(const Verifica &v, const std::vector<verifica::Motore> &motori);
// The check's cells of a CSV line, by name, the same names for every file of a job: the
// figures, and with a list the chosen motor and its uses; empty where not computed.
std::vector<std::pair<QString, QString>> verificaCelle(const std::optional<Verifica> &v,
                                                       const QString &lavoro, bool catalogo,
                                                       const std::vector<verifica::Motore> &motori,
                                                       const NumberFormat &f);

struct File {
    QString nome; // as given, or the folder joined with the file's name
    Esito esito = Esito::Errore;
    QList<Messaggio> messaggi; // in the order the run gave them
    QStringList caselle;       // every box after the run; none when the file could not be read
    QStringList risultati;     // the lines of the result window
    QList<scheda::Grandezza> grandezze; // the numbers of a successful "Calcola"
    std::optional<Verifica> verifica;   // asked for and made
};

// What is left of a file for the output, written in the order of the files; the rest of the
// file stays on the thread that calculated it.
struct Pezzo {
    QString nome;
    Esito esito = Esito::Errore;
    QStringList errori;                             // the messages for standard error
    QString uscita;                                 // the file's text on standard output
    QByteArray utf8;                                // or the same already in UTF-8
    std::vector<std::pair<QString, QString>> celle; // or its cells: the value's name, its text
    QString messaggi;                               // and all its messages, in one cell
};

// What the reports of all the files of a run share.
struct Corsa {
    QString lavoro;
    bool intestazioni = false; // several files, or a folder: a "file: NAME" line before each
    bool verifica = false, catalogo = false;
    const std::vector<verifica::Motore> &motori; // the list of --catalogo
};

// What a thread that calculates files keeps from one file to the next: the program's numbers,
// and the JSON objects of the last file with their keys, for the next file of the same job to
// fill in.
struct Banco {
    NumberFormat numeri;

    std::vector<std::pair<QString, qsizetype>> chiavi; // "0", "1", "10", ... and their boxes
    std::vector<std::pair<QString, QString>> nomi;     // the values' names and units
    std::vector<qsizetype> ordine;                     // the values in the order of their names
    QJsonObject unita;
};

class Formato {
public:
    virtual ~Formato() = default;
    // The file's own part of the output, made on the thread that calculated it.
    Pezzo pezzo(const File &file, Banco &banco) const;
    // Then, in the order of the files, on one thread.
    virtual void scrivi(Pezzo &pezzo) = 0;
    // After the last file.
    virtual void chiudi() {}

protected:
    virtual void prepara(const File &file, Banco &banco, Pezzo &pezzo) const = 0;
};

std::unique_ptr<Formato> formato(argomenti::Formato formato, const Corsa &corsa, QTextStream &out);

} // namespace resoconto
