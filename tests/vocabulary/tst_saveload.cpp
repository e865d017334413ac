#include "support/TestCommon.h"

#include <sys/fsuid.h>

const Answer Yes = Answer::Yes, No = Answer::No;

// clang-format off
// Escape is pressed at word stopAt (0: never).
const struct {
    const char* tag; QStringList known; QByteArray file; bool clear; QStringList after; int stopAt;
} kLoads[] = {
    {"merge", {"old", "Dog"}, "\"dog\"\r\n\"New York\"\r\n", false, {"old", "Dog", "New", "York"}, 0},
    {"hand-written", {}, "one, two_3\r\n\"x,y\"\n\ncaf\xe9", true, {"one", "two 3", "x", "y", "café"}, 0},
    {"empty file", {"a"}, "", true, {}, 0},
    {"NUL bytes", {}, QByteArray("\"a\0b\"\r\nc\0\r\n", 11), true, {u"a\0b"_s, u"c\0"_s}, 0},
    {"20 MB line", {}, QByteArray(20'000'000, 'x'), true, {QString(20'000'000, 'x')}, 0},
    {"stopped mid-line", {}, "a b\r\nc d\r\ne\r\n", true, {"a", "b", "c"}, 4},
};

// With the word "word" and the name "New" unsaved, every command but a save first
// offers to save (answer; a quit is confirmed first). A dialog cancelled ("") or a
// path that fails changes nothing, the failure names the path, and a failed save
// stops the command it was offered for.
const struct {
    const char* tag; QString command; Answer answer; QString save, open, failed, after; bool changed;
} kUnsaved[] = {
    {"save", "mnusave", No, "saved.txt", "", "", "word", false},
    {"save cancelled", "mnusave", No, "", "", "", "word", true},
    {"save fails", "mnusave", No, "blocker/x.txt", "", "blocker/x.txt", "word", true},
    {"load cancelled", "mnuload", No, "", "", "", "word", true},
    {"load fails", "mnuload", No, "", "missing.txt", "missing.txt", "word", true},
    {"load, not saved", "mnuload", No, "", "load.txt", "", "fresh", false},
    {"load, saved first", "mnuload", Yes, "saved.txt", "load.txt", "", "fresh", false},
    {"load, save cancelled", "mnuload", Yes, "", "load.txt", "", "fresh", false},
    {"load, save fails", "mnuload", Yes, "blocker/x.txt", "load.txt", "blocker/x.txt", "word", true},
    {"quit, save fails", "mnuquit", Yes, "blocker/x.txt", "", "blocker/x.txt", "word", true},
    {"close, save fails", "close", Yes, "blocker/x.txt", "", "blocker/x.txt", "word", true},
};
// clang-format on

class TestSaveLoad : public QObject {
    Q_OBJECT
private slots:
    void startsFromTheFiles()
    {
        QTemporaryDir dir;
        ScriptedHost host(dir.path());
        Forms(host).start();
        // Missing files are made, empty.
        QCOMPARE(readFile(dir.filePath("qblvocab.txt")) + readFile(dir.filePath("qblpn.txt")), "");
        // Repeated, empty and quoted-comma entries come in unchanged, and so does
        // a last entry without a line end.
        writeFile(dir.filePath("qblvocab.txt"), "\"Dog\"\r\n\"dog\"\r\n\r\n\"a,b\"\r\n");
        writeFile(dir.filePath("qblpn.txt"), "\"Alice\"\r\n\"Bob\"");
        Forms forms(host);
        forms.start();
        MainWindow& main = forms.frmcbox();
        QCOMPARE(main.lstw->entries(), (QStringList{"Dog", "dog", "", "a,b"}));
        QCOMPARE(main.lstproper->entries(), (QStringList{"Alice", "Bob"}));
        QCOMPARE(main.lblwk->text() + '|' + main.lblpk->text(), "4|2");
        QCOMPARE(main.lstw->selectedPos(), 0);
        QCOMPARE(main.lstproper->selectedPos(), 0);
        QCOMPARE(main.focusWidget(), main.txtw);
        QCOMPARE(host.messageTexts(), QStringList());
        // Randomizer's marker entry left nothing a look-up could find.
        QCOMPARE(main.lstw->findIgnoringCase(u"!@#$%^&*()"), -1);

        // A file the user may read but not write is read all the same. Root ignores
        // file modes, so the files are opened as an ordinary user.
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(dir.filePath("qblvocab.txt"), readable);
        QFile::setPermissions(dir.path(),
                              readable | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup
                                  | QFile::ExeOther);
        const int gid = setfsgid(65534);
        const int uid = setfsuid(65534);
        Forms readOnly(host);
        readOnly.start();
        setfsuid(uid);
        setfsgid(gid);
        QCOMPARE(readOnly.frmcbox().lstw->count(), 4);
        QCOMPARE(host.messageTexts(), QStringList());

        // A words file that cannot be read is reported; the names are read all the same.
        QVERIFY(QFile::remove(dir.filePath("qblvocab.txt")));
        QVERIFY(QDir(dir.path()).mkdir("qblvocab.txt"));
        Forms again(host);
        again.start();
        QCOMPARE(host.messages.size(), 1);
        QVERIFY2(host.messages.first().text.contains("qblvocab.txt"),
                 qPrintable(host.messages.first().text));
        QCOMPARE(again.frmcbox().lstw->count(), 0);
        QCOMPARE(again.frmcbox().lstproper->entries(), (QStringList{"Alice", "Bob"}));
    }

