#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>
#include <vector>

namespace quibbler::bench {

// A seeded source of numbers that gives the same sequence on every run.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_engine(seed) { }
    // Uniform in [0, 1) with 53 bits.
    double uniform() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }
    // Uniform whole number in [0, n).
    int below(int n) { return static_cast<int>(uniform() * n); }

private:
    std::mt19937_64 m_engine;
};

// The word of a position: every position has its own word, made of syllables
// (a consonant and a vowel; a word may also open with a lone vowel). Low
// positions get short words, as the most common words of a language are short.
QString wordAt(int position);

// The words of positions first .. first + count - 1.
QStringList wordsAt(int first, int count);

// The same word with a capital first letter (a proper noun).
QString capitalised(const QString& word);

// Ranks 1..vocabulary drawn with probability proportional to 1 / rank^exponent.
class Zipf {
public:
    explicit Zipf(int vocabulary = 30000, double exponent = 1.0);
    // A rank from 1 to vocabulary.
    int draw(Rng& rng) const;

private:
    std::vector<double> m_cumulative;
};

// A text of the given number of Zipf-distributed words: sentences of 4 to 16
// words with a capital first word, commas now and then, ". ", "! " or "? " at
// the end, and a line break every few sentences.
QString zipfText(int words, std::uint64_t seed, int vocabulary = 30000);

// The words joined with single spaces.
QString spaced(const QStringList& words);

// A text of letters a-z of the given length, each drawn at random.
QString letterPattern(int length, std::uint64_t seed);

} // namespace quibbler::bench
