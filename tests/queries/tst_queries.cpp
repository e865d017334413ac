#include "host/ListBox.h"
#include "queries/LetterRows.h"
#include "queries/WordCountWindow.h"
#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include "host/WrappingButtons.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace quibbler;
using namespace quibbler::test;

namespace {

QStringList rowsOf(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows.append(list->item(i)->text());
    return rows;
}

} // namespace

class TestQueries : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void letterCountsSkipOtherCharacters();
    void counts_data();
    void counts();
    void find_data();
    void find();
    void jump_data();
    void jump();
    void wordCountWindow();
};

void TestQueries::rows_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("row");
    QTest::newRow("12 of 40") << 12 << 40.0 << "A- 12  30%";
    QTest::newRow("1 of 300") << 1 << 300.0 << "A- 1  .3%";
    QTest::newRow("0 of 0") << 0 << 1e-06 << "A- 0  0%";
    QTest::newRow("1 of 16, half to even") << 1 << 16.0 << "A- 1  6.2%";
    QTest::newRow("3 of 16, half to even") << 3 << 16.0 << "A- 3  18.8%";
    QTest::newRow("2 of 3") << 2 << 3.0 << "A- 2  66.7%";
    QTest::newRow("all") << 7 << 7.0 << "A- 7  100%";
}

void TestQueries::rows()
{
    QFETCH(int, count);
    QFETCH(double, total);
    QFETCH(QString, row);
    QCOMPARE(letterRow('A', count, total), row);
}

void TestQueries::letterCountsSkipOtherCharacters()
{
    const QStringList rows = letterRows({"apple", "Ant", "banana", "7up", "éclair", ""});
    QCOMPARE(rows.size(), 26);
    QCOMPARE(rows.at(0), QString("A- 2  33.3%"));
    QCOMPARE(rows.at(1), QString("B- 1  16.7%"));
    QCOMPARE(rows.at(25), QString("Z- 0  0%"));
}

void TestQueries::counts_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("length"); // the options' word length
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("letterAfter"); // the options' first letter afterwards

    const auto row
        = [](const char* tag, const QString& command, const QString& answer, const QString& length,
             const QString& message, const QString& title, const QString& letterAfter) {
              QTest::newRow(tag) << command << answer << length << message << title << letterAfter;
          };
    row("words by letter", "mnufind", "tea", "", "4 instances found.", "Results", "t");
    row("words by letter and length", "mnufind", "T", "3", "2 instances found.", "Results", "T");
    // An empty answer clears the letter; the cache then stays as start-up left it.
    row("words, cancel", "mnufind", "", "", "1 instances found.", "Results", "");
    row("names by letter", "mnufproper", "m", "", "2 instances found.", "Results", "z");
    row("names, cancel", "mnufproper", "", "", "0 instances found.", "Results", "z");
    row("containing, with case", "mnucontain", "ab", "", " 2 word(s) contain ab", "", "z");
    row("containing nothing", "mnucontain", "xyz", "", " 0 word(s) contain xyz", "", "z");
}

void TestQueries::counts()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QString, length);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(QString, letterAfter);

    TestApp app({"tea", "Tiger", "toe", "tomato", "cab", "Abba", "ab"}, {"Mary", "mike", "Bob"});
    MainWindow& main = app.main();
    app.options().txtword->setText("z");
    app.options().txtwl->setText(length);
    main.lstw->setSelectedPos(1);
    main.lstproper->setSelectedPos(2);
    app.host.inputs = {answer};
    main.findChild<QAction*>(command)->trigger();
    const bool working = app.forms.frmworkLoaded();

    QCOMPARE(app.host.messageTexts(), QStringList{message});
    QCOMPARE(app.host.messages.first().title, title);
    QCOMPARE(app.options().txtword->text(), letterAfter);
    QCOMPARE(working, command != "mnufproper");
    QVERIFY(main.isVisible());
    // The contain count leaves the words on their last entry; the others set the selection back.
    QCOMPARE(main.lstw->selectedPos(), command == "mnucontain" ? 6 : 1);
    QCOMPARE(main.lstproper->selectedPos(), 2);
}

void TestQueries::find_data()
{
    QTest::addColumn<bool>("names");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("message");
    QTest::newRow("first word") << false << "dog" << 0 << "";
    QTest::newRow("capitals") << false << "CAT" << 1 << "";
    QTest::newRow("missing word") << false << "emu" << 2 << "Word not found";
    QTest::newRow("empty answer") << false << "" << 2 << "Word not found";
    QTest::newRow("proper noun") << true << "paris" << 1 << "";
    QTest::newRow("missing proper noun") << true << "Oslo" << -1 << "Proper noun not found";
}

