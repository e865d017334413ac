#include "host/LongText.h"

#include "host/ShownBreaks.h"

#include <QMimeData>
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

void ExactTextBox::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    // The box gives its document its new font; a long paragraph keeps the fast layout.
    if ((event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange)
        && hasFastLayout(*this))
        setFastLayout(*this, true);
}

QMimeData* ExactTextBox::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(selectedBoxText(*this));
    return data;
}

} // namespace quibbler
