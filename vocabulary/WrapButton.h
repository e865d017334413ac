#pragma once

#include <QPushButton>

namespace quibbler {

// A push button whose caption wraps onto several lines when it is wider than
// the button. The caption (text()) stays exactly as set, access key included.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quibbler
