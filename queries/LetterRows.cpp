#include "queries/LetterRows.h"

#include "host/TextNumbers.h"

namespace quibbler {

std::array<int, 26> letterCounts(const QStringList& entries)
{
    std::array<int, 26> counts{};
    for (const QString& entry : entries) {
        if (entry.isEmpty())
            continue;
        const char16_t first = entry.front().toUpper().unicode();
        if (first >= u'A' && first <= u'Z')
            ++counts[first - u'A'];
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
