#include "host/LongText.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace quibbler {

namespace {

const char* const kTextProperty = "quibblerText";
constexpr qsizetype kBlockChars = 2000;
constexpr qsizetype kPieceChars = 256 * 1024;

// The piece of the text from `from`, `length` long, with a line break in place
// of the first blank after every kBlockChars characters of a paragraph;
// blockStart carries the paragraph's start from one piece to the next.
QString withBlockBreaks(const QString& text, qsizetype from, qsizetype length,
                        qsizetype& blockStart)
{
    QString shown = text.mid(from, length);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown.at(i);
        if (c == QLatin1Char('\n')) {
            blockStart = from + i + 1;
        } else if (c == QLatin1Char(' ') && from + i - blockStart >= kBlockChars) {
            shown[i] = QLatin1Char('\n');
            blockStart = from + i + 1;
        }
    }
    return shown;
}

// The characters of a paragraph as the box's plain text has them.
void asPlainText(QString& paragraph)
{
    for (QChar& c : paragraph) {
        switch (c.unicode()) {
        case 0xfdd0: // the start and end of a frame
        case 0xfdd1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = QLatin1Char('\n');
            break;
        case QChar::Nbsp:
            c = QLatin1Char(' ');
            break;
        default:
            break;
        }
    }
}

} // namespace

void setBoxText(QPlainTextEdit& box, const QString& text, const std::function<void()>& turn)
{
    box.setProperty(kTextProperty, text);
    qsizetype blockStart = 0;
    if (!turn || text.size() <= kPieceChars) {
        box.setPlainText(withBlockBreaks(text, 0, text.size(), blockStart));
        return;
    }
    box.setPlainText(withBlockBreaks(text, 0, kPieceChars, blockStart));
    const bool undo = box.isUndoRedoEnabled();
    box.setUndoRedoEnabled(false);
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    for (qsizetype at = kPieceChars; at < text.size(); at += kPieceChars) {
        turn();
        end.insertText(withBlockBreaks(text, at, kPieceChars, blockStart));
    }
    box.setUndoRedoEnabled(undo);
}

QString boxText(const QPlainTextEdit& box)
{
    const QVariant text = box.property(kTextProperty);
    return text.isValid() ? text.toString() : box.toPlainText();
}

bool forEachBoxParagraph(const QPlainTextEdit& box, const std::function<bool(QStringView)>& visit)
{
    QString paragraph;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        paragraph = block.text();
        asPlainText(paragraph);
        if (!visit(paragraph))
            return false;
    }
    return true;
}

QString selectedBoxText(const QPlainTextEdit& box)
{
    const QTextCursor cursor = box.textCursor();
    const QVariant text = box.property(kTextProperty);
    if (!text.isValid())
        return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text.toString().mid(cursor.selectionStart(),
                               cursor.selectionEnd() - cursor.selectionStart());
}

} // namespace quibbler
