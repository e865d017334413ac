#include "host/Keys.h"
#include "support/TestCommon.h"

class TestListBox : public QObject {
    Q_OBJECT
private slots:
    void findIgnoresCaseAndFollowsRemovals()
    {
        ListBox list;
        list.appendAll({"Dog", "cat", "dog", "", "Straße", "C"});
        QCOMPARE(list.findIgnoringCase(u"DOG"), 0);
        QCOMPARE(list.findIgnoringCase(u""), 3);
        QCOMPARE(list.findIgnoringCase(u"STRASSE"), 4);
        QCOMPARE(list.findIgnoringCase(u"bird"), -1);
        list.removeAt(0);
        list.removeAt(4); // the last entry
        list.removeAt(7); // outside: nothing happens
        QCOMPARE(list.entries(), (QStringList{"cat", "dog", "", "Straße"}));
        QCOMPARE(list.findIgnoringCase(u"CAT"), 0);
        QCOMPARE(list.findIgnoringCase(u"dog"), 1);
        QCOMPARE(list.findIgnoringCase(u"straße"), 3);
        QCOMPARE(list.findIgnoringCase(u"c"), -1);
        QVERIFY(list.append("c"));
        QCOMPARE(list.findIgnoringCase(u"C"), 4);
        // The view hears of an appended entry at the next turn of the event loop.
        QCOMPARE(list.model()->rowCount(), 4);
        QCoreApplication::processEvents();
        QCOMPARE(list.model()->rowCount(), 5);
        // No selection leaves no current entry for the arrow keys to start from.
        list.setSelectedPos(2);
        list.setSelectedPos(-1);
        QCOMPARE(list.currentIndex().row(), -1);
        // Ctrl+click on the selected entry leaves it current but selects nothing.
        list.setSelectedPos(1);
        list.selectionModel()->select(list.currentIndex(), QItemSelectionModel::Deselect);
        QCOMPARE(list.selectedPos(), -1);
        list.clearAll();
        QCOMPARE(list.findIgnoringCase(u"cat"), -1);
    }

    // A start-up file may hold a word twice in different cases; deleting the
    // later copy leaves the first one found, however the list grows after.
    void deletedCopyLeavesTheFirstFound_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("added");
        QTest::newRow("short") << "cat" << 3000;
        QTest::newRow("over 64K") << QString(70000, 'c') << 1;
    }
    void deletedCopyLeavesTheFirstFound()
    {
        QFETCH(QString, word);
        QFETCH(int, added);
        ListBox list;
        list.appendAll({word, "dog", word.toUpper()});
        list.removeAt(2);
        // Texts of the same size take the memory the deleted copy had.
        for (int i = 0; i < added; ++i)
            list.append(QString::number(i).rightJustified(word.size(), 'x'));
        QCOMPARE(list.findIgnoringCase(word.toUpper()), 0);
    }

    // Key codes and shift states as a control's key-down handler gets them.
    void handlerSeesEveryKeyAndMayUseItUp()
    {
        QLineEdit box;
        QList<QPair<int, int>> seen;
        onKeyDown(&box, [&](int code, int shift) {
            seen.append({code, shift});
            return code == key::Enter || code == 'X';
        });
        QTest::keyClick(&box, Qt::Key_A);
        QTest::keyClick(&box, Qt::Key_X, Qt::ShiftModifier);
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_F5, Qt::AltModifier);
        QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
        // The modifier keys themselves reach the handler too, as they are pressed.
        QCOMPARE(seen,
                 (QList<QPair<int, int>>{
                     {65, 0}, {16, 1}, {88, 1}, {17, 2}, {67, 2}, {18, 4}, {116, 4}, {13, 0}}));
        QCOMPARE(box.text(), QString("a"));
    }
};

QTEST_MAIN(TestListBox)
#include "tst_listbox.moc"
