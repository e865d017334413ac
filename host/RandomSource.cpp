#include "host/RandomSource.h"

#include <bit>
#include <chrono>

namespace quibbler {

double GeneratorRandom::next()
{
    return static_cast<double>(m_engine() >> 8) / 16777216.0;
}

void GeneratorRandom::seed(double value)
{
    // Seeds that differ in any bit give different sequences; 0 and -0 are one seed.
    const auto bits = std::bit_cast<std::uint64_t>(value == 0.0 ? 0.0 : value);
    std::seed_seq seq{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    m_engine.seed(seq);
}

void GeneratorRandom::seedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto bits = static_cast<std::uint64_t>(ticks);
    std::seed_seq seq{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32),
                      0x5eedu};
    m_engine.seed(seq);
}

} // namespace quibbler
