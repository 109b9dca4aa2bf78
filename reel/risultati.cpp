#include "risultati.h"

#include "calcolo/numbers.h"
#include "shell/datafile.h"
#include "shell/variabili.h"

QString risultati::numero(double value, const NumberFormat &numeri)
{
    const QString text = numeri.general(value);
    return (value < 0 ? QString() : QStringLiteral(" ")) + text + QLatin1Char(' ');
}

QStringList righeRisultati(const Variabili &v, const std::array<QString, 14> &testi,
                           const QDateTime &quando, const NumberFormat &numeri)
{
    using risultati::numero;
    QStringList lines;
    lines.reserve(risultati::Righe);
    lines << datafile::dateLine(numeri, quando);
    for (const QString &t : testi)
        lines << t;
    lines << numero(v.aVel[0], numeri) << numero(v.CttMax, numeri) << numero(v.Pm, numeri);
    for (int i = 0; i < Variabili::Campioni; ++i) {
        lines << numero(v.aDiam[i], numeri) << numero(v.aVel[i], numeri)
              << numero(v.aCmt[i], numeri) << numero(v.aJtt[i], numeri)
              << numero(v.aCmj[i], numeri);
        // the last value of a group stands without its blanks
        lines << numeri.general(v.aCtt[i]);
    }
    return lines;
}
