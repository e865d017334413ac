#include "controls/ExactTextBox.h"

#include "controls/LongText.h"
#include "controls/ShownBreaks.h"

#include <QMimeData>
#include <QTextBlock>

namespace quibbler {

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
