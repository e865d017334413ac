#include "host/ListBox.h"

#include <QTest>

using namespace quibbler;

class TestListBox : public QObject {
    Q_OBJECT
private slots:
    void findIgnoresCaseAndFindsTheFirst();
    void indexFollowsRemovals();
    void selection();
    void limit();
};

void TestListBox::findIgnoresCaseAndFindsTheFirst()
{
    ListBox list;
    for (const char* entry : {"Dog", "cat", "dog", "", "Straße"})
        QVERIFY(list.append(entry));
    QCOMPARE(list.findIgnoringCase("DOG"), 0);
    QCOMPARE(list.findIgnoringCase("Cat"), 1);
    QCOMPARE(list.findIgnoringCase(""), 3);
    QCOMPARE(list.findIgnoringCase("STRASSE"), 4);
    QCOMPARE(list.findIgnoringCase("bird"), -1);
}

void TestListBox::indexFollowsRemovals()
{
    ListBox list;
    list.appendAll({"a", "b", "A", "c"});
    list.removeAt(0);
    QCOMPARE(list.findIgnoringCase("a"), 1);
    QCOMPARE(list.findIgnoringCase("c"), 2);
    list.removeAt(2); // the last entry
    QCOMPARE(list.findIgnoringCase("c"), -1);
    QVERIFY(list.append("C"));
    QCOMPARE(list.findIgnoringCase("c"), 2);
    list.removeAt(7); // outside: nothing happens
    QCOMPARE(list.entries(), (QStringList{"b", "A", "C"}));
    list.clearAll();
    QCOMPARE(list.findIgnoringCase("b"), -1);
    QCOMPARE(list.count(), 0);
}

void TestListBox::selection()
{
    ListBox list;
    QCOMPARE(list.selectedPos(), -1);
    QCOMPARE(list.selectedText(), QString());
    list.appendAll({"a", "b", "c"});
    QCOMPARE(list.selectedPos(), -1);
    list.setSelectedPos(2);
    QCOMPARE(list.selectedPos(), 2);
    QCOMPARE(list.selectedText(), QString("c"));
    list.setSelectedPos(-1);
    QCOMPARE(list.selectedPos(), -1);
    list.setSelectedPos(3);
    QCOMPARE(list.selectedPos(), -1);
}

void TestListBox::limit()
{
    ListBox list;
    QStringList many;
    for (int i = 0; i < ListBox::MaxEntries - 2; ++i)
        many.append(QString::number(i));
    QCOMPARE(list.appendAll(many), ListBox::MaxEntries - 2);
    QCOMPARE(list.appendAll({"x", "y", "z"}), 2);
    QVERIFY(list.isFull());
    QVERIFY(!list.append("w"));
    QCOMPARE(list.count(), ListBox::MaxEntries);
    QCOMPARE(list.entryAt(ListBox::MaxEntries - 1), QString("y"));
    QCOMPARE(list.findIgnoringCase("Y"), ListBox::MaxEntries - 1);
    QCOMPARE(list.findIgnoringCase("z"), -1);
}

QTEST_MAIN(TestListBox)
#include "tst_listbox.moc"
