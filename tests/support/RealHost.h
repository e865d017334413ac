#pragma once

#include "app/Forms.h"
#include "host/QtHost.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class QWidget;

namespace quibbler::test {

// Runs answer on the next modal dialog once it is up, from inside its own event
// loop. The answer should close the dialog before it checks anything, so a
// failed check cannot leave the dialog waiting for the test's time-out.
void whenDialogShows(std::function<void(QWidget*)> answer);

// The whole program on the real Qt host, with its start-up files in a
// temporary folder of its own.
class RealApp {
public:
    explicit RealApp(const QStringList& words = {}, const QStringList& names = {});

    QTemporaryDir dir;
    QtHost host{dir.path()};
    Forms forms{host};
};

} // namespace quibbler::test
