#include "controls/ShownBreaks.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace quibbler {

namespace {

const char* const kRecordsName = "quibblerShownBreaks";
const char* const kFastLayoutProperty = "quibblerFastLayout";

ShownBreaks* recordsOf(const QPlainTextEdit& box)
{
    return static_cast<ShownBreaks*>(
        box.findChild<QObject*>(QLatin1String(kRecordsName), Qt::FindDirectChildrenOnly));
}

} // namespace

// Most characters are told apart by one comparison, which the compiler does
// for a block of them at a time.
qsizetype findShownBreak(const char16_t* text, qsizetype from, qsizetype to)
{
    constexpr qsizetype kStep = 32;
    for (; from + kStep <= to; from += kStep) {
        unsigned short maybe = 0;
        for (qsizetype k = 0; k < kStep; ++k)
            maybe |= static_cast<unsigned short>(char16_t(text[from + k] - u'\r' - 1)
                                                 >= kParagraphSeparator - u'\r' - 1);
        if (!maybe)
            continue;
        for (qsizetype k = 0; k < kStep; ++k) {
            if (isShownAsBreak(text[from + k]))
                return from + k;
        }
    }
    for (; from < to; ++from) {
        if (isShownAsBreak(text[from]))
            return from;
    }
    return to;
}

bool hasLongRun(QStringView text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c == u' ' || isLineBreak(c) ? 0 : run + 1;
        if (run > kLongRun)
            return true;
    }
    return false;
}

ShownBreaks::ShownBreaks(QPlainTextEdit& box) : QObject(&box)
{
    setObjectName(QLatin1String(kRecordsName));
    connect(box.document(), &QTextDocument::contentsChange, this, [this] {
        if (writing)
            return;
        breaks = {};
        given = false;
    });
}

ShownBreaks* ShownBreaks::of(const QPlainTextEdit& box)
{
    ShownBreaks* found = recordsOf(box);
    return found && found->given ? found : nullptr;
}

ShownBreaks& ShownBreaks::reset(QPlainTextEdit& box)
{
    ShownBreaks* found = recordsOf(box);
    if (!found)
        found = new ShownBreaks(box);
    found->breaks = {};
    found->given = true;
    return *found;
}

QString givenText(const QTextCursor& cursor, const ShownBreaks* shown)
{
    QString selected = cursor.selectedText();
    const qsizetype start = cursor.selectionStart();
    const auto before = [](const ShownBreak& shownBreak, qsizetype position) {
        return shownBreak.position < position;
    };
    const std::vector<ShownBreak> none;
    const std::vector<ShownBreak>& breaks = shown ? shown->breaks : none;
    auto next = std::lower_bound(breaks.cbegin(), breaks.cend(), start, before);
    const auto end = std::lower_bound(next, breaks.cend(), start + selected.size(), before);
    if (next == end)
        return selected.replace(QChar::ParagraphSeparator, u'\n');

    QString text;
    text.reserve(selected.size() + (end - next));
    qsizetype copied = 0;
    for (qsizetype at = selected.indexOf(QChar::ParagraphSeparator); at >= 0;
         at = selected.indexOf(QChar::ParagraphSeparator, at + 1)) {
        text.append(selected.constData() + copied, at - copied);
        copied = at + 1;
        while (next != end && next->position < start + at)
            ++next;
        if (next == end || next->position != start + at) {
            text += u'\n';
            continue;
        }
        switch (next->stands) {
        case Stands::Blank:
            text += u' ';
            break;
        case Stands::Nothing:
            break;
        case Stands::CrLf:
            text += u"\r\n";
            break;
        case Stands::Cr:
            text += u'\r';
            break;
        case Stands::ParagraphSeparator:
            text += QChar::ParagraphSeparator;
            break;
        case Stands::FrameStart:
            text += QChar(kFrameStart);
            break;
        case Stands::FrameEnd:
            text += QChar(kFrameEnd);
            break;
        }
    }
    text.append(selected.constData() + copied, selected.size() - copied);
    return text;
}

void setFastLayout(QPlainTextEdit& box, bool fast)
{
    box.setProperty(kFastLayoutProperty, fast);
    QFont shown = box.font();
    if (fast)
        shown.setStyleStrategy(
            QFont::StyleStrategy(shown.styleStrategy() | QFont::PreferNoShaping));
    box.document()->setDefaultFont(shown);
}

bool hasFastLayout(const QPlainTextEdit& box)
{
    return box.property(kFastLayoutProperty).toBool();
}

namespace {

bool needsShaping(char16_t c)
{
    // Nothing below the combining accents joins, marks or runs right to left.
    if (c < 0x300)
        return false;
    // Outside the basic plane: emoji, their modifiers and flags among others.
    if (QChar::isSurrogate(c))
        return true;
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format: // joiners and direction marks
        return true;
    default:
        break;
    }
    // Right to left, in any script: an Arabic question mark is common to many.
    const QChar::Direction direction = QChar::direction(c);
    if (direction == QChar::DirR || direction == QChar::DirAL)
        return true;
    switch (QChar::script(c)) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
    case QChar::Script_Armenian:
    case QChar::Script_Georgian:
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
        return false;
    default:
        return true;
    }
}

} // namespace

bool needsShaping(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return needsShaping(c.unicode()); });
}

} // namespace quibbler
