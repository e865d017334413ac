// Any text cut into proper nouns: no name holds a separator or an underscore
// (a blank only where an underscore stood), and every other character of the
// text is in a name: none is lost to the skip after a separator.
#include "FuzzCheck.h"
#include "vocabulary/Cutting.h"

#include <QString>

#include <algorithm>

using namespace quibbler;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = withCrLf(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QStringList names = cutProperNouns(text);
    FUZZ_CHECK(!names.isEmpty());
    qsizetype length = 0;
    qsizetype blanks = 0;
    for (const QString& name : names) {
        for (const QChar c : name) {
            FUZZ_CHECK(!kProperNounSkippers.contains(c) && c != QLatin1Char('_'));
            blanks += c == QLatin1Char(' ');
        }
        length += name.size();
    }
    const auto kept = std::count_if(text.cbegin(), text.cend(),
                                    [](QChar c) { return !kProperNounSeparators.contains(c); });
    FUZZ_CHECK(length == kept);
    FUZZ_CHECK(blanks <= text.count(QLatin1Char('_')));
    return 0;
}
