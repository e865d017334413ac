#include "support/TestCommon.h"

#include <QMouseEvent>

using Answers = QList<Answer>;
const Answer Yes = Answer::Yes, No = Answer::No;

// clang-format off
const struct DeleteRow {
    const char* tag; int selected; Qt::Key key; Answer answer; QStringList after; bool asked;
} kDeletes[] = {
    {"third, yes", 2, Qt::Key_Delete, Yes, {"a", "b", "d", "e"}, true},
    {"third, no", 2, Qt::Key_Delete, No, {"a", "b", "c", "d", "e"}, true},
    {"nothing selected", -1, Qt::Key_Delete, Yes, {"a", "b", "c", "d", "e"}, false},
    {"other key", 2, Qt::Key_Backspace, Yes, {"a", "b", "c", "d", "e"}, false},
};

// Quitting asks first, then offers to save the words learned.
const struct QuitRow {
    const char* tag; bool learned; Answers answers; QString savePath; int questions; bool ended;
} kQuits[] = {
    {"no", true, {No}, "", 1, false},
    {"yes, nothing learned", false, {Yes}, "", 1, true},
    {"yes, don't save", true, {Yes, No}, "", 2, true},
    {"yes, save", true, {Yes, Yes}, "saved.txt", 2, true},
    {"yes, save cancelled", true, {Yes, Yes}, "", 2, true},
    // Words that could not be saved keep the program open.
    {"yes, save fails", true, {Yes, Yes}, "blocker/x.txt", 3, false},
};

// Closing the window only offers the save.
const struct CloseRow {
    const char* tag; bool learned; Answer answer; QString savePath; bool closes;
} kCloses[] = {
    {"nothing learned", false, Yes, "", true},
    {"save", true, Yes, "saved.txt", true},
    {"don't save", true, No, "saved.txt", true},
    {"save fails", true, Yes, "blocker/x.txt", false},
};

const QString kReset = "Are you sure you want to reset all the words?";
const QString kQuit = "Are you sure you want to quit?";
const struct KeyRow { const char* tag; QKeyCombination keys; QString effect; } kKeys[] = {
    {"Ctrl+S", Qt::CTRL | Qt::Key_S, "save dialog"}, {"Alt+S", Qt::ALT | Qt::Key_S, "save dialog"},
    {"Ctrl+L", Qt::CTRL | Qt::Key_L, "open dialog"}, {"Alt+L", Qt::ALT | Qt::Key_L, "open dialog"},
    {"Ctrl+R", Qt::CTRL | Qt::Key_R, kReset}, {"Alt+R", Qt::ALT | Qt::Key_R, kReset},
    {"Ctrl+Q", Qt::CTRL | Qt::Key_Q, kQuit}, {"Alt+Q", Qt::ALT | Qt::Key_Q, kQuit},
};
// clang-format on

