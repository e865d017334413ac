#include "vocabulary/WorkingScope.h"

#include "app/Forms.h"
#include "vocabulary/WorkingScreen.h"

namespace quibbler {

WorkingScope::WorkingScope(Forms& forms, std::initializer_list<QWidget*> standIns) : m_forms(forms)
{
    WorkingScreen& work = m_forms.frmwork();
    // An operation started inside another one (a count while a poem is
    // written) leaves the screen where it is and the running one's stop request.
    if (m_forms.m_workDepth++ == 0) {
        // The screen appears where the user was looking: over the first window it stands in for.
        for (QWidget* window : standIns) {
            if (window && window->isVisible()) {
                work.move(window->frameGeometry().center() - work.rect().center());
                break;
            }
        }
        work.clearStopRequest();
    }
    work.show();
    work.raise();
    work.activateWindow();
    for (QWidget* window : standIns) {
        if (window && window->isVisible()) {
            window->hide();
            m_hidden.append(window);
        }
    }
}

WorkingScope::~WorkingScope()
{
    for (const QPointer<QWidget>& window : m_hidden) {
        if (window)
            window->show();
    }
    if (!m_hidden.isEmpty() && m_hidden.first()) {
        m_hidden.first()->raise();
        m_hidden.first()->activateWindow();
    }
    WorkingScreen& work = m_forms.frmwork();
    if (--m_forms.m_workDepth == 0) {
        work.hide();
    } else {
        // The operation this one ran inside goes on: its screen stays in front.
        work.raise();
        work.activateWindow();
    }
}

} // namespace quibbler
