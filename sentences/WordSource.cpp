#include "sentences/WordSource.h"

#include "text/Characters.h"
#include "controls/ListBox.h"
#include "sentences/Capitalization.h"
#include "sentences/Draws.h"
#include "sentences/WordFilter.h"
#include "sentences/WordPick.h"

namespace quibbler {

WordSource::WordSource(ListBox& words, ListBox& cache, ListBox& properNouns)
    : m_words{words, words.entries()},
      m_cache{cache, cache.entries()},
      m_properNouns{properNouns, {}}
{
    m_cache.selected = cache.selectedPos();
}

WordSource::~WordSource()
{
    if (m_cacheRebuilt) {
        m_cache.list.clearAll();
        m_cache.list.appendAll(m_cache.entries);
    }
    for (Drawn* drawn : {&m_words, &m_cache, &m_properNouns}) {
        if (drawn->selected != -2)
            drawn->list.setSelectedPos(drawn->selected);
    }
}

const QStringList& WordSource::startingWith(const QString& upperLetter)
{
    if (m_byFirst.isEmpty()) {
        for (const QString& word : m_words.entries)
            m_byFirst[upperFirstCharacter(word)].append(word);
    }
    static const QStringList none;
    const auto it = m_byFirst.constFind(upperLetter);
    return it == m_byFirst.cend() ? none : it.value();
}

void WordSource::pick(const QString& letter, const QString& length)
{
    const WordFilter filter(letter, length);
    // Rebuilt only when the word last drawn from the cache no longer fits.
    const QString last = m_cache.selected >= 0 && m_cache.selected < m_cache.entries.size()
        ? m_cache.entries.at(m_cache.selected)
        : QString();
    if (!filter.isStale(last))
        return;

    const QString key = letter.toUpper() + QLatin1Char('\n') + length;
    auto rebuilt = m_rebuilds.constFind(key);
    if (rebuilt == m_rebuilds.cend())
        rebuilt = m_rebuilds.insert(
            key,
            filter.passing(letter.isEmpty() ? m_words.entries : startingWith(letter.toUpper())));
    m_cache.entries = rebuilt.value();
    m_cache.selected = -1;
    m_cacheRebuilt = true;
    // The rebuild's walk over the words ends on their last entry.
    m_words.selected = m_words.entries.size() - 1;
}

int WordSource::count(bool fromCache) const
{
    return static_cast<int>(of(fromCache).entries.size());
}

QString WordSource::at(bool fromCache, int position)
{
    Drawn& drawn = of(fromCache);
    drawn.selected = position;
    return drawn.entries.at(position);
}

QString WordSource::draw(bool fromCache, RandomSource& random)
{
    return at(fromCache, drawIndex(random, count(fromCache)));
}

QString WordSource::capitalize(const QString& word)
{
    // One look-up: a walk of the proper nouns stops on the match, else on
    // the last entry (-1 for an empty list); a match is capitalised.
    const int match = m_properNouns.list.findIgnoringCase(word);
    m_properNouns.selected = match >= 0 ? match : m_properNouns.list.count() - 1;
    return match >= 0 ? withCapital(word) : word;
}

} // namespace quibbler
