#include "queries/LetterRows.h"

#include "text/Characters.h"
#include "text/TextNumbers.h"

namespace quibbler {

std::array<int, 26> letterCounts(const QStringList& entries)
{
    std::array<int, 26> counts{};
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (const QString& entry : entries) {
        // The whole first character: an A with an accent after it is no A.
        const QString first = upperFirstCharacter(entry);
        const qsizetype letter = first.size() == 1 ? letters.indexOf(first.front()) : -1;
        if (letter >= 0)
            ++counts[letter];
    }
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
