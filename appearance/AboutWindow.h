#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quibbler {

class Host;

// "Quibbler About": the help text, what is new, and "GO BACK", which destroys
// the window. Shown modal.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(Host& host);

    void Form_Activate();
    void Command1_Click();
    void cmdleave_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdleave = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Host& m_host;
};

// The six help lines, and the eight lines of what is new, each joined by line breaks.
QString helpText();
QString newInThisVersion();

} // namespace quibbler