void TestQueries::find()
{
    QFETCH(bool, names);
    QFETCH(QString, answer);
    QFETCH(int, selected);
    QFETCH(QString, message);

    TestApp app({"dog", "Cat", "bird"}, {"Rome", "Paris"});
    MainWindow& main = app.main();
    ListBox* list = names ? main.lstproper : main.lstw;
    list->setSelectedPos(names ? -1 : 2);
    app.host.inputs = {answer};
    names ? main.mnufindp_Click() : main.mnufindw_Click();
    QCOMPARE(list->selectedPos(), selected);
    QCOMPARE(app.host.messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(app.host.inputPrompts.first().at(1), QString("Find?"));
}

void TestQueries::jump_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("selected");
    QTest::newRow("1") << "1" << 0;
    QTest::newRow("count") << "4" << 3;
    QTest::newRow("2.5 rounds to even") << "2.5" << 2;
    QTest::newRow("0.5") << "0.5" << 0;
    QTest::newRow("0.3 clears") << "0.3" << -1;
    QTest::newRow("number then letters") << "2nd" << 1;
    QTest::newRow("blanks first") << "  2" << 1;
    QTest::newRow("past the end") << "5" << 99;
    QTest::newRow("zero") << "0" << 99;
    QTest::newRow("negative") << "-1" << 99;
    QTest::newRow("word") << "two" << 99;
    QTest::newRow("cancel") << "" << 99;
}

void TestQueries::jump()
{
    QFETCH(QString, answer);
    QFETCH(int, selected); // 99: refused
    for (bool names : {false, true}) {
        const QStringList four{"a", "b", "c", "d"};
        TestApp app(four, four);
        ListBox* list = names ? app.main().lstproper : app.main().lstw;
        list->setSelectedPos(1);
        app.host.inputs = {answer};
        names ? app.main().mnujpn_Click() : app.main().mnujw_Click();
        QCOMPARE(list->selectedPos(), selected == 99 ? 1 : selected);
        QCOMPARE(app.host.messageTexts(),
                 selected == 99 ? QStringList{"Invalid input."} : QStringList{});
    }
}

void TestQueries::wordCountWindow()
{
    TestApp app({"apple", "Ant", "banana"}, {"Quinn"});
    MainWindow& main = app.main();
    main.lstw->setSelectedPos(2);
    main.lstproper->setSelectedPos(-1);
    QTest::mouseClick(main.Command1, Qt::LeftButton);
    WordCountWindow* window = &app.forms.frmfw();
    QVERIFY(window->isVisible());
    QVERIFY(main.isVisible());
    QVERIFY(!app.forms.frmwork().isVisible());
    QCOMPARE(window->windowTitle(), QString("Number of Words... List"));
    QCOMPARE(window->Label1->text(), "Words" + QString(23, ' ') + "Proper Nouns");
    QCOMPARE(rowsOf(window->List1), letterRows({"apple", "Ant", "banana"}));
    QCOMPARE(rowsOf(window->List1).at(0), QString("A- 2  66.7%"));
    QCOMPARE(rowsOf(window->List2).at(16), QString("Q- 1  100%"));
    QCOMPARE(main.lstw->selectedPos(), 2);
    QCOMPARE(main.lstproper->selectedPos(), -1);

    // A snapshot: learning changes nothing until F5, in either list.
    enterText(main.txtl, "bee");
    QTest::mouseClick(main.Command1, Qt::LeftButton);
    QCOMPARE(&app.forms.frmfw(), window);
    QCOMPARE(rowsOf(window->List1).at(1), QString("B- 1  33.3%"));
    QTest::keyClick(window->List2, Qt::Key_F5);
    QTest::keyClick(window->List1, Qt::Key_F5);
    QCOMPARE(window->List1->count(), 26);
    QCOMPARE(window->List2->count(), 26);
    QCOMPARE(rowsOf(window->List1).at(1), QString("B- 2  50%"));

    // Closing destroys it; opening again computes afresh.
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app.forms.frmfwLoaded());
    main.lstw->clearAll();
    QTest::mouseClick(main.Command1, Qt::LeftButton);
    QCOMPARE(rowsOf(app.forms.frmfw().List1).at(0), QString("A- 0  0%"));
}

QTEST_MAIN(TestQueries)
#include "tst_queries.moc"
