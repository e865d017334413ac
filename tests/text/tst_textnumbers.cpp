#include "text/Characters.h"
#include "text/TextNumbers.h"
#include "support/TestCommon.h"

#include <clocale>
#include <cmath>
#include <memory>

constexpr double inf = HUGE_VAL;

// clang-format off
const struct { QStringView text; double expected; } kRead[] = {
    {u" -1 2\t3\n.5", -123.5}, {u"12 stanzas", 12}, {u"1.2.3", 1.2}, {u".", 0}, {u"--3", 0},
    {u"+7", 7}, {u"", 0}, {u"-0", 0}, {u"1\r2", 1}, {u"1\u0662", 1}, {u"1E 3", 1000}, {u"2e+", 2},
    {u"1.5e-2", 0.015}, {u"-1.5e+3.2", -1500}, {u"000.0001e4", 1}, {u"-1e999", -inf}, {u"&O17", 15},
    {u"1e18446744073709551616", inf}, {u"-1e-999", 0}, {u"2e-324", 0}, {u"&HfF", 255}, {u"&o18", 1},
    {u"1180591620717411696640", 1180591620717411827712.0}, {u"4.9e-324", 4.9e-324}, {u"&1", 0},
    {u"& h 1 f", 31}, {u"-&H1", 0}, {u"1e99999999999999999999", inf},
    {u"1e-99999999999999999999", 0}, {u"0.000000000000000000000000000000000000001e-300", 0},
    // The user's decimal comma is no decimal point, nor is a thousands separator skipped.
    {u"1,5", 1}, {u"1.000,5", 1}};

// The tag is the text printed, before any note in brackets.
const struct { const char* tag; double value; } kPrinted[] = {
    {" 100", 100}, {"-.25", -0.25}, {" 0", 0}, {" 0 (from -0)", -0.0}, {"-Infinity", -inf},
    {" 1E+15", 1e15}, {" .3", 0.1 + 0.2}, {" .666666666666667", 2.0 / 3}, {"-1234.5", -1234.5},
    {" .0001", 0.0001}, {" 1E-05", 0.00001}, {" 100000000000000", 1e14}, {" 1E+20", 1e20}, {" 1E-10", 1e-10},
    {"-2.5E-07", -2.5e-7}, {" 1E+15 (rounded up)", 999999999999999.9}, {" 4.94065645841247E-324", 5e-324},
    {" NaN", std::nan("")}, {" 1.79769313486232E+308", 1.7976931348623157e308},
    {" Infinity", inf}};

const struct { const char* tag; double value; int decimals; double expected; } kRounded[] = {
    {"0.5", 0.5, 0, 0}, {"2.5", 2.5, 0, 2}, {"3.5", 3.5, 0, 4}, {"-2.5", -2.5, 0, -2},
    {"inf", inf, 0, inf}, {"-inf to 2", -inf, 2, -inf}, {"below 0.5", 0.49999999999999994, 0, 0},
    {"2^52 + 1", 0x1p52 + 1, 0, 0x1p52 + 1}, {"0.125 to 2", 0.125, 2, 0.12}, {"0.05 to 1", 0.05, 1, 0},
    {"18.75 to 1", 3.0 / 16 * 100, 1, 18.8}, {"0.333 to 1", 1.0 / 300 * 100, 1, 0.3},
    {"-6.25 to 1", -6.25, 1, -6.2}, {"1250 to -2", 1250, -2, 1200}, {"1350 to -2", 1350, -2, 1400},
    {"1e307 to 5", 1e307, 5, 1e307}, {"123456.789 to 15", 123456.789, 15, 123456.789},
    {"1e308 to -400", 1e308, -400, 0}};

// A word's length as the user counts it: a CR LF is one line break.
const struct { const char* tag; QString word; int length; } kLengths[] = {
    {"plain", "word", 4}, {"CR LF", "a\r\nb", 3}, {"CR LF and LF", "\r\n\n", 2}, {"lone CR", "a\rb", 3},
    {"accent apart", u"e\u0301t"_s, 2}, {"flag", u"🇫🇷!"_s, 2}, {"emoji with a tone", u"👍🏽"_s, 1},
};
// clang-format on

// Exact, readable comparison (QCOMPARE on doubles is fuzzy; QByteArray::number drops -0's sign).
static QByteArray exact(double v)
{
    return (std::signbit(v) && v == 0 ? "-" : "") + QByteArray::number(v, 'g', 17);
}

class TestTextNumbers : public QObject {
    Q_OBJECT

private slots:
    // Numbers must not follow the user's locale: every test runs under one with a decimal comma
    // (the C library's too, where de_DE.UTF-8 is installed).
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }

    void readsLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        for (const auto& [text, expected] : kRead)
            QTest::newRow(std::unique_ptr<char[]>(QTest::toString(text)).get())
                << text.toString() << expected;
        // A far-away non-zero digit must still break a tie between two doubles.
        const QString tie = "9007199254740993." + QString(900, u'0');
        QTest::newRow("tie, sticky tail") << tie + u'1' << 9007199254740994.0;
        QTest::newRow("tie, zero tail") << tie << 9007199254740992.0;
        QTest::newRow("hex past the range") << "&H" + QString(300, u'f') << inf;
    }
    void readsLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(exact(leadingNumber(text)), exact(expected));
    }

    void printsSignedNumber_data() { addRows(kPrinted); }
    void printsSignedNumber()
    {
        const QString printed = QString(QTest::currentDataTag()).section(" (", 0, 0);
        QCOMPARE(signedNumberText(rowOf(kPrinted).value), printed);
    }

    void countsWholeCharacters_data() { addRows(kLengths); }
    void countsWholeCharacters()
    {
        const auto& [tag, word, length] = rowOf(kLengths);
        QCOMPARE(characterCount(word), length);
    }

    void roundsHalfEven_data() { addRows(kRounded); }
    void roundsHalfEven()
    {
        const auto& [tag, value, decimals, expected] = rowOf(kRounded);
        QCOMPARE(exact(roundHalfEven(value, decimals)), exact(expected));
        if (decimals == 0)
            QCOMPARE(exact(roundHalfEven(value)), exact(expected));
    }
};

QTEST_APPLESS_MAIN(TestTextNumbers)
#include "tst_textnumbers.moc"
