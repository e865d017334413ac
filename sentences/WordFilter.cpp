#include "sentences/WordFilter.h"

#include "text/Characters.h"
#include "text/TextNumbers.h"

namespace quibbler {

WordFilter::WordFilter(const QString& letter, const QString& length)
    : m_letter(letter),
      m_upperLetter(letter.toUpper()),
      m_byLength(!length.isEmpty()),
      m_length(leadingNumber(length))
{ }

bool WordFilter::passes(QStringView word) const
{
    return (m_letter.isEmpty() || upperFirstCharacter(word) == m_upperLetter)
        && (!m_byLength || characterCount(word) == m_length);
}

QStringList WordFilter::passing(const QStringList& words) const
{
    QStringList result;
    for (const QString& word : words) {
        if (passes(word))
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
