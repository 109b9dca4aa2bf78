#include "numbers.h"

#include <algorithm>
#include <cmath>

QLocale NumberFormat::programLocale(const QLocale &user)
{
    if (user.decimalPoint() == QLatin1String(","))
        return user;
    return QLocale(QLocale::Italian, QLocale::Italy);
}

NumberFormat::NumberFormat(const QLocale &locale)
    : m_locale(locale), m_completo(locale), m_decimal(locale.decimalPoint())
{
    m_completo.setNumberOptions(QLocale::OmitGroupSeparator);
}

std::optional<double> NumberFormat::parse(const QString &text) const
{
    const QString t = text.trimmed();
    // Digits before the first group separator that are only zeros ("0.012", "-0.250") cannot
    // start a grouped number: the point was meant as a decimal point, and reading it as a
    // thousands separator would make 0,012 into 12.
    const QString gruppo = m_locale.groupSeparator();
    if (const qsizetype g = gruppo.isEmpty() ? -1 : t.indexOf(gruppo); g > 0) {
        const QStringView prima = QStringView(t).left(g);
        const QStringView cifre =
            prima.startsWith(u'-') || prima.startsWith(u'+') ? prima.mid(1) : prima;
        if (!cifre.isEmpty() &&
            std::all_of(cifre.begin(), cifre.end(), [](QChar c) { return c == u'0'; }))
            return std::nullopt;
    }
    bool ok = false;
    const double value = m_locale.toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// The decimal digits of |value| rounded half away from zero to `decimals` places, taking the
// value to 15 significant digits first (so 2.675 counts as 2.67500000000000 and rounds up).
QString roundedDigits(double value, int decimals, int *pointPos)
{
    // "d.dddddddddddddde±x": 15 significant digits, correctly rounded from the binary value.
    static const QLocale c = QLocale::c();
    QString digits = c.toString(std::fabs(value), 'e', 14);
    const qsizetype ePos = digits.indexOf(QLatin1Char('e'));
    const int exponent = QStringView(digits).mid(ePos + 1).toInt();
    digits.truncate(ePos);
    digits.remove(1, 1);          // drop the point: 15 digits
    int intDigits = exponent + 1; // digits before the decimal point (may be <= 0)
    if (intDigits <= 0) {
        digits.prepend(QString(1 - intDigits, QLatin1Char('0')));
        intDigits = 1;
    }
    const int keep = intDigits + decimals;
    if (keep < digits.size()) {
        const bool up = digits.at(keep) >= QLatin1Char('5');
        digits.truncate(keep);
        if (up) {
            int i = keep - 1;
            for (; i >= 0; --i) {
                if (digits[i] == QLatin1Char('9')) {
                    digits[i] = QLatin1Char('0');
                } else {
                    digits[i] = QChar(digits[i].unicode() + 1);
                    break;
                }
            }
            if (i < 0) {
                digits.prepend(QLatin1Char('1'));
                ++intDigits;
            }
        }
    } else {
        digits.append(QString(keep - digits.size(), QLatin1Char('0')));
    }
    *pointPos = intDigits;
    return digits;
}

} // namespace

QString NumberFormat::picture(double value, const QString &pattern) const
{
    if (!std::isfinite(value))
        return QString();

    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    const QStringView intPattern = dot < 0 ? QStringView(pattern) : QStringView(pattern).left(dot);
    const QStringView decPattern = dot < 0 ? QStringView() : QStringView(pattern).mid(dot + 1);
    const int minInt = int(intPattern.count(QLatin1Char('0')));
    const int minDec = int(decPattern.count(QLatin1Char('0')));
    const int maxDec = int(decPattern.size());

    int pointPos = 0;
    const QString digits = roundedDigits(value, maxDec, &pointPos);
    QString intPart = digits.left(pointPos);
    QString decPart = digits.mid(pointPos);

    while (intPart.size() > 1 && intPart.startsWith(QLatin1Char('0')))
        intPart.remove(0, 1);
    if (intPart == QLatin1String("0") && minInt == 0)
        intPart.clear();
    if (intPart.size() < minInt)
        intPart.prepend(QString(minInt - intPart.size(), QLatin1Char('0')));
    while (decPart.size() > minDec && decPart.endsWith(QLatin1Char('0')))
        decPart.chop(1);

    // A value that rounds to nothing shows no sign: "-0,000" would read as a real result.
    const bool allZero =
        std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c == QLatin1Char('0'); });
    QString text = (value < 0 && !allZero) ? QStringLiteral("-") : QString();
    text += intPart;
    if (dot >= 0)
        text += m_decimal + decPart;
    return text;
}

QString NumberFormat::general(double value) const
{
    // a value that is not a number is never shown as "inf" or "nan"
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    QString text = QLocale::c().toString(value, 'G', 15);
    text.replace(QLatin1Char('.'), m_decimal);
    return text;
}

QString NumberFormat::completo(double value) const
{
    return std::isfinite(value) ? m_completo.toString(value, 'g', QLocale::FloatingPointShortest)
                                : QString();
}

QString NumberFormat::fileDateTime(const QDateTime &when) const
{
    auto separator = [](const QString &format, QChar fallback) {
        for (const QChar c : format)
            if (!c.isLetter() && !c.isSpace())
                return QString(c);
        return QString(fallback);
    };
    const QString ds = separator(m_locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    const QString ts = separator(m_locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    const QString format = QStringLiteral("dd%1MM%1yyyy HH%2mm%2ss").arg(ds, ts);
    return QLocale::c().toString(when, format);
}

std::optional<double> numeroDecimale(const QString &testo)
{
    static const QLocale c = [] {
        QLocale l = QLocale::c();
        l.setNumberOptions(QLocale::RejectGroupSeparator);
        return l;
    }();
    QString punto = testo;
    if (!punto.contains(u'.'))
        punto.replace(u',', u'.');
    bool ok = false;
    const double valore = c.toDouble(punto, &ok);
    // an overflow fails, but comes back as infinity
    if (!ok && !std::isinf(valore))
        return std::nullopt;
    return valore;
}
