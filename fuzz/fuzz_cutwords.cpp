// Any text cut at any set of delimiters: no word holds a delimiter or an
// underscore (a blank that is a delimiter only where an underscore stood), and
// every delimiter ends exactly one run; cut in pieces, the runs are the same.
#include "FuzzCheck.h"
#include "vocabulary/Cutting.h"

#include <QString>

using namespace quibbler;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says how many of the following characters are delimiters.
    const QString all = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1,
                                          static_cast<qsizetype>(size - 1));
    const qsizetype split = std::min<qsizetype>(data[0] % 16, all.size());
    const QString delimiters = all.left(split);
    const QString boxText = all.mid(split);
    const QString text = withCrLf(boxText);

    // Delimiters are whole characters: a surrogate pair is one.
    const auto isDelimiter = [&delimiters](QStringView character) {
        return !character.front().isSurrogate() || character.size() == 2
            ? delimiters.contains(character)
            : false;
    };
    const auto eachCharacter = [](QStringView s, auto&& f) {
        for (qsizetype i = 0; i < s.size(); ++i) {
            const bool pair
                = s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate();
            f(s.sliced(i, pair ? 2 : 1));
            i += pair;
        }
    };
    const QStringList runs = cutWords(text, delimiters);
    qsizetype delimiterCount = 0;
    qsizetype delimiterLength = 0;
    eachCharacter(text, [&](QStringView c) {
        if (isDelimiter(c)) {
            ++delimiterCount;
            delimiterLength += c.size();
        }
    });
    FUZZ_CHECK(runs.size() == delimiterCount + 1);
    qsizetype length = 0;
    qsizetype blanks = 0;
    for (const QString& run : runs) {
        eachCharacter(run, [&](QStringView c) {
            if (c == u" ")
                ++blanks;
            else
                FUZZ_CHECK(!isDelimiter(c) && c != u"_");
        });
        length += run.size();
    }
    FUZZ_CHECK(length + delimiterLength == text.size());
    const qsizetype textBlanks
        = delimiters.contains(QLatin1Char(' ')) ? 0 : text.count(QLatin1Char(' '));
    FUZZ_CHECK(blanks <= text.count(QLatin1Char('_')) + textBlanks);

    // The box's text handed over in two pieces cuts the same.
    const qsizetype at = boxText.size() * (data[0] / 16) / 15;
    QStringList pieceRuns;
    const auto take = [&pieceRuns](QStringView run) {
        pieceRuns.append(run.toString());
        return true;
    };
    RunCutter cutter(delimiters);
    FUZZ_CHECK(cutter.feedBoxText(QStringView(boxText).first(at), take));
    FUZZ_CHECK(cutter.feedBoxText(QStringView(boxText).sliced(at), take));
    FUZZ_CHECK(cutter.finish(take));
    FUZZ_CHECK(pieceRuns == runs);
    return 0;
}
