#include "support/TestCommon.h"

#include <sys/fsuid.h>

// clang-format off
const QByteArray kThree = fileOf({"dog", "New York", "cat"});
const struct {
    const char* tag; QStringList known; QByteArray file; bool clear; QStringList after;
} kLoads[] = {
    {"replace", {"old", "Dog"}, kThree, true, {"dog", "New", "York", "cat"}},
    {"merge", {"old", "Dog"}, kThree, false, {"old", "Dog", "New", "York", "cat"}},
    {"all known", {"a", "b"}, fileOf({"B", "A"}), false, {"a", "b"}},
    {"hand-written", {}, "one, two_3\r\n\"x,y\"\n\nfour", true, {"one", "two 3", "x", "y", "four"}},
    {"empty file", {"a"}, "", true, {}},
    {"Windows-1252", {}, "\"caf\xe9\"\r\n", true, {"café"}},
    {"NUL bytes", {}, QByteArray("\"a\0b\"\r\nc\0\r\n", 11), true, {u"a\0b"_s, u"c\0"_s}},
    {"20 MB line", {}, QByteArray(20'000'000, 'x'), true, {QString(20'000'000, 'x')}},
};

// A save or load that is cancelled ("") or fails changes nothing; a failure says where.
const struct { const char* tag; const char* item; QString path; } kMisses[] = {
    {"save cancelled", "mnusave", ""}, {"save under a file", "mnusave", "blocker/words.txt"},
    {"save onto a folder", "mnusave", "folder"}, {"load cancelled", "mnuload", ""},
    {"load a missing file", "mnuload", "missing.txt"}, {"load a folder", "mnuload", "folder"},
};

// A load with unsaved words first offers to save them.
const struct { const char* tag; Answer answer; QString savePath; QStringList after; } kPrompts[] = {
    {"no: straight to the load", Answer::No, "", {"fresh"}},
    {"yes: saves first", Answer::Yes, "saved.txt", {"fresh"}},
    {"yes, save cancelled: loads", Answer::Yes, "", {"fresh"}},
    {"yes, save fails: no load", Answer::Yes, "blocker/words.txt", {"unsaved"}},
};
// clang-format on

class TestSaveLoad : public QObject {
    Q_OBJECT
private slots:
    void startsFromTheFiles()
    {
        // Repeated, empty and quoted-comma entries come in unchanged.
        TestApp app(RawFiles{}, "\"Dog\"\r\n\"dog\"\r\n\r\n\"a,b\"\r\n", fileOf({"Alice", "Bob"}));
        MainWindow& main = app.main();
        QCOMPARE(main.lstw->entries(), (QStringList{"Dog", "dog", "", "a,b"}));
        QCOMPARE(main.lstproper->entries(), (QStringList{"Alice", "Bob"}));
        QCOMPARE(main.lblwk->text() + '|' + main.lblpk->text(), "4|2");
        QVERIFY(main.lstw->selectedPos() == 0 && main.lstproper->selectedPos() == 0);
        QCOMPARE(main.lstsw->entries(), QStringList{" "});
        QVERIFY(main.isVisible() && !main.changed && app.host.messages.isEmpty());
        QVERIFY(main.focusWidget() == main.txtw && !app.options().isVisible());
        // Randomizer's marker entry left nothing a look-up could find.
        QCOMPARE(main.lstw->findIgnoringCase(u"!@#$%^&*()"), -1);
        enterText(main.txtl, "DOG");
        QVERIFY(main.lstw->count() == 4 && !main.changed);
    }

    void missingFilesAreCreatedAndUnreadableOnesReported()
    {
        QTemporaryDir dir;
        ScriptedHost host(dir.path());
        Forms(host).start();
        QCOMPARE(readFile(dir.filePath("qblvocab.txt")) + readFile(dir.filePath("qblpn.txt")), "");
        QVERIFY(QFile::remove(dir.filePath("qblvocab.txt"))
                && QDir(dir.path()).mkdir("qblvocab.txt"));
        writeFile(dir.filePath("qblpn.txt"), fileOf({"Alice"}));
        Forms forms(host);
        forms.start();
        QCOMPARE(host.messages.size(), 1);
        QVERIFY2(host.messages.first().text.contains("qblvocab.txt"),
                 qPrintable(host.messages.first().text));
        QVERIFY(forms.frmcbox().isVisible() && forms.frmcbox().lstw->count() == 0);
        QCOMPARE(forms.frmcbox().lstproper->entries(), QStringList{"Alice"});
    }

