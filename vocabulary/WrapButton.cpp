#include "vocabulary/WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quibbler {

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2 + 2;
    QRect area = style()
                     ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                     .adjusted(margin, 0, -margin, 0);
    if (isDown()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    const int flags = Qt::AlignCenter | Qt::TextWordWrap
        | (style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) ? Qt::TextShowMnemonic
                                                                           : Qt::TextHideMnemonic);
    painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

} // namespace quibbler
