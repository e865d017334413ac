#include "sentences/Draws.h"

#include "host/RandomSource.h"

#include <algorithm>
#include <cmath>

namespace quibbler {

int drawIndex(RandomSource& random, int count)
{
    // Every draw takes its number, also from an empty list, so that the
    // numbers after it stay the same.
    const double r = random.next();
    if (count <= 0)
        return 0;
    // Clamped so that a source returning a value at the very top of [0, 1) can
    // never select past the end.
    return std::clamp(static_cast<int>(std::floor(r * count)), 0, count - 1);
}

int drawRange(RandomSource& random, int n)
{
    return drawIndex(random, n) + 1;
}

void reseedAfterAnswer(RandomSource& random, const QTime& now)
{
    random.seed(now.second());
    random.seed(now.second() * now.hour() - now.minute());
}

} // namespace quibbler
