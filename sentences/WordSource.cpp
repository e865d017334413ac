#include "sentences/WordSource.h"

#include "controls/ListBox.h"
#include "sentences/Capitalization.h"
#include "sentences/Draws.h"
#include "sentences/WordFilter.h"
#include "text/TextNumbers.h"

namespace quibbler {

WordSource::WordSource(ListBox& words, ListBox& cache, ListBox& properNouns)
    : m_words(words, words.entries()),
      m_cache(cache, cache.entries()),
      m_properNouns(properNouns, {}),
      m_byFirst(m_words.entries)
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

void WordSource::pick(const QString& letter, const QString& length)
{
    // Rebuilt only when the word last drawn from the cache no longer fits.
    const QString last = m_cache.selected >= 0 && m_cache.selected < m_cache.entries.size()
        ? m_cache.entries.at(m_cache.selected)
        : QString();
    if (!WordFilter(letter, length).isStale(last))
        return;
    rebuild(letter, length);
    m_words.selected = m_words.list.walkEnd();
}

void WordSource::rebuild(const QString& letter, const QString& length)
{
    const QString key = letter.toUpper() + QLatin1Char('\n') + length;
    auto rebuilt = m_rebuilds.constFind(key);
    if (rebuilt == m_rebuilds.cend())
        rebuilt = m_rebuilds.insert(key, WordFilter(letter, length).passing(m_byFirst));
    m_cache.entries = rebuilt.value();
    m_cache.selected = -1;
    ++m_cache.generation;
    m_cacheRebuilt = true;
}

bool WordSource::useFilters(const QString& letter, const QString& length)
{
    if (!letter.isEmpty() || leadingNumber(length) > 0)
        pick(letter, length);
    return !letter.isEmpty() || !length.isEmpty();
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

QString WordSource::draw(bool fromCache, RandomSource& random, bool capitals)
{
    const int position = drawIndex(random, count(fromCache));
    const QString word = at(fromCache, position);
    if (!capitals)
        return word;
    Drawn& drawn = of(fromCache);
    if (drawn.capitalized.size() < size_t(drawn.entries.size()))
        drawn.capitalized.resize(drawn.entries.size());
    Capitalized& known = drawn.capitalized[position];
    if (known.generation != drawn.generation) {
        known.word = capitalize(word);
        known.stop = m_properNouns.selected;
        known.generation = drawn.generation;
    }
    m_properNouns.selected = known.stop;
    return known.word;
}

QString WordSource::capitalize(const QString& word)
{
    // One look-up, which leaves the proper nouns where its walk stopped.
    const ListBox::WalkStop stop = m_properNouns.list.walkStop(word);
    m_properNouns.selected = stop.position;
    return stop.found ? withCapital(word) : word;
}

} // namespace quibbler
