#pragma once
// A printed document as the core lays it out: lines of text runs in a fixed-pitch font, with
// the size of each line, bold per run, and page breaks. The printer code only paints it.

#include <QString>
#include <vector>

namespace stampa {

struct Pezzo {
    QString testo;
    bool grassetto = false;
};

struct Riga {
    QString font = QStringLiteral("Courier New");
    double punti = 12;
    std::vector<Pezzo> pezzi;
    bool nuovaPagina = false; // a page break before this line
};

struct Documento {
    std::vector<Riga> righe;
};

} // namespace stampa
