#include "vocabulary/StoreLearner.h"

#include "controls/ListBox.h"

namespace quibbler {

void StoreLearner::take(QStringView word)
{
    const int match = m_list.findIgnoringCase(word);
    m_looked = true;
    m_lastStop = match >= 0 ? match : m_list.count() - 1;
    if (match >= 0 || word.isEmpty())
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
