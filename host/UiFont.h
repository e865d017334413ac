#pragma once

#include <QFont>
#include <QString>

class QFontMetrics;
class QWidget;

namespace quibbler {

// The face every window is designed in.
inline constexpr const char* kDesignFace = "MS Sans Serif";

// The design face at the given size. Where the design face is not installed,
// an installed sans-serif face stands in at a size with the same text widths,
// so every caption still fits its control.
QFont uiFont(double points = 12, bool bold = false);

// A chosen face at a size; the design face goes through the same stand-in.
QFont uiFontFor(const QString& family, double points);

// A list entry's tooltip, "word - position", at most maxWidth pixels wide in
// metrics: a word too long for it is cut short with an ellipsis, the position
// always shown.
QString entryTooltip(const QString& word, int position, const QFontMetrics& metrics, int maxWidth);

// How wide a tooltip's text may be to fit on the screen of the control it is for.
int tooltipTextRoom(const QWidget& control);

} // namespace quibbler
