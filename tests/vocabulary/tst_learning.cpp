#include "host/ListBox.h"
#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace quibbler;
using namespace quibbler::test;

class TestLearning : public QObject {
    Q_OBJECT
private slots:
    void learn_data();
    void learn();
    void delimitersAreReadWhenLearning();
    void workingScreenStandsInWhileLearning();
    void otherKeysOnlyType();
    void loneLineBreakIsCleared();
    void userStopsLearning();
    void properNouns_data();
    void properNouns();
    void nameAfterAnEarlierEnter();
};

void TestLearning::learn_data()
{
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("changed");

    QTest::newRow("sentence") << QStringList{} << "Hello, world! Hello again."
                              << QStringList{"Hello", "world", "again"} << 2 << true;
    // A new last word leaves the selection on the entry that was last when it was looked for.
    QTest::newRow("no trailing delimiter")
        << QStringList{} << "Hello world" << QStringList{"Hello", "world"} << 0 << true;
    QTest::newRow("known word, other case")
        << QStringList{"Hello", "cat"} << "hello" << QStringList{"Hello", "cat"} << 0 << false;
    QTest::newRow("first form kept")
        << QStringList{} << "IN in In" << QStringList{"IN"} << 0 << true;
    QTest::newRow("underscore") << QStringList{} << "New_York" << QStringList{"New York"} << -1
                                << true;
    QTest::newRow("word characters")
        << QStringList{} << "don't well-known 42 3.14"
        << QStringList{"don't", "well-known", "42", "3", "14"} << 3 << true;
    QTest::newRow("several lines") << QStringList{"x"} << "one\ntwo\nthree"
                                   << QStringList{"x", "one", "two", "three"} << 2 << true;
    QTest::newRow("empty box") << QStringList{"x"} << "" << QStringList{"x"} << 0 << false;
    QTest::newRow("only delimiters") << QStringList{} << " ,;. " << QStringList{} << -1 << false;
    QTest::newRow("non-ASCII case")
        << QStringList{"ÉCOLE"} << "école Straße" << QStringList{"ÉCOLE", "Straße"} << 0 << true;
    // Read as the box's plain text: a non-breaking space is a blank, a line
    // separator a line break.
    QTest::newRow("pasted separators") << QStringList{} << QString::fromUtf16(u"a\u00A0b\u2028c")
                                       << QStringList{"a", "b", "c"} << 1 << true;
}

void TestLearning::learn()
{
    QFETCH(QStringList, known);
    QFETCH(QString, text);
    QFETCH(QStringList, after);
    QFETCH(int, selected);
    QFETCH(bool, changed);

    TestApp app(known);
    MainWindow& main = app.main();
    enterText(main.txtl, text);

    QCOMPARE(entriesOf(main.lstw), after);
    QCOMPARE(main.lblwk->text(), QString::number(after.size()));
    QCOMPARE(main.lstw->selectedPos(), selected);
    QCOMPARE(main.changed, changed);
    QCOMPARE(main.txtl->toPlainText(), QString());
    QVERIFY(app.host.messages.isEmpty());
}

void TestLearning::delimitersAreReadWhenLearning()
{
    TestApp app;
    MainWindow& main = app.main();
    app.options().txtdelim->setText(" _");
    enterText(main.txtl, "New_York a,b");
    QCOMPARE(entriesOf(main.lstw), (QStringList{"New", "York", "a,b"}));

    app.options().txtdelim->clear();
    enterText(main.txtl, "one two");
    QCOMPARE(main.lstw->entryAt(3), QString("one two"));

    // Without line breaks among the delimiters a word runs on across lines.
    app.options().txtdelim->setText(" ");
    enterText(main.txtl, "ab\ncd ef\n");
    QCOMPARE(main.lstw->entryAt(4), QString("ab\r\ncd"));
    QCOMPARE(main.lstw->entryAt(5), QString("ef\r\n"));
}

void TestLearning::workingScreenStandsInWhileLearning()
{
    TestApp app;
    MainWindow& main = app.main();
    int seen = 0;
    app.host.onYield = [&] {
        QVERIFY(app.forms.frmwork().isVisible());
        QVERIFY(!main.isVisible());
        ++seen;
    };
    enterText(main.txtl, "a b c");
    QCOMPARE(seen, 3);
    QVERIFY(main.isVisible());
    QVERIFY(!app.forms.frmwork().isVisible());

    // The label cycles from where it stood, ticking also while hidden.
    WorkingScreen& work = app.forms.frmwork();
    QCOMPARE(work.Timer1->interval(), 500);
    QVERIFY(work.Timer1->isActive());
    work.Timer1->stop();
    work.Form_Load();
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        work.Timer1_Timer();
        shown.append(work.lblwork->text());
    }
    QCOMPARE(shown, (QStringList{"WORKING...", "WORKING.", "WORKING..", "WORKING..."}));
}

