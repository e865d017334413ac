#include "support/TestCommon.h"

#include <QHelpEvent>
#include <QToolTip>

const Answer Yes = Answer::Yes, No = Answer::No;
const QString kReset = "Are you sure you want to reset all the words?";
const QString kQuit = "Are you sure you want to quit?";

const auto Del = Qt::Key_Delete, Bksp = Qt::Key_Backspace, Space = Qt::Key_Space;
const QStringList kDel = {"Delete?", "Are you sure you want to delete this word?"}; // title, text

// clang-format off
// Words a to d, and e when taught (the only unsaved change); names a to e. Delete asks to remove
// the selected entry, the reset button every word. Words, names: the entries left, one letter each.
const struct { const char* tag; const char* control; int selected; Qt::Key key; bool taught;
               Answer answer; QString words, names; QStringList asked; } kRemovals[] = {
    {"word, yes", "lstw", 2, Del, true, Yes, "abde", "abcde", kDel},
    {"first word, yes", "lstw", 0, Del, true, Yes, "bcde", "abcde", kDel},
    {"name, yes", "lstproper", 2, Del, true, Yes, "abcde", "abde", kDel},
    {"word, no", "lstw", 2, Del, true, No, "abcde", "abcde", kDel},
    {"name, nothing selected", "lstproper", -1, Del, true, Yes, "abcde", "abcde", {}},
    {"word, other key", "lstw", 2, Bksp, true, Yes, "abcde", "abcde", {}},
    {"name, other key", "lstproper", 2, Bksp, true, Yes, "abcde", "abcde", {}},
    // A reset is neither a save nor a change to save: unsaved words stay unsaved.
    {"reset, yes", "cmdreset", 0, Space, false, Yes, "", "abcde", {"Quit?", kReset}},
    {"reset, yes, taught", "cmdreset", 0, Space, true, Yes, "", "abcde", {"Quit?", kReset}},
    {"reset, no", "cmdreset", 0, Space, true, No, "abcde", "abcde", {"Quit?", kReset}},
};

// A tooltip is plain text: an entry that looks like markup shows as typed.
const struct { const char* tag; const char* list; int selected; QString tip, shown; } kTips[] = {
    {"third word", "lstw", 2, "cat - 3", "cat - 3"}, {"no name", "lstproper", -1, " - 0", " - 0"},
    {"markup", "lstproper", 3, "<b>x</b> - 4", "&lt;b&gt;x&lt;/b&gt; - 4"},
};

// The menus' access keys open them; the buttons with the same letters stay unpressed.
const struct { const char* tag; QKeyCombination keys; QString effect; } kKeys[] = {
    {"Ctrl+S", Qt::CTRL | Qt::Key_S, "save dialog"}, {"Alt+S", Qt::ALT | Qt::Key_S, "save dialog"},
    {"Ctrl+L", Qt::CTRL | Qt::Key_L, "open dialog"}, {"Alt+L", Qt::ALT | Qt::Key_L, "open dialog"},
    {"Ctrl+R", Qt::CTRL | Qt::Key_R, kReset}, {"Alt+R", Qt::ALT | Qt::Key_R, kReset},
    {"Ctrl+Q", Qt::CTRL | Qt::Key_Q, kQuit}, {"Alt+Q", Qt::ALT | Qt::Key_Q, kQuit},
    {"Alt+F", Qt::ALT | Qt::Key_F, "File menu"}, {"Alt+O", Qt::ALT | Qt::Key_O, "Options menu"},
};
// clang-format on

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void removing_data() { addRows(kRemovals); }
    void removing()
    {
        const auto& [tag, control, selected, key, taught, answer, words, names, asked]
            = rowOf(kRemovals);
        TestApp app({"a", "b", "c", "d"}, {"a", "b", "c", "d", "e"});
        MainWindow& main = app.main();
        if (taught)
            enterText(main.txtl, "e");
        if (auto* list = main.findChild<ListBox*>(control))
            list->setSelectedPos(selected);
        app.host.answers = {answer};
        QTest::keyClick(main.findChild<QWidget*>(control), key);
        QCOMPARE(main.lstw->entries().join(""), words);
        QCOMPARE(main.lblwk->text(), QString::number(words.size()));
        QCOMPARE(main.lstproper->entries().join(""), names);
        QCOMPARE(main.lblpk->text(), QString::number(names.size()));
        QCOMPARE(app.host.messages.value(0).title, asked.value(0));
        QCOMPARE(app.host.messageTexts(), asked.mid(1));
        QCOMPARE(main.changed, taught);
        QCOMPARE(main.namesChanged, false);
        // Later look-ups see the lists as they now are.
        QCOMPARE(main.lstw->findIgnoringCase(u"D"), int(words.indexOf('d')));
        QCOMPARE(main.lstproper->findIgnoringCase(u"D"), int(names.indexOf('d')));
        // Nothing is written, and the answer's word list stays.
        QCOMPARE(readFile(app.path("qblvocab.txt")), "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n");
        QCOMPARE(main.lstsw->entries(), QStringList{" "});
    }

    void listTooltip_data() { addRows(kTips); }
    void listTooltip()
    {
        const auto& [tag, name, selected, tip, shown] = rowOf(kTips);
        TestApp app({"dog", "New York", "cat", "<b>x</b>"}, {"dog", "New York", "cat", "<b>x</b>"});
        ListBox* list = app.main().findChild<ListBox*>(name);
        list->setSelectedPos(selected);
        // Two moves: a move to where the pointer already is may not be delivered.
        QTest::mouseMove(list->viewport(), QPoint(6, 6));
        QTest::mouseMove(list->viewport(), QPoint(5, 5));
        QCOMPARE(list->toolTip(), tip);
        // What the pointer resting there shows.
        QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), list->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(list->viewport(), &rest);
        QVERIFY2(QToolTip::text().contains(shown), qPrintable(QToolTip::text()));
    }

    void keysReachTheirCommands_data() { addRows(kKeys); }
    void keysReachTheirCommands()
    {
        const auto& [tag, keys, effect] = rowOf(kKeys);
        TestApp app;
        MainWindow& main = app.main();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(main.txtw, keys.key(), keys.keyboardModifiers());
        const auto effects = [&] {
            QStringList seen = app.host.messageTexts()
                << (app.host.saveRequests.isEmpty() ? "" : "save dialog")
                << (app.host.openRequests.isEmpty() ? "" : "open dialog")
                << (main.mnufile->isVisible() ? "File menu" : "")
                << (main.mnuopts->isVisible() ? "Options menu" : "")
                << (app.forms.frmfwLoaded() || app.options().isVisible() ? "a button" : "");
            seen.removeAll(QString());
            return seen;
        };
        // An access key presses its button visibly first, so the click comes a moment later.
        QTRY_COMPARE(effects(), QStringList{effect});
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