// A word learned and not yet saved, when asked; and a file where a folder is looked for.
void learn(TestApp& app, bool words)
{
    writeFile(app.path("blocker"), "x");
    if (words)
        enterText(app.main().txtl, "word");
}

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void reset()
    {
        for (Answer answer : {Yes, No}) {
            TestApp app({"a", "b"}, {"Alice"});
            MainWindow& main = app.main();
            app.host.answers = {answer};
            QTest::mouseClick(main.cmdreset, Qt::LeftButton);
            const QStringList after = answer == Yes ? QStringList() : QStringList{"a", "b"};
            QCOMPARE(app.host.messages.first().title + '|' + app.host.messageTexts().join('|'),
                     "Quit?|" + kReset);
            QCOMPARE(main.lstw->entries(), after);
            QCOMPARE(main.lblwk->text(), QString::number(after.size()));
            QCOMPARE(main.lstproper->entries(), QStringList{"Alice"});
            QCOMPARE(main.lstsw->entries(), QStringList{" "});
            QVERIFY(!main.changed);
            QCOMPARE(readFile(app.path("qblvocab.txt")), fileOf({"a", "b"}));
        }
    }

    void deleteEntry_data() { addRows(kDeletes); }
    void deleteEntry()
    {
        const auto& [tag, selected, key, answer, after, asked] = rowOf(kDeletes);
        for (bool names : {false, true}) {
            const QStringList five{"a", "b", "c", "d", "e"};
            TestApp app(five, five);
            MainWindow& main = app.main();
            ListBox* list = names ? main.lstproper : main.lstw;
            list->setSelectedPos(selected);
            app.host.answers = {answer};
            QTest::keyClick(list, key);
            QCOMPARE(list->entries(), after);
            QCOMPARE((names ? main.lblpk : main.lblwk)->text(), QString::number(after.size()));
            QCOMPARE(app.host.messageTexts(),
                     asked ? QStringList{"Are you sure you want to delete this word?"}
                           : QStringList());
            QVERIFY(!asked || app.host.messages.first().title == "Delete?");
            QVERIFY(!main.changed);
            // Later look-ups see the list as it now is.
            for (int i = 0; i < after.size(); ++i)
                QCOMPARE(list->findIgnoringCase(after.at(i)), i);
        }
    }

    void tooltipNamesTheSelection()
    {
        TestApp app({"Hello", "dog", "cat"}, {"Alice"});
        MainWindow& main = app.main();
        main.lstw->setSelectedPos(2);
        main.lstproper->setSelectedPos(-1);
        for (ListBox* list : {main.lstw, main.lstproper}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5),
                             list->viewport()->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(list->viewport(), &move);
        }
        QCOMPARE(main.lstw->toolTip(), QString("cat - 3"));
        QCOMPARE(main.lstproper->toolTip(), QString(" - 0"));
    }

    void quit_data() { addRows(kQuits); }
    void quit()
    {
        const auto& [tag, learned, answers, savePath, questions, ended] = rowOf(kQuits);
        TestApp app;
        learn(app, learned);
        app.host.answers = answers;
        app.host.savePaths = {savePath.isEmpty() ? savePath : app.path(savePath)};
        QTest::mouseClick(app.main().cmdquit, Qt::LeftButton);
        const QStringList asked = app.host.messageTexts();
        QCOMPARE(asked.size(), questions);
        QCOMPARE(app.host.messages.first().title + '|' + asked.first(), "Quit?|" + kQuit);
        QVERIFY(questions == 1 || asked.at(1) == "Do you wish to save your changes?");
        QCOMPARE(app.host.ended, ended);
        QCOMPARE(app.host.unansweredQuestions, 0);
        if (savePath == "saved.txt")
            QCOMPARE(readFile(app.path(savePath)), fileOf({"word"}));
    }

    void close_data() { addRows(kCloses); }
    void close()
    {
        const auto& [tag, learned, answer, savePath, closes] = rowOf(kCloses);
        TestApp app;
        learn(app, learned);
        app.host.answers = {answer};
        app.host.savePaths = {app.path(savePath)};
        QCOMPARE(app.main().close(), closes);
        QCOMPARE(app.host.ended, closes);
        QCOMPARE(app.main().isVisible(), !closes);
        QCOMPARE(app.host.messageTexts().value(0),
                 learned ? "Do you wish to save your changes?" : "");
        QCOMPARE(app.host.messages.size(), learned ? 1 + !closes : 0);
        QCOMPARE(readFile(app.path("saved.txt")),
                 learned && answer == Yes && closes ? fileOf({"word"}) : "<missing>");
    }

    void keysReachTheirCommands_data() { addRows(kKeys); }
    void keysReachTheirCommands()
    {
        const auto& [tag, keys, effect] = rowOf(kKeys);
        TestApp app;
        app.main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&app.main()));
        QTest::keyClick(app.main().txtw, keys.key(), keys.keyboardModifiers());
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

    void menuAccessKeysOpenTheMenus()
    {
        TestApp app;
        MainWindow& main = app.main();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        for (QMenu* menu : {main.mnufile, main.mnuopts}) {
            QTest::keyClick(main.txtw, menu == main.mnufile ? Qt::Key_F : Qt::Key_O,
                            Qt::AltModifier);
            QTRY_VERIFY(menu->isVisible());
            menu->close();
        }
        // The buttons that share those letters were not pressed.
        QVERIFY(!app.forms.frmfwLoaded() && !app.options().isVisible());
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
