#include "sentences/WordPick.h"

#include "controls/ListBox.h"
#include "sentences/WordFilter.h"

namespace quibbler {

void rebuildWordCache(const ListBox& words, ListBox& cache, const QString& letter,
                      const QString& length)
{
    cache.clearAll();
    cache.appendAll(WordFilter(letter, length).passing(words.entries()));
}

} // namespace quibbler
