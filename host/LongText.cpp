#include "host/LongText.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace quibbler {

namespace {

const char* const kTextProperty = "quibblerText";
const char* const kInsertedProperty = "quibblerInserted";
// Lines up to this long are shown exactly as they are.
constexpr qsizetype kExactLine = 100'000;
// A longer line is shown in blocks of about this many characters: a line break
// stands in place of the first blank after that many, or, in a run without
// blanks, is put in after twice as many. The box then lays out only what is
// in view.
constexpr qsizetype kBlockChars = 2000;
// A box that wraps lines at blanks lays out a run without blanks in time that
// grows with the square of its length; a text with a run this long wraps anywhere.
constexpr qsizetype kLongRun = 4000;
constexpr qsizetype kPieceChars = 256 * 1024;

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// Where the shown text stands while it is made piece by piece.
struct Breaking {
    qsizetype blockStart = 0; // where the current block of the box began
    bool lineStart = true; // the next character starts a line
    bool longLine = false;
    qsizetype crLfs = 0; // CR LF pairs so far, each one position in the box
    QList<qsizetype> inserted; // box positions of the line breaks put in
};

// The piece of the text from `from` to `to` as the box shows it.
QString shownPiece(const QString& text, qsizetype from, qsizetype to, Breaking& at)
{
    QString shown;
    shown.reserve(to - from + (to - from) / kBlockChars + 1);
    qsizetype copied = from;
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (at.lineStart) {
            // Only as far ahead as tells a long line: a line may be megabytes long.
            const QStringView ahead
                = QStringView(text).sliced(i).first(std::min(text.size() - i, kExactLine + 1));
            at.longLine = ahead.size() > kExactLine
                && std::none_of(ahead.begin(), ahead.end(), isLineBreak);
            at.blockStart = i;
        }
        at.lineStart = isLineBreak(c);
        if (c == u'\n' && i > 0 && text.at(i - 1) == u'\r')
            ++at.crLfs;
        if (!at.longLine || i - at.blockStart < kBlockChars)
            continue;
        if (c == u' ') {
            shown += QStringView(text).sliced(copied, i - copied);
            shown += u'\n';
            copied = i + 1;
            at.blockStart = i + 1;
        } else if (i - at.blockStart >= 2 * kBlockChars && !c.isLowSurrogate()) {
            shown += QStringView(text).sliced(copied, i - copied);
            at.inserted.append(i - at.crLfs + at.inserted.size());
            shown += u'\n';
            copied = i;
            at.blockStart = i;
        }
    }
    shown += QStringView(text).sliced(copied, to - copied);
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

// The position in the text of a position in the box: the box holds each CR LF
// as one line break, and line breaks it was given besides the text's own.
qsizetype textPosition(QStringView text, const QList<qsizetype>& inserted, qsizetype boxPosition)
{
    boxPosition
        -= std::lower_bound(inserted.cbegin(), inserted.cend(), boxPosition) - inserted.cbegin();
    qsizetype pairs = 0;
    for (qsizetype at = text.indexOf(u"\r\n"); at >= 0 && at - pairs < boxPosition;
         at = text.indexOf(u"\r\n", at + 2))
        ++pairs;
    return std::min(boxPosition + pairs, text.size());
}

} // namespace

void setBoxText(QPlainTextEdit& box, const QString& text, const std::function<void()>& turn)
{
    box.setWordWrapMode(hasLongRun(text) ? QTextOption::WrapAnywhere
                                         : QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.setProperty(kTextProperty, text);
    box.setProperty(kInsertedProperty, {});
    Breaking breaking;
    qsizetype end = turn ? pieceEnd(text, 0) : text.size();
    box.setPlainText(shownPiece(text, 0, end, breaking));
    // The event loop may close the box's window between two pieces.
    const QPointer<QPlainTextEdit> alive(&box);
    const bool undo = box.isUndoRedoEnabled();
    box.setUndoRedoEnabled(false);
    for (qsizetype from = end; from < text.size(); from = end) {
        turn();
        if (!alive)
            return;
        end = pieceEnd(text, from);
        QTextCursor cursor(box.document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(shownPiece(text, from, end, breaking));
    }
    box.setUndoRedoEnabled(undo);
    box.setProperty(kInsertedProperty, QVariant::fromValue(breaking.inserted));
}

QString boxText(const QPlainTextEdit& box)
{
    const QVariant text = box.property(kTextProperty);
    return text.isValid() ? text.toString() : box.toPlainText();
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

QString selectedBoxText(const QPlainTextEdit& box)
{
    const QTextCursor cursor = box.textCursor();
    const QVariant stored = box.property(kTextProperty);
    if (!stored.isValid())
        return cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
    const QString text = stored.toString();
    const auto inserted = box.property(kInsertedProperty).value<QList<qsizetype>>();
    const qsizetype start = textPosition(text, inserted, cursor.selectionStart());
    return text.mid(start, textPosition(text, inserted, cursor.selectionEnd()) - start);
}

ExactTextBox::ExactTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    // Once the long run is gone (learned, or deleted), words wrap whole again.
    // A read-only box is given its whole text, and its wrapping, by setBoxText.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (isReadOnly() || wordWrapMode() != QTextOption::WrapAnywhere)
            return;
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            if (hasLongRun(block.text()))
                return;
        }
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    });
}

void ExactTextBox::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && hasLongRun(source->text()))
        setWordWrapMode(QTextOption::WrapAnywhere);
    QPlainTextEdit::insertFromMimeData(source);
}

QMimeData* ExactTextBox::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(selectedBoxText(*this));
    return data;
}

} // namespace quibbler
