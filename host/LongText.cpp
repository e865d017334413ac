#include "host/LongText.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace quibbler {

namespace {

const char* const kTextProperty = "quibblerText";
// Lines up to this long are shown exactly as they are.
constexpr qsizetype kExactLine = 100'000;
// A longer line is shown with a line break in place of the first blank after
// every this many characters, so that the box lays out only what is in view.
constexpr qsizetype kBlockChars = 2000;
constexpr qsizetype kPieceChars = 256 * 1024;

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// Where the shown text stands while it is made piece by piece.
struct Breaking {
    qsizetype blockStart = 0; // where the current block of the box began
    qsizetype lineEnd = -1; // where the current line ends
    bool longLine = false;
};

// The piece of the text from `from` to `to` as the box shows it.
QString shownPiece(const QString& text, qsizetype from, qsizetype to, Breaking& at)
{
    QString shown = text.mid(from, to - from);
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (i > at.lineEnd) {
            qsizetype end = i;
            while (end < text.size() && !isLineBreak(text.at(end)))
                ++end;
            at.lineEnd = end;
            at.longLine = end - i > kExactLine;
            at.blockStart = i;
        }
        if (at.longLine && c == u' ' && i - at.blockStart >= kBlockChars) {
            shown[i - from] = u'\n';
            at.blockStart = i + 1;
        }
    }
    return shown;
}

// The end of the piece that starts at from: never between the two halves of
// a CR LF or of a character outside the basic plane.
qsizetype pieceEnd(const QString& text, qsizetype from)
{
    qsizetype end = std::min(text.size(), from + kPieceChars);
    if (end < text.size() && (text.at(end - 1) == u'\r' || text.at(end - 1).isHighSurrogate()))
        ++end;
    return end;
}

// The position in the text of a position in the box: the box holds each CR LF
// as one line break.
qsizetype textPosition(QStringView text, qsizetype boxPosition)
{
    qsizetype pairs = 0;
    for (qsizetype at = text.indexOf(u"\r\n"); at >= 0 && at - pairs < boxPosition;
         at = text.indexOf(u"\r\n", at + 2))
        ++pairs;
    return std::min(boxPosition + pairs, text.size());
}

} // namespace

void setBoxText(QPlainTextEdit& box, const QString& text, const std::function<void()>& turn)
{
    box.setProperty(kTextProperty, text);
    Breaking breaking;
    qsizetype end = turn ? pieceEnd(text, 0) : text.size();
    box.setPlainText(shownPiece(text, 0, end, breaking));
    if (end == text.size())
        return;
    const bool undo = box.isUndoRedoEnabled();
    box.setUndoRedoEnabled(false);
    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::End);
    for (qsizetype from = end; from < text.size(); from = end) {
        turn();
        end = pieceEnd(text, from);
        cursor.insertText(shownPiece(text, from, end, breaking));
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
    // The blocks' own characters: toPlainText would turn a no-break space into
    // a blank and a line separator into a line break, and split words there.
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (!visit(block.text()))
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

QString selectedBoxText(const QPlainTextEdit& box)
{
    const QTextCursor cursor = box.textCursor();
    const QVariant stored = box.property(kTextProperty);
    if (!stored.isValid())
        return cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
    const QString text = stored.toString();
    const qsizetype start = textPosition(text, cursor.selectionStart());
    return text.mid(start, textPosition(text, cursor.selectionEnd()) - start);
}

QMimeData* ExactTextBox::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(selectedBoxText(*this));
    return data;
}

} // namespace quibbler
