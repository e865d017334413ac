#pragma once

#include <cstdint>
#include <random>

namespace quibbler {

// The program's one source of uniform numbers in [0, 1). It can be reseeded
// from a number or from the clock; no particular sequence is promised.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void seed(double value) = 0;
    virtual void seedFromClock() = 0;
};

// Mersenne Twister with 24-bit results: enough resolution for drawing from
// lists of at most 32,767 entries, and exactly representable in [0, 1).
class GeneratorRandom : public RandomSource {
public:
    double next() override;
    void seed(double value) override;
    void seedFromClock() override;

private:
    std::mt19937 m_engine{1000u};
};

} // namespace quibbler
