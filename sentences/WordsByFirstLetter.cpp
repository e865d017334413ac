#include "sentences/WordsByFirstLetter.h"

#include "text/Characters.h"

namespace quibbler {

const QStringList& WordsByFirstLetter::startingWith(const QString& upperLetter) const
{
    if (!m_grouped) {
        for (const QString& word : m_words)
            m_byFirst[upperFirstCharacter(word)].append(word);
        m_grouped = true;
    }
    static const QStringList none;
    const auto it = m_byFirst.constFind(upperLetter);
    return it == m_byFirst.cend() ? none : it.value();
}

} // namespace quibbler
