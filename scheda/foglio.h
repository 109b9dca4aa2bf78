#pragma once
// A sizing sheet ("Scheda di calcolo") as the core composes it: the header of the job, then
// blocks top to bottom (headings, lines of text, tables, the drive's drawing, charts). The
// painter in ui/ lays the blocks out on A4 pages, breaking between them and between the rows
// of a table, and writes the PDF file.

#include "charts/disegno.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace scheda {

// The heading of a section.
struct Titolo {
    QString testo;
};

// Lines of text, each its own paragraph; `conIlSeguente`: a caption that goes on the page of
// the block after it.
struct Testo {
    QStringList righe;
    bool conIlSeguente = false;
};

// A table: the column headings and the rows, each column's share of the text width (the
// shares add up to 1) and whether its cells are numbers, aligned to the right.
struct Tabella {
    QStringList colonne;
    std::vector<double> larghezze;
    std::vector<bool> numeri;
    std::vector<QStringList> righe;
};

// The drive's drawing as its window shows it: a picture of the program's resources (an SVG
// drawing, painted as lines) or a picture file (the cylinder's photographs).
struct Figura {
    QString percorso;
    QString descrizione; // what it shows, for a reader of the PDF
};

// A chart in its own pixels (larghezza x altezza), drawn across the text width with its
// proportions.
struct Grafico {
    grafico::Disegno disegno;
    double larghezza = 0, altezza = 0;
    QString descrizione;
};

using Blocco = std::variant<Titolo, Testo, Tabella, Figura, Grafico>;

// A header field, a name or a box text is cut to this many characters, the last one "…", so
// that no line of a sheet runs past its page.
inline constexpr qsizetype lunghezzaMassima = 200;
inline QString taglia(const QString &testo)
{
    return testo.size() <= lunghezzaMassima ? testo
                                            : testo.left(lunghezzaMassima - 1) + QChar(0x2026);
}

// The motors a sheet lists besides the chosen one.
inline constexpr std::size_t motoriRiportati = 30;

struct Foglio {
    QString programma;         // "Verifica Dimensionamento Motori 0.1.0"
    QString lavoro;            // the job's title: "Sollevamento con tamburo"
    QString cliente, progetto; // either may be empty
    QDateTime quando;
    std::vector<Blocco> blocchi;
};

} // namespace scheda
