#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace quibbler {

// Words and, made on first need, the same words by their first character
// upper-cased (upperFirstCharacter): how "starts with this letter, whatever
// its case" finds and counts words, for every letter in one pass.
class WordsByFirstLetter {
public:
    explicit WordsByFirstLetter(const QStringList& words) : m_words(words) { }

    const QStringList& all() const { return m_words; }
    // The words whose first character, upper-cased, is upperLetter, in order.
    const QStringList& startingWith(const QString& upperLetter) const;
    int count(const QString& upperLetter) const
    {
        return static_cast<int>(startingWith(upperLetter).size());
    }

private:
    QStringList m_words;
    mutable QHash<QString, QStringList> m_byFirst;
    mutable bool m_grouped = false;
};

} // namespace quibbler
