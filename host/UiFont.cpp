#include "host/UiFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace quibbler {

namespace {

struct Face {
    QString family;
    double scale;
};

Face chosenFace()
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QLatin1String(kDesignFace)))
        return {QLatin1String(kDesignFace), 1.0};
    // The stand-ins are wider than the design face; this scale gives the
    // design face's caption widths.
    for (const char* name : {"DejaVu Sans", "Liberation Sans", "FreeSans", "Noto Sans", "Arial"}) {
        if (installed.contains(QLatin1String(name)))
            return {QLatin1String(name), 0.75};
    }
    return {QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), 0.75};
}

} // namespace

QFont uiFont(double points, bool bold)
{
    static const Face face = chosenFace();
    QFont font(face.family);
    font.setPointSizeF(points * face.scale);
    font.setBold(bold);
    return font;
}

QFont uiFontFor(const QString& family, double points)
{
    if (family == QLatin1String(kDesignFace))
        return uiFont(points);
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

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
