#pragma once
// Numbers as the user sees them: parsing of box texts, the picture patterns of the
// boxes and labels, the general number format of files and the date line of files.
// Everything that turns a double into text, or text into a double, goes through here,
// always with the program's number locale.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

class NumberFormat {
public:
    // The user's locale when it writes decimals with a comma; Italian conventions otherwise,
    // because the presets and every stored data file are written with the decimal comma.
    static QLocale programLocale(const QLocale &user = QLocale::system());

    explicit NumberFormat(const QLocale &locale = programLocale());

    const QLocale &locale() const { return m_locale; }

    // A box text as a finite double: blanks around it accepted, group separators only where
    // the locale places them. Empty text, letters, inf, nan and overflow give nothing.
    std::optional<double> parse(const QString &text) const;

    // Picture pattern: "0" a required digit, "#" an optional one, "." the place of the
    // decimal separator (always shown when the pattern has one). Rounds half away from zero
    // on the value taken to 15 significant digits.
    QString picture(double value, const QString &pattern) const;

    // Shortest text of a double: up to 15 significant digits, trailing zeros dropped,
    // exponent only where C's %.15G would use it. Also the general format of files.
    QString general(double value) const;

    // Every digit a double needs to be read back exactly, in the locale, no groups of
    // thousands ("3,7639953224522293"); empty where it is not finite.
    QString completo(double value) const;

    // Date and time as written into files: dd/mm/yyyy hh:mm:ss with the locale's separators.
    QString fileDateTime(const QDateTime &when) const;

private:
    QLocale m_locale;
    QLocale m_completo; // the locale without groups of thousands
    QString m_decimal;
};

// A number as a spreadsheet or a command line writes it whatever the user's locale: a decimal
// comma or point, no groups of thousands ("1.000,5" is refused rather than misread). An
// overflow or "inf" gives an infinity, "nan" a NaN: numbers, only not finite ones. Nothing
// when the text is not a number.
std::optional<double> numeroDecimale(const QString &testo);
