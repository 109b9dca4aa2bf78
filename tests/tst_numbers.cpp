#include "calcolo/numbers.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void programLocale();
    void parse_data();
    void parse();
    void picture_data();
    void picture();
    void general_data();
    void general();
    void fileDateTime();
};

void TestNumbers::programLocale()
{
    using L = QLocale;
    QCOMPARE(NumberFormat::programLocale(L(L::German, L::Germany)).language(), L::German);
    QCOMPARE(NumberFormat::programLocale(L(L::French, L::France)).language(), L::French);
    // decimal point locales fall back to Italian conventions
    QCOMPARE(NumberFormat::programLocale(L(L::English, L::UnitedStates)).language(), L::Italian);
    QCOMPARE(NumberFormat::programLocale(L::c()).language(), L::Italian);
    const NumberFormat english(NumberFormat::programLocale(L(L::English, L::UnitedStates)));
    QCOMPARE(*english.parse(QStringLiteral("0,7")), 0.7);
}

void TestNumbers::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("preset") << "0,7" << true << 0.7;
    QTest::newRow("blanks") << "  0,01 " << true << 0.01;
    QTest::newRow("integer") << "200" << true << 200.0;
    QTest::newRow("negative") << "-5" << true << -5.0;
    QTest::newRow("groups") << "1.234,5" << true << 1234.5;
    QTest::newRow("exponent") << "1e5" << true << 1e5;
    QTest::newRow("point is not decimal") << "0.5" << false << 0.0;
    QTest::newRow("misplaced group") << "12.34" << false << 0.0;
    // zeros before the first group cannot start a grouped number: a decimal point meant
    QTest::newRow("decimal point, not a thousand") << "0.012" << false << 0.0;
    QTest::newRow("negative, decimal point") << "-0.250" << false << 0.0;
    QTest::newRow("zeros, decimal point") << "00.500" << false << 0.0;
    QTest::newRow("a thousand") << "1.000" << true << 1000.0;
    QTest::newRow("ten thousand and a half") << "10.000,5" << true << 10000.5;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("overflow") << "1e400" << false << 0.0;
    QTest::newRow("non applicabile") << "non applicabile" << false << 0.0;
}

void TestNumbers::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const NumberFormat f(QLocale(QLocale::Italian, QLocale::Italy));
    const auto parsed = f.parse(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, value);
}

void TestNumbers::picture_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole, two digits") << 955.414 << "##00"
                                       << "955";
    QTest::newRow("5 rpm") << 5.0 << "##00"
                           << "05";
    QTest::newRow("0 rpm") << 0.0 << "##00"
                           << "00";
    QTest::newRow("three decimals") << 0.758833 << "##0.###"
                                    << "0,759";
    QTest::newRow("separator stays") << 1.0 << "##0.####"
                                     << "1,";
    QTest::newRow("four decimals") << 3.688383 << "##0.####"
                                   << "3,6884";
    QTest::newRow("0.000# short") << 0.0139951 << "##0.000#"
                                  << "0,014";
    QTest::newRow("0.000# zeros") << 3.75 << "##0.000#"
                                  << "3,750";
    QTest::newRow("0.0000## six") << 0.03525 << "##0.0000##"
                                  << "0,03525";
    QTest::newRow("0.0000## four") << 0.1 << "##0.0000##"
                                   << "0,1000";
    QTest::newRow("half away from zero") << 2.675 << "0.00"
                                         << "2,68";
    QTest::newRow("negative half") << -2.675 << "0.00"
                                   << "-2,68";
    QTest::newRow("negative") << -5.648902 << "##0.000"
                              << "-5,649";
    QTest::newRow("rounds to zero has no sign") << -0.0001 << "##0.000"
                                                << "0,000";
    QTest::newRow("#00.000") << 0.1 << "#00.000"
                             << "00,100";
    QTest::newRow("0000") << 318.3099 << "0000"
                          << "0318";
    QTest::newRow("00.00") << 0.0082 << "00.00"
                           << "00,01";
    QTest::newRow("###0") << 21.888 << "###0"
                          << "22";
    QTest::newRow("###0 small") << 0.4 << "###0"
                                << "0";
    QTest::newRow("carry") << 9.9996 << "##0.000"
                           << "10,000";
    QTest::newRow("big") << 123456789.0 << "##00"
                         << "123456789";
    QTest::newRow("no groups") << 12345.5 << "##0.#"
                               << "12345,5";
    QTest::newRow("tiny") << 1e-20 << "##0.###"
                          << "0,";
}

void TestNumbers::picture()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    const NumberFormat f(QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(f.picture(value, pattern), text);
}

void TestNumbers::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 200.0 << "200";
    QTest::newRow("leading zero") << 0.1 << "0,1";
    QTest::newRow("preset") << 0.7 << "0,7";
    QTest::newRow("sum") << 600.0 << "600";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative") << -0.45 << "-0,45";
    QTest::newRow("15 digits") << 3183.0988614222797 << "3183,09886142228";
    QTest::newRow("torque") << 6.704457888239171 << "6,70445788823917";
    QTest::newRow("rounding noise") << 0.1 + 0.2 << "0,3";
    QTest::newRow("exponent large") << 1e20 << "1E+20";
    QTest::newRow("no exponent 1e14") << 1e14 << "100000000000000";
    QTest::newRow("exponent small") << 0.00001 << "1E-05";
    QTest::newRow("no exponent 1e-4") << 0.0001 << "0,0001";
}

void TestNumbers::general()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    const NumberFormat f(QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(f.general(value), text);
    QCOMPARE(f.general(std::numeric_limits<double>::infinity()), QString());
    QCOMPARE(f.general(std::numeric_limits<double>::quiet_NaN()), QString());
    QCOMPARE(f.picture(-std::numeric_limits<double>::infinity(), QStringLiteral("##00")),
             QString());
}

void TestNumbers::fileDateTime()
{
    const QDateTime when(QDate(2026, 12, 8), QTime(13, 27, 4));
    QCOMPARE(NumberFormat(QLocale(QLocale::Italian, QLocale::Italy)).fileDateTime(when),
             QStringLiteral("08/12/2026 13:27:04"));
    QCOMPARE(NumberFormat(QLocale(QLocale::German, QLocale::Germany)).fileDateTime(when),
             QStringLiteral("08.12.2026 13:27:04"));
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
