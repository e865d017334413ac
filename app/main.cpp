#include "app/Forms.h"
#include "host/QtHost.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

namespace {

// True when the program runs from where it was installed: the install's program
// folder, or any folder with the installed desktop entry beside it (a package
// staged or installed under another prefix).
bool runsInstalled(const QString& programDir)
{
    return QDir::cleanPath(programDir) == QDir::cleanPath(QStringLiteral(QUIBBLER_INSTALL_BINDIR))
        || QFileInfo::exists(QDir(programDir).filePath(QStringLiteral(QUIBBLER_INSTALLED_ENTRY)));
}

// An installed program keeps its start-up files in the user's data folder; one
// run from its build folder, or copied anywhere else, keeps them beside itself.
QString dataFolder()
{
    const QString programDir = QApplication::applicationDirPath();
    const QString userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (runsInstalled(programDir)) {
        QDir().mkpath(userDataDir);
        return userDataDir;
    }
    return quibbler::chooseDataFolder(programDir, userDataDir);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quibbler"));
    QApplication::setOrganizationName(QStringLiteral("Quibbler"));
    QApplication::setDesktopFileName(QStringLiteral(QUIBBLER_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quibbler.png")));
    // The program ends through its own quit and close commands, which may first
    // save; a long operation that hides every window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    quibbler::QtHost host(dataFolder());
    quibbler::Forms forms(host);
    forms.start();
    return QApplication::exec();
}