void TestLearning::otherKeysOnlyType()
{
    TestApp app;
    MainWindow& main = app.main();
    main.txtl->setFocus();
    QTest::keyClicks(main.txtl, "ab c");
    QCOMPARE(main.txtl->toPlainText(), QString("ab c"));
    QCOMPARE(main.lstw->count(), 0);
    // Enter with a modifier still learns.
    QTest::keyClick(main.txtl, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(entriesOf(main.lstw), (QStringList{"ab", "c"}));
}

void TestLearning::loneLineBreakIsCleared()
{
    TestApp app;
    MainWindow& main = app.main();
    main.txtl->setPlainText("\n");
    QVERIFY(main.Timer1->isActive());
    main.Timer1_Timer();
    QCOMPARE(main.txtl->toPlainText(), QString());

    main.txtl->setPlainText("\nx");
    main.Timer1_Timer();
    QCOMPARE(main.txtl->toPlainText(), QString("\nx"));
}

void TestLearning::userStopsLearning()
{
    TestApp app;
    int yields = 0;
    app.host.onYield = [&] {
        if (++yields == 3)
            QTest::keyClick(&app.forms.frmwork(), Qt::Key_Escape);
    };
    enterText(app.main().txtl, "one two three four five");
    QCOMPARE(entriesOf(app.main().lstw), (QStringList{"one", "two"}));
    QCOMPARE(app.main().lblwk->text(), QString("2"));
    QVERIFY(app.main().changed);
    QCOMPARE(app.main().txtl->toPlainText(), QString());
    QVERIFY(app.main().isVisible());
}

void TestLearning::properNouns_data()
{
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selected");

    QTest::newRow("punctuation") << QStringList{} << "Alice, Bob. Carol"
                                 << QStringList{"Alice", "Bob", "Carol"} << 1;
    QTest::newRow("skip after comma")
        << QStringList{} << "Alice,Bob" << QStringList{"Alice", "ob"} << 0;
    QTest::newRow("blank") << QStringList{} << "Mary Ann" << QStringList{"Mary", "Ann"} << 0;
    QTest::newRow("underscore") << QStringList{} << "Mary_Ann" << QStringList{"Mary Ann"} << -1;
    QTest::newRow("known, other case") << QStringList{"bob"} << "Bob" << QStringList{"bob"} << 0;
    QTest::newRow("lines") << QStringList{} << "Alice\nBob\nAlice" << QStringList{"Alice", "Bob"}
                           << 0;
    QTest::newRow("quote kept") << QStringList{} << "O\"Neil" << QStringList{"O\"Neil"} << -1;
}

void TestLearning::properNouns()
{
    QFETCH(QStringList, known);
    QFETCH(QString, text);
    QFETCH(QStringList, after);
    QFETCH(int, selected);

    TestApp app({}, known);
    MainWindow& main = app.main();
    app.host.onYield = [] { QFAIL("proper nouns are learned without the working screen"); };
    enterText(main.txtpn, text);

    QCOMPARE(entriesOf(main.lstproper), after);
    QCOMPARE(main.lblpk->text(), QString::number(after.size()));
    QCOMPARE(main.lstproper->selectedPos(), selected);
    QVERIFY(!main.changed);
    QVERIFY(main.isVisible());
    QVERIFY(!app.forms.frmworkLoaded());
}

void TestLearning::nameAfterAnEarlierEnter()
{
    TestApp app;
    MainWindow& main = app.main();
    enterText(main.txtpn, "Alice");
    // The Enter itself leaves a line break in the box, as typing goes on after it.
    QCOMPARE(main.txtpn->toPlainText(), QString("\n"));
    main.txtpn->moveCursor(QTextCursor::End);
    QTest::keyClicks(main.txtpn, "Dave");
    QTest::keyClick(main.txtpn, Qt::Key_Return);
    QCOMPARE(entriesOf(main.lstproper), (QStringList{"Alice", "Dave"}));
}

QTEST_MAIN(TestLearning)
#include "tst_learning.moc"
