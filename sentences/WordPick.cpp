#include "sentences/WordPick.h"

#include "host/ListBox.h"
#include "host/TextNumbers.h"

namespace quibbler {

bool wordPick(ListBox& words, ListBox& cache, const QString& letter, const QString& length)
{
    const double wanted = leadingNumber(length);
    const QString last = cache.selectedText();
    const bool stale = (!letter.isEmpty() && last.left(1) != letter)
        || (!length.isEmpty() && last.size() != wanted);
    if (!stale)
        return false;

    const QString upperLetter = letter.toUpper();
    QStringList passing;
    for (const QString& word : words.entries()) {
        if ((letter.isEmpty() || word.left(1).toUpper() == upperLetter)
            && (length.isEmpty() || word.size() == wanted))
            passing.append(word);
    }
    cache.clearAll();
    cache.appendAll(passing);
    // The walk over the words ends on their last entry.
    words.setSelectedPos(words.count() - 1);
    return true;
}

} // namespace quibbler
