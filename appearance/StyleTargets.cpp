#include "appearance/StyleTargets.h"

namespace quibbler {

namespace {

using W = StyledWindow;
constexpr unsigned F = StyleFlag::Font;
constexpr unsigned C = StyleFlag::TextColor;
constexpr unsigned B = StyleFlag::BackColor;

constexpr StyleTarget kTargets[] = {
    {W::Main, nullptr, B},
    {W::Main, "txts", F | C},
    {W::Main, "txtw", F | C},
    {W::Main, "txtl", F | C},
    {W::Main, "txtpn", F | C},
    {W::Main, "lstw", F | C},
    {W::Main, "lstproper", F | C},
    {W::Main, "cmdsave", F | B},
    {W::Main, "cmdreset", F | B},
    {W::Main, "cmdopt", F | B},
    {W::Main, "cmdabout", F | B},
    {W::Main, "cmdquit", F | B},
    {W::Main, "cmdload", F | B},
    {W::Main, "Command1", F | B},
    {W::Main, "lblwk", F | C},
    {W::Main, "lblpk", F | C},
    {W::Main, "Label1", F | C},
    {W::Main, "Label2", F | C},
    {W::Main, "Label3", F | C},
    {W::Main, "Label4", F | C},
    {W::Main, "Label5", F | C},
    {W::Main, "Label6", F | C},
    {W::Main, "Label7", F | C},
    {W::Main, "Label8", F | C},
    {W::Poetry, nullptr, B},
    {W::Poetry, "txtlines", F | C},
    {W::Poetry, "txtp", F | C},
    {W::Poetry, "lbltitle", F | C},
    {W::Poetry, "Label1", F | C},
    {W::Poetry, "Label2", F | C},
    {W::Poetry, "cmdpoem", F | B},
    {W::Poetry, "optd", F | C},
    {W::Poetry, "optr", F | C},
    {W::Poetry, "optu", C},
    {W::About, nullptr, B},
    {W::About, "Label1", F | C},
    {W::About, "Label2", F | C},
    {W::About, "Command1", F | B},
    {W::About, "cmdleave", F | B},
    {W::Options, nullptr, B},
    {W::Options, "cmdok", F | B},
    {W::Options, "Label1", F | C},
    {W::Options, "Label2", F | C},
    {W::Options, "Label3", F | C},
    {W::Options, "Label4", F | C},
    {W::Options, "txtwl", F | C},
    {W::Options, "optlcase", F | C | B},
    {W::Options, "optucase", F | C | B},
    {W::Options, "optnorm", F | C | B},
    {W::Options, "cbopersonal", F | C},
    {W::Options, "Check1", F | C | B},
    {W::Options, "txtword", F | C},
    {W::Options, "txtpattern", F | C},
    {W::Options, "chkc", F | C | B},
    {W::WordCount, nullptr, B},
    {W::WordCount, "Label1", F | C},
    {W::WordCount, "List1", F | C},
    {W::WordCount, "List2", F | C},
    {W::WordCount, "Command1", F | B},
};

constexpr StyledWindow kFontOrder[] = {W::Main, W::Poetry, W::About, W::Options, W::WordCount};
constexpr StyledWindow kTextColorOrder[] = {W::Main, W::Poetry, W::Options, W::About, W::WordCount};
constexpr StyledWindow kBackColorOrder[] = {W::Main, W::Poetry, W::Options, W::WordCount, W::About};

} // namespace

std::span<const StyleTarget> styleTargets()
{
    return kTargets;
}

std::span<const StyledWindow> windowOrder(StyleFlag flag)
{
    switch (flag) {
    case StyleFlag::Font:
        return kFontOrder;
    case StyleFlag::TextColor:
        return kTextColorOrder;
    case StyleFlag::BackColor:
        break;
    }
    return kBackColorOrder;
}

} // namespace quibbler
