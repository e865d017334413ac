#include "host/RandomSource.h"

#include <array>
#include <bit>
#include <chrono>

namespace quibbler {

double GeneratorRandom::next()
{
    return static_cast<double>(m_engine() >> 8) / 16777216.0;
}

void GeneratorRandom::seed(double value)
{
    // 0 and -0 are one seed.
    fold(std::bit_cast<std::uint64_t>(value == 0.0 ? 0.0 : value));
}

void GeneratorRandom::seedFromClock()
{
    fold(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void GeneratorRandom::fold(std::uint64_t bits)
{
    // 256 bits of the current state and the new value: equal values fed in a
    // row lead on to new numbers.
    std::array<std::uint32_t, 10> words{};
    for (std::size_t i = 0; i < 8; ++i)
        words[i] = static_cast<std::uint32_t>(m_engine());
    words[8] = static_cast<std::uint32_t>(bits);
    words[9] = static_cast<std::uint32_t>(bits >> 32);
    std::seed_seq seq(words.begin(), words.end());
    m_engine.seed(seq);
}

} // namespace quibbler
