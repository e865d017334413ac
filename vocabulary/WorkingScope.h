#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <initializer_list>

namespace quibbler {

class Forms;

// Shows the working screen and hides the windows a long operation was started
// from for as long as the scope lives. Every way out of the operation, early
// ones included, brings the windows back; the screen goes when the last scope
// open ends, so a short operation run inside a long one leaves it showing.
class WorkingScope {
public:
    WorkingScope(Forms& forms, std::initializer_list<QWidget*> standIns);
    ~WorkingScope();

    WorkingScope(const WorkingScope&) = delete;
    WorkingScope& operator=(const WorkingScope&) = delete;

private:
    Forms& m_forms;
    struct Hidden {
        QPointer<QWidget> window;
        QPoint place; // where it stood
    };
    QList<Hidden> m_hidden;
};

} // namespace quibbler
