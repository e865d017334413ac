#include "host/ListBox.h"
#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace quibbler;
using namespace quibbler::test;

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void reset_data();
    void reset();
    void deleteEntry_data();
    void deleteEntry();
    void tooltipNamesTheSelection();
    void quit_data();
    void quit();
    void closeOffersTheSaveOnce();
    void closeStaysWhenTheSaveFails();
    void keysReachTheirCommands_data();
    void keysReachTheirCommands();
    void menuAccessKeysOpenTheMenus();
};

void TestCommands::reset_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("yes") << Answer::Yes << QStringList{};
    QTest::newRow("no") << Answer::No << QStringList{"a", "b"};
}

void TestCommands::reset()
{
    QFETCH(Answer, answer);
    QFETCH(QStringList, after);
    TestApp app({"a", "b"}, {"Alice"});
    MainWindow& main = app.main();
    app.host.answers = {answer};
    QTest::mouseClick(main.cmdreset, Qt::LeftButton);

    QCOMPARE(app.host.messages.size(), 1);
    QCOMPARE(app.host.messages.first().text,
             QString("Are you sure you want to reset all the words?"));
    QCOMPARE(app.host.messages.first().title, QString("Quit?"));
    QCOMPARE(entriesOf(main.lstw), after);
    QCOMPARE(main.lblwk->text(), QString::number(after.size()));
    QCOMPARE(entriesOf(main.lstproper), QStringList{"Alice"});
    QCOMPARE(entriesOf(main.lstsw), QStringList{" "});
    QVERIFY(!main.changed);
    QCOMPARE(readFile(app.path("qblvocab.txt")), fileOf({"a", "b"}));
}

void TestCommands::deleteEntry_data()
{
    QTest::addColumn<bool>("properNouns");
    QTest::addColumn<int>("selected");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("asked");

    const QStringList five{"a", "b", "c", "d", "e"};
    for (bool names : {false, true}) {
        const char* list = names ? "names " : "words ";
        QTest::addRow("%sthird, yes", list) << names << 2 << Qt::Key_Delete << Answer::Yes
                                            << QStringList{"a", "b", "d", "e"} << true;
        QTest::addRow("%sthird, no", list)
            << names << 2 << Qt::Key_Delete << Answer::No << five << true;
        QTest::addRow("%snothing selected", list)
            << names << -1 << Qt::Key_Delete << Answer::Yes << five << false;
        QTest::addRow("%sother key", list)
            << names << 2 << Qt::Key_Backspace << Answer::Yes << five << false;
    }
}

void TestCommands::deleteEntry()
{
    QFETCH(bool, properNouns);
    QFETCH(int, selected);
    QFETCH(Qt::Key, key);
    QFETCH(Answer, answer);
    QFETCH(QStringList, after);
    QFETCH(bool, asked);

    const QStringList five{"a", "b", "c", "d", "e"};
    TestApp app(five, five);
    MainWindow& main = app.main();
    ListBox* list = properNouns ? main.lstproper : main.lstw;
    QLabel* count = properNouns ? main.lblpk : main.lblwk;
    list->setSelectedPos(selected);
    app.host.answers = {answer};
    QTest::keyClick(list, key);

    QCOMPARE(entriesOf(list), after);
    QCOMPARE(count->text(), QString::number(after.size()));
    QCOMPARE(app.host.messages.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(app.host.messages.first().text,
                 QString("Are you sure you want to delete this word?"));
        QCOMPARE(app.host.messages.first().title, QString("Delete?"));
    }
    QVERIFY(!main.changed);
    // Later look-ups see the list as it now is.
    for (int i = 0; i < after.size(); ++i)
        QCOMPARE(list->findIgnoringCase(after.at(i)), i);
}

void TestCommands::tooltipNamesTheSelection()
{
    TestApp app({"Hello", "dog", "cat"}, {"Alice"});
    MainWindow& main = app.main();
    main.lstw->setSelectedPos(2);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5),
                     main.lstw->viewport()->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(main.lstw->viewport(), &move);
    QCOMPARE(main.lstw->toolTip(), QString("cat - 3"));

    main.lstproper->setSelectedPos(-1);
    QApplication::sendEvent(main.lstproper->viewport(), &move);
    QCOMPARE(main.lstproper->toolTip(), QString(" - 0"));
}

void TestCommands::quit_data()
{
    QTest::addColumn<bool>("learned");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("savePath");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<bool>("saved");

    using L = QList<Answer>;
    QTest::newRow("no") << true << L{Answer::No} << QString() << 1 << false << false;
    QTest::newRow("yes, nothing learned")
        << false << L{Answer::Yes} << QString() << 1 << true << false;
    QTest::newRow("yes, don't save")
        << true << L{Answer::Yes, Answer::No} << QString() << 2 << true << false;
    QTest::newRow("yes, save") << true << L{Answer::Yes, Answer::Yes} << "saved.txt" << 2 << true
                               << true;
    QTest::newRow("yes, save cancelled")
        << true << L{Answer::Yes, Answer::Yes} << QString() << 2 << true << false;
    // Words that could not be saved keep the program open.
    QTest::newRow("yes, save fails")
        << true << L{Answer::Yes, Answer::Yes} << "blocker/x.txt" << 3 << false << false;
}

