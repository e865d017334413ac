// poetry/: the poetry window and the poems it writes.
#pragma once

#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quibbler {

enum class PoemKind;
class Forms;
class Host;

// The "Quibbler Poetry" window: the kind of poem, the number of stanzas, the
// Letter Incrementor, and the poem with its title. Closing it destroys it; the
// next opening starts from the design values.
class PoetryWindow : public QWidget {
    Q_OBJECT
public:
    PoetryWindow(Forms& forms, Host& host);

    void cmdpoem_Click();
    bool txtlines_KeyDown(int keyCode, int shiftState);
    bool txtp_KeyDown(int keyCode, int shiftState);
    void chkli_Click();
    void Form_Resize();

    // The poem's title, in a label sized to it.
    void showTitle(const QString& title);

    // The four poem kinds.
    void UpPoem();
    void DownPoem();
    void Rep();
    void rando();

    QFrame* Shape1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtlines = nullptr;
    QRadioButton* optu = nullptr;
    QRadioButton* optd = nullptr;
    QRadioButton* optr = nullptr;
    QRadioButton* optrnd = nullptr;
    QCheckBox* chkli = nullptr;
    QPushButton* cmdpoem = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lbltitle = nullptr;
    QPlainTextEdit* txtp = nullptr;

    // The word being placed.
    QString curword;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void writePoem(PoemKind kind);

    Forms& m_forms;
    Host& m_host;
    bool m_reachedLimit = false;
    // A poem is being written into the window, which stays until it is done.
    bool m_writing = false;
    // The user closed the window while a poem was written.
    bool m_closeWhenWritten = false;
};

} // namespace quibbler
