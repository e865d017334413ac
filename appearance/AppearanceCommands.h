// appearance/: the font and colour commands and the about window.
#pragma once

namespace quibbler {

class Forms;
class Host;

// The font, text colour and background colour commands. Each shows its dialog
// through the main window's dialog component and applies what the component
// then holds: a cancelled dialog applies the values it held before.
class AppearanceCommands {
public:
    AppearanceCommands(Forms& forms, Host& host);

    void font();
    void textColor();
    void backColor();

private:
    void chooseColor();

    Forms& m_forms;
    Host& m_host;
};

} // namespace quibbler
