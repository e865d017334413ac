#pragma once

#include <QString>

class QFontMetrics;
class QWidget;

namespace quibbler {

// A list entry's tooltip, "word - position", at most maxWidth pixels wide in
// metrics: a word too long for it is cut short with an ellipsis, the position
// always shown.
QString entryTooltip(const QString& word, int position, const QFontMetrics& metrics, int maxWidth);

// How wide a tooltip's text may be to fit on the screen of the control it is for.
int tooltipTextRoom(const QWidget& control);

} // namespace quibbler
