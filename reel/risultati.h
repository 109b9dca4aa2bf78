#pragma once
// The reel results file: the date line, the fourteen input texts as typed, the top motor
// speed, the top total torque and the power, then the six tables of the sweep, one group of
// six values per sample. Written with datafile::write.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

struct Variabili;
class NumberFormat;

namespace risultati {
constexpr int Righe = 1 + 14 + 3 + 6 * 101;

// A number as the file writes it: one blank before a value that is not negative (a negative
// one starts with its minus sign), one blank after.
QString numero(double value, const NumberFormat &numeri);
} // namespace risultati

QStringList righeRisultati(const Variabili &v, const std::array<QString, 14> &testi,
                           const QDateTime &quando, const NumberFormat &numeri);