    // Reading, learning or loading into a full list adds nothing more and says so once.
    void listsStopAtTheLimit()
    {
        QStringList entries;
        for (int i = 0; i < 32772; ++i)
            entries.append(QString::number(i));
        TestApp app(entries, entries.first(32766));
        MainWindow& main = app.main();
        QCOMPARE(main.lstw->entries(), entries.first(32767));
        enterText(main.txtl, "new1 new2");
        enterText(main.txtpn, "Newname, Other");
        QCOMPARE(main.lstproper->entries().last() + '|' + main.lblpk->text(), "Newname|32767");
        app.options().Check1->setChecked(false);
        // Reading stops with the field that found the list full: the known
        // word after it would have moved the selection.
        writeFile(app.path("more.txt"), "\"5 x\"\r\n\"6\"\r\n");
        app.host.openPaths = {app.path("more.txt")};
        main.mnuload->trigger();
        QCOMPARE(main.lstw->count(), 32767);
        QCOMPARE(main.lstw->selectedPos(), 32766);
        QCOMPARE(main.changed, false);
        const QString words = "Quibbler's word list is full: it holds 32767 words, the most it "
                              "can. No more words were added.";
        const QString names = "Quibbler's proper noun list is full: it holds 32767 proper nouns, "
                              "the most it can. No more proper nouns were added.";
        QCOMPARE(app.host.messageTexts(), (QStringList{words, words, names, words}));
    }

    void commandsWithUnsavedWords_data() { addRows(kUnsaved); }
    void commandsWithUnsavedWords()
    {
        const auto& [tag, command, answer, save, open, failed, after, changed] = rowOf(kUnsaved);
        TestApp app({}, {"Old"});
        MainWindow& main = app.main();
        writeFile(app.path("blocker"), "not a folder");
        writeFile(app.path("load.txt"), "\"fresh\"\r\n");
        enterText(main.txtl, "word");
        enterText(main.txtpn, "New");
        const auto inDir = [&](const QString& n) { return n.isEmpty() ? n : app.path(n); };
        app.host.answers = {answer, answer};
        app.host.savePaths = {inDir(save)};
        app.host.openPaths = {inDir(open)};
        if (command == "close")
            main.close();
        else
            main.findChild<QAction*>(command)->trigger();

        QCOMPARE(main.lstw->entries(), QStringList{after});
        QCOMPARE(main.changed, changed);
        QCOMPARE(main.isVisible(), true);
        QCOMPARE(app.host.ended, false);
        const QStringList shown = app.host.messageTexts();
        QCOMPARE(shown.count("Do you wish to save your changes?"), int(command != "mnusave"));
        QCOMPARE(app.host.saveRequests.size(), int(command == "mnusave" || answer == Yes));
        const QString where = QDir::toNativeSeparators(app.dir.path());
        QCOMPARE(shown.filter(where).size(), int(!failed.isEmpty()));
        QVERIFY2(failed.isEmpty() || shown.last().contains(QDir::toNativeSeparators(inDir(failed))),
                 qPrintable(shown.join('|')));
        // Only a save that happened wrote anything, and only where it was told to.
        const bool saved = save == "saved.txt";
        QCOMPARE(main.namesChanged, !saved);
        QCOMPARE(readFile(app.path("saved.txt")), saved ? "\"word\"\r\n" : "<missing>");
        QCOMPARE(readFile(app.path("qblpn.txt")), saved ? "\"Old\"\r\n\"New\"\r\n" : "\"Old\"\r\n");
        QCOMPARE(readFile(app.path("qblvocab.txt")) + readFile(app.path("blocker")),
                 "not a folder");
    }

    void load_data() { addRows(kLoads); }
    void load()
    {
        const auto& [tag, known, file, clear, after, stopAt] = rowOf(kLoads);
        TestApp app(known, {"Alice"});
        MainWindow& main = app.main();
        app.options().Check1->setChecked(clear);
        main.txtl->setPlainText("pending");
        writeFile(app.path("load.txt"), file);
        app.host.openPaths = {app.path("load.txt")};
        int yields = 0;
        app.host.onYield = [&] {
            yields += !main.isVisible() && app.forms.frmwork().isVisible();
            if (yields == stopAt)
                QTest::keyClick(&app.forms.frmwork(), Qt::Key_Escape);
        };
        main.mnuload->trigger();
        QCOMPARE(main.lstw->entries(), after);
        QCOMPARE(main.lblwk->text(), QString::number(after.size()));
        QCOMPARE(main.lstproper->entries(), QStringList{"Alice"});
        QCOMPARE(main.txtl->toPlainText(), QString());
        QCOMPARE(main.changed, false);
        // The working screen stood in for the window while the words were learned.
        QCOMPARE(yields > 0, !file.isEmpty());
        if (stopAt > 0) // nothing more is read once stopped
            QCOMPARE(yields, stopAt);
        QCOMPARE(app.host.messageTexts(), QStringList());
    }
};

QTEST_MAIN(TestSaveLoad)
#include "tst_saveload.moc"
