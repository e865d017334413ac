#pragma once

#include <QString>
#include <QStringView>

namespace quibbler {

// The number written at the start of a text. Blanks, tabs and line feeds are
// skipped wherever they stand; then an optional sign, digits with at most one
// decimal point and an optional exponent (E) are read up to the first
// character that cannot continue the number. "&H" and "&O" read a hexadecimal
// or octal whole number. A text that does not begin with a number gives 0.
// A value too large for a double gives +/-infinity; a zero result is never -0.
double leadingNumber(QStringView text);

// The signed form used in messages and rows: one leading blank for a value that
// is not negative, "." as decimal point, no trailing zeros, no zero before the
// point for values below 1 (0.3 -> " .3", -0.25 -> "-.25", 12 -> " 12").
// Up to 15 significant digits; very large or small values use "1E+20" form.
// Non-finite values read " NaN", " Infinity" and "-Infinity".
QString signedNumberText(double value);

// Round to the nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Round to the given number of decimal places, halves to the even digit
// (6.25 -> 6.2 and 18.75 -> 18.8 for one place). Negative places round to
// tens, hundreds and so on.
double roundHalfEven(double value, int decimals);

} // namespace quibbler
