#include "nomi.h"

namespace nomi {

namespace {

constexpr char16_t primoEscape = 0xdc80;

bool escape(char16_t c)
{
    return c >= primoEscape && c <= 0xdcff;
}

// The length of the valid UTF-8 sequence at `i`, or 0.
qsizetype sequenza(const QByteArray &b, qsizetype i)
{
    const auto u = [&](qsizetype k) { return static_cast<unsigned char>(b.at(k)); };
    const unsigned char c = u(i);
    if (c < 0x80)
        return 1;
    qsizetype n = 0;
    char32_t minimo = 0, v = 0;
    if ((c & 0xe0) == 0xc0) {
        n = 2, minimo = 0x80, v = c & 0x1f;
    } else if ((c & 0xf0) == 0xe0) {
        n = 3, minimo = 0x800, v = c & 0x0f;
    } else if ((c & 0xf8) == 0xf0) {
        n = 4, minimo = 0x10000, v = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > b.size())
        return 0;
    for (qsizetype k = 1; k < n; ++k) {
        if ((u(i + k) & 0xc0) != 0x80)
            return 0;
        v = (v << 6) | (u(i + k) & 0x3f);
    }
    // overlong forms, surrogates and code points past Unicode are not UTF-8
    if (v < minimo || v > 0x10ffff || (v >= 0xd800 && v <= 0xdfff))
        return 0;
    return n;
}

} // namespace

QString daByte(const QByteArray &byte)
{
    QString nome;
    nome.reserve(byte.size());
    qsizetype inizio = 0; // of the valid run not yet decoded
    for (qsizetype i = 0; i < byte.size();) {
        const qsizetype n = sequenza(byte, i);
        if (n > 0) {
            i += n;
            continue;
        }
        nome += QString::fromUtf8(byte.constData() + inizio, i - inizio);
        nome += QChar(char16_t(primoEscape + static_cast<unsigned char>(byte.at(i)) - 0x80));
        inizio = ++i;
    }
    nome += QString::fromUtf8(byte.constData() + inizio, byte.size() - inizio);
    return nome;
}

QByteArray inByte(const QString &nome)
{
    QByteArray byte;
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < nome.size(); ++i) {
        if (!escape(nome.at(i).unicode()))
            continue;
        byte += QStringView(nome).mid(inizio, i - inizio).toUtf8();
        byte += char(nome.at(i).unicode() - primoEscape + 0x80);
        inizio = i + 1;
    }
    return byte + QStringView(nome).mid(inizio).toUtf8();
}

QString stampabile(const QString &testo)
{
    const auto daScrivere = [](char16_t c) {
        return c < 0x20 || (c >= 0x7f && c <= 0x9f) || (c >= 0x202a && c <= 0x202e) ||
               (c >= 0x2066 && c <= 0x2069) || escape(c);
    };
    qsizetype i = 0;
    while (i < testo.size() && !daScrivere(testo.at(i).unicode()))
        ++i;
    if (i == testo.size())
        return testo;
    QString out = testo.left(i);
    for (; i < testo.size(); ++i) {
        const char16_t c = testo.at(i).unicode();
        if (!daScrivere(c))
            out += QChar(c);
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else if (escape(c))
            out += QStringLiteral("\\x%1").arg(unsigned(c - primoEscape + 0x80), 2, 16,
                                               QLatin1Char('0'));
        else if (c < 0x100)
            out += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QLatin1Char('0'));
    }
    return out;
}

} // namespace nomi
