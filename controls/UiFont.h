#pragma once

#include <QFont>
#include <QString>

namespace quibbler {

// The face every window is designed in.
inline constexpr const char* kDesignFace = "MS Sans Serif";

// The design face at the given size. Where the design face is not installed,
// an installed sans-serif face stands in at a size with the same text widths,
// so every caption still fits its control.
QFont uiFont(double points = 12, bool bold = false);

// A chosen face at a size; the design face goes through the same stand-in.
QFont uiFontFor(const QString& family, double points);

} // namespace quibbler
