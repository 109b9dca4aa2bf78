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

// The pages of a document: the lines from `prima` up to, not including, `fine`. A page ends
// where the next line asks for a new page; a break before the first line makes no empty page.
struct Pagina {
    std::size_t prima = 0, fine = 0;
};

inline std::vector<Pagina> pagine(const Documento &doc)
{
    std::vector<Pagina> out;
    for (std::size_t i = 0; i < doc.righe.size(); ++i)
        if (out.empty() || doc.righe[i].nuovaPagina)
            out.push_back({i, i});
    for (std::size_t p = 0; p < out.size(); ++p)
        out[p].fine = p + 1 < out.size() ? out[p + 1].prima : doc.righe.size();
    return out;
}

} // namespace stampa
