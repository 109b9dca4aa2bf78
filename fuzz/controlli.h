#pragma once
// Checks shared by the fuzz targets. A failed check prints what was found and aborts, which
// libFuzzer reports as a crash and keeps the input.

#include <QRegularExpression>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

[[noreturn]] inline void fallito(const char *what, const QString &detail)
{
    fprintf(stderr, "CONTROLLO FALLITO: %s: \"%s\"\n", what, detail.toUtf8().constData());
    abort();
}

inline bool haInfNan(const QString &text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

// "inf" or "nan" as a word of its own (result lines also hold Italian words and units)
inline bool haParolaInfNan(const QString &text)
{
    static const QRegularExpression re(
        QStringLiteral("(?<![A-Za-z])(inf|infinity|nan)(?![A-Za-z])"),
        QRegularExpression::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

} // namespace fuzz
