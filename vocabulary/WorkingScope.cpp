#include "vocabulary/WorkingScope.h"

#include "app/Forms.h"
#include "vocabulary/WorkingScreen.h"

namespace quibbler {

WorkingScope::WorkingScope(Forms& forms, std::initializer_list<QWidget*> standIns) : m_forms(forms)
{
    WorkingScreen& work = m_forms.frmwork();
    // The screen appears where the user was looking: over the first window it stands in for.
    for (QWidget* window : standIns) {
        if (window && window->isVisible()) {
            work.move(window->frameGeometry().center() - work.rect().center());
            break;
        }
    }
    work.clearStopRequest();
    work.show();
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
    m_forms.frmwork().hide();
}

} // namespace quibbler
