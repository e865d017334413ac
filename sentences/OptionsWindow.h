#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quibbler {

// The "Options" window. Its controls are the settings: every part of the
// program reads them by name at the moment it needs a value, so there is no
// other copy. Hiding the window (OK, or closing it) keeps every value.
class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    OptionsWindow();

    void Form_Load();
    void cbopersonal_Click();
    void cmdok_Click();

    QRadioButton* optnorm = nullptr;
    QRadioButton* optlcase = nullptr;
    QRadioButton* optucase = nullptr;
    QCheckBox* chkc = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtword = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbopersonal = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtpattern = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtwl = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txtdelim = nullptr;
    QPushButton* cmdok = nullptr;
};

} // namespace quibbler
