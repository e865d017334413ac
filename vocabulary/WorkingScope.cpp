#include "vocabulary/WorkingScope.h"

#include "app/Forms.h"
#include "vocabulary/WorkingScreen.h"

namespace quibbler {

WorkingScope::WorkingScope(Forms& forms, std::initializer_list<QWidget*> standIns) : m_forms(forms)
{
    m_forms.frmwork().show();
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
