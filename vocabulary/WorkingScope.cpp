#include "vocabulary/WorkingScope.h"

#include "app/Forms.h"
#include "host/Placement.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include <QWindow>

namespace quibbler {

WorkingScope::WorkingScope(Forms& forms, std::initializer_list<QWidget*> standIns) : m_forms(forms)
{
    WorkingScreen& work = m_forms.frmwork();
    // An operation started inside another one (the word-count lists while a poem
    // is written) leaves the screen where it is and the running one's stop request.
    if (m_forms.m_workDepth++ == 0) {
        // The screen appears where the user was looking: over the first window it stands in for.
        for (QWidget* window : standIns) {
            if (window && window->isVisible()) {
                centreOn(work, window->frameGeometry());
                break;
            }
        }
        work.clearStopRequest();
        m_forms.beginWork();
    }
    // Above the main window, which may stay in view (a poem hides only its own window).
    keepAbove(work, m_forms.frmcbox());
    work.show();
    work.raise();
    work.activateWindow();
    for (QWidget* window : standIns) {
        if (window && window->isVisible()) {
            m_hidden.append({window, window->geometry().topLeft()});
            window->hide();
        }
    }
}

WorkingScope::~WorkingScope()
{
    for (const Hidden& hidden : m_hidden) {
        // Put back where it stood: a window manager would place it anew
        // unless told where it goes.
        if (QWidget* window = hidden.window) {
            if (QWindow* handle = window->windowHandle())
                handle->setPosition(hidden.place);
            window->show();
        }
    }
    // The window shown last comes to the front.
    if (!m_hidden.isEmpty() && m_hidden.last().window) {
        m_hidden.last().window->raise();
        m_hidden.last().window->activateWindow();
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
