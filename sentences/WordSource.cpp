#include "sentences/WordSource.h"

#include "host/ListBox.h"
#include "sentences/Capitalization.h"
#include "sentences/Draws.h"
#include "sentences/WordPick.h"

namespace quibbler {

void WordSource::Drawn::show()
{
    if (selected != -2)
        list.setSelectedPos(selected);
    selected = -2;
}

WordSource::WordSource(ListBox& words, ListBox& cache, ListBox& properNouns)
    : m_words{words, words.entries()},
      m_cache{cache, cache.entries()},
      m_properNouns{properNouns, {}}
{ }

WordSource::~WordSource()
{
    m_words.show();
    m_cache.show();
    m_properNouns.show();
}

void WordSource::pick(const QString& letter, const QString& length)
{
    // The cache is judged by the word last drawn from it.
    m_cache.show();
    if (wordPick(m_words.list, m_cache.list, letter, length)) {
        m_cache.entries = m_cache.list.entries();
        m_words.selected = -2; // the rebuild walked the words and left them on their last
    }
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
    m_properNouns.selected = properNounStop(m_properNouns.list, word);
    return capitalized(m_properNouns.list, word);
}

} // namespace quibbler
