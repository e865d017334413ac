#include "sentences/WordFilter.h"

#include "sentences/WordsByFirstLetter.h"
#include "text/Characters.h"
#include "text/TextNumbers.h"

namespace quibbler {

WordFilter::WordFilter(const QString& letter, const QString& length)
    : m_letter(letter),
      m_upperLetter(letter.toUpper()),
      m_byLength(!length.isEmpty()),
      m_length(leadingNumber(length))
{ }

QStringList WordFilter::passing(const WordsByFirstLetter& words) const
{
    const QStringList& starting
        = m_letter.isEmpty() ? words.all() : words.startingWith(m_upperLetter);
    if (!m_byLength)
        return starting;
    QStringList result;
    for (const QString& word : starting) {
        if (characterCount(word) == m_length)
            result.append(word);
    }
    return result;
}

bool WordFilter::isStale(QStringView lastDrawn) const
{
    return (!m_letter.isEmpty() && firstCharacter(lastDrawn) != m_letter)
        || (m_byLength && characterCount(lastDrawn) != m_length);
}

} // namespace quibbler
