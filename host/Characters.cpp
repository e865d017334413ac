#include "host/Characters.h"

#include <QTextBoundaryFinder>

namespace quibbler {

namespace {

// Below U+0300 no character joins the one before it, except LF after CR.
bool startsPlainCharacter(QStringView text)
{
    return text.size() < 2
        || (text[0].unicode() < 0x300 && text[1].unicode() < 0x300 && text[0] != u'\r');
}

} // namespace

QStringView firstCharacter(QStringView text)
{
    if (startsPlainCharacter(text))
        return text.first(std::min<qsizetype>(text.size(), 1));
    // No character is longer than this; a word may be megabytes long.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme,
                               text.first(std::min<qsizetype>(text.size(), 256)));
    const qsizetype end = finder.toNextBoundary();
    return text.first(end > 0 ? end : 1);
}

QString upperFirstCharacter(QStringView text)
{
    return firstCharacter(text).toString().toUpper();
}

QList<QStringView> characters(QStringView text)
{
    QList<QStringView> result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > start; end = finder.toNextBoundary()) {
        result.append(text.sliced(start, end - start));
        start = end;
    }
    return result;
}

QValidator::State OneCharacter::validate(QString& input, int& /*position*/) const
{
    return firstCharacter(input).size() == input.size() ? Acceptable : Invalid;
}

} // namespace quibbler
