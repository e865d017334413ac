#include "controls/LongText.h"

#include "controls/ShownBreaks.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace quibbler {

QString boxText(const QPlainTextEdit& box)
{
    const ShownBreaks* shown = ShownBreaks::of(box);
    if (!shown)
        return box.toPlainText();
    QTextCursor all(box.document());
    all.select(QTextCursor::Document);
    return givenText(all, shown);
}

QString selectedBoxText(const QPlainTextEdit& box)
{
    return givenText(box.textCursor(), ShownBreaks::of(box));
}

bool forEachBoxParagraph(const QPlainTextEdit& box, const std::function<bool(QStringView)>& visit)
{
    // The blocks' own characters: toPlainText would turn a no-break space into
    // a blank and split words there. A line separator is what Shift+Enter
    // types, and what pastes from word processors hold: a line break to the user.
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        QString text = block.text();
        text.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
        if (!visit(text))
            return false;
    }
    return true;
}

QString boxPlainText(const QPlainTextEdit& box)
{
    QString text;
    forEachBoxParagraph(box, [&text](QStringView paragraph) {
        text += paragraph;
        text += QLatin1Char('\n');
        return true;
    });
    text.chop(1);
    return text;
}

} // namespace quibbler
