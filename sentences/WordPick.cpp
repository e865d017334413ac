#include "sentences/WordPick.h"

#include "host/Characters.h"
#include "host/ListBox.h"
#include "host/TextNumbers.h"

namespace quibbler {

bool cacheIsStale(const QString& lastDrawn, const QString& letter, const QString& length)
{
    return (!letter.isEmpty() && firstCharacter(lastDrawn) != letter)
        || (!length.isEmpty() && lastDrawn.size() != leadingNumber(length));
}

void rebuildWordCache(ListBox& words, ListBox& cache, const QString& letter, const QString& length)
{
    const double wanted = leadingNumber(length);
    const QString upperLetter = letter.toUpper();
    QStringList passing;
    for (const QString& word : words.entries()) {
        if ((letter.isEmpty() || upperFirstCharacter(word) == upperLetter)
            && (length.isEmpty() || word.size() == wanted))
            passing.append(word);
    }
    cache.clearAll();
    cache.appendAll(passing);
    // The walk over the words ends on their last entry.
    words.setSelectedPos(words.count() - 1);
}

bool wordPick(ListBox& words, ListBox& cache, const QString& letter, const QString& length)
{
    if (!cacheIsStale(cache.selectedText(), letter, length))
        return false;
    rebuildWordCache(words, cache, letter, length);
    return true;
}

} // namespace quibbler
