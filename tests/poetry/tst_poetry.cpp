#include "host/ListBox.h"
#include "host/LongText.h"
#include "poetry/PoetryWindow.h"
#include "sentences/OptionsWindow.h"
#include "sentences/TextLimits.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace quibbler;
using namespace quibbler::test;

namespace {

// Writes a poem as the user does: kind, stanzas, then Enter in the stanza box.
PoetryWindow& writePoem(TestApp& app, const char* kind, const QString& stanzas)
{
    app.main().mnucbpoet->trigger();
    PoetryWindow& poetry = app.forms.frmcbp();
    poetry.findChild<QRadioButton*>(kind)->setChecked(true);
    enterText(poetry.txtlines, stanzas);
    return poetry;
}

QList<QStringList> linesOf(const PoetryWindow& poetry)
{
    const QString poem = boxText(*poetry.txtp);
    QList<QStringList> lines;
    if (!poem.isEmpty()) {
        Q_ASSERT(poem.endsWith('\n'));
        for (const QString& line : poem.chopped(1).split('\n'))
            lines.append(line.split(' '));
    }
    return lines;
}

// Closes a window as its title-bar button does, and lets it be destroyed.
void closeWindow(QWidget* window)
{
    QVERIFY(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<int> lengthsOf(const QList<QStringList>& lines)
{
    QList<int> lengths;
    for (const QStringList& line : lines)
        lengths.append(line.size());
    return lengths;
}

} // namespace

class TestPoetry : public QObject {
    Q_OBJECT
private slots:
    void kinds_data();
    void kinds();
    void repetitionsAsksUntilANumber();
    void filtersAndCase_data();
    void filtersAndCase();
    void letterIncrementor();
    void letterIncrementorNeedsANumber();
    void stanzaCountIsChecked_data();
    void stanzaCountIsChecked();
    void windowComesBackAsDesigned();
    void longPoemsStop();
};

void TestPoetry::kinds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stanzas");
    QTest::addColumn<QString>("perLine"); // the Repetitions answer
    QTest::addColumn<QList<int>>("lengths");

    const auto row = [](const char* tag, const QString& kind, const QString& stanzas,
                        const QString& perLine, const QList<int>& lengths) {
        QTest::newRow(tag) << kind << stanzas << perLine << lengths;
    };
    row("rising", "optu", "4", "", {1, 2, 3, 4});
    row("decreasing", "optd", "4", "", {4, 3, 2, 1});
    row("rising 2.5", "optu", "2.5", "", {1, 2});
    row("decreasing 2.5", "optd", "2.5", "", {2, 1});
    row("rising -3", "optu", "-3", "", {});
    row("repetitions", "optr", "2", "3", {3, 3});
    row("repetitions 2.5", "optr", "2", "2.5", {2, 2});
    row("repetitions below 1", "optr", "2", "0.5", {});
    row("random of one", "optrnd", "3", "", {});
}

void TestPoetry::kinds()
{
    QFETCH(QString, kind);
    QFETCH(QString, stanzas);
    QFETCH(QString, perLine);
    QFETCH(QList<int>, lengths);

    const QStringList words{"moon", "June", "spoon", "tune"};
    TestApp app(words);
    if (!perLine.isEmpty())
        app.host.inputs = {perLine};
    int yields = 0;
    app.host.onYield = [&] {
        QVERIFY(app.forms.frmwork().isVisible());
        QVERIFY(!app.forms.frmcbp().isVisible());
        ++yields;
    };
    PoetryWindow& poetry = writePoem(app, qPrintable(kind), stanzas);
    const QList<QStringList> lines = linesOf(poetry);

    if (kind == "optrnd") {
        QCOMPARE(lines.size(), 3);
        for (const QStringList& line : lines)
            QVERIFY(line.size() >= 1 && line.size() <= 3);
    } else {
        QCOMPARE(lengthsOf(lines), lengths);
    }
    for (const QStringList& line : lines) {
        QVERIFY(line.first().front().isUpper());
        for (const QString& word : line)
            QVERIFY2(words.contains(word, Qt::CaseInsensitive), qPrintable(word));
    }
    const QStringList title = poetry.lbltitle->text().chopped(1).split(' ');
    QVERIFY(poetry.lbltitle->text().endsWith(' '));
    QVERIFY(title.size() >= 1 && title.size() <= 5);
    for (const QString& word : title)
        QVERIFY2(words.contains(word, Qt::CaseInsensitive) && word == word.toUpper(),
                 qPrintable(word));
    QVERIFY(poetry.isVisible());
    QVERIFY(!app.forms.frmwork().isVisible());
    QVERIFY(yields >= lines.size());
}

void TestPoetry::repetitionsAsksUntilANumber()
{
    TestApp app({"a", "b"});
    app.host.inputs = {"", "0", "abc", "2"};
    PoetryWindow& poetry = writePoem(app, "optr", "1");
    QCOMPARE(lengthsOf(linesOf(poetry)), QList<int>{2});
    QCOMPARE(app.host.inputPrompts.size(), 4);
    QCOMPARE(app.host.inputPrompts.first(), (QStringList{"How many words?", "Words", ""}));
    QCOMPARE(app.host.inputPrompts.last().last(), QString("abc"));

    // The answer outlives the window.
    closeWindow(&poetry);
    app.host.inputs = {"3"};
    writePoem(app, "optr", "1");
    QCOMPARE(app.host.inputPrompts.last().last(), QString("2"));
}

void TestPoetry::filtersAndCase_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("pattern"); // every line must match

