#include "host/Placement.h"

#include <QEvent>
#include <QFrame>

namespace quibbler {

void CaptionLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustSize();
}

QLabel* captionLabel(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* label = new CaptionLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLabel* wrappedLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height)
{
    auto* label = place(new QLabel(caption, parent), name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFrame* shape(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* frame = place(new QFrame(parent), name, left, top, width, height);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    return frame;
}

} // namespace quibbler
