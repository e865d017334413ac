#pragma once

#include <span>

namespace quibbler {

// The windows the font and colour commands restyle.
enum class StyledWindow { Main, Poetry, About, Options, WordCount };

// What a command sets on a target.
enum StyleFlag : unsigned { Font = 1, TextColor = 2, BackColor = 4 };

// One window or control that a command restyles; no control means the window itself.
struct StyleTarget {
    StyledWindow window;
    const char* control;
    unsigned flags;
};

// Every target, by window. Controls not listed are never restyled.
std::span<const StyleTarget> styleTargets();

// The order in which each command visits the windows.
std::span<const StyledWindow> windowOrder(StyleFlag flag);

} // namespace quibbler