    // A start-up file the user may read but not write is read all the same.
    // Root ignores file modes, so the files are opened as an ordinary user.
    void readOnlyStartupFileIsRead()
    {
        TestApp app({"kept"});
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(app.path("qblvocab.txt"), readable);
        QFile::setPermissions(app.dir.path(),
                              readable | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup
                                  | QFile::ExeOther);
        const int gid = setfsgid(65534);
        const int uid = setfsuid(65534);
        Forms forms(app.host);
        forms.start();
        setfsuid(uid);
        setfsgid(gid);
        QCOMPARE(app.host.messageTexts(), QStringList());
        QCOMPARE(forms.frmcbox().lstw->entries(), QStringList{"kept"});
    }

    void listsStopAtTheLimit()
    {
        QStringList entries;
        for (int i = 0; i < ListBox::MaxEntries + 5; ++i)
            entries.append(QString::number(i));
        const QStringList full{kWordsFullMessage, kProperNounsFullMessage};
        TestApp app(entries, entries);
        MainWindow& main = app.main();
        QVERIFY(main.lstw->entries() == entries.first(32767)
                && main.lstproper->entries() == entries.first(32767));
        // Learning into a full list adds nothing and says so once per command.
        enterText(main.txtl, "new1 new2 new3");
        enterText(main.txtpn, "Newname, Other");
        QVERIFY(main.lstw->count() == 32767 && main.lstproper->count() == 32767);
        QCOMPARE(app.host.messageTexts(), full + full);
        QVERIFY(!main.changed && main.isVisible());

        // So does a load into a list one entry short of full.
        TestApp almost(entries.first(32766));
        almost.options().Check1->setChecked(false);
        writeFile(almost.path("more.txt"), fileOf({"x y", "z"}));
        almost.host.openPaths = {almost.path("more.txt")};
        almost.main().mnuload->trigger();
        QCOMPARE(almost.main().lstw->entries().last() + ' ' + almost.main().lblwk->text(),
                 "x 32767");
        QCOMPARE(almost.host.messageTexts(), QStringList{kWordsFullMessage});
    }

    void saveWritesBothFiles()
    {
        TestApp app({}, {"Old"});
        MainWindow& main = app.main();
        enterText(main.txtl, "Hello New_York");
        enterText(main.txtpn, "Zoë say\"hi\"");
        app.host.savePaths = {app.path("mine.txt")};
        QTest::mouseClick(main.cmdsave, Qt::LeftButton);
        QCOMPARE(readFile(app.path("mine.txt")), "\"Hello\"\r\n\"New York\"\r\n");
        QCOMPARE(readFile(app.path("qblpn.txt")), "\"Old\"\r\n\"Zoë\"\r\n\"say\"\"hi\"\"\"\r\n");
        // Saving elsewhere leaves the start-up words alone.
        QCOMPARE(readFile(app.path("qblvocab.txt")), "");
        QVERIFY(!main.changed && app.host.messages.isEmpty());

        // Back at the next start; the load command cuts the same file at the blank.
        TestApp again(RawFiles{}, readFile(app.path("mine.txt")), readFile(app.path("qblpn.txt")));
        QCOMPARE(again.main().lstw->entries(), (QStringList{"Hello", "New York"}));
        QCOMPARE(again.main().lstproper->entries(), (QStringList{"Old", "Zoë", "say\"hi\""}));
        again.host.openPaths = {app.path("mine.txt")};
        again.main().mnuload->trigger();
        QCOMPARE(again.main().lstw->entries(), (QStringList{"Hello", "New", "York"}));
    }

