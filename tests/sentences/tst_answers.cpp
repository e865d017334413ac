#include "host/ListBox.h"
#include "host/LongText.h"
#include "sentences/OptionsWindow.h"
#include "sentences/TextLimits.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>

using namespace quibbler;
using namespace quibbler::test;

namespace {

// Asks for an answer as the user does: the count into "Number of Words", then Enter.
QString ask(TestApp& app, const QString& count)
{
    enterText(app.main().txtw, count);
    return boxText(*app.main().txts);
}

const QString kImpossible = "I'm sorry, that's impossible";

} // namespace

class TestAnswers : public QObject {
    Q_OBJECT
private slots:
    void count_data();
    void count();
    void exactRegularAnswer();
    void regularProperties();
    void caseAndCapitals_data();
    void caseAndCapitals();
    void capitalizeLeavesTheSelection_data();
    void capitalizeLeavesTheSelection();
    void filters_data();
    void filters();
    void nothingWithoutWords();
    void copyKey();
    void userStopsALongAnswer_data();
    void userStopsALongAnswer();
    void answerStopsAtTheWordLimit();
    void longAnswersKeepTheirText();
};

void TestAnswers::count_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("draw"); // the first random number
    QTest::addColumn<QString>("shown"); // "Number of Words" afterwards
    QTest::addColumn<int>("words");
    QTest::addColumn<bool>("impossible");

    QTest::newRow("r") << "r" << 0.5365 << "537" << 537 << false;
    QTest::newRow("Rs") << "Rs" << 0.0 << "1" << 1 << false;
    QTest::newRow("rm") << "rm" << 0.999 << "400" << 400 << false;
    QTest::newRow("rl") << "rl" << 0.9999 << "9999" << 9999 << false;
    QTest::newRow("RL upper") << "RL" << 0.5 << "5000" << 5000 << false;
    QTest::newRow("fraction cut down") << "2.9" << 0.5 << "2.9" << 2 << false;
    QTest::newRow("number and text") << "3 words" << 0.5 << "3 words" << 3 << false;
    QTest::newRow("negative") << "-4" << 0.5 << "-4" << 0 << false;
    QTest::newRow("below one") << "0.5" << 0.5 << "0.5" << 0 << false;
    QTest::newRow("zero") << "0" << 0.5 << "" << 0 << true;
    QTest::newRow("empty") << "" << 0.5 << "" << 0 << true;
    QTest::newRow("not a number") << "abc" << 0.5 << "" << 0 << true;
    QTest::newRow("r with a blank") << "r " << 0.5 << "" << 0 << true;
}

void TestAnswers::count()
{
    QFETCH(QString, typed);
    QFETCH(double, draw);
    QFETCH(QString, shown);
    QFETCH(int, words);
    QFETCH(bool, impossible);

    TestApp app({"dog", "cat"});
    app.host.rnd.script = {draw};
    const QString answer = ask(app, typed);

    QCOMPARE(app.main().txtw->text(), shown);
    QCOMPARE(app.host.messageTexts(), impossible ? QStringList{kImpossible} : QStringList{});
    if (impossible)
        QCOMPARE(app.host.messages.first().title, QString("Quibbler"));
    if (words == 0) {
        QCOMPARE(answer, QString());
    } else {
        QCOMPARE(answer.count(' ') + 1, words);
        QVERIFY(QString(".!?").contains(answer.back()));
    }
    QVERIFY(app.main().isVisible());
    QVERIFY(!app.forms.frmwork().isVisible());
}

void TestAnswers::exactRegularAnswer()
{
    TestApp app({"dog", "cat"});
    app.host.clock = QTime(13, 45, 30);
    app.host.rnd.script = {0.6, 0.1, 0.7, 0.9};
    int yields = 0;
    app.host.onYield = [&] {
        QVERIFY(app.forms.frmwork().isVisible());
        QVERIFY(!app.main().isVisible());
        ++yields;
    };
    QCOMPARE(ask(app, "3"), QString("Cat dog cat?"));
    QCOMPARE(yields, 3);
    QCOMPARE(app.main().lstw->selectedPos(), 1);
    QCOMPARE(app.main().curword, QString("cat"));
    // Reseeded from the second, then from second * hour - minute.
    QCOMPARE(app.host.rnd.reseeds.mid(2), (QStringList{"30", "345"}));
}

