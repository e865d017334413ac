#include "support/TestCommon.h"

const QString kMostWords = "Quibbler stopped at 10,000,000 words, the most he writes at once.";

// Writes a poem as the user does: kind, stanzas, then Enter in the stanza box.
PoetryWindow& writePoem(TestApp& app, const char* kind, const QString& stanzas)
{
    app.main().mnucbpoet->trigger();
    PoetryWindow& poetry = app.forms.frmcbp();
    poetry.findChild<QRadioButton*>(kind)->setChecked(true);
    enterText(poetry.txtlines, stanzas);
    return poetry;
}

// The number of words on each line of the poem.
QList<int> shapeOf(const PoetryWindow& poetry)
{
    QList<int> lengths;
    for (const QString& line : boxText(*poetry.txtp).split('\n', Qt::SkipEmptyParts))
        lengths.append(line.count(' ') + 1);
    return lengths;
}

const QList<int> kSix{1, 2, 3, 4, 5, 6};
// clang-format off
// Poems of bee, Bat, ox, at, cow, paris and the name Paris, capitals on: kind, stanzas,
// answers to "How many words?", draws, filters; words per line, a pattern for each line.
// A random poem draws its title's length (5 here) and words, then Int(r * stanzas) + 1 per line.
const struct {
    const char *tag, *kind; QString stanzas; QStringList answers; QList<double> draws;
    QString letter, length; const char* rule; QList<int> shape; QString pattern;
} kPoems[] = {
    {"rising", "optu", "4", {}, {}, "", "", "optnorm", {1, 2, 3, 4}, ".*"},
    {"decreasing", "optd", "4", {}, {}, "", "", "optnorm", {4, 3, 2, 1}, ".*"},
    {"rising 2.5", "optu", "2.5", {}, {}, "", "", "optnorm", {1, 2}, ".*"},
    {"decreasing 2.5", "optd", "2.5", {}, {}, "", "", "optnorm", {2, 1}, ".*"},
    {"rising -3", "optu", "-3", {}, {}, "", "", "optnorm", {}, ".*"},
    {"repetitions", "optr", "2", {"3"}, {}, "", "", "optnorm", {3, 3}, ".*"},
    {"repetitions 2.5", "optr", "2", {"2.5"}, {}, "", "", "optnorm", {2, 2}, ".*"},
    {"repetitions below 1", "optr", "2", {"0.5"}, {}, "", "", "optnorm", {}, ".*"},
    {"repetitions, asked until a number", "optr", "1", {"", "0", "abc", "2"}, {}, "", "",
     "optnorm", {2}, ".*"},
    {"random", "optrnd", "3", {}, {0.99, 0, 0, 0, 0, 0, 0.9, 0, 0, 0, 0, 0, 0.5, 0, 0}, "", "",
     "optnorm", {3, 1, 2}, ".*"},
    {"upper", "optu", "6", {}, {}, "", "", "optucase", kSix, "[A-Z]+( [A-Z]+)*"},
    {"capitals", "optu", "6", {}, {}, "p", "", "optnorm", kSix, "Paris( Paris)*"},
    {"capitals, lower", "optu", "6", {}, {}, "p", "", "optlcase", kSix, "paris( paris)*"},
};

const struct { const char* tag; QString stanzas; } kBadStanzas[] = {
    {"empty", ""}, {"zero", "0"}, {"not a number", "abc"}};
// clang-format on

class TestPoetry : public QObject {
    Q_OBJECT
private slots:
    void poems_data() { addRows(kPoems); }
    void poems()
    {
        const auto& [tag, kind, stanzas, answers, draws, letter, length, rule, shape, pattern]
            = rowOf(kPoems);
        TestApp app({"bee", "Bat", "ox", "at", "cow", "paris"}, {"Paris"});
        app.options().txtword->setText(letter);
        app.options().txtwl->setText(length);
        app.options().findChild<QRadioButton*>(rule)->setChecked(true);
        app.options().chkc->setChecked(true);
        app.host.inputs = answers;
        app.host.rnd.script = draws;
        PoetryWindow& poetry = writePoem(app, kind, stanzas);
        QCOMPARE(shapeOf(poetry), shape);
        QCOMPARE(app.host.inputs, QStringList()); // asked until the answer was a number
        // Each question offers the answer before it.
        for (qsizetype i = 1; i < answers.size(); ++i)
            QCOMPARE(app.host.inputPrompts.at(i).last(), answers.at(i - 1));
        QCOMPARE(app.host.rnd.script, QList<double>());
        const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
        for (const QString& line : boxText(*poetry.txtp).split('\n', Qt::SkipEmptyParts))
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }

    void letterIncrementor()
    {
        TestApp app({"cat", u"bi\u0301rd"_s, "horse", "ox"});
        app.options().txtwl->setText("3");
        app.main().mnucbpoet->trigger();
        PoetryWindow& poetry = app.forms.frmcbp();
        QTest::mouseClick(poetry.chkli, Qt::LeftButton);
        app.host.rnd.script = {0.0, 0.0}; // a title of one word
        enterText(poetry.txtlines, "10");
        // 3, 4 (an accent is no letter), 5; no word has 6, so the third line is dropped there.
        QCOMPARE(poetry.txtp->toPlainText(), u"Cat\nBi\u0301rd horse\n"_s);
        QCOMPARE(poetry.lbltitle->text(), QString("CAT "));
        QCOMPARE(app.options().txtwl->text(), QString("3"));
        // A length emptied after ticking stops the poem at its first word, silently.
        app.options().txtwl->clear();
        app.host.rnd.script = {0.0, 0.0, 0.0, 0.5, 0.5}; // the title, then one word
        enterText(poetry.txtlines, "10");
        QCOMPARE(poetry.txtp->toPlainText(), QString());
        QCOMPARE(poetry.lbltitle->text(), QString("CAT "));
        QCOMPARE(app.host.rnd.script.size(), 2);
        QCOMPARE(app.host.messages.size(), 0);

        // Ticking it needs a length, each time the user tries.
        const QString refusal
            = "You must put in a number in the 'number of letters in a word' box in the options.";
        poetry.chkli->setChecked(false);
        for (const char* length : {"", "0"}) {
            app.options().txtwl->setText(length);
            QTest::keyClick(poetry.chkli, Qt::Key_Space);
            QCOMPARE(poetry.chkli->isChecked(), false);
        }
        QCOMPARE(app.host.messageTexts(), QStringList(2, refusal));
    }

    void stanzaCountIsChecked_data() { addRows(kBadStanzas); }
    void stanzaCountIsChecked()
    {
        TestApp app({"a", "b", "c"}, {"X", "Y"});
        app.main().lstw->setSelectedPos(1);
        app.main().lstproper->setSelectedPos(-1);
        PoetryWindow& poetry = writePoem(app, "optu", "3");
        QCOMPARE(shapeOf(poetry).size(), 3);
        enterText(poetry.txtlines, rowOf(kBadStanzas).stanzas);
        QCOMPARE(poetry.txtlines->text() + poetry.txtp->toPlainText() + poetry.lbltitle->text(),
                 "");
        QCOMPARE(app.host.messageTexts(), QStringList{"I'm sorry, that values not appropiate."});
        QCOMPARE(app.host.messages[0].title, "Error");
        // Poems leave the lists' selections alone.
        QCOMPARE(app.main().lstw->selectedPos(), 1);
        QCOMPARE(app.main().lstproper->selectedPos(), -1);
    }

    void windowComesBackAsDesigned()
    {
        TestApp app({"a"});
        PoetryWindow* poetry = &writePoem(app, "optd", "2");
        // Ctrl+C copies exactly the part selected, line breaks as typed; Ctrl+Shift+C nothing.
        QTextCursor part(poetry->txtp->document());
        part.setPosition(2);
        part.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        poetry->txtp->setTextCursor(part);
        QTest::keyClick(poetry->txtp, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(app.host.clipboard, QString());
        QTest::keyClick(poetry->txtp, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(app.host.clipboard, QString("a\nA\n"));

        // The poem box follows the window's size, with the design's margins.
        poetry->resize(800, 600);
        QCOMPARE(poetry->txtp->geometry(), QRect(176, 72, 609, 510));
        poetry->resize(300, 250);
        QCOMPARE(poetry->txtp->geometry(), QRect(176, 72, 109, 160));

        poetry->chkli->setChecked(true);
        poetry->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app.forms.frmcbpLoaded());
        app.main().mnucbpoet->trigger();
        poetry = &app.forms.frmcbp();
        QVERIFY(poetry->isVisible());
        QCOMPARE(poetry->txtlines->text(), QString("10"));
        QVERIFY(poetry->optu->isChecked());
        QVERIFY(!poetry->chkli->isChecked());
        QCOMPARE(poetry->txtp->toPlainText() + poetry->lbltitle->text(), QString());
    }

    void longPoemsStop()
    {
        TestApp app({"a", "b"});
        app.forms.wordLimit = 20;
        // A line cut short by the limit is kept.
        app.host.inputs = {"1e9"};
        PoetryWindow& poetry = writePoem(app, "optr", "1e9");
        QCOMPARE(shapeOf(poetry), QList<int>{20});
        QCOMPARE(app.host.messageTexts(), QStringList{kMostWords});

        // The user's stop keeps the lines so far, the one being written included.
        app.host.messages.clear();
        app.forms.wordLimit = 1e7;
        int yields = 0;
        app.host.onYield = [&] {
            if (++yields == 4)
                QTest::keyClick(&app.forms.frmwork(), Qt::Key_Escape);
        };
        writePoem(app, "optu", "1e9");
        QCOMPARE(shapeOf(poetry), (QList<int>{1, 2, 3}));
        QCOMPARE(app.host.messages.size(), 0);
    }
};

QTEST_MAIN(TestPoetry)
#include "tst_poetry.moc"
