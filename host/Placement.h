#pragma once

#include <QLabel>
#include <QString>

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

} // namespace quibbler