    void saveDialogProposesTheRememberedName()
    {
        TestApp app({"a"});
        writeFile(app.path("other.txt"), fileOf({"b"}));
        app.host.savePaths = {app.path("first.txt"), QString()};
        app.host.openPaths = {app.path("other.txt")};
        app.main().mnusave->trigger();
        app.main().cmdload->click();
        app.main().mnusave->trigger();
        const auto& saves = app.host.saveRequests;
        QCOMPARE(saves.at(0).fileName + '|' + saves.at(0).folder, "qblvocab.txt|" + app.dir.path());
        QCOMPARE(app.host.openRequests.at(0).fileName, app.path("first.txt"));
        // A completed load forgets the name.
        QCOMPARE(saves.at(1).fileName, QString());
    }

    void commandThatDoesNotHappenChangesNothing_data() { addRows(kMisses); }
    void commandThatDoesNotHappenChangesNothing()
    {
        const auto& [tag, item, path] = rowOf(kMisses);
        TestApp app({"a"}, {"Old"});
        writeFile(app.path("blocker"), "not a folder");
        QVERIFY(QDir(app.dir.path()).mkdir("folder"));
        enterText(app.main().txtl, "word");
        enterText(app.main().txtpn, "New");
        app.host.answers = {Answer::No};
        app.host.savePaths = app.host.openPaths = {path.isEmpty() ? path : app.path(path)};
        app.main().findChild<QAction*>(item)->trigger();
        QVERIFY(app.main().changed && app.main().isVisible());
        QCOMPARE(app.main().lstw->entries(), (QStringList{"a", "word"}));
        QCOMPARE(readFile(app.path("qblpn.txt")) + readFile(app.path("blocker")),
                 fileOf({"Old"}) + "not a folder");
        QVERIFY(QFileInfo(app.path("folder")).isDir());
        const QStringList shown
            = app.host.messageTexts().filter(QDir::toNativeSeparators(app.path(path)));
        QCOMPARE(shown.size(), path.isEmpty() ? 0 : 1);
        QVERIFY(!path.isEmpty() || app.main().CommonDialog1.fileName == "qblvocab.txt");
    }

    void load_data() { addRows(kLoads); }
    void load()
    {
        const auto& [tag, known, file, clear, after] = rowOf(kLoads);
        TestApp app(known, {"Alice"});
        MainWindow& main = app.main();
        app.options().Check1->setChecked(clear);
        main.txtl->setPlainText("pending");
        writeFile(app.path("load.txt"), file);
        app.host.openPaths = {app.path("load.txt")};
        int yields = 0;
        app.host.onYield = [&] { yields += !main.isVisible() && app.forms.frmwork().isVisible(); };
        main.mnuload->trigger();
        QCOMPARE(main.lstw->entries(), after);
        QCOMPARE(main.lblwk->text(), QString::number(after.size()));
        QCOMPARE(main.lstproper->entries(), QStringList{"Alice"});
        QCOMPARE(main.txtl->toPlainText(), QString());
        QVERIFY(!main.changed && main.isVisible() && !app.forms.frmwork().isVisible());
        QVERIFY((yields > 0 || file.isEmpty()) && app.host.messages.isEmpty());
    }

    void loadOffersToSave_data() { addRows(kPrompts); }
    void loadOffersToSave()
    {
        const auto& [tag, answer, savePath, after] = rowOf(kPrompts);
        TestApp app;
        writeFile(app.path("blocker"), "x");
        writeFile(app.path("load.txt"), fileOf({"fresh"}));
        enterText(app.main().txtl, "unsaved");
        app.host.answers = {answer};
        app.host.savePaths = {savePath.isEmpty() ? savePath : app.path(savePath)};
        app.host.openPaths = {app.path("load.txt")};
        app.main().mnuload->trigger();
        const ShownMessage& asked = app.host.messages.first();
        QCOMPARE(asked.title + '|' + asked.text, "Save?|Do you wish to save your changes?");
        QCOMPARE(asked.buttons, Buttons::YesNo);
        QCOMPARE(app.host.saveRequests.size(), int(answer == Answer::Yes));
        QCOMPARE(app.main().lstw->entries(), after);
        QCOMPARE(app.main().changed, after.first() == "unsaved");
        QVERIFY(savePath != "saved.txt" || readFile(app.path(savePath)) == fileOf({"unsaved"}));
    }
};

QTEST_MAIN(TestSaveLoad)
#include "tst_saveload.moc"
