#pragma once
// The user's list of motors, a CSV file as a spreadsheet saves it: ';' between fields, a
// decimal comma or point, a header line naming the columns in any order:
//   nome;potenza_kW;velocita_nominale_rpm;velocita_massima_rpm;
//   coppia_nominale_kgm;coppia_massima_kgm;inerzia_kgm2
// Torques in kgm or, with the columns coppia_nominale_Nm and coppia_massima_Nm, in N·m. The
// rated torque may be left out, column or field: then it is the one of the rated power and
// speed.

#include "motore.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace verifica {

// More motors than a sheet, a window or a person can weigh: the list is refused.
inline constexpr std::size_t massimoMotori = 20000;

struct Catalogo {
    std::vector<Motore> motori;
    QString errore; // empty when the list was read; else the one message for the user
};

// The whole list or nothing: a single bad line refuses the file, with a message naming the
// file, the line and the column.
Catalogo leggiCatalogo(const QString &path);
// The same from the bytes of a file named `path` (for messages).
Catalogo leggiCatalogo(const QByteArray &bytes, const QString &path);

inline const QString filtroCatalogo() { return QStringLiteral("Catalogo motori (*.csv)|*.csv|"); }

} // namespace verifica
