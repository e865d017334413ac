#include "queries/WordCountWindow.h"

#include "app/Forms.h"
#include "host/Keys.h"
#include "controls/ListBox.h"
#include "host/Placement.h"
#include "controls/UiFont.h"
#include "queries/LetterRows.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScope.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quibbler {

WordCountWindow::WordCountWindow(Forms& forms) : m_forms(forms)
{
    setObjectName(QStringLiteral("frmfw"));
    setWindowTitle(QStringLiteral("Number of Words... List"));
    setFont(uiFont(12));
    setFixedSize(346, 334);

    Label1 = place(new QLabel(QStringLiteral("Words") + QString(23, QLatin1Char(' '))
                                  + QStringLiteral("Proper Nouns"),
                              this),
                   "Label1", 32, 40, 265, 25);
    Label1->setTextFormat(Qt::PlainText);
    List1 = place(new QListWidget(this), "List1", 32, 80, 129, 164);
    List2 = place(new QListWidget(this), "List2", 184, 80, 129, 164);
    Command1 = place(new QPushButton(QStringLiteral("Close"), this), "Command1", 128, 272, 97, 33);
    for (QListWidget* list : {List1, List2})
        list->setUniformItemSizes(true);
    // One caption heads both lists; screen readers get each list's half of it.
    List1->setAccessibleName(QStringLiteral("Words"));
    List2->setAccessibleName(QStringLiteral("Proper Nouns"));
    setTabOrder(List1, Command1);
    setTabOrder(Command1, List2);

    onKeyDown(List1, [this](int code, int shift) { return List1_KeyDown(code, shift); });
    onKeyDown(List2, [this](int code, int shift) { return List2_KeyDown(code, shift); });
    // F5 recomputes also while the button has the focus.
    onKeyDown(Command1, [this](int code, int) { return recomputeOnF5(code); });
    connect(Command1, &QPushButton::clicked, this, &WordCountWindow::Command1_Click);
}

void WordCountWindow::Form_Load()
{
    compute();
    show();
}

void WordCountWindow::compute()
{
    MainWindow& main = m_forms.frmcbox();
    {
        WorkingScope working(m_forms, {&main, this});
        List1->addItems(letterRows(main.lstw->entries()));
        List2->addItems(letterRows(main.lstproper->entries()));
    }
    // Shown after the main window, the list comes out on top.
    show();
    raise();
    activateWindow();
}

void WordCountWindow::Command1_Click()
{
    close();
}

bool WordCountWindow::List1_KeyDown(int keyCode, int /*shiftState*/)
{
    return recomputeOnF5(keyCode);
}

bool WordCountWindow::List2_KeyDown(int keyCode, int /*shiftState*/)
{
    return recomputeOnF5(keyCode);
}

bool WordCountWindow::recomputeOnF5(int keyCode)
{
    if (keyCode != key::F5)
        return false;
    List1->clear();
    List2->clear();
    compute();
    return true;
}

} // namespace quibbler