    const auto row
        = [](const char* tag, const QString& letter, const QString& length, const QString& rule,
             const QString& pattern) { QTest::newRow(tag) << letter << length << rule << pattern; };
    row("letter b", "b", "", "optnorm", "B[a-z]*( [bB][a-z]*)*");
    row("length 2", "", "2", "optnorm", "[A-Z][a-z]( [a-z]{2})*");
    row("upper", "", "", "optucase", "[A-Z]+( [A-Z]+)*");
    row("lower", "", "", "optlcase", "[a-z]+( [a-z]+)*");
    row("capitals", "p", "", "optnorm", "Paris( Paris)*");
    row("capitals, lower", "p", "", "optlcase", "paris( paris)*");
}

void TestPoetry::filtersAndCase()
{
    QFETCH(QString, letter);
    QFETCH(QString, length);
    QFETCH(QString, rule);
    QFETCH(QString, pattern);

    TestApp app({"bee", "Bat", "ox", "at", "cow", "paris"}, {"Paris"});
    app.options().txtword->setText(letter);
    app.options().txtwl->setText(length);
    app.options().findChild<QRadioButton*>(rule)->setChecked(true);
    app.options().chkc->setChecked(true);
    const QList<QStringList> lines = linesOf(writePoem(app, "optu", "6"));
    QCOMPARE(lines.size(), 6);
    const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
    for (const QStringList& line : lines)
        QVERIFY2(whole.match(line.join(' ')).hasMatch(), qPrintable(line.join(' ')));
}

void TestPoetry::letterIncrementor()
{
    TestApp app({"cat", "bird", "horse", "ox"});
    app.options().txtwl->setText("3");
    app.main().mnucbpoet->trigger();
    PoetryWindow& poetry = app.forms.frmcbp();
    poetry.chkli->setChecked(true);
    app.host.rnd.script = {0.0, 0.0}; // a title of one word
    enterText(poetry.txtlines, "10");
    // 3, 4, 5 letters; no word has 6, so the third line is dropped there.
    QCOMPARE(poetry.txtp->toPlainText(), QString("Cat\nBird horse\n"));
    QCOMPARE(poetry.lbltitle->text(), QString("CAT "));
    QCOMPARE(app.options().txtwl->text(), QString("3"));

    // A length emptied after ticking stops the poem at its first word.
    app.options().txtwl->clear();
    enterText(poetry.txtlines, "10");
    QCOMPARE(poetry.txtp->toPlainText(), QString());
    QVERIFY(!poetry.lbltitle->text().isEmpty());
    QVERIFY(app.host.messages.isEmpty());
}

void TestPoetry::letterIncrementorNeedsANumber()
{
    TestApp app;
    app.main().mnucbpoet->trigger();
    PoetryWindow& poetry = app.forms.frmcbp();
    for (const char* length : {"", "0", "x", "3"}) {
        app.host.messages.clear();
        poetry.chkli->setChecked(false);
        app.options().txtwl->setText(length);
        QTest::mouseClick(poetry.chkli, Qt::LeftButton);
        const bool refused = QString(length) != "3";
        QCOMPARE(poetry.chkli->isChecked(), !refused);
        QCOMPARE(app.host.messageTexts(),
                 refused ? QStringList{"You must put in a number in the 'number of letters in a "
                                       "word' box in the options."}
                         : QStringList{});
    }
}