void TestCommands::quit()
{
    QFETCH(bool, learned);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, savePath);
    QFETCH(int, questions);
    QFETCH(bool, ended);
    QFETCH(bool, saved);

    TestApp app;
    MainWindow& main = app.main();
    writeFile(app.path("blocker"), "x");
    // Proper nouns alone never ask for a save.
    enterText(main.txtpn, "Alice");
    if (learned)
        enterText(main.txtl, "word");
    app.host.answers = answers;
    if (!savePath.isEmpty())
        app.host.savePaths = {app.path(savePath)};
    QTest::mouseClick(main.cmdquit, Qt::LeftButton);

    QCOMPARE(app.host.messages.size(), questions);
    QCOMPARE(app.host.messages.first().text, QString("Are you sure you want to quit?"));
    QCOMPARE(app.host.messages.first().title, QString("Quit?"));
    if (questions > 1)
        QCOMPARE(app.host.messages.at(1).text, QString("Do you wish to save your changes?"));
    QCOMPARE(app.host.ended, ended);
    QCOMPARE(app.host.unansweredQuestions, 0);
    if (saved)
        QCOMPARE(readFile(app.path(savePath)), fileOf({"word"}));
}

void TestCommands::closeOffersTheSaveOnce()
{
    for (Answer answer : {Answer::Yes, Answer::No}) {
        TestApp app;
        MainWindow& main = app.main();
        enterText(main.txtl, "word");
        app.host.answers = {answer};
        app.host.savePaths = {app.path("saved.txt")};
        QVERIFY(main.close());
        QCOMPARE(app.host.messageTexts(), QStringList{"Do you wish to save your changes?"});
        QVERIFY(app.host.ended);
        QCOMPARE(readFile(app.path("saved.txt")),
                 answer == Answer::Yes ? fileOf({"word"}) : QByteArray("<missing>"));
    }
    TestApp quiet;
    QVERIFY(quiet.main().close());
    QVERIFY(quiet.host.messages.isEmpty());
    QVERIFY(quiet.host.ended);
}

void TestCommands::closeStaysWhenTheSaveFails()
{
    TestApp app;
    MainWindow& main = app.main();
    enterText(main.txtl, "word");
    writeFile(app.path("blocker"), "x");
    app.host.answers = {Answer::Yes};
    app.host.savePaths = {app.path("blocker/x.txt")};
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    QVERIFY(!app.host.ended);
    QVERIFY(main.changed);
}

void TestCommands::keysReachTheirCommands_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("effect");
    const QString reset = "Are you sure you want to reset all the words?";
    const QString quit = "Are you sure you want to quit?";
    QTest::newRow("Ctrl+S") << QKeyCombination(Qt::CTRL, Qt::Key_S) << "save dialog";
    QTest::newRow("Ctrl+L") << QKeyCombination(Qt::CTRL, Qt::Key_L) << "open dialog";
    QTest::newRow("Ctrl+R") << QKeyCombination(Qt::CTRL, Qt::Key_R) << reset;
    QTest::newRow("Ctrl+Q") << QKeyCombination(Qt::CTRL, Qt::Key_Q) << quit;
    QTest::newRow("Alt+S") << QKeyCombination(Qt::ALT, Qt::Key_S) << "save dialog";
    QTest::newRow("Alt+L") << QKeyCombination(Qt::ALT, Qt::Key_L) << "open dialog";
    QTest::newRow("Alt+R") << QKeyCombination(Qt::ALT, Qt::Key_R) << reset;
    QTest::newRow("Alt+Q") << QKeyCombination(Qt::ALT, Qt::Key_Q) << quit;
}

void TestCommands::keysReachTheirCommands()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, effect);
    TestApp app;
    MainWindow& main = app.main();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(main.txtw, keys.key(), keys.keyboardModifiers());

    const auto effects = [&] {
        QStringList seen = app.host.messageTexts();
        if (!app.host.saveRequests.isEmpty())
            seen.append("save dialog");
        if (!app.host.openRequests.isEmpty())
            seen.append("open dialog");
        return seen;
    };
    // An access key presses its button visibly first, so the click comes a moment later.
    QTRY_COMPARE(effects(), QStringList{effect});
}

void TestCommands::menuAccessKeysOpenTheMenus()
{
    TestApp app;
    MainWindow& main = app.main();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    for (QMenu* menu : {main.mnufile, main.mnuopts}) {
        QTest::keyClick(main.txtw, menu == main.mnufile ? Qt::Key_F : Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }
    // The buttons that share those letters were not pressed.
    QVERIFY(!app.forms.frmfwLoaded());
    QVERIFY(!app.options().isVisible());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
