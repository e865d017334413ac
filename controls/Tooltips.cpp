#include "controls/Tooltips.h"

#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace quibbler {

QString entryTooltip(const QString& word, int position, const QFontMetrics& metrics, int maxWidth)
{
    const QString suffix = QLatin1String(" - ") + QString::number(position);
    const int room = std::max(0, maxWidth - metrics.horizontalAdvance(suffix));
    // Eliding lays out all it is given, and a word may be megabytes long: no
    // more characters than pixels can be shown, so only those are measured.
    qsizetype shown = std::min(word.size(), qsizetype(room) + 1);
    if (shown < word.size() && word.at(shown).isLowSurrogate())
        ++shown;
    const QString elided = metrics.elidedText(word.first(shown), Qt::ElideRight, room);
    // Characters of no width could all fit; the word still goes on.
    return (shown < word.size() && elided.size() == shown ? elided + QChar(0x2026) : elided)
        + suffix;
}

int tooltipTextRoom(const QWidget& control)
{
    const QScreen* screen = control.screen();
    const int screenWidth = screen ? screen->geometry().width() : 640;
    // A tooltip adds a margin of its frame width and one pixel on each side, an
    // indent and a pixel of its own; a few pixels more absorb rounding.
    const int frame = control.style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth);
    return std::max(0, screenWidth - 2 * (frame + 1) - 8);
}

} // namespace quibbler
