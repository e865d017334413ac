#include "vocabulary/StoreLearner.h"

#include "controls/ListBox.h"

#include <utility>

namespace quibbler {

void StoreLearner::take(QStringView word)
{
    const CaselessIndex::Key key(word);
    m_list.prefetch(key);
    flush();
    m_waiting.clear();
    m_waiting.append(word.utf16(), word.size());
    m_waitingKey = key;
    m_waits = true;
}

void StoreLearner::flush()
{
    if (std::exchange(m_waits, false))
        lookUp();
}

void StoreLearner::lookUp()
{
    const QStringView word(m_waiting.constData(), m_waiting.size());
    const ListBox::WalkStop stop = m_list.walkStop(word, m_waitingKey);
    m_looked = true;
    m_lastStop = stop.position;
    if (stop.found || word.isEmpty())
        return;
    if (m_list.append(word.toString()))
        ++m_added;
    else
        m_overflowed = true;
}

void StoreLearner::finish()
{
    flush();
    if (m_looked)
        m_list.setSelectedPos(m_lastStop);
}

} // namespace quibbler
