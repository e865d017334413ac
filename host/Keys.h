#pragma once

#include <QObject>
#include <Qt>

#include <functional>

class QKeyEvent;
class QWidget;

namespace quibbler {

// Key codes and shift states as the key-down handlers see them.
namespace key {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Delete = 46;
constexpr int C = 67;
constexpr int F5 = 116;
} // namespace key

namespace shift {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace shift

// The handler's key code for a Qt key (0 for keys it has no code for).
int keyCodeOf(int qtKey);

// The handler's shift state: Shift 1 + Ctrl 2 + Alt 4.
int shiftStateOf(Qt::KeyboardModifiers modifiers);

// The copy key of the read-only answer and poem boxes: C with Ctrl alone.
bool isCopyKey(int keyCode, int shiftState);

// Called for every key pressed in a control; returns true when the key is used
// up and must not reach the control itself.
using KeyDownHandler = std::function<bool(int keyCode, int shiftState)>;

// Routes the key presses of a control to its key-down handler.
class KeyDownFilter : public QObject {
    Q_OBJECT
public:
    KeyDownFilter(QWidget* control, KeyDownHandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyDownHandler m_handler;
};

// Installs a KeyDownFilter owned by the control.
void onKeyDown(QWidget* control, KeyDownHandler handler);

// Installed on the application: Enter, on the main keys or the keypad, presses
// the focused push button in every window, as Space does. Other controls keep
// their own use of Enter.
class ButtonEnterKey : public QObject {
    Q_OBJECT
protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quibbler
