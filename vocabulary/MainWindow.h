// vocabulary/: the main window and the store: learning, words files, working screen.
#pragma once

#include "host/CommonDialog.h"

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace quibbler {

class Forms;
class Host;
class ListBox;
class RecoverySnapshot;
class StoreLearner;
class WrapButton;

// How a save ended: the user may cancel the dialog, and a save may fail.
enum class SaveOutcome { Saved, Cancelled, Failed };

// The main window "Quibbler": the vocabulary store (its list boxes), the text
// boxes to ask, learn and teach names, the command buttons and the menu bar.
// Handlers are named after their control and event; other subsystems reach
// the controls directly by name.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Forms& forms, Host& host);
    ~MainWindow() override;

    // Start-up: fills the store from the start-up files and sets up the options.
    void Form_Load();
    void Randomizer();

    // Learning words (the learn box) and proper nouns.
    bool txtl_KeyDown(int keyCode, int shiftState);
    // Learns the learn box's text; false when the word list was full and words
    // were left out.
    bool LearnReg();
    void Timer1_Timer();
    bool txtpn_KeyDown(int keyCode, int shiftState);

    // Answers: Enter in "Number of Words" and the copy key of the response box.
    bool txtw_KeyDown(int keyCode, int shiftState);
    bool txts_KeyDown(int keyCode, int shiftState);

    // Vocabulary files.
    SaveOutcome cmdsave_Click();
    // Offers to save when words were learned since the last save or load, or
    // withNames when proper nouns were taught since the last save; Cancelled
    // when nothing was saved by choice.
    SaveOutcome offerSave(bool withNames);
    void mnuload_Click();

    // Main-window commands.
    void cmdreset_Click();
    bool lstw_KeyDown(int keyCode, int shiftState);
    bool lstproper_KeyDown(int keyCode, int shiftState);
    void lstw_MouseMove();
    void lstproper_MouseMove();
    void cmdquit_Click();
    // True when the window may close (the program then ends).
    bool Form_Unload();
    void cmdopt_Click();
    void mnucbpoet_Click();

    // Queries.
    void mnufind_Click();
    void mnufproper_Click();
    void mnucontain_Click();
    void mnufindw_Click();
    void mnufindp_Click();
    void mnujw_Click();
    void mnujpn_Click();
    void Command1_Click();

    // Appearance and help.
    void mnufont_Click();
    void mnufcolor_Click();
    void mnubgcolor_Click();
    void cmdabout_Click();
    void mnuoptions_Click();

    // The store and its labels.
    ListBox* lstw = nullptr;
    ListBox* lstproper = nullptr;
    ListBox* lstsw = nullptr;
    ListBox* List1 = nullptr;
    QLabel* lblwk = nullptr;
    QLabel* lblpk = nullptr;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;

    QLineEdit* txtw = nullptr;
    QPlainTextEdit* txts = nullptr;
    QPlainTextEdit* txtl = nullptr;
    QPlainTextEdit* txtpn = nullptr;

    QPushButton* cmdsave = nullptr;
    QPushButton* cmdload = nullptr;
    QPushButton* cmdreset = nullptr;
    QPushButton* cmdopt = nullptr;
    QPushButton* cmdabout = nullptr;
    WrapButton* Command1 = nullptr;
    QPushButton* cmdquit = nullptr;

    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QFrame* Shape3 = nullptr;

    QTimer* Timer1 = nullptr;

    QMenu* mnufile = nullptr;
    QAction* mnusave = nullptr;
    QAction* mnuload = nullptr;
    QAction* mnureset = nullptr;
    QAction* mnuhyphen = nullptr;
    QAction* mnuquit = nullptr;
    QMenu* mnuopts = nullptr;
    QAction* mnuoptions = nullptr;
    QAction* mnucbpoet = nullptr;
    QAction* mnuhyphen2 = nullptr;
    QAction* mnufont = nullptr;
    QAction* mnufcolor = nullptr;
    QAction* mnubgcolor = nullptr;
    QAction* mnuhyphen5 = nullptr;
    QAction* mnufind = nullptr;
    QAction* mnufproper = nullptr;
    QAction* mnucontain = nullptr;
    QAction* mnuhyphen3 = nullptr;
    QAction* mnufindw = nullptr;
    QAction* mnufindp = nullptr;
    QAction* mnuhyphen4 = nullptr;
    QAction* mnujw = nullptr;
    QAction* mnujpn = nullptr;

    CommonDialog CommonDialog1;

    // Words learned since the last save or load.
    bool changed = false;
    // Proper nouns taught since the last save (a load does not save them).
    bool namesChanged = false;
    // The word being placed in an answer.
    QString curword;

    Forms& forms() { return m_forms; }
    Host& host() { return m_host; }

    // The start-up files.
    QString wordsFilePath() const;
    QString properNounsFilePath() const;

    // Sets both count labels from their lists; every command that changes a
    // list's size ends here.
    void showCounts();

    // Keeps the lists on disk between saves; made by the start-up.
    RecoverySnapshot* recovery() const { return m_recovery; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    // False when the user stopped it; the words taken so far stay learned.
    bool learnWord(StoreLearner& learner, QStringView word);
    void readStartupFiles();
    void readStartupFile(const QString& path, ListBox& list, const QString& fullMessage);
    bool deleteSelected(ListBox& list);
    void refreshTooltip(ListBox& list);
    // Ends the program once its quit or close has been answered.
    void endProgram();

    Forms& m_forms;
    Host& m_host;
    RecoverySnapshot* m_recovery = nullptr;
    // The program is ending: the close that comes with it asks nothing again.
    bool m_ending = false;
};

// Told once per command when a list of the store cannot take another entry.
extern const QString kWordsFullMessage;
extern const QString kProperNounsFullMessage;

} // namespace quibbler
