#include "app/Forms.h"
#include "host/QtHost.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quibbler"));
    QApplication::setOrganizationName(QStringLiteral("Quibbler"));
    // The program ends through its own quit and close commands, which may first
    // save; a long operation that hides every window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    quibbler::QtHost host(quibbler::chooseDataFolder(
        QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    quibbler::Forms forms(host);
    forms.start();
    return QApplication::exec();
}
