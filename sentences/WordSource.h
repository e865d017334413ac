#pragma once

#include <QString>
#include <QStringList>

namespace quibbler {

class ListBox;
class RandomSource;

// Where answers and poems take their words: the learned words, or the cache
// of those that pass the options' filters, with proper-noun capitals.
//
// Long answers draw hundreds of thousands of words, so entries are read once
// per list (again after the cache is rebuilt) and the selections that draws
// and look-ups make are shown once, where the last of them left each list,
// when the source goes away or the cache's selection is needed.
class WordSource {
public:
    WordSource(ListBox& words, ListBox& cache, ListBox& properNouns);
    ~WordSource();
    WordSource(const WordSource&) = delete;
    WordSource& operator=(const WordSource&) = delete;

    // Brings the cache up to date with a first letter and a length text.
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
        int selected = -2; // -2: nothing to show
        void show();
    };
    Drawn& of(bool fromCache) { return fromCache ? m_cache : m_words; }
    const Drawn& of(bool fromCache) const { return fromCache ? m_cache : m_words; }

    Drawn m_words;
    Drawn m_cache;
    Drawn m_properNouns;
};

} // namespace quibbler
