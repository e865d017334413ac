#include "controls/WrappingButtons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quibbler {

namespace {

// Draws the button without its caption, then the caption wrapped into the
// area the style gives the caption.
void paintWrapped(QAbstractButton* button, QStyleOptionButton option,
                  QStyle::ControlElement element, QStyle::SubElement contents,
                  Qt::Alignment alignment, int margin)
{
    QStylePainter painter(button);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(element, option);

    QStyle* style = button->style();
    QRect area = style->subElementRect(contents, &option, button).adjusted(margin, 0, -margin, 0);
    if (button->isDown() && element == QStyle::CE_PushButton) {
        area.translate(style->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, button),
                       style->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, button));
    }
    const int mnemonic = style->styleHint(QStyle::SH_UnderlineShortcut, &option, button)
        ? Qt::TextShowMnemonic
        : Qt::TextHideMnemonic;
    painter.drawItemText(area, int(alignment) | Qt::TextWordWrap | mnemonic, option.palette,
                         button->isEnabled(), caption, QPalette::ButtonText);
}

} // namespace

void WrapButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2 + 2;
    paintWrapped(this, option, QStyle::CE_PushButton, QStyle::SE_PushButtonContents,
                 Qt::AlignCenter, margin);
}

void WrapRadioButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWrapped(this, option, QStyle::CE_RadioButton, QStyle::SE_RadioButtonContents,
                 Qt::AlignLeft | Qt::AlignVCenter, 0);
}

void WrapCheckBox::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWrapped(this, option, QStyle::CE_CheckBox, QStyle::SE_CheckBoxContents,
                 Qt::AlignLeft | Qt::AlignVCenter, 0);
}

} // namespace quibbler
