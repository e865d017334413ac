#include "host/Keys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace quibbler {

int keyCodeOf(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // Qt uses the ASCII codes of the upper-case letter and the digit
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return key::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return key::Enter;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return key::Escape;
    case Qt::Key_Space:
        return key::Space;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return key::Delete;
    default:
        return 0;
    }
}

int shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= shift::Shift;
    if (modifiers & Qt::ControlModifier)
        state |= shift::Ctrl;
    if (modifiers & Qt::AltModifier)
        state |= shift::Alt;
    return state;
}

bool isCopyKey(int keyCode, int shiftState)
{
    return keyCode == key::C && shiftState == shift::Ctrl;
}

KeyDownFilter::KeyDownFilter(QWidget* control, KeyDownHandler handler)
    : QObject(control), m_handler(std::move(handler))
{
    control->installEventFilter(this);
}

bool KeyDownFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int code = keyCodeOf(keyEvent->key());
        if (code != 0 && m_handler(code, shiftStateOf(keyEvent->modifiers())))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void onKeyDown(QWidget* control, KeyDownHandler handler)
{
    new KeyDownFilter(control, std::move(handler));
}

bool ButtonEnterKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (!button || !button->isEnabled()
        || (keyEvent->key() != Qt::Key_Return && keyEvent->key() != Qt::Key_Enter)
        || (keyEvent->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Held down, the key presses the button once.
    if (!keyEvent->isAutoRepeat())
        button->click();
    return true;
}

} // namespace quibbler
