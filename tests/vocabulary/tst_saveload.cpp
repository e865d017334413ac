#include "host/CommonDialog.h"
#include "host/ListBox.h"
#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace quibbler;
using namespace quibbler::test;

class TestSaveLoad : public QObject {
    Q_OBJECT
private slots:
    void saveWritesBothFiles();
    void saveDialogProposesTheRememberedName();
    void savedWordsComeBackAtStartup();
    void cancelledSaveChangesNothing();
    void failedSaveKeepsOldFileAndChanged_data();
    void failedSaveKeepsOldFileAndChanged();
    void load_data();
    void load();
    void loadPromptNoGoesStraightToTheDialog();
    void loadPromptYesSavesFirst();
    void loadStopsWhenTheSaveFails();
    void cancelledLoadLeavesTheStore();
    void unreadableLoadLeavesTheStore();
    void loadIntoAFullList();
    void oddFilesLoad_data();
    void oddFilesLoad();
};

void TestSaveLoad::saveWritesBothFiles()
{
    TestApp app(QStringList{}, {"Old"});
    MainWindow& main = app.main();
    enterText(main.txtl, "Hello New_York");
    enterText(main.txtpn, "Zoë say\"hi\"");
    QVERIFY(main.changed);

    const QString target = app.path("mine.txt");
    app.host.savePaths = {target};
    QCOMPARE(main.cmdsave_Click(), SaveOutcome::Saved);

    QCOMPARE(readFile(target), QByteArray("\"Hello\"\r\n\"New York\"\r\n"));
    QCOMPARE(readFile(target).size(), 21);
    QCOMPARE(readFile(app.path("qblpn.txt")),
             QByteArray("\"Old\"\r\n\"Zoë\"\r\n\"say\"\"hi\"\"\"\r\n"));
    // Saving elsewhere leaves the start-up words alone.
    QCOMPARE(readFile(app.path("qblvocab.txt")), QByteArray());
    QVERIFY(!main.changed);
    QVERIFY(app.host.messages.isEmpty());

    const FileDialogRequest& request = app.host.saveRequests.first();
    QCOMPARE(request.title, QString("Save text file..."));
    QCOMPARE(request.filter, QString("Text Files (*.txt)|*.txt|"));
    QCOMPARE(request.flags, kHideReadOnly);
}

void TestSaveLoad::saveDialogProposesTheRememberedName()
{
    TestApp app({"a"});
    MainWindow& main = app.main();
    const QString other = app.path("other.txt");
    writeFile(other, fileOf({"b"}));
    app.host.savePaths = {app.path("first.txt"), QString()};
    app.host.openPaths = {other};
    main.cmdsave_Click();
    main.mnuload_Click();
    main.cmdsave_Click();

    QCOMPARE(app.host.saveRequests.at(0).fileName, QString("qblvocab.txt"));
    QCOMPARE(app.host.saveRequests.at(0).folder, app.dir.path());
    QCOMPARE(app.host.openRequests.at(0).fileName, app.path("first.txt"));
    QCOMPARE(app.host.openRequests.at(0).title, QString("Load text file..."));
    // A completed load forgets the name.
    QCOMPARE(app.host.saveRequests.at(1).fileName, QString());
    QCOMPARE(main.CommonDialog1.fileName, QString());
}

void TestSaveLoad::savedWordsComeBackAtStartup()
{
    TestApp app;
    MainWindow& main = app.main();
    enterText(main.txtl, "zebra apple New_York Ünïcode");
    enterText(main.txtpn, "Alice, Bob");
    app.host.savePaths = {app.path("qblvocab.txt")};
    QCOMPARE(main.cmdsave_Click(), SaveOutcome::Saved);

    Forms again(app.host);
    again.start();
    QCOMPARE(entriesOf(again.frmcbox().lstw),
             (QStringList{"zebra", "apple", "New York", "Ünïcode"}));
    QCOMPARE(entriesOf(again.frmcbox().lstproper), (QStringList{"Alice", "Bob"}));

    // The same file through the load command is cut at the blank.
    again.frmcbox().lstw->clearAll();
    app.host.openPaths = {app.path("qblvocab.txt")};
    again.frmcbox().mnuload_Click();
    QCOMPARE(entriesOf(again.frmcbox().lstw),
             (QStringList{"zebra", "apple", "New", "York", "Ünïcode"}));
}

