// The lists kept on disk between saves, and taken back after a run that did
// not end normally.
#include "support/TestCommon.h"
#include "vocabulary/RecoverySnapshot.h"

#include <QSignalSpy>

const Answer Yes = Answer::Yes, No = Answer::No;
const QByteArray kHeader = "Quibbler recovery,1\r\n";
// Start-up files "cat" and "Paris"; the words "dog" and the name "Rome" unsaved.
const QByteArray kTaught = kHeader
    + "words,2\r\n\"cat\"\r\n\"dog\"\r\nnames,1\r\n\"Paris\"\r\nend,2,1\r\nnames,1\r\n\"Rome\"\r\nend,2,2\r\n";

// clang-format off
// Ways a run ends or goes on (the answers to its questions, a path to save to):
// whether the recovery file stays.
const struct { const char* tag; QString command; QList<Answer> answers; QString save; bool kept; } kEnds[] = {
    {"quit, not saved", "mnuquit", {Yes, No}, "", false},
    {"quit, saved", "mnuquit", {Yes, Yes}, "saved.txt", false},
    {"close", "close", {No}, "", false},
    {"quit called off", "mnuquit", {No}, "", true},
    {"save cancelled", "mnusave", {}, "", true},
};

// A recovery file found at start-up, the answer to the question about it (if
// it comes), the lists the program then holds, and what the question or the
// message said.
const struct { const char* tag; QByteArray file; Answer answer; QStringList words, names; QString said; } kFound[] = {
    {"taken back", kTaught, Yes, {"cat", "dog"}, {"Paris", "Rome"}, "2 words and 2 proper nouns"},
    {"refused", kTaught, No, {"cat"}, {"Paris"}, "2 words and 2 proper nouns"},
    {"nothing new", kHeader + "words,1\r\n\"cat\"\r\nnames,1\r\n\"Paris\"\r\nend,1,1\r\n", Yes, {"cat"}, {"Paris"}, ""},
    {"cut short", kHeader + "words,1\r\n\"a\"\r\nend,1", Yes, {"cat"}, {"Paris"}, "could not be read"},
    {"not one", "\"cat\"\r\n", Yes, {"cat"}, {"Paris"}, "could not be read"},
    {"removal past the end", kHeader + "words,1\r\n\"a\"\r\nwords-,0,2\r\nend,0,0\r\n", Yes, {"cat"}, {"Paris"}, "could not be read"},
};
// clang-format on

// Writes the snapshot the last change asked for now, and waits until it is on disk.
void writeNow(TestApp& app)
{
    RecoverySnapshot& recovery = *app.main().recovery();
    QVERIFY(recovery.timer()->isActive() && recovery.timer()->interval() <= 2000);
    QSignalSpy written(&recovery, &RecoverySnapshot::written);
    recovery.timer()->start(0);
    QVERIFY(written.wait(10000));
}

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void keptWhileUnsaved()
    {
        TestApp app({"cat"}, {"Paris"});
        MainWindow& main = app.main();
        const QString file = app.path(u"qblrecovery.tmp"_s);
        enterText(main.txtl, "dog");
        enterText(main.txtpn, "Rome");
        writeNow(app);
        const QByteArray first = kHeader
            + "words,2\r\n\"cat\"\r\n\"dog\"\r\nnames,2\r\n\"Paris\"\r\n\"Rome\"\r\nend,2,2\r\n";
        QCOMPARE(readFile(file), first);
        // Later changes are added to the file; what it holds is not written again.
        main.lstw->setSelectedPos(0);
        app.host.answers = {Yes};
        QTest::keyClick(main.lstw, Qt::Key_Delete);
        enterText(main.txtl, "emu");
        writeNow(app);
        const QByteArray second = first + "words-,0,1\r\nwords,1\r\n\"emu\"\r\nend,2,2\r\n";
        QCOMPARE(readFile(file), second);
        enterText(main.txtl, "fox");
        writeNow(app);
        QCOMPARE(readFile(file), second + "words,1\r\n\"fox\"\r\nend,3,2\r\n");
        QCOMPARE(app.host.messageTexts().size(), 1); // the question to delete
        // Saved, nothing is left unsaved: the file goes.
        app.host.savePaths = {app.path(u"saved.txt"_s)};
        main.mnusave->trigger();
        writeNow(app);
        QCOMPARE(readFile(file), "<missing>");
        // A folder where the file should be: a write that fails is told once.
        QVERIFY(QDir().mkdir(file));
        for (const char* word : {"gnu", "yak"})
            enterText(main.txtl, word), writeNow(app);
        QCOMPARE(main.lstw->entries(), (QStringList{"dog", "emu", "fox", "gnu", "yak"}));
        QCOMPARE(app.host.messageTexts().filter("Could not keep a recovery copy").size(), 1);
    }

    void normalEndRemovesIt_data() { addRows(kEnds); }
    void normalEndRemovesIt()
    {
        const auto& [tag, command, answers, save, kept] = rowOf(kEnds);
        TestApp app({"cat"});
        enterText(app.main().txtl, "dog");
        writeNow(app);
        enterText(app.main().txtl, "eel"); // written when the run ends
        app.main().recovery()->timer()->start(0);
        QCoreApplication::processEvents();
        app.host.answers = answers;
        app.host.savePaths = {save.isEmpty() ? save : app.path(save)};
        if (command == "close")
            app.main().close();
        else
            app.main().findChild<QAction*>(command)->trigger();
        QCOMPARE(QFile::exists(app.path(u"qblrecovery.tmp"_s)), kept);
        enterText(app.main().txtl, "emu");
        QVERIFY2(kept || !app.main().recovery()->timer()->isActive(), "an ended run writes on");
    }

    void offeredBackAtStart_data() { addRows(kFound); }
    void offeredBackAtStart()
    {
        const auto& [tag, bytes, answer, words, names, said] = rowOf(kFound);
        TestApp app({"cat"}, {"Paris"});
        writeFile(app.path("qblrecovery.tmp"), bytes);
        writeFile(app.path("qblrecovery.tmp.unreadable"), "set aside before");
        app.host.answers = {answer};
        Forms again(app.host); // the next start on the same folder
        again.start();
        MainWindow& main = again.frmcbox();
        QCOMPARE(main.lstw->entries(), words);
        QCOMPARE(main.lstproper->entries(), names);
        const QString shown = app.host.messageTexts().join('|');
        QCOMPARE(app.host.messages.size(), int(!said.isEmpty()));
        QVERIFY2(shown.contains(said), qPrintable(shown));
        // Taken back, the lists are unsaved; else the file is gone, or set aside.
        const bool back = answer == Yes && said.contains("proper");
        QCOMPARE(main.changed, back);
        QCOMPARE(main.namesChanged, back);
        QCOMPARE(readFile(app.path("qblrecovery.tmp")), back ? bytes : "<missing>");
        QCOMPARE(readFile(app.path("qblrecovery.tmp.unreadable-2")),
                 said.contains("read") ? bytes : "<missing>");
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
