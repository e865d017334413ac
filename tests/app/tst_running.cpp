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

QWidget* mainWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmcbox" && window->isVisible())
            return window;
    }
    return nullptr;
}

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
        auto* main = static_cast<MainWindow*>(mainWindow());
        if (!main)
            return;
        if (std::strcmp(g_script, "recover") == 0) {
            say("words: " + main->lstw->entries().join('|'));
            say("names: " + main->lstproper->entries().join('|'));
            poll->stop();
            QCoreApplication::exit(0);
        } else if (!std::exchange(taught, true)) {
            enterText(main->txtl, "apple banana");
            enterText(main->txtpn, "Paris");
        } else if (readFile(main->recovery()->path()).contains("Paris")) {
            say("taught");
            poll->stop();
        }
    });
    poll->start(20);
}

// The environment of a run with the session bus of this test, or with none at all.
QProcessEnvironment environment(bool bus, const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!bus) {
        for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
        environment.insert("XDG_RUNTIME_DIR", folder); // no bus socket there
    }
    return environment;
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

    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"),
                 "run the test under dbus-run-session");
    }

    void killedAndStartedAgain()
    {
        QFETCH_GLOBAL(bool, bus);
        QTemporaryDir dir; // the program's copy and its data folder
        const QString program = dir.filePath("quibbler");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QProcess first;
        first.setProcessEnvironment(environment(bus, dir.path()));
        first.start(program, {"teach"});
        while (!first.readAllStandardOutput().contains("taught"))
            QVERIFY2(first.waitForReadyRead(60000), first.readAllStandardError());
        first.kill(); // SIGKILL: no chance to save or clean up
        QVERIFY(first.waitForFinished(60000));

        QProcess second;
        second.setProcessEnvironment(environment(bus, dir.path()));
        second.start(program, {"recover"});
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 0);
        const QStringList said = QString(second.readAllStandardOutput()).split('\n');
        QCOMPARE(said.size(), 4);
        QVERIFY2(said[0].contains(": 2 words and 1 proper noun."), qPrintable(said[0]));
        QCOMPARE(said[1], "words: apple|banana");
        QCOMPARE(said[2], "names: Paris");
    }

    void secondStartBringsTheFirstForward()
    {
        QFETCH_GLOBAL(bool, bus);
        QTemporaryDir dir;
        const QString program = dir.filePath("quibbler");
        QVERIFY(QFile::copy(QStringLiteral(QUIBBLER_PROGRAM), program));
        QProcess first, second;
        for (QProcess* run : {&first, &second})
            run->setProcessEnvironment(environment(bus, dir.path()));
        first.start(program);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("qblrunning.lock")), 60000);
        second.start(program);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        // Over the bus the first answers; without one the second says why it ends.
        QCOMPARE(second.readAllStandardError().contains("already runs"), !bus);
        first.kill();
        QVERIFY(first.waitForFinished(60000));
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
