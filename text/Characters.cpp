#include "text/Characters.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>

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

qsizetype characterCount(QStringView text)
{
    // A CR LF is one character too.
    if (std::all_of(text.begin(), text.end(),
                    [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; }))
        return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
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

OneCharacter::OneCharacter(QLineEdit* box) : QValidator(box), m_held(box->text())
{
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_held = text; });
    connect(box, &QLineEdit::selectionChanged, this,
            [this, box] { m_heldSelected = box->hasSelectedText(); });
}

QValidator::State OneCharacter::validate(QString& input, int& position) const
{
    const qsizetype first = firstCharacter(input).size();
    if (first == input.size())
        return Acceptable;
    // The cursor stands after what was put in; when the text around it is the
    // character the box held, nothing was replaced and there is no room. What
    // replaces the selected character may start with that very character.
    const qsizetype added = input.size() - m_held.size();
    const qsizetype before = position - added;
    if (!m_held.isEmpty() && !m_heldSelected && added > 0 && before >= 0
        && QStringView(input).first(before) == QStringView(m_held).first(before)
        && QStringView(input).sliced(position) == QStringView(m_held).sliced(before))
        return Invalid;
    input.truncate(first); // the box then puts its cursor at the end
    return Acceptable;
}

} // namespace quibbler
