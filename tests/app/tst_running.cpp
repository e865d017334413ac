// The program as a process: killed while words are unsaved and started again,
// and started twice on one data folder, with a session bus and without one.
#include "app/Program.h"
#include "support/TestCommon.h"
#include "vocabulary/RecoverySnapshot.h"

#include <QMessageBox>
#include <QProcess>


namespace {

const char* g_script = nullptr; // what this process does when it runs as the program

// Played by the program's copy: "teach" types words and a name, minimizes its window
// once they are on disk and says when it comes forward; "recover" answers Yes.
void playScript()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, step = 0]() mutable {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QTextStream(stdout) << "asked: " << box->text().replace(u'\n', u' ') << Qt::endl;
            box->button(QMessageBox::Yes)->click();
        }
        MainWindow* main = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<MainWindow*>(window); found && found->isVisible())
                main = found;
        if (main && QByteArray(g_script) == "recover") {
            QTextStream(stdout) << main->lstw->entries().join('|') << ", "
                                << main->lstproper->entries().join('|') << Qt::endl;
            QCoreApplication::exit(0);
        } else if (main && step == 0) {
            enterText(main->txtl, "apple banana");
            enterText(main->txtpn, "Paris");
            ++step;
        } else if (main && step == 1 && readFile(main->recovery()->path()).contains("Paris")) {
            main->showMinimized();
            QTextStream(stdout) << "taught" << Qt::endl;
            ++step;
        } else if (main && step == 2 && !main->isMinimized()) {
            QTextStream(stdout) << "forward " << qgetenv("XDG_ACTIVATION_TOKEN") << Qt::endl;
            poll->stop();
        }
    });
    poll->start(20);
}

// Starts the program's copy in folder, on the session bus of this test or on none.
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
    // Started again on the same folder, it brings the first forward and ends;
    // killed, the first leaves its words for the next start.
    void killedAndStartedAgain_data() { addTags({"session bus", "no bus"}); }
    void killedAndStartedAgain()
    {
        const bool bus = QByteArray(QTest::currentDataTag()) == "session bus";
        QTemporaryDir dir; // the program's copy and its data folder
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), dir.filePath("quibbler")));
        QProcess first, second;
        QByteArray heard; // what the first has said
        start(first, dir.path(), bus, {"teach"});
        QTRY_VERIFY_WITH_TIMEOUT((heard += first.readAllStandardOutput()).contains("taught"), 60000);
        qputenv("XDG_ACTIVATION_TOKEN", "token2"); // from the desktop, for the second start
        start(second, dir.path(), bus, {"teach"});
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // Over the bus the first comes forward; without one the second says why it ends.
        QCOMPARE(second.readAllStandardError().contains("already runs"), !bus);
        QTRY_VERIFY_WITH_TIMEOUT(
            !bus || (heard += first.readAllStandardOutput()).contains("forward token2"), 60000);
        first.kill(); // SIGKILL: no chance to save or clean up
        QVERIFY(first.waitForFinished(60000));

        start(second, dir.path(), bus, {"recover"});
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 0);
        const QStringList said = QString(second.readAllStandardOutput()).split('\n');
        QVERIFY2(said[0].contains(": 2 words and 1 proper noun."), qPrintable(said[0]));
        QCOMPARE(said.value(1), "apple|banana, Paris");
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && (QByteArray(argv[1]) == "teach" || QByteArray(argv[1]) == "recover")) {
        g_script = argv[1];
        qAddPreRoutine(playScript);
        return runProgram(--argc, ++argv); // as the program, named by its script
    }
    QApplication app(argc, argv);
    TestRunning test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_running.moc"
