// What a terminal and a screen reader get: the program's options, and its controls' names.
#include "app/QtArguments.h"
#include "support/TestCommon.h"

#include <QAccessible>
#include <QProcess>
#include <QRegularExpression>

const QString kUsage
    = u"(?!.*-platform|.*-reverse)Usage: \\S*quibbler \\[options\\]\n.*-h, --help.*-v, --version.*"_s;
const QString kUnknown = u"quibbler: Unknown option '%1'\\.\n"_s + kUsage;
const QString kVersion = QRegularExpression::escape(u"Quibbler " QUIBBLER_VERSION "\n"_s);
// clang-format off
// The arguments, the exit status and patterns of the whole output and error output.
const struct { const char* tag; QString arguments; int status; QString out, err; } kOptions[] = {
    {"help", u"--help"_s, 0, kUsage, {}},
    {"version", u"--version"_s, 0, kVersion, {}},
    {"Qt's and -h", u"-stylesheet x.qss -h"_s, 0, kUsage, {}},
    {"unknown", u"--bogus"_s, 2, {}, kUnknown.arg("bogus")},
    {"argument", u"words.txt"_s, 2, {}, "quibbler: Unexpected argument 'words\\.txt'\\.\n" + kUsage},
    {"Qt's on X", u"-icon x.png -testability -v"_s, 0, kVersion, {}},
};

// What QApplication leaves of a command line, given its environment ("-" stands
// for the program's name): X takes a few options of its own, and three under old
// names; QT_QPA_PLATFORM, or else the session, chooses the platform.
const struct { const char* tag; QString environment, arguments, left; } kLeft[] = {
    {"X", "", "- -icon i -title t -geometry g -display :1 -name n -visual 3 -nograb -dograb -name", "- -name"},
    {"X session", "XDG_SESSION_TYPE=x11", "- -icon i", "-"},
    {"not X", "QT_QPA_PLATFORM=offscreen XDG_SESSION_TYPE=x11", "- -icon i -title t -display :1 -nograb", "- -icon i -title t -display :1 -nograb"},
    {"Wayland first", "XDG_SESSION_TYPE=wayland", "- -geometry g -qwindowgeometry g -display :1", "- -geometry g -display :1"},
    // Qt loads a plugin by its name in any case, and reads -icon only when it is spelled "xcb".
    {"X named in capitals", "QT_QPA_PLATFORM=XCB:dpi=96;wayland", "- -icon i -display :1", "- -icon i"},
    {"X first of two", "QT_QPA_PLATFORM=xcb;wayland", "- -display :1", "-"},
    {"GNOME stays on X", "XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=ubuntu:GNOME", "- -icon i", "-"},
    {"GNOME session", "XDG_SESSION_TYPE=wayland XDG_SESSION_DESKTOP=gnome", "- -icon i", "-"},
    {"platform chosen first", "", "- --platform offscreen -icon i -display", "- -icon i -display"},
    {"X chosen", "QT_QPA_PLATFORM=offscreen", "- -platform xcb -qwindowicon i -display :1 -platform", "-"},
    {"every platform's", "QT_QPA_PLATFORM=offscreen",
     "- -platformpluginpath p -platformtheme t -qwindowtitle t -reverse -testability -widgetcount"
     " -session s -style=s -stylesheet s -stylesheet=s -qmljsdebugger=d -qmljsdebugger d -qdevel"
     " -qdebug -style -reverse words.txt -plugin", "- words.txt"},
    {"forms Qt leaves", "QT_QPA_PLATFORM=offscreen", "- -platform=x -reverse=1 -dialogs d -fontengine f", "- -platform=x -reverse=1 -dialogs d -fontengine f"},
};

// Each control, named by its object name, and the name a screen reader gives it.
const struct { const char* tag; QString name; } kNames[] = {
    {"lstw", "Words known:"}, {"txts", "QBL's response:"}, {"txtl", "Add Words for QBL to learn"},
    {"txtpn", "Add Proper Nouns for QBL to learn"}, {"cmdsave", "Save"},
    {"txtword", "Pick words starting with:"}, {"cbopersonal", "Personality:"},
    {"txtdelim", "Edit delimiters (just type them in)"}, {"txtlines", "Number of stanzas"},
    {"txtp", "QBL's Poem"}, {"List2", "Proper Nouns"}, {"mnuopts", "Options"},
};
// clang-format on

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void options_data() { addRows(kOptions); }

    // Answers on its streams and ends, with no window and no file written.
    void options()
    {
        const auto& [tag, arguments, status, out, err] = rowOf(kOptions);
        QTemporaryDir folder; // the program's copy, and its data and run-time folders
        const QString program = folder.filePath(u"quibbler"_s);
        QVERIFY(QFile::copy(QStringLiteral(QUIBBLER_PROGRAM), program));
        // No display at all: every answer comes before the window system is reached.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name :
             {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"XDG_SESSION_TYPE"_s})
            environment.remove(name);
        environment.insert(u"XDG_DATA_HOME"_s, folder.filePath(u"data"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, folder.path());
        QProcess process; // killed when the test fails
        process.setProcessEnvironment(environment);
        process.start(program, arguments.split(u' '));
        QVERIFY2(process.waitForFinished(60000), "the program still runs: it opened its window");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        const auto whole = [](const QString& pattern, const QByteArray& text) {
            const QRegularExpression expression(u"\\A(?s:"_s + pattern + u")\\z"_s);
            return expression.match(QString::fromLocal8Bit(text)).hasMatch();
        };
        QVERIFY2(whole(out, process.readAllStandardOutput()), qPrintable(out));
        QVERIFY2(whole(err, process.readAllStandardError()), qPrintable(err));
        const auto written = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(written, QStringList{u"quibbler"_s});
    }

    void leftByQt_data() { addRows(kLeft); }
    void leftByQt()
    {
        const auto& [tag, variables, arguments, left] = rowOf(kLeft);
        QProcessEnvironment environment;
        for (const QString& variable : variables.split(' ', Qt::SkipEmptyParts))
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        const QString platform = platformFromEnvironment(environment);
        QCOMPARE(argumentsLeftByQt(arguments.split(' '), platform).join(' '), left);
    }

    void accessibleNames_data() { addRows(kNames); }

    // Each box and list is announced with its caption; buttons keep theirs.
    void accessibleNames()
    {
        const auto& [tag, name] = rowOf(kNames);
        TestApp app;
        app.forms.frmcbp();
        app.forms.frmfw();
        QWidget* control = nullptr; // each name below is used by one window only
        for (QWidget* window : QApplication::topLevelWidgets())
            control = control ? control : window->findChild<QWidget*>(tag);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        // A drop-down list is named by its choice; its caption is its label.
        const auto labels = accessible->relations(QAccessible::Label);
        QCOMPARE(labels.isEmpty() ? accessible->text(QAccessible::Name)
                                  : labels.first().first->text(QAccessible::Name),
                 name);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
