#include "queries/LetterRows.h"

#include "sentences/WordsByFirstLetter.h"
#include "text/TextNumbers.h"

namespace quibbler {

std::array<int, 26> letterCounts(const QStringList& entries)
{
    // By the whole first character: an A with an accent after it is no A.
    const WordsByFirstLetter byFirst(entries);
    std::array<int, 26> counts{};
    for (int i = 0; i < 26; ++i)
        counts[i] = byFirst.count(QString(QChar(u'A' + i)));
    return counts;
}

QString letterRow(QChar letter, int count, double total)
{
    const double share = roundHalfEven(count / total * 100, 1);
    return letter + QLatin1Char('-') + signedNumberText(count) + QLatin1Char(' ')
        + signedNumberText(share) + QLatin1Char('%');
}

QStringList letterRows(const QStringList& entries)
{
    const std::array<int, 26> counts = letterCounts(entries);
    const double total = entries.isEmpty() ? 1e-06 : static_cast<double>(entries.size());
    QStringList rows;
    for (int i = 0; i < 26; ++i)
        rows.append(letterRow(QChar(u'A' + i), counts[i], total));
    return rows;
}

} // namespace quibbler
