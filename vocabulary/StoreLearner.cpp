#include "vocabulary/StoreLearner.h"

#include "controls/ListBox.h"

namespace quibbler {

void StoreLearner::take(QStringView word)
{
    const ListBox::WalkStop stop = m_list.walkStop(word);
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
    if (m_looked)
        m_list.setSelectedPos(m_lastStop);
}

} // namespace quibbler
