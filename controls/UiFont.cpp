#include "controls/UiFont.h"

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

} // namespace quibbler
