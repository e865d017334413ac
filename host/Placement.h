#pragma once

#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QWidget;

// Windows lay their controls out at fixed design positions, in pixels of the
// client area, each control named as the rest of the program knows it.
namespace quibbler {

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

// A label that stays sized to its caption, also when its font changes.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void changeEvent(QEvent* event) override;
};

// A label sized to its caption.
QLabel* captionLabel(QWidget* parent, const char* name, const QString& caption, int left, int top);

// A label of a fixed size whose caption wraps inside it.
QLabel* wrappedLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height);

// A plain rectangle drawn around other controls.
QFrame* shape(QWidget* parent, const char* name, int left, int top, int width, int height);

// Where a window of the given outer (frame) size goes to be centred on area:
// wholly inside bounds when bounds can hold it, else at the top-left of bounds
// along the side that does not fit, so its title bar stays reachable.
QPoint centredPosition(const QRect& area, const QSize& outer, const QRect& bounds);

// Centres a top-level window by its outer size on area, on the screen that
// holds area. The frame is known only once the window system has framed the
// window, so a window not framed yet is centred again when it first appears.
void centreOn(QWidget& window, const QRect& area);

// Centres a top-level window on the working area of the screen it opens on.
void centreOnScreen(QWidget& window);

// Keeps a top-level window above owner's window (transient for it), as a
// dialog stands over the window it blocks.
void keepAbove(QWidget& window, QWidget& owner);

// Shows a dialog modal, centred over the window it blocks and kept above it;
// its result.
int execOver(QDialog& dialog, QWidget& owner);

} // namespace quibbler