void TestSaveLoad::cancelledSaveChangesNothing()
{
    TestApp app(QStringList{}, {"Old"});
    MainWindow& main = app.main();
    enterText(main.txtl, "word");
    enterText(main.txtpn, "New");
    QCOMPARE(main.cmdsave_Click(), SaveOutcome::Cancelled);
    QVERIFY(main.changed);
    QCOMPARE(readFile(app.path("qblpn.txt")), fileOf({"Old"}));
    QCOMPARE(main.CommonDialog1.fileName, QString("qblvocab.txt"));
}

void TestSaveLoad::failedSaveKeepsOldFileAndChanged_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("parent is a file") << "blocker/words.txt";
    QTest::newRow("target is a folder") << "folder";
}

void TestSaveLoad::failedSaveKeepsOldFileAndChanged()
{
    QFETCH(QString, target);
    TestApp app(QStringList{}, {"Old"});
    writeFile(app.path("blocker"), "not a folder");
    QVERIFY(QDir(app.dir.path()).mkdir("folder"));
    MainWindow& main = app.main();
    enterText(main.txtl, "word");
    enterText(main.txtpn, "New");

    const QString path = app.path(target);
    app.host.savePaths = {path};
    QCOMPARE(main.cmdsave_Click(), SaveOutcome::Failed);
    QVERIFY(main.changed);
    QCOMPARE(app.host.messages.size(), 1);
    QVERIFY2(app.host.messages.first().text.contains(QDir::toNativeSeparators(path)),
             qPrintable(app.host.messages.first().text));
    // Nothing was written: the proper nouns stay as they were too.
    QCOMPARE(readFile(app.path("qblpn.txt")), fileOf({"Old"}));
    QCOMPARE(readFile(app.path("blocker")), QByteArray("not a folder"));
    QVERIFY(QFileInfo(app.path("folder")).isDir());
}

void TestSaveLoad::load_data()
{
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("clearFirst");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("replace") << QStringList{"old", "Dog"} << fileOf({"dog", "New York", "cat"})
                             << true << QStringList{"dog", "New", "York", "cat"};
    QTest::newRow("merge") << QStringList{"old", "Dog"} << fileOf({"dog", "New York", "cat"})
                           << false << QStringList{"old", "Dog", "New", "York", "cat"};
    QTest::newRow("all known") << QStringList{"a", "b"} << fileOf({"B", "A"}) << false
                               << QStringList{"a", "b"};
    QTest::newRow("hand-written") << QStringList{}
                                  << QByteArray("one, two_three\r\n\"x,y\"\n\nfour") << true
                                  << QStringList{"one", "two three", "x", "y", "four"};
    QTest::newRow("empty file") << QStringList{"a"} << QByteArray() << true << QStringList{};
    QTest::newRow("Windows-1252") << QStringList{} << QByteArray("\"caf\xe9\"\r\n") << true
                                  << QStringList{"café"};
}

void TestSaveLoad::load()
{
    QFETCH(QStringList, known);
    QFETCH(QByteArray, file);
    QFETCH(bool, clearFirst);
    QFETCH(QStringList, after);

    TestApp app(known, {"Alice"});
    MainWindow& main = app.main();
    app.options().Check1->setChecked(clearFirst);
    main.txtl->setPlainText("pending");
    const QString path = app.path("load.txt");
    writeFile(path, file);
    app.host.openPaths = {path};
    int yields = 0;
    app.host.onYield = [&] {
        QVERIFY(!main.isVisible());
        QVERIFY(app.forms.frmwork().isVisible());
        ++yields;
    };
    main.mnuload_Click();

    QCOMPARE(entriesOf(main.lstw), after);
    QCOMPARE(main.lblwk->text(), QString::number(after.size()));
    QCOMPARE(entriesOf(main.lstproper), QStringList{"Alice"});
    QVERIFY(!main.changed);
    QCOMPARE(main.txtl->toPlainText(), QString());
    QVERIFY(main.isVisible());
    QVERIFY(!app.forms.frmwork().isVisible());
    QVERIFY(yields > 0 || file.isEmpty());
    QCOMPARE(app.host.unansweredQuestions, 0);
}

void TestSaveLoad::loadPromptNoGoesStraightToTheDialog()
{
    TestApp app;
    MainWindow& main = app.main();
    enterText(main.txtl, "unsaved");
    app.host.answers = {Answer::No};
    main.mnuload_Click();
    QCOMPARE(app.host.messages.size(), 1);
    QCOMPARE(app.host.messages.first().text, QString("Do you wish to save your changes?"));
    QCOMPARE(app.host.messages.first().title, QString("Save?"));
    QCOMPARE(app.host.messages.first().buttons, Buttons::YesNo);
    QVERIFY(app.host.saveRequests.isEmpty());
    QCOMPARE(app.host.openRequests.size(), 1);
    QCOMPARE(entriesOf(main.lstw), QStringList{"unsaved"});
}

