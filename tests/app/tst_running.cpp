// The program as a process: killed while words are unsaved and started again,
// and started twice on one data folder, with a session bus and without one.
#include "app/Program.h"
#include "support/TestCommon.h"
#include "vocabulary/RecoverySnapshot.h"

#include <QMessageBox>
#include <QProcess>

#include <cstdio>
#include <cstring>

namespace {

const char* g_script = nullptr; // what this process does when it runs as the program

void say(const QString& line)
{
    std::fputs(qPrintable(line + '\n'), stdout);
    std::fflush(stdout);
}

// Played by the program's copy: "teach" types words and a name and says when
// they are in the recovery file; "recover" answers the first question Yes and
// tells the lists.
void playScript()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, taught = false]() mutable {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            say("asked: " + box->text().replace(u'\n', u' '));
            box->button(QMessageBox::Yes)->click();
        }
        MainWindow* main = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<MainWindow*>(window); found && found->isVisible())
                main = found;
        if (main && std::strcmp(g_script, "recover") == 0) {
            say("words: " + main->lstw->entries().join('|') + "\nnames: "
                + main->lstproper->entries().join('|'));
            QCoreApplication::exit(0);
        } else if (main && !std::exchange(taught, true)) {
            enterText(main->txtl, "apple banana");
            enterText(main->txtpn, "Paris");
        } else if (main && readFile(main->recovery()->path()).contains("Paris")) {
            say("taught");
            poll->stop();
        }
    });
    poll->start(20);
}

// Starts a copy of the program in folder, with the session bus of this test or
// with none at all.
void start(QProcess& process, const QString& folder, bool bus, const QStringList& arguments = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!bus) {
        for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
        environment.insert("XDG_RUNTIME_DIR", folder); // no bus socket there
    }
    process.setProcessEnvironment(environment);
    process.start(QDir(folder).filePath("quibbler"), arguments);
}

} // namespace

class TestRunning : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data()
    {
        QTest::addColumn<bool>("bus");
        QTest::newRow("session bus") << true;
        QTest::newRow("no bus") << false;
    }

    void killedAndStartedAgain()
    {
        QFETCH_GLOBAL(bool, bus);
        QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"), "run under dbus-run-session");
        QTemporaryDir dir; // the program's copy and its data folder
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), dir.filePath("quibbler")));
        QProcess first, second;
        start(first, dir.path(), bus, {"teach"});
        while (!first.readAllStandardOutput().contains("taught"))
            QVERIFY2(first.waitForReadyRead(60000), first.readAllStandardError());
        first.kill(); // SIGKILL: no chance to save or clean up
        QVERIFY(first.waitForFinished(60000));

        start(second, dir.path(), bus, {"recover"});
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 0);
        const QStringList said = QString(second.readAllStandardOutput()).split('\n');
        QVERIFY2(said[0].contains(": 2 words and 1 proper noun."), qPrintable(said[0]));
        QCOMPARE(said.value(1), "words: apple|banana");
        QCOMPARE(said.value(2), "names: Paris");
    }

    void secondStartBringsTheFirstForward()
    {
        QFETCH_GLOBAL(bool, bus);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QStringLiteral(QUIBBLER_PROGRAM), dir.filePath("quibbler")));
        QProcess first, second;
        start(first, dir.path(), bus);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("qblrunning.lock")), 60000);
        start(second, dir.path(), bus);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        // Over the bus the first answers; without one the second says why it ends.
        QCOMPARE(second.readAllStandardError().contains("already runs"), !bus);
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && (std::strcmp(argv[1], "teach") == 0 || std::strcmp(argv[1], "recover") == 0)) {
        g_script = argv[1];
        qAddPreRoutine(playScript);
        argv[1] = argv[0];
        int left = argc - 1;
        return runProgram(left, argv + 1);
    }
    QApplication app(argc, argv);
    TestRunning test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_running.moc"
