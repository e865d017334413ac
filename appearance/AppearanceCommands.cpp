#include "appearance/AppearanceCommands.h"

#include "app/Forms.h"
#include "appearance/Restyle.h"
#include "host/CommonDialog.h"
#include "host/Host.h"
#include "controls/UiFont.h"
#include "vocabulary/MainWindow.h"

namespace quibbler {

AppearanceCommands::AppearanceCommands(Forms& forms, Host& host) : m_forms(forms), m_host(host) { }

void AppearanceCommands::font()
{
    CommonDialog& dialog = m_forms.frmcbox().CommonDialog1;
    // Face and size are preset every time; the style flags stay as last chosen.
    dialog.font.setFamily(QLatin1String(kDesignFace));
    dialog.font.setPointSizeF(12);
    // The dialog offers the design look as the controls show it (a stand-in face
    // at its fitted size where the design face is missing), so OK without a
    // change leaves every control as it is.
    QFont preset = uiFont(12, dialog.font.bold());
    preset.setItalic(dialog.font.italic());
    preset.setUnderline(dialog.font.underline());
    if (const std::optional<QFont> chosen = m_host.fontDialog(preset)) {
        dialog.font.setFamily(chosen->family());
        dialog.font.setPointSizeF(chosen->pointSizeF() > 0 ? chosen->pointSizeF() : 12);
        dialog.font.setBold(chosen->bold());
        dialog.font.setItalic(chosen->italic());
        dialog.font.setUnderline(chosen->underline());
    }
    QFont applied = uiFontFor(dialog.font.family(), dialog.font.pointSizeF());
    applied.setBold(dialog.font.bold());
    applied.setItalic(dialog.font.italic());
    applied.setUnderline(dialog.font.underline());
    restyle(m_forms, StyleFlag::Font, applied, {});
}

void AppearanceCommands::chooseColor()
{
    CommonDialog& dialog = m_forms.frmcbox().CommonDialog1;
    if (const std::optional<QColor> chosen = m_host.colorDialog(dialog.color))
        dialog.color = *chosen;
}

void AppearanceCommands::textColor()
{
    chooseColor();
    restyle(m_forms, StyleFlag::TextColor, {}, m_forms.frmcbox().CommonDialog1.color);
}

void AppearanceCommands::backColor()
{
    chooseColor();
    restyle(m_forms, StyleFlag::BackColor, {}, m_forms.frmcbox().CommonDialog1.color);
}

} // namespace quibbler
