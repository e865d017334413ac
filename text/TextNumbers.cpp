#include "text/TextNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace quibbler {

namespace {

// A number rounds to a double by which side of the nearest halfway point
// between two doubles it lies on, and no halfway point has more than 768
// significant digits (the longest is (2^54 - 1) * 2^-1075, just below 2^-1021).
// So a longer digit run is cut to 768 digits with a single "sticky" 1 standing
// in for a non-zero rest: that lands on the same side of every halfway point,
// and keeps the conversion cheap however long the text is. Fewer digits would
// misround numbers right beside such a point.
constexpr std::size_t kMaxSignificantDigits = 768;

// Larger exponents are already far past the double range; capping them keeps
// the arithmetic away from overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000;

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Reads characters one by one, stepping over blanks wherever they stand.
class Reader {
public:
    explicit Reader(QStringView text) : m_text(text) { skipBlanks(); }

    char16_t peek() const { return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0'; }
    void next()
    {
        ++m_pos;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos].unicode()))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

int radixDigit(char16_t c, int radix)
{
    int d = -1;
    if (isDigit(c))
        d = c - u'0';
    else if (c >= u'a' && c <= u'f')
        d = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        d = c - u'A' + 10;
    return d < radix ? d : -1;
}

// The whole number after "&H" or "&O". Accumulating in a double lets very long
// runs grow huge (eventually infinite) instead of wrapping around.
double readRadixNumber(Reader& in, int radix)
{
    double value = 0.0;
    for (int d = radixDigit(in.peek(), radix); d >= 0; d = radixDigit(in.peek(), radix)) {
        value = value * radix + d;
        in.next();
    }
    return value;
}

// The power of ten after an E; 0 when no digit follows, as then the E is not
// part of the number (and nothing after it is read anyway).
std::int64_t readExponent(Reader& in)
{
    in.next(); // the E
    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
        negative = in.peek() == u'-';
        in.next();
    }
    std::int64_t exponent = 0;
    while (isDigit(in.peek())) {
        exponent = std::min(exponent * 10 + (in.peek() - u'0'), kExponentCap);
        in.next();
    }
    return negative ? -exponent : exponent;
}

double readDecimalNumber(Reader& in)
{
    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
        negative = in.peek() == u'-';
        in.next();
    }

    // The value is significant * 10^scale, where significant holds the digits
    // from the first non-zero one on.
    std::string significant;
    std::int64_t scale = 0;
    bool sticky = false;
    bool afterPoint = false;
    for (;;) {
        const char16_t c = in.peek();
        if (c == u'.' && !afterPoint) {
            afterPoint = true;
        } else if (isDigit(c)) {
            if (significant.empty() && c == u'0') {
                if (afterPoint)
                    --scale;
            } else if (significant.size() < kMaxSignificantDigits) {
                significant.push_back(static_cast<char>(c));
                if (afterPoint)
                    --scale;
            } else {
                sticky = sticky || c != u'0';
                if (!afterPoint)
                    ++scale;
            }
        } else {
            break;
        }
        in.next();
    }
    if (in.peek() == u'E' || in.peek() == u'e')
        scale += readExponent(in);
    if (significant.empty())
        return 0.0;

    if (sticky) {
        significant.push_back('1');
        --scale;
    }
    // The value lies in [10^(magnitude-1), 10^magnitude); that tells overflow
    // from underflow, which from_chars reports alike.
    const std::int64_t magnitude = static_cast<std::int64_t>(significant.size()) + scale;
    significant.push_back('e');
    significant += std::to_string(scale);
    double value = 0.0;
    const auto result = std::from_chars(significant.data(), significant.data() + significant.size(),
                                        value, std::chars_format::scientific);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude <= 0)
            return 0.0; // never -0: callers treat zero as plain zero
        value = std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

} // namespace

double leadingNumber(QStringView text)
{
    Reader in(text);
    if (in.peek() == u'&') {
        in.next();
        const char16_t kind = in.peek();
        if (kind != u'H' && kind != u'h' && kind != u'O' && kind != u'o')
            return 0.0;
        in.next();
        return readRadixNumber(in, kind == u'H' || kind == u'h' ? 16 : 8);
    }
    return readDecimalNumber(in);
}

QString signedNumberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral(" NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral(" Infinity");
    if (value == 0.0)
        return QStringLiteral(" 0"); // also for -0

    constexpr int precision = 15;
    // Fifteen significant digits as "d.dddddddddddddde±X"; the exponent is the
    // one after rounding, so 999999999999999.9 comes back as 1e+15.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, precision - 1);
    const std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.')
            digits.push_back(c);
    int exponent = 0;
    const std::string_view expText = sci.substr(ePos + 1);
    std::from_chars(expText.data() + (expText.front() == '+' ? 1 : 0),
                    expText.data() + expText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text(1, value < 0 ? '-' : ' ');
    if (exponent < -4 || exponent >= precision) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int absExponent = std::abs(exponent);
        if (absExponent < 10)
            text += '0';
        text += std::to_string(absExponent);
    } else if (exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            text += digits;
            text.append(wholeDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, wholeDigits);
            text += '.';
            text.append(digits, wholeDigits);
        }
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

double roundHalfEven(double value)
{
    // std::round is independent of the rounding mode; only exact halves need
    // another look. Beyond 2^52 every double is whole, so r - value is exact.
    const double r = std::round(value);
    if (std::fabs(r - value) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return r;
}

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    if (decimals >= 0) {
        const double scale = std::pow(10.0, decimals);
        const double scaled = value * scale;
        // Once the scaled value is whole anyway there is nothing to round, and
        // dividing back would only add error (or produce NaN from infinity).
        if (!std::isfinite(scaled) || std::fabs(scaled) >= 0x1p52)
            return value;
        return roundHalfEven(scaled) / scale;
    }
    const double scale = std::pow(10.0, -decimals);
    if (!std::isfinite(scale))
        return 0.0; // every finite double is below half of 10^309
    return roundHalfEven(value / scale) * scale;
}

} // namespace quibbler