void TestAnswers::regularProperties()
{
    const QStringList words{"dog", "Cat", "New York", "emu"};
    TestApp app(words);
    QSet<QChar> marks;
    QSet<QString> seen;
    for (int i = 0; i < 300; ++i) {
        app.host.clock = QTime(i % 24, i % 60, (i * 7) % 60);
        const QString answer = ask(app, "6");
        marks.insert(answer.back());
        QVERIFY(answer.front().isUpper());
        const QString body = answer.chopped(1);
        QVERIFY2(!body.endsWith(' ') && !body.contains("  "), qPrintable(answer));
        // "New York" comes out as two words of text.
        QString rest = body.toLower();
        for (const QString& word : words)
            rest.replace(word.toLower(), "");
        QVERIFY2(rest.trimmed().remove(' ').isEmpty(), qPrintable(answer));
        for (const QString& word : words) {
            if (body.contains(word, Qt::CaseInsensitive))
                seen.insert(word);
        }
    }
    QCOMPARE(marks, (QSet<QChar>{'.', '!', '?'}));
    QCOMPARE(seen.size(), words.size());
}

void TestAnswers::caseAndCapitals_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<bool>("capitals");
    QTest::addColumn<QString>("answer");

    QTest::newRow("normal") << "optnorm" << false << "Dog paris mcdonald.";
    QTest::newRow("normal, capitals") << "optnorm" << true << "Dog Paris Mcdonald.";
    QTest::newRow("lower, capitals") << "optlcase" << true << "dog paris mcdonald.";
    QTest::newRow("upper") << "optucase" << false << "DOG PARIS MCDONALD.";
}

void TestAnswers::caseAndCapitals()
{
    QFETCH(QString, rule);
    QFETCH(bool, capitals);
    QFETCH(QString, answer);

    TestApp app({"dog", "paris", "mcdonald"}, {"Rome", "Paris", "McDonald"});
    app.options().findChild<QRadioButton*>(rule)->setChecked(true);
    app.options().chkc->setChecked(capitals);
    app.host.rnd.script = {0.1, 0.5, 0.9, 0.0};
    QCOMPARE(ask(app, "3"), answer);
    // The proper nouns stay selected where the last look-up stopped.
    QCOMPARE(app.main().lstproper->selectedPos(), capitals ? 2 : 0);
}

void TestAnswers::capitalizeLeavesTheSelection_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("selected");
    const auto row
        = [](const char* tag, const QStringList& names, const QString& word, const QString& after,
             int selected) { QTest::newRow(tag) << names << word << after << selected; };
    row("match", {"Rome", "Paris"}, "paris", "Paris", 1);
    row("already capital", {"Rome", "Paris"}, "PARIS", "PARIS", 1);
    row("only the first letter", {"McDonald"}, "mcdonald", "Mcdonald", 0);
    row("no match", {"Rome", "Paris"}, "dog", "dog", 1);
    row("no proper nouns", {}, "dog", "dog", -1);
}

void TestAnswers::capitalizeLeavesTheSelection()
{
    QFETCH(QStringList, names);
    QFETCH(QString, word);
    QFETCH(QString, after);
    QFETCH(int, selected);
    TestApp app({}, names);
    MainWindow& main = app.main();
    main.curword = word;
    main.Capitalize();
    QCOMPARE(main.curword, after);
    QCOMPARE(main.lstproper->selectedPos(), selected);
    QVERIFY(!main.found);
}

