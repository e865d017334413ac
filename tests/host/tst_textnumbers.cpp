#include "host/TextNumbers.h"

#include <QRegularExpression>
#include <QTest>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace quibbler;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// Exact comparison with readable output (QCOMPARE on doubles is fuzzy and
// QByteArray::number drops the sign of -0).
QByteArray exact(double v)
{
    return (std::signbit(v) && v == 0 ? "-" : "") + QByteArray::number(v, 'g', 17);
}

double parsed(const std::string& s)
{
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

} // namespace

class TstTextNumbers : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        const QString million(1'000'000, u'1');
        const QString zeros(900, u'0');
        const struct {
            const char16_t* text;
            double expected;
        } rows[] = {
            {u"12", 12},
            {u"1 2", 12},
            {u" - 3", -3},
            {u"1\t2\n.5", 12.5},
            {u"12 stanzas", 12},
            {u"2.5", 2.5},
            {u"1.2.3", 1.2},
            {u".5", 0.5},
            {u"5.", 5},
            {u".", 0},
            {u"-", 0},
            {u"--3", 0},
            {u"+7", 7},
            {u"abc", 0},
            {u"", 0},
            {u"x12", 0},
            {u"-0", 0},
            {u"1\r2", 1},
            {u"1e3", 1000},
            {u"1E 3", 1000},
            {u"1.5E-2", 0.015},
            {u"1e", 1},
            {u"2e+", 2},
            {u"3e-x", 3},
            {u"4e5e6", 4e5},
            {u"0.1", 0.1},
            {u"-1.5e+3.2", -1500},
            {u"007", 7},
            {u"1e999", inf},
            {u"-1e999", -inf},
            {u"1e-999", 0},
            {u"-1e-999", 0},
            {u"1.7976931348623157e308", 1.7976931348623157e308},
            {u"1.8e308", inf},
            {u"4.9e-324", 4.9e-324},
            {u"2e-324", 0},
            {u"0.000001e6", 1},
            {u"123456789012345678901234567890", 123456789012345678901234567890.0},
            {u"9007199254740993", 9007199254740992.0},
            {u"&H1F", 31},
            {u"&hff", 255},
            {u"& h 1 f", 31},
            {u"&O17", 15},
            {u"&o19", 1},
            {u"&H", 0},
            {u"&Hxyz", 0},
            {u"&", 0},
            {u"&x1", 0},
            {u"-&H1", 0},
            {u"\uFF11", 0},
            {u"1\u0662", 1},
        };
        for (const auto& row : rows) {
            const QString text = QString::fromUtf16(row.text);
            const QByteArray tag
                = text.toUtf8().replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
            QTest::addRow("\"%s\"", tag.constData()) << text << row.expected;
        }
        // A far-away non-zero digit must still break a tie between two doubles.
        QTest::newRow("tie, sticky tail")
            << "9007199254740993." + zeros + "1" << 9007199254740994.0;
        QTest::newRow("tie, zero tail") << "9007199254740993." + zeros << 9007199254740992.0;
        QTest::newRow("400 digits") << "1" + QString(399, u'0') << inf;
        QTest::newRow("million digits") << million << inf;
        QTest::newRow("million fraction zeros") << "0." + QString(1'000'000, u'0') + "1" << 0.0;
        QTest::newRow("million blanks") << QString(1'000'000, u' ') + "5" << 5.0;
        QTest::newRow("million exponent digits") << "1e" + million << inf;
        QTest::newRow("million negative exponent digits") << "1e-" + million << 0.0;
        QTest::newRow("million hex digits") << "&H" + million << inf;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(exact(quibbler::leadingNumber(text)), exact(expected));
    }

    void signedNumberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        const struct {
            double value;
            const char* text;
        } rows[] = {
            {12, " 12"},
            {-3, "-3"},
            {0.3, " .3"},
            {-0.3, "-.3"},
            {-0.25, "-.25"},
            {0, " 0"},
            {-0.0, " 0"},
            {6.2, " 6.2"},
            {66.7, " 66.7"},
            {100, " 100"},
            {1e-06, " 1E-06"},
            {1e20, " 1E+20"},
            {1.5e20, " 1.5E+20"},
            {-2.5e-7, "-2.5E-07"},
            {0.0001, " .0001"},
            {0.00001, " 1E-05"},
            {0.000123, " .000123"},
            {1e14, " 100000000000000"},
            {123456789012345, " 123456789012345"},
            {1e15, " 1E+15"},
            {999999999999999.9, " 1E+15"},
            {0.1 + 0.2, " .3"},
            {2.0 / 3, " .666666666666667"},
            {-1234.5, "-1234.5"},
            {1.7976931348623157e308, " 1.79769313486232E+308"},
            {5e-324, " 4.94065645841247E-324"},
            {std::nan(""), " NaN"},
            {inf, " Infinity"},
            {-inf, "-Infinity"},
        };
        for (const auto& row : rows)
            QTest::addRow("%.17g", row.value) << row.value << QString::fromLatin1(row.text);
    }

    void signedNumberText()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(quibbler::signedNumberText(value), expected);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        const struct {
            double value;
            int decimals;
            double expected;
        } rows[] = {
            {0.5, 0, 0},
            {1.5, 0, 2},
            {2.5, 0, 2},
            {3.5, 0, 4},
            {-2.5, 0, -2},
            {-3.5, 0, -4},
            {0.3, 0, 0},
            {2.7, 0, 3},
            {-2.7, 0, -3},
            {0.49999999999999994, 0, 0},
            {4503599627370497.0, 0, 4503599627370497.0},
            {1e300, 0, 1e300},
            {inf, 0, inf},
            {12.0 / 40 * 100, 1, 30},
            {1.0 / 300 * 100, 1, 0.3},
            {1.0 / 16 * 100, 1, 6.2},
            {3.0 / 16 * 100, 1, 18.8},
            {2.0 / 3 * 100, 1, 66.7},
            {0.05, 1, 0},
            {-6.25, 1, -6.2},
            {0.125, 2, 0.12},
            {0.375, 2, 0.38},
            {1250, -2, 1200},
            {1350, -2, 1400},
            {1e307, 5, 1e307},
            {0.1, 400, 0.1},
            {1e308, -400, 0},
            {-inf, 2, -inf},
        };
        for (const auto& row : rows)
            QTest::addRow("%.17g, %d", row.value, row.decimals)
                << row.value << row.decimals << row.expected;
    }

    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(exact(quibbler::roundHalfEven(value, decimals)), exact(expected));
        if (decimals == 0)
            QCOMPARE(exact(quibbler::roundHalfEven(value)), exact(expected));
    }

    // Printing and reading back must agree: exactly for values of up to 15
    // significant digits, to the printed precision otherwise.
    void roundTrip()
    {
        std::mt19937 rng(20240611);
        const QRegularExpression shape(QStringLiteral(
            R"(^[ -](0|[1-9]\d*(\.\d*[1-9])?|\.\d*[1-9]|[1-9](\.\d*[1-9])?E[+-]\d\d\d?)$)"));
        for (int i = 0; i < 4000; ++i) {
            const auto digits = std::uniform_int_distribution<int>(1, 15)(rng);
            const auto whole
                = std::uniform_int_distribution<long long>(0, 999'999'999'999'999LL)(rng)
                % static_cast<long long>(std::pow(10.0, digits));
            const double sign = rng() % 2 ? -1.0 : 1.0;
            double x = 0;
            switch (i % 4) {
            case 0:
                x = sign * double(whole);
                break;
            case 1:
                x = sign * double(whole / 10) / 10;
                break;
            case 2:
                x = sign
                    * parsed(std::to_string(whole) + "e"
                             + std::to_string(std::uniform_int_distribution<int>(-300, 290)(rng)));
                break;
            default:
                x = sign
                    * std::ldexp(std::uniform_real_distribution<double>(1, 2)(rng),
                                 std::uniform_int_distribution<int>(-1000, 1000)(rng));
            }
            const QString text = quibbler::signedNumberText(x);
            QVERIFY2(shape.match(text).hasMatch(), qPrintable(text));
            QCOMPARE(text.startsWith(u'-'), x < 0);
            const double back = quibbler::leadingNumber(text);
            QCOMPARE(exact(back), exact(parsed(text.trimmed().toStdString())));
            if (i % 4 != 3)
                QCOMPARE(exact(back), exact(x == 0 ? 0.0 : x)); // zero reads back unsigned
            else
                QVERIFY2(std::fabs(back - x) < 1e-14 * std::fabs(x), qPrintable(text));
        }
    }
};

QTEST_APPLESS_MAIN(TstTextNumbers)
#include "tst_textnumbers.moc"
