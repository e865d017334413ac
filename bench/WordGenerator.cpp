#include "WordGenerator.h"

#include <algorithm>
#include <cmath>

namespace quibbler::bench {

namespace {

constexpr char kConsonants[] = "bcdfghjklmnprstvwyz";
constexpr char kVowels[] = "aeiou";
constexpr int kConsonantCount = sizeof(kConsonants) - 1;
constexpr int kVowelCount = sizeof(kVowels) - 1;
// Inner syllables are consonant + vowel; the opening one may also be a vowel.
constexpr int kInner = kConsonantCount * kVowelCount;
constexpr int kOpening = kInner + kVowelCount;

void appendInner(QString& word, int syllable)
{
    word += QLatin1Char(kConsonants[syllable / kVowelCount]);
    word += QLatin1Char(kVowels[syllable % kVowelCount]);
}

void appendOpening(QString& word, int syllable)
{
    if (syllable < kVowelCount)
        word += QLatin1Char(kVowels[syllable]);
    else
        appendInner(word, syllable - kVowelCount);
}

} // namespace

QString wordAt(int position)
{
    // Positions are numbered by word length first: all one-syllable words, then
    // all two-syllable words, and so on. Every syllable but a lone opening vowel
    // is two letters starting with a consonant, so a word reads back into its
    // syllables one way only and no two positions share a word.
    std::int64_t rest = position;
    int syllables = 1;
    std::int64_t block = kOpening;
    while (rest >= block) {
        rest -= block;
        block *= kInner;
        ++syllables;
    }
    QString word;
    word.reserve(2 * syllables);
    std::int64_t innerSpan = block / kOpening;
    appendOpening(word, static_cast<int>(rest / innerSpan));
    rest %= innerSpan;
    for (int i = 1; i < syllables; ++i) {
        innerSpan /= kInner;
        appendInner(word, static_cast<int>(rest / innerSpan));
        rest %= innerSpan;
    }
    return word;
}

QStringList wordsAt(int first, int count)
{
    QStringList words;
    words.reserve(count);
    for (int i = 0; i < count; ++i)
        words.append(wordAt(first + i));
    return words;
}

QString capitalised(const QString& word)
{
    return word.isEmpty() ? word : word.front().toUpper() + word.mid(1);
}

Zipf::Zipf(int vocabulary, double exponent)
{
    m_cumulative.reserve(vocabulary);
    double sum = 0;
    for (int rank = 1; rank <= vocabulary; ++rank) {
        sum += 1.0 / std::pow(rank, exponent);
        m_cumulative.push_back(sum);
    }
    for (double& value : m_cumulative)
        value /= sum;
}

int Zipf::draw(Rng& rng) const
{
    const double u = rng.uniform();
    const auto it = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), u);
    const auto index
        = std::min<std::ptrdiff_t>(it - m_cumulative.begin(), std::ssize(m_cumulative) - 1);
    return static_cast<int>(index) + 1;
}

QString zipfText(int words, std::uint64_t seed, int vocabulary)
{
    const Zipf zipf(vocabulary);
    Rng rng(seed);
    // The words come from a cache: the same rank always gives the same word.
    std::vector<QString> byRank(vocabulary + 1);
    QString text;
    text.reserve(static_cast<qsizetype>(words) * 8);
    int inSentence = 0;
    int sentenceLength = 4 + rng.below(13);
    int sentences = 0;
    for (int i = 0; i < words; ++i) {
        const int rank = zipf.draw(rng);
        QString& word = byRank[rank];
        if (word.isEmpty())
            word = wordAt(rank - 1);
        text += inSentence == 0 ? capitalised(word) : word;
        ++inSentence;
        if (i + 1 == words) {
            text += QLatin1Char('.');
        } else if (inSentence == sentenceLength) {
            static const char* const ends[] = {". ", ". ", ". ", "! ", "? "};
            text += QLatin1String(ends[rng.below(5)]);
            inSentence = 0;
            sentenceLength = 4 + rng.below(13);
            if (++sentences % 6 == 0)
                text += QLatin1Char('\n');
        } else {
            text += rng.below(10) == 0 ? QLatin1String(", ") : QLatin1String(" ");
        }
    }
    return text;
}

QString spaced(const QStringList& words)
{
    return words.join(QLatin1Char(' '));
}

QString letterPattern(int length, std::uint64_t seed)
{
    Rng rng(seed);
    QString pattern;
    pattern.reserve(length);
    for (int i = 0; i < length; ++i)
        pattern += QLatin1Char(static_cast<char>('a' + rng.below(26)));
    return pattern;
}

} // namespace quibbler::bench
