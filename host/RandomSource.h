#pragma once

#include <cstdint>
#include <random>

namespace quibbler {

// The program's one source of uniform numbers in [0, 1). It can be reseeded
// from a number or from the clock; no particular sequence is promised, but a
// reseed never makes the numbers repeat a run they gave before.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void seed(double value) = 0;
    virtual void seedFromClock() = 0;
};

// Mersenne Twister with 24-bit results: enough resolution for drawing from
// lists of at most 32,767 entries, and exactly representable in [0, 1).
// A reseed folds its value into the current state instead of replacing it:
// the clock gives the same few values to every answer ended in one second, and
// a reseed that restarted the sequence would repeat the same answer each time.
class GeneratorRandom : public RandomSource {
public:
    double next() override;
    void seed(double value) override;
    void seedFromClock() override;

private:
    void fold(std::uint64_t bits);

    std::mt19937 m_engine{1000u};
};

} // namespace quibbler
