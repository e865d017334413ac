#include "app/Program.h"

#include "app/Forms.h"
#include "app/QtArguments.h"
#include "app/SingleInstance.h"
#include "host/QtHost.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>

namespace quibbler {

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
    return chooseDataFolder(programDir, userDataDir);
}

// The program's few options, read from what Qt leaves of the command line.
struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Shows this help and exits.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Shows the program's name and version and exits.")};

    explicit CommandLine(const QStringList& arguments)
    {
        parser.setApplicationDescription(QStringLiteral(
            "Quibbler learns the words you type into its window and answers with random\n"
            "sentences and poems made of them. Without options it opens its window.\n"
            "See quibbler(6) for the files it keeps and its keys."));
        // Qt's options are single-dash words too: "-help" is not -h -e -l -p.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        ok = parser.parse(arguments) && parser.positionalArguments().isEmpty();
    }

    QString error() const
    {
        if (!parser.errorText().isEmpty())
            return parser.errorText();
        return QStringLiteral("Unexpected argument '%1'.")
            .arg(parser.positionalArguments().first());
    }

    bool ok = false;
};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int runProgram(int& argc, char* argv[])
{
    // Help, version and a wrong option are answered before the window system
    // is reached, so they work without a display.
    {
        const CommandLine early(argumentsLeftByQt(
            argumentsOf(argc, argv),
            platformFromEnvironment(QProcessEnvironment::systemEnvironment())));
        if (early.parser.isSet(early.help)) {
            const QCoreApplication names(argc, argv); // the usage line names the program
            print(stdout, early.parser.helpText());
            return 0;
        }
        if (early.parser.isSet(early.version)) {
            print(stdout, QStringLiteral("Quibbler " QUIBBLER_VERSION "\n"));
            return 0;
        }
        if (!early.ok) {
            const QCoreApplication names(argc, argv);
            print(stderr,
                  QStringLiteral("quibbler: %1\n%2").arg(early.error(), early.parser.helpText()));
            return 2;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quibbler"));
    QApplication::setApplicationVersion(QStringLiteral(QUIBBLER_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quibbler"));
    QApplication::setDesktopFileName(QStringLiteral(QUIBBLER_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quibbler.png")));

    // The program ends through its own quit and close commands, which may first
    // save; a long operation that hides every window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString folder = dataFolder();
    SingleInstance instance(folder, QStringLiteral(QUIBBLER_APP_ID));
    if (!instance.claim())
        return 0; // the program already running there has come forward

    QtHost host(folder);
    Forms forms(host);
    QObject::connect(&instance, &SingleInstance::activated, &app, [&forms] { forms.comeForward(); });
    forms.start();
    return QApplication::exec();
}

} // namespace quibbler
