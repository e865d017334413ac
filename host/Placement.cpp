#include "host/Placement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace quibbler {

namespace {

int centredStart(int areaStart, int areaLength, int length, int boundsStart, int boundsLength)
{
    if (length > boundsLength)
        return boundsStart;
    return std::clamp(areaStart + (areaLength - length) / 2, boundsStart,
                      boundsStart + boundsLength - length);
}

QMargins ownFrame(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// A window not framed yet will most likely get the frame of the program's
// other windows.
QMargins expectedFrame(const QWidget& window)
{
    if (const QMargins own = ownFrame(window); !own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible()) {
            if (const QMargins margins = ownFrame(*other); !margins.isNull())
                return margins;
        }
    }
    return {};
}

void centreNow(QWidget& window, const QRect& area)
{
    // A window never shown yet has not been laid out: give it its real size first.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QMargins frame = expectedFrame(window);
    const QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = window.screen();
    QPoint position = centredPosition(area, window.size().grownBy(frame),
                                      screen ? screen->availableGeometry() : area);
    // A window made but not framed yet is placed by its inside, the frame then
    // going around it.
    if (window.windowHandle() && ownFrame(window).isNull())
        position += QPoint(frame.left(), frame.top());
    window.move(position);
}

const QString kCentreWhenFramed = QStringLiteral("quibblerCentreWhenFramed");

// Centres its window again on the area when the window first appears, which
// is when its frame becomes known.
class CentreWhenFramed : public QObject {
public:
    CentreWhenFramed(QWidget& window, const QRect& area) : QObject(&window), m_area(area)
    {
        setObjectName(kCentreWhenFramed);
        window.installEventFilter(this);
    }

    void setArea(const QRect& area) { m_area = area; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(parent());
        if (watched == window && event->type() == QEvent::Show && window->windowHandle()) {
            window->windowHandle()->installEventFilter(this);
        } else if (watched == window->windowHandle() && event->type() == QEvent::Expose
                   && window->windowHandle()->isExposed()) {
            window->removeEventFilter(this);
            window->windowHandle()->removeEventFilter(this);
            deleteLater();
            centreNow(*window, m_area);
        }
        return false;
    }

private:
    QRect m_area;
};

} // namespace

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

QPoint centredPosition(const QRect& area, const QSize& outer, const QRect& bounds)
{
    return {centredStart(area.left(), area.width(), outer.width(), bounds.left(), bounds.width()),
            centredStart(area.top(), area.height(), outer.height(), bounds.top(), bounds.height())};
}

void centreOn(QWidget& window, const QRect& area)
{
    centreNow(window, area);
    if (!ownFrame(window).isNull())
        return;
    if (auto* pending = window.findChild<QObject*>(kCentreWhenFramed, Qt::FindDirectChildrenOnly))
        static_cast<CentreWhenFramed*>(pending)->setArea(area);
    else
        new CentreWhenFramed(window, area);
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        centreOn(window, screen->availableGeometry());
}

void keepAbove(QWidget& window, QWidget& owner)
{
    window.winId();
    owner.window()->winId();
    window.windowHandle()->setTransientParent(owner.window()->windowHandle());
}

int execOver(QDialog& dialog, QWidget& owner)
{
    keepAbove(dialog, owner);
    centreOn(dialog, owner.window()->frameGeometry());
    return dialog.exec();
}

} // namespace quibbler
