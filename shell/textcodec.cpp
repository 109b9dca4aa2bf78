#include "textcodec.h"

#include <QStringDecoder>

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes, read as the C1 control
// of the same value like the platform does.
constexpr char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

namespace textcodec {

std::optional<QByteArray> toWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32; ++i)
            if (high[i] == u && u != 0)
                found = i;
        if (found < 0)
            return std::nullopt;
        out.append(char(0x80 + found));
    }
    return out;
}

QString fromWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F && high[b - 0x80] != 0)
            out.append(QChar(high[b - 0x80]));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

bool utf16(const QByteArray &bytes)
{
    return bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff");
}

QByteArray encodeForFile(const QString &text)
{
    if (auto ansi = toWindows1252(text))
        return *ansi;
    return text.toUtf8();
}

QString decodeFromFile(const QByteArray &bytes)
{
    // UTF-16 with its byte-order mark, as a spreadsheet's "Unicode text" writes it
    if (utf16(bytes)) {
        QStringDecoder utf16(bytes.startsWith("\xff\xfe") ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE);
        return utf16.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return fromWindows1252(bytes);
}

} // namespace textcodec