void TestPoetry::stanzaCountIsChecked_data()
{
    QTest::addColumn<QString>("stanzas");
    QTest::newRow("empty") << "";
    QTest::newRow("zero") << "0";
    QTest::newRow("not a number") << "abc";
}

void TestPoetry::stanzaCountIsChecked()
{
    QFETCH(QString, stanzas);
    TestApp app({"a", "b", "c"}, {"X", "Y"});
    app.main().lstw->setSelectedPos(1);
    app.main().lstproper->setSelectedPos(-1);
    PoetryWindow& poetry = writePoem(app, "optu", "3");
    QCOMPARE(linesOf(poetry).size(), 3);
    QCOMPARE(app.main().lstw->selectedPos(), 1);
    QCOMPARE(app.main().lstproper->selectedPos(), -1);

    enterText(poetry.txtlines, stanzas);
    QCOMPARE(app.host.messages.size(), 1);
    QCOMPARE(app.host.messages.first().text, QString("I'm sorry, that values not appropiate."));
    QCOMPARE(app.host.messages.first().title, QString("Error"));
    QCOMPARE(poetry.txtlines->text(), QString());
    QCOMPARE(poetry.txtp->toPlainText(), QString());
    QCOMPARE(poetry.lbltitle->text(), QString());
}

void TestPoetry::windowComesBackAsDesigned()
{
    TestApp app({"a"});
    PoetryWindow* poetry = &writePoem(app, "optd", "2");
    QVERIFY(!poetry->isModal());
    poetry->chkli->setChecked(false);
    QCOMPARE(poetry->txtp->geometry(), QRect(176, 72, 449, 393));
    poetry->resize(poetry->width() + 150, poetry->height() + 40);
    QCOMPARE(poetry->txtp->geometry(), QRect(176, 72, 599, 433));
    poetry->resize(poetry->minimumSize());
    QVERIFY(poetry->txtp->width() > 0 && poetry->txtp->height() > 0);

    // Ctrl+C copies the selection; Ctrl+Shift+C does not.
    poetry->txtp->selectAll();
    QTest::keyClick(poetry->txtp, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(app.host.clipboard, QString());
    QTest::keyClick(poetry->txtp, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(app.host.clipboard, QString("A a\nA\n"));

    closeWindow(poetry);
    QVERIFY(!app.forms.frmcbpLoaded());
    app.main().mnucbpoet->trigger();
    poetry = &app.forms.frmcbp();
    QCOMPARE(poetry->txtlines->text(), QString("10"));
    QVERIFY(poetry->optu->isChecked());
    QVERIFY(!poetry->chkli->isChecked());
    QCOMPARE(poetry->txtp->toPlainText(), QString());
    QCOMPARE(poetry->lbltitle->text(), QString());
    QVERIFY(poetry->isVisible());
}

void TestPoetry::longPoemsStop()
{
    TestApp app({"a", "b"});
    app.forms.wordLimit = 20;
    // A line cut short by the limit is kept.
    app.host.inputs = {"1e9"};
    PoetryWindow& poetry = writePoem(app, "optr", "1e9");
    QCOMPARE(lengthsOf(linesOf(poetry)), QList<int>{20});
    QCOMPARE(app.host.messageTexts(), QStringList{kMaxWordsMessage});

    // The user's stop keeps the lines so far, the one being written included.
    app.host.messages.clear();
    app.forms.wordLimit = 1e7;
    int yields = 0;
    app.host.onYield = [&] {
        if (++yields == 4)
            QTest::keyClick(&app.forms.frmwork(), Qt::Key_Escape);
    };
    writePoem(app, "optu", "1e9");
    QCOMPARE(lengthsOf(linesOf(poetry)), (QList<int>{1, 2, 3}));
    QVERIFY(app.host.messages.isEmpty());
    QVERIFY(poetry.isVisible());
}

QTEST_MAIN(TestPoetry)
#include "tst_poetry.moc"
