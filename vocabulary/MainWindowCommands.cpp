// Reset, deleting an entry, the list tooltips, quitting and closing.
#include "app/Forms.h"
#include "controls/ListBox.h"
#include "controls/Tooltips.h"
#include "controls/UiFont.h"
#include "host/Host.h"
#include "host/Keys.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/RecoverySnapshot.h"

#include <QFontMetrics>
#include <QToolTip>

namespace quibbler {

void MainWindow::cmdreset_Click()
{
    // A poem draws from the words while it is written: they change after it.
    if (m_forms.refuseWhileWorking())
        return;
    if (m_host.msgBox(QStringLiteral("Are you sure you want to reset all the words?"),
                      Buttons::YesNo, QStringLiteral("Quit?"))
        != Answer::Yes)
        return;
    lstw->clearAll();
    showCounts();
}

bool MainWindow::lstw_KeyDown(int keyCode, int /*shiftState*/)
{
    return keyCode == key::Delete && deleteSelected(*lstw);
}

bool MainWindow::lstproper_KeyDown(int keyCode, int /*shiftState*/)
{
    return keyCode == key::Delete && deleteSelected(*lstproper);
}

bool MainWindow::deleteSelected(ListBox& list)
{
    const int position = list.selectedPos();
    // With nothing selected there is nothing to delete and nothing to ask;
    // while a poem is written, the words stay as they are.
    if (position < 0 || m_forms.refuseWhileWorking())
        return true;
    if (m_host.msgBox(QStringLiteral("Are you sure you want to delete this word?"), Buttons::YesNo,
                      QStringLiteral("Delete?"))
        == Answer::Yes) {
        list.removeAt(position);
        list.setSelectedPos(-1);
        showCounts();
    }
    return true;
}

void MainWindow::lstw_MouseMove()
{
    refreshTooltip(*lstw);
}

void MainWindow::lstproper_MouseMove()
{
    refreshTooltip(*lstproper);
}

void MainWindow::refreshTooltip(ListBox& list)
{
    list.setToolTip(entryTooltip(list.selectedText(), list.selectedPos() + 1,
                                 QFontMetrics(QToolTip::font()), tooltipTextRoom(list)));
}

void MainWindow::cmdquit_Click()
{
    // A long operation ends first: Escape on its screen stops it.
    if (m_forms.refuseWhileWorking())
        return;
    if (m_host.msgBox(QStringLiteral("Are you sure you want to quit?"), Buttons::YesNo,
                      QStringLiteral("Quit?"))
        != Answer::Yes)
        return;
    if (offerSave(true) == SaveOutcome::Failed)
        return; // the words are not on disk: the program stays open
    endProgram();
}

bool MainWindow::Form_Unload()
{
    // Ending the program closes every window, this one too: the user has
    // already answered for it.
    if (m_ending)
        return true;
    if (m_forms.refuseWhileWorking())
        return false;
    if (offerSave(true) == SaveOutcome::Failed)
        return false; // the words are not on disk: the window stays
    endProgram();
    return true;
}

void MainWindow::endProgram()
{
    m_ending = true;
    if (m_recovery)
        m_recovery->discard();
    m_host.endProgram();
}

} // namespace quibbler
