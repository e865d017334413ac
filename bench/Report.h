#pragma once

#include "LoopWatch.h"

#include <QString>

#include <vector>

namespace quibbler::bench {

// The samples of a scenario's repetitions.
struct Runs {
    std::vector<Sample> samples;
    int count() const { return static_cast<int>(samples.size()); }
    qint64 medianTime() const;
    qint64 medianGap() const;
};

// One line of the results table.
struct Row {
    QString scenario;
    QString size;
    int runs = 0;
    QString median;
    QString target;
    QString extra; // ratios and other figures the target is judged on
    QString gap; // longest event-loop gap, "-" when not watched
    QString result; // PASS, MISS, or "-" for a smoke run
};

// Gaps longer than this keep the program from answering the user.
constexpr qint64 kGapLimit = 50'000'000;

qint64 median(std::vector<qint64> values);

// "0.42 ms", "123.4 ms", "1.234 s".
QString duration(qint64 nanoseconds);
// "12.3 ms", with " OVER" when longer than kGapLimit.
QString gapText(qint64 nanoseconds);
// 1234567 -> "1,234,567".
QString count(qint64 value);
QString verdict(bool met);

// Prints the rows as an aligned plain-text table on standard output.
void printTable(const std::vector<Row>& rows);

} // namespace quibbler::bench
