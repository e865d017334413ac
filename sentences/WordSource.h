#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

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
    void pick(const QString& letter, const QString& length);

    int count(bool fromCache) const;
    // The word at a position (which a draw selects).
    QString at(bool fromCache, int position);
    // A draw: the word at Int(r * count). The list must not be empty.
    QString draw(bool fromCache, RandomSource& random);

    // The word capitalised when it is a known proper noun.
    QString capitalize(const QString& word);

private:
    struct Drawn {
        ListBox& list;
        QStringList entries;
        int selected = -2; // -2: the list's own selection stands
    };
    Drawn& of(bool fromCache) { return fromCache ? m_cache : m_words; }
    const Drawn& of(bool fromCache) const { return fromCache ? m_cache : m_words; }
    const QStringList& startingWith(const QString& upperLetter);

    Drawn m_words;
    Drawn m_cache;
    Drawn m_properNouns;
    bool m_cacheRebuilt = false;
    // The learned words by upper-cased first character, made on first need.
    QHash<QString, QStringList> m_byFirst;
    QHash<QString, QStringList> m_rebuilds;
};

} // namespace quibbler
