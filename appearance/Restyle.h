#pragma once

#include "appearance/StyleTargets.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace quibbler {

class Forms;

// Sets the value on every target of the flag, window by window in the
// command's order. A window that does not exist is created first (hidden,
// unless its creation shows it), so it is restyled too.
void restyle(Forms& forms, StyleFlag flag, const QFont& font, const QColor& color);

// A window's own background colour, painted behind its controls; the controls
// keep their palettes. Invalid when none was set.
void setBackColor(QWidget* window, const QColor& color);
QColor backColor(const QWidget* window);

} // namespace quibbler