void TestAnswers::filters_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("answer");

    const auto row
        = [](const char* tag, const QString& letter, const QString& length, const QString& answer) {
              QTest::newRow(tag) << letter << length << answer;
          };
    row("letter", "b", "", "Bat bee bat!");
    row("length", "", "4", "Bird Bird Bird!");
    // A length that is no number draws from the cache without rebuilding it:
    // after start-up that holds one blank.
    row("length not a number", "", "x", "     !");
    row("nobody fits", "q", "", "");
}

void TestAnswers::filters()
{
    QFETCH(QString, letter);
    QFETCH(QString, length);
    QFETCH(QString, answer);

    TestApp app({"bat", "Bird", "cat", "bee"});
    app.options().txtword->setText(letter);
    app.options().txtwl->setText(length);
    app.host.rnd.script = {0.0, 0.9, 0.0, 0.5};
    QCOMPARE(ask(app, "3"), answer);
}

void TestAnswers::nothingWithoutWords()
{
    TestApp app;
    app.main().txts->setPlainText("earlier");
    QCOMPARE(ask(app, "5"), QString("earlier"));
    QVERIFY(app.host.messages.isEmpty());
    QVERIFY(!app.forms.frmworkLoaded());
}

void TestAnswers::copyKey()
{
    TestApp app;
    QPlainTextEdit* txts = app.main().txts;
    txts->setPlainText("Cat dog cat!");
    QTextCursor cursor = txts->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    txts->setTextCursor(cursor);

    QTest::keyClick(txts, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(app.host.clipboard, QString());
    QTest::keyClick(txts, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(app.host.clipboard, QString("dog"));
    QCOMPARE(txts->toPlainText(), QString("Cat dog cat!"));
}

void TestAnswers::userStopsALongAnswer_data()
{
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("Escape") << false;
    QTest::newRow("closing the working screen") << true;
}

void TestAnswers::userStopsALongAnswer()
{
    QFETCH(bool, byClosing);
    TestApp app({"dog", "cat"});
    int yields = 0;
    app.host.onYield = [&] {
        WorkingScreen& work = app.forms.frmwork();
        if (++yields == 3)
            byClosing ? void(work.close()) : QTest::keyClick(&work, Qt::Key_Escape);
    };
    const QString answer = ask(app, "1000000");
    // Two words were built before the third turn; the answer ends as usual.
    QCOMPARE(answer.count(' '), 1);
    QVERIFY(QString(".!?").contains(answer.back()));
    QVERIFY(app.main().isVisible());
    QVERIFY(!app.forms.frmwork().isVisible());
    QVERIFY(app.host.messages.isEmpty());

    // The next answer is not stopped by the last one's request.
    app.host.onYield = nullptr;
    QCOMPARE(ask(app, "5").count(' '), 4);
}

void TestAnswers::answerStopsAtTheWordLimit()
{
    TestApp app({"dog", "cat"});
    app.forms.wordLimit = 50;
    QCOMPARE(ask(app, "1e12").count(' '), 49);
    QCOMPARE(app.host.messageTexts(), QStringList{kMaxWordsMessage});
    app.host.messages.clear();
    app.options().cbopersonal->setCurrentIndex(3);
    app.options().txtpattern->setText(QString(80, 'd'));
    QCOMPARE(ask(app, "1").count(' '), 50);
    QCOMPARE(app.host.messageTexts(), QStringList{kMaxWordsMessage});
}

void TestAnswers::longAnswersKeepTheirText()
{
    TestApp app({"elephant", "hippopotamus"});
    const QString answer = ask(app, "3000");
    QCOMPARE(answer.count(' '), 2999);
    QPlainTextEdit* txts = app.main().txts;
    // Shown in several paragraphs of the same length as the answer.
    QVERIFY(txts->blockCount() > 10);
    QCOMPARE(txts->toPlainText().size(), answer.size());
    QCOMPARE(txts->toPlainText().replace('\n', ' '), answer);

    QTextCursor cursor = txts->textCursor();
    cursor.setPosition(1000);
    cursor.setPosition(9000, QTextCursor::KeepAnchor);
    txts->setTextCursor(cursor);
    QTest::keyClick(txts, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(app.host.clipboard, answer.mid(1000, 8000));
}

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
