#include "support/TestCommon.h"

#include <QMouseEvent>

using Answers = QList<Answer>;
const Answer Yes = Answer::Yes, No = Answer::No;

// clang-format off
const struct {
    const char* tag; int selected; Qt::Key key; Answer answer; QStringList after; bool asked;
} kDeletes[] = {
    {"third, yes", 2, Qt::Key_Delete, Yes, {"a", "b", "d", "e"}, true},
    {"third, no", 2, Qt::Key_Delete, No, {"a", "b", "c", "d", "e"}, true},
    {"nothing selected", -1, Qt::Key_Delete, Yes, {"a", "b", "c", "d", "e"}, false},
    {"other key", 2, Qt::Key_Backspace, Yes, {"a", "b", "c", "d", "e"}, false},
};

// Quitting asks first and then offers to save the words learned; closing only offers the save.
const struct {
    const char* tag; bool quit, learned; Answers answers; QString savePath; int shown; bool ended;
} kEndings[] = {
    {"quit: no", true, true, {No}, "", 1, false},
    {"quit: yes, nothing learned", true, false, {Yes}, "", 1, true},
    {"quit: yes, don't save", true, true, {Yes, No}, "", 2, true},
    {"quit: yes, save", true, true, {Yes, Yes}, "saved.txt", 2, true},
    {"quit: yes, save cancelled", true, true, {Yes, Yes}, "", 2, true},
    // Words that could not be saved keep the program open.
    {"quit: yes, save fails", true, true, {Yes, Yes}, "blocker/x.txt", 3, false},
    {"close: nothing learned", false, false, {}, "", 0, true},
    {"close: save", false, true, {Yes}, "saved.txt", 1, true},
    {"close: don't save", false, true, {No}, "saved.txt", 1, true},
    {"close: save fails", false, true, {Yes}, "blocker/x.txt", 2, false},
};

const QString kReset = "Are you sure you want to reset all the words?";
const QString kQuit = "Are you sure you want to quit?";
const struct { const char* tag; QKeyCombination keys; QString effect; } kKeys[] = {
    {"Ctrl+S", Qt::CTRL | Qt::Key_S, "save dialog"}, {"Alt+S", Qt::ALT | Qt::Key_S, "save dialog"},
    {"Ctrl+L", Qt::CTRL | Qt::Key_L, "open dialog"}, {"Alt+L", Qt::ALT | Qt::Key_L, "open dialog"},
    {"Ctrl+R", Qt::CTRL | Qt::Key_R, kReset}, {"Alt+R", Qt::ALT | Qt::Key_R, kReset},
    {"Ctrl+Q", Qt::CTRL | Qt::Key_Q, kQuit}, {"Alt+Q", Qt::ALT | Qt::Key_Q, kQuit},
};
// clang-format on

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
            QCOMPARE(app.host.messages.first().title + '|' + app.host.messageTexts().join('|'),
                     "Quit?|" + kReset);
            // Only the words go, and only from the list: the file and the names stay.
            QCOMPARE(main.lstw->entries().join(' ') + '|' + main.lblwk->text(),
                     answer == Yes ? "|0" : "a b|2");
            QVERIFY(main.lstproper->count() == 1 && main.lstsw->entries() == QStringList{" "}
                    && !main.changed);
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
        QCOMPARE(main.lstw->toolTip() + '|' + main.lstproper->toolTip(), "cat - 3| - 0");
    }

    void ending_data() { addRows(kEndings); }
    void ending()
    {
        const auto& [tag, quit, learned, answers, savePath, questions, ended] = rowOf(kEndings);
        TestApp app;
        writeFile(app.path("blocker"), "x");
        if (learned)
            enterText(app.main().txtl, "word");
        app.host.answers = answers;
        app.host.savePaths = {savePath.isEmpty() ? savePath : app.path(savePath)};
        if (quit)
            QTest::mouseClick(app.main().cmdquit, Qt::LeftButton);
        else
            QCOMPARE(app.main().close(), ended);
        const QStringList asked = app.host.messageTexts();
        QCOMPARE(asked.size(), questions);
        QVERIFY(!quit || app.host.messages.first().title + '|' + asked.first() == "Quit?|" + kQuit);
        QVERIFY(questions <= int(quit) || asked.at(quit) == "Do you wish to save your changes?");
        QCOMPARE(app.host.ended, ended);
        QVERIFY(quit || app.main().isVisible() == !ended); // a closed window is hidden
        QCOMPARE(app.host.unansweredQuestions, 0);
        const bool saved = savePath == "saved.txt" && answers.last() == Yes;
        QCOMPARE(readFile(app.path("saved.txt")), saved ? fileOf({"word"}) : "<missing>");
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
