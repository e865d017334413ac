// Any text cut into proper nouns: no name holds a separator or an underscore
// (a blank only where an underscore stood), and every other character of the
// text is in a name but the one white-space character skipped after each
// separator other than the blank.
#include "FuzzCheck.h"
#include "vocabulary/Cutting.h"

#include <QString>

using namespace quibbler;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Written out here, not taken from the cutter.
    const QString separators = QStringLiteral("\r\n\t;:,!?. ");
    const QString skippers = QStringLiteral("\r\n\t;:,!?.");
    const QString text = withCrLf(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QStringList names = cutProperNouns(text);
    FUZZ_CHECK(!names.isEmpty());
    qsizetype length = 0;
    qsizetype blanks = 0;
    for (const QString& name : names) {
        for (const QChar c : name) {
            FUZZ_CHECK(!separators.contains(c) || c == QLatin1Char(' '));
            FUZZ_CHECK(c != QLatin1Char('_'));
            blanks += c == QLatin1Char(' ');
        }
        length += name.size();
    }
    qsizetype kept = 0;
    bool skipNext = false;
    for (const QChar c : text) {
        if (skipNext && c.isSpace()) {
            skipNext = false;
            continue;
        }
        skipNext = skippers.contains(c);
        kept += !separators.contains(c);
    }
    FUZZ_CHECK(length == kept);
    FUZZ_CHECK(blanks <= text.count(QLatin1Char('_')));
    return 0;
}
