#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace quibbler {

class Forms;

// "Number of Words... List": for each letter A to Z, how many learned words
// and how many proper nouns begin with it. The rows are a snapshot, taken when
// the window is created and again on F5; "Close" destroys the window.
class WordCountWindow : public QWidget {
    Q_OBJECT
public:
    explicit WordCountWindow(Forms& forms);

    // Computes both lists and shows the window.
    void Form_Load();
    void Command1_Click();
    bool List1_KeyDown(int keyCode, int shiftState);
    bool List2_KeyDown(int keyCode, int shiftState);

    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QPushButton* Command1 = nullptr;

private:
    void compute();
    bool recomputeOnF5(int keyCode);

    Forms& m_forms;
};

} // namespace quibbler
