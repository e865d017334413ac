#include "Floors.h"

#include "host/RandomSource.h"

#include <QHash>
#include <QVarLengthArray>

#include <cmath>

namespace quibbler::bench {

namespace {

// Qt's own string hash is slow on some machines; the floor uses FNV-1a.
struct FloorKey {
    QString text;
    bool operator==(const FloorKey& other) const { return text == other.text; }
};

size_t qHash(const FloorKey& key, size_t seed) noexcept
{
    quint64 hash = 0xCBF29CE484222325ULL ^ seed;
    for (const QChar c : key.text)
        hash = (hash ^ c.unicode()) * 0x100000001B3ULL;
    return static_cast<size_t>(hash);
}

} // namespace

struct LearnFloor::Seen : QHash<FloorKey, qsizetype> { };

LearnFloor::LearnFloor() : m_seen(std::make_unique<Seen>()) { }

LearnFloor::~LearnFloor() = default;

qsizetype LearnFloor::learn(QStringView text)
{
    bool delimiter[128] = {};
    for (const char c : {' ', ';', '.', ',', '!', '?', ':', '\r', '\n', '\t', '"'})
        delimiter[static_cast<unsigned char>(c)] = true;
    Seen& seen = *m_seen;
    QVarLengthArray<QChar, 64> upper;
    const auto take = [&](QStringView word) {
        if (word.isEmpty())
            return;
        // Plain ASCII is upper-cased on the stack; anything else the long way.
        upper.resize(word.size());
        bool ascii = true;
        for (qsizetype i = 0; i < word.size() && ascii; ++i) {
            const char16_t c = word.at(i).unicode();
            ascii = c < 0x80;
            upper[i] = QChar(c >= u'a' && c <= u'z' ? c - 32 : c);
        }
        const FloorKey key{ascii ? QString::fromRawData(upper.constData(), upper.size())
                                 : word.toString().toUpper()};
        if (!seen.contains(key))
            seen.insert({ascii ? QString(upper.constData(), upper.size()) : key.text}, seen.size());
    };
    qsizetype start = 0;
    const QChar* data = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = data[i].unicode();
        if (c < 0x80 && delimiter[c]) {
            take(QStringView(data + start, i - start));
            start = i + 1;
        }
    }
    take(QStringView(data + start, text.size() - start));
    return seen.size();
}

qsizetype learnFloor(const QString& text)
{
    return LearnFloor().learn(text);
}

QString answerFloor(const QStringList& words, int count, RandomSource& random)
{
    QString answer;
    const auto size = static_cast<double>(words.size());
    for (int i = 0; i < count; ++i) {
        answer += words.at(static_cast<qsizetype>(std::floor(random.next() * size)));
        answer += u' ';
    }
    answer.chop(1);
    return answer;
}

} // namespace quibbler::bench
