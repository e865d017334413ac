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

const QString kReset = "Are you sure you want to reset all the words?";
const QString kQuit = "Are you sure you want to quit?";
const QString kSave = "Do you wish to save your changes?";
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

    // Words that could not be saved keep the program open. Quitting and closing
    // otherwise are tested on the real Qt host, where Qt's own quit path runs.
    void failedSaveKeepsTheProgramOpen()
    {
        for (bool quit : {true, false}) {
            TestApp app;
            writeFile(app.path("blocker"), "x");
            enterText(app.main().txtl, "word");
            app.host.answers = quit ? Answers{Yes, Yes} : Answers{Yes};
            app.host.savePaths = {app.path("blocker/x.txt")};
            if (quit)
                QTest::mouseClick(app.main().cmdquit, Qt::LeftButton);
            else
                QVERIFY(!app.main().close());
            const QStringList asked = app.host.messageTexts();
            QCOMPARE(asked.first(quit + 1).join('|'),
                     quit ? kQuit + "|" + kSave : kSave); // and then the failure
            QCOMPARE(asked.size(), quit + 2);
            QVERIFY(!app.host.ended && app.main().isVisible());
        }
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
