#include "host/LongText.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace quibbler {

namespace {

const char* const kTextProperty = "quibblerText";
constexpr qsizetype kBlockChars = 2000;
constexpr qsizetype kPieceChars = 256 * 1024;

QString withBlockBreaks(const QString& text)
{
    QString shown = text;
    qsizetype blockStart = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown.at(i);
        if (c == QLatin1Char('\n'))
            blockStart = i + 1;
        else if (c == QLatin1Char(' ') && i - blockStart >= kBlockChars) {
            shown[i] = QLatin1Char('\n');
            blockStart = i + 1;
        }
    }
    return shown;
}

} // namespace

void setBoxText(QPlainTextEdit& box, const QString& text, const std::function<void()>& turn)
{
    box.setProperty(kTextProperty, text);
    const QString shown = withBlockBreaks(text);
    if (!turn || shown.size() <= kPieceChars) {
        box.setPlainText(shown);
        return;
    }
    box.setPlainText(shown.left(kPieceChars));
    const bool undo = box.isUndoRedoEnabled();
    box.setUndoRedoEnabled(false);
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    for (qsizetype at = kPieceChars; at < shown.size(); at += kPieceChars) {
        turn();
        end.insertText(shown.mid(at, kPieceChars));
    }
    box.setUndoRedoEnabled(undo);
}

QString boxText(const QPlainTextEdit& box)
{
    const QVariant text = box.property(kTextProperty);
    return text.isValid() ? text.toString() : box.toPlainText();
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
