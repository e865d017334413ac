#pragma once

#include <QString>

namespace quibbler {

class ListBox;

// Brings the filtered word cache up to date with the first-letter and length
// filters (the texts of the options' boxes).
//
// The cache is only rebuilt when the entry last drawn from it (its selection)
// no longer fits: its first character differs from the letter, compared with
// case, or its length differs from the length's value. A rebuild takes, in
// order, every word whose first letter equals the letter ignoring case and
// whose length equals the length's value, each filter only when its text is
// set; it leaves the words list selected on its last entry and nothing
// selected in the cache. Returns true when it rebuilt the cache.
// The cache's staleness test on the word last drawn from it ("" when none):
// the letter differs from its first character, compared with case, or the
// length's value from its length, each only when its text is set.
bool cacheIsStale(const QString& lastDrawn, const QString& letter, const QString& length);

bool wordPick(ListBox& words, ListBox& cache, const QString& letter, const QString& length);

// The rebuild of wordPick, whether or not the cache looks stale.
void rebuildWordCache(ListBox& words, ListBox& cache, const QString& letter, const QString& length);

} // namespace quibbler
