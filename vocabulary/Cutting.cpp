#include "vocabulary/Cutting.h"

namespace quibbler {

namespace {

const QString kProperNounSeparators = QStringLiteral("\r\n\t;:,!?. ");
const QString kProperNounSkippers = QStringLiteral("\r\n\t;:,!?.");

QString underscoresToSpaces(QStringView run)
{
    QString word = run.toString();
    word.replace(QLatin1Char('_'), QLatin1Char(' '));
    return word;
}

} // namespace

QString withCrLf(QStringView boxText)
{
    QString text = boxText.toString();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QStringList cutWords(QStringView text, QStringView delimiters)
{
    QStringList runs;
    forEachRun(text, delimiters, [&runs](QStringView run) {
        runs.append(run.toString());
        return true;
    });
    return runs;
}

QStringList cutProperNouns(QStringView text)
{
    QStringList names;
    qsizetype i = 0;
    const qsizetype length = text.size();
    // One name per pass, as long as the reading position has not passed the end.
    while (i <= length) {
        qsizetype end = i;
        while (end < length && !kProperNounSeparators.contains(text.at(end)))
            ++end;
        names.append(underscoresToSpaces(text.sliced(i, end - i)));
        if (end >= length)
            break;
        // Skip the separator, and after all but the space the white space after it.
        i = end + 1;
        if (kProperNounSkippers.contains(text.at(end)) && i < length && text.at(i).isSpace())
            ++i;
    }
    return names;
}

} // namespace quibbler
