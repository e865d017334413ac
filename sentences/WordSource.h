#pragma once

#include "sentences/WordsByFirstLetter.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace quibbler {

class ListBox;
class RandomSource;

// Where answers and poems take their words: the learned words, or the cache
// of those that pass the options' filters, with proper-noun capitals.
//
// The lists cannot change while an answer or a poem is written, so the source
// works on their entries in memory: a Custom pattern or the Letter Incrementor
// may rebuild the cache for every word. The lists are brought to what the
// same steps on them would leave (the cache's entries, and the selections of
// the last draws and look-ups) once, when the source goes away.
class WordSource {
public:
    WordSource(ListBox& words, ListBox& cache, ListBox& properNouns);
    ~WordSource();
    WordSource(const WordSource&) = delete;
    WordSource& operator=(const WordSource&) = delete;

    // Brings the cache up to date with a first letter and a length text
    // (WordFilter): only when the word last drawn from it no longer fits.
    // That rebuild walks the words to their end.
    void pick(const QString& letter, const QString& length);
    // Fills the cache afresh with the words that pass, whether or not it
    // looked up to date; the words' selection stays.
    void rebuild(const QString& letter, const QString& length);

    // The filters as an answer or a poem sets them up: the cache is brought
    // up to date (pick) when a letter or a length above 0 is set. True when
    // the words are to come from the cache, as any filter text makes them,
    // even a length that is no number.
    bool useFilters(const QString& letter, const QString& length);

    int count(bool fromCache) const;
    // The word at a position (which a draw selects).
    QString at(bool fromCache, int position);
    // A draw: the word at Int(r * count), with capitals when asked for and
    // it is a known proper noun. The list must not be empty.
    QString draw(bool fromCache, RandomSource& random, bool capitals = false);

    // The word capitalised when it is a known proper noun.
    QString capitalize(const QString& word);

private:
    // A capitalised form and where its look-up left the proper nouns.
    struct Capitalized {
        QString word;
        int stop = -1;
        unsigned generation = 0; // of the entries it was looked up for; 0: none
    };
    struct Drawn {
        Drawn(ListBox& list, const QStringList& entries) : list(list), entries(entries) { }
        ListBox& list;
        QStringList entries;
        int selected = -2; // -2: the list's own selection stands
        // Each entry's capitalised form is looked up once: the proper nouns
        // cannot change while the source lives. Slots of entries since
        // replaced (the cache rebuilt) are told apart by their generation.
        std::vector<Capitalized> capitalized;
        unsigned generation = 1;
    };
    Drawn& of(bool fromCache) { return fromCache ? m_cache : m_words; }
    const Drawn& of(bool fromCache) const { return fromCache ? m_cache : m_words; }

    Drawn m_words;
    Drawn m_cache;
    Drawn m_properNouns;
    bool m_cacheRebuilt = false;
    WordsByFirstLetter m_byFirst;
    QHash<QString, QStringList> m_rebuilds;
};

} // namespace quibbler