void TestSaveLoad::loadPromptYesSavesFirst()
{
    TestApp app;
    MainWindow& main = app.main();
    enterText(main.txtl, "unsaved");
    const QString saved = app.path("saved.txt");
    const QString loaded = app.path("load.txt");
    writeFile(loaded, fileOf({"fresh"}));
    app.host.answers = {Answer::Yes};
    app.host.savePaths = {saved};
    app.host.openPaths = {loaded};
    main.mnuload_Click();
    QCOMPARE(readFile(saved), fileOf({"unsaved"}));
    QCOMPARE(entriesOf(main.lstw), QStringList{"fresh"});

    // A cancelled save ends only the save.
    enterText(main.txtl, "more");
    app.host.answers = {Answer::Yes};
    app.host.openPaths = {loaded};
    main.mnuload_Click();
    QCOMPARE(entriesOf(main.lstw), QStringList{"fresh"});
}

void TestSaveLoad::loadStopsWhenTheSaveFails()
{
    TestApp app;
    MainWindow& main = app.main();
    enterText(main.txtl, "precious");
    writeFile(app.path("blocker"), "x");
    app.host.answers = {Answer::Yes};
    app.host.savePaths = {app.path("blocker/words.txt")};
    app.host.openPaths = {app.path("qblvocab.txt")};
    main.mnuload_Click();
    QVERIFY(app.host.openRequests.isEmpty());
    QCOMPARE(entriesOf(main.lstw), QStringList{"precious"});
    QVERIFY(main.changed);
}

void TestSaveLoad::cancelledLoadLeavesTheStore()
{
    TestApp app(QStringList{"a", "b"});
    MainWindow& main = app.main();
    main.mnuload_Click();
    QCOMPARE(entriesOf(main.lstw), (QStringList{"a", "b"}));
    QCOMPARE(main.CommonDialog1.fileName, QString("qblvocab.txt"));
    QVERIFY(!app.forms.frmworkLoaded());
}

void TestSaveLoad::unreadableLoadLeavesTheStore()
{
    TestApp app(QStringList{"a", "b"});
    MainWindow& main = app.main();
    QVERIFY(QDir(app.dir.path()).mkdir("folder.txt"));
    for (const char* name : {"missing.txt", "folder.txt"}) {
        app.host.messages.clear();
        app.host.openPaths = {app.path(name)};
        main.mnuload_Click();
        QCOMPARE(entriesOf(main.lstw), (QStringList{"a", "b"}));
        QCOMPARE(app.host.messages.size(), 1);
        QVERIFY2(app.host.messages.first().text.contains(name),
                 qPrintable(app.host.messages.first().text));
        QVERIFY(main.isVisible());
    }
}

void TestSaveLoad::loadIntoAFullList()
{
    QStringList words;
    for (int i = 0; i < ListBox::MaxEntries - 1; ++i)
        words.append(QString::number(i));
    TestApp app(words);
    MainWindow& main = app.main();
    app.options().Check1->setChecked(false);
    writeFile(app.path("more.txt"), fileOf({"x y", "z"}));
    app.host.openPaths = {app.path("more.txt")};
    main.mnuload_Click();
    QCOMPARE(main.lstw->count(), ListBox::MaxEntries);
    QCOMPARE(main.lstw->entryAt(ListBox::MaxEntries - 1), QString("x"));
    QCOMPARE(main.lblwk->text(), QString::number(ListBox::MaxEntries));
    QCOMPARE(app.host.messageTexts(), QStringList{kWordsFullMessage});
    QVERIFY(main.isVisible());
}

// What the list makes of entries the file reader keeps as they are (the
// reader's own cases are in the file-format tests).
void TestSaveLoad::oddFilesLoad_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("NUL bytes") << QByteArray("\"a\0b\"\r\nc\0\r\n", 11)
                               << QStringList{QString("a") + QChar(0) + "b",
                                              QString("c") + QChar(0)};
    QTest::newRow("20 MB line") << QByteArray(20'000'000, 'x')
                                << QStringList{QString(20'000'000, 'x')};
}

void TestSaveLoad::oddFilesLoad()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, words);
    TestApp app;
    writeFile(app.path("odd.txt"), file);
    app.host.openPaths = {app.path("odd.txt")};
    app.main().mnuload_Click();
    QCOMPARE(entriesOf(app.main().lstw), words);
    QVERIFY(app.host.messages.isEmpty());
    QVERIFY(app.main().isVisible());
}

QTEST_MAIN(TestSaveLoad)
#include "tst_saveload.moc"
