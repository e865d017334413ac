#include "host/Keys.h"
#include "support/TestCommon.h"

class TestKeys : public QObject {
    Q_OBJECT
private slots:
    // Finds after every change (a deleted copy of a word too) are held against a
    // plain walk in tst_models; here, what the view and its selection make of them.
    void viewFollowsTheEntries()
    {
        ListBox list;
        list.appendAll({"Dog", "cat", "dog", "", "Straße"});
        QVERIFY(list.append("c"));
        // The view hears of an appended entry at the next turn of the event loop.
        QCOMPARE(list.model()->rowCount(), 5);
        QCoreApplication::processEvents();
        QCOMPARE(list.model()->rowCount(), 6);
        // No selection leaves no current entry for the arrow keys to start from.
        list.setSelectedPos(2);
        list.setSelectedPos(-1);
        QCOMPARE(list.currentIndex().row(), -1);
        // Ctrl+click on the selected entry leaves it current but selects nothing.
        list.setSelectedPos(1);
        list.selectionModel()->select(list.currentIndex(), QItemSelectionModel::Deselect);
        QCOMPARE(list.selectedPos(), -1);
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

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
