#include "vocabulary/Cutting.h"

#include <utility>

namespace quibbler {

namespace {

const QString kProperNounSeparators = QStringLiteral("\r\n\t;:,!?. ");
const QString kProperNounSkippers = QStringLiteral("\r\n\t;:,!?.");

} // namespace

QString withCrLf(QStringView boxText)
{
    QString text;
    text.reserve(boxText.size() + boxText.count(u'\n'));
    forEachCutPiece(boxText, [&text](QStringView piece, qsizetype) {
        text += piece;
        return true;
    });
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
        QString name = text.sliced(i, end - i).toString();
        underscoresToSpaces(name);
        names.append(std::move(name));
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
