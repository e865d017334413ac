#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

// Buttons whose captions wrap onto several lines when they are wider than the
// button, as the design's tall buttons expect. The caption (text()) stays
// exactly as set, access key included.
namespace quibbler {

class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class WrapRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quibbler
