#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace quibbler {

// How many entries begin with each letter A to Z (after upper-casing the first
// whole character); entries that begin with anything else, an accented letter
// included, count toward no letter.
std::array<int, 26> letterCounts(const QStringList& entries);

// One row of the word-count lists: the letter, "-", the count with its sign
// blank, " ", the share of the total in percent rounded to one decimal place
// (halves to even) with its sign blank, and "%". "A- 12  30%" for 12 of 40.
QString letterRow(QChar letter, int count, double total);

// The 26 rows of a list, A to Z. An empty list counts as a total of 1e-06 so
// that every share is 0.
QStringList letterRows(const QStringList& entries);

} // namespace quibbler
