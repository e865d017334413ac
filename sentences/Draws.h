#pragma once

#include <QTime>

namespace quibbler {

class RandomSource;

// The position a draw from a list of count entries selects: Int(r * count).
int drawIndex(RandomSource& random, int count);

// A whole number from 1 to n, each equally likely: Int(r * n) + 1.
int drawRange(RandomSource& random, int n);

// After every answer the source is reseeded from the clock: from the current
// second, then from second * hour - minute.
void reseedAfterAnswer(RandomSource& random, const QTime& now);

} // namespace quibbler
