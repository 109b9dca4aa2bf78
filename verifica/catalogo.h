#pragma once
// The user's list of motors, a CSV file as a spreadsheet saves it: ';', a tab or ',' between
// fields (the first of them in the header), a decimal comma or point, UTF-8, UTF-16 with its
// mark or Windows-1252, a header line naming the columns in any order, without regard to case,
// accents and blanks:
//   nome;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;
//   coppia_nominale_kgm;coppia_massima_kgm;inerzia_kgm2
// Torques in kgm or, with the columns coppia_nominale_Nm and coppia_massima_Nm, in N·m. The
// rated torque may be left out, column or field: then it is the one of the rated power and
// speed.

#include "calcolo/motore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace verifica {

// More motors than a sheet, a window or a person can weigh: the list is refused.
inline constexpr std::size_t massimoMotori = 20000;

struct Catalogo {
    std::vector<Motore> motori;
    QString errore;       // empty when the list was read; else the one message for the user
    QStringList ignorate; // the columns that are not the list's own, left out ("note", "prezzo")

    // "colonne ignorate: note, prezzo", or nothing
    QString avviso() const
    {
        return ignorate.isEmpty()
                   ? QString()
                   : QStringLiteral("colonne ignorate: ") + ignorate.join(QStringLiteral(", "));
    }
};

// The whole list or nothing: a single bad line refuses the file, with a message naming the
// file, the line and the column.
Catalogo leggiCatalogo(const QString &path);
// The same from the bytes of a file named `path` (for messages).
Catalogo leggiCatalogo(const QByteArray &bytes, const QString &path);

inline const QString filtroCatalogo()
{
    return QStringLiteral("Catalogo motori (*.csv)|*.csv|");
}

} // namespace verifica
