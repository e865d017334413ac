#include "sentences/TextLimits.h"
#include "support/TestCommon.h"

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

// clang-format off
const struct { const char *tag, *kind; QString stanzas, perLine; QList<int> shape; } kKinds[] = {
    {"rising", "optu", "4", "", {1, 2, 3, 4}},
    {"decreasing", "optd", "4", "", {4, 3, 2, 1}},
    {"rising 2.5", "optu", "2.5", "", {1, 2}},
    {"decreasing 2.5", "optd", "2.5", "", {2, 1}},
    {"rising -3", "optu", "-3", "", {}},
    {"repetitions", "optr", "2", "3", {3, 3}},
    {"repetitions 2.5", "optr", "2", "2.5", {2, 2}},
    {"repetitions below 1", "optr", "2", "0.5", {}},
    {"random of one", "optrnd", "3", "", {}}, // three lines of one to three words
};

// Every line of a rising poem of six stanzas must match the pattern.
const struct { const char* tag; QString letter, length, rule, pattern; } kFilters[] = {
    {"letter b", "b", "", "optnorm", "B[a-z]*( [bB][a-z]*)*"},
    {"length 2", "", "2", "optnorm", "[A-Z][a-z]( [a-z]{2})*"},
    {"upper", "", "", "optucase", "[A-Z]+( [A-Z]+)*"},
    {"capitals", "p", "", "optnorm", "Paris( Paris)*"},
    {"capitals, lower", "p", "", "optlcase", "paris( paris)*"},
};
// clang-format on

class TestPoetry : public QObject {
    Q_OBJECT
private slots:
    void kinds_data() { addRows(kKinds); }
    void kinds()
    {
        const auto& [tag, kind, stanzas, perLine, shape] = rowOf(kKinds);
        TestApp app({"moon", "June", "spoon", "tune"});
        app.host.inputs = {perLine};
        int yields = 0;
        app.host.onYield
            = [&] { yields += app.forms.frmwork().isVisible() && !app.forms.frmcbp().isVisible(); };
        PoetryWindow& poetry = writePoem(app, kind, stanzas);
        const QList<int> lengths = shapeOf(poetry);
        const bool random = kind == QByteArray("optrnd");
        QVERIFY(random ? lengths.size() == 3
                        && std::ranges::all_of(lengths, [](int n) { return n <= 3; })
                       : lengths == shape);
        QVERIFY(yields >= lengths.size() && poetry.isVisible() && !app.forms.frmwork().isVisible());
        // Lines of the words, the first capitalised; a title of one to five of them in capitals.
        static const QRegularExpression line("^(Moon|June|Spoon|Tune)( (moon|June|spoon|tune))*$");
        for (const QString& text : boxText(*poetry.txtp).split('\n', Qt::SkipEmptyParts))
            QVERIFY2(line.match(text).hasMatch(), qPrintable(text));
        QVERIFY(boxText(*poetry.txtp).isEmpty() || boxText(*poetry.txtp).endsWith('\n'));
        const QString title = poetry.lbltitle->text();
        QVERIFY2(QRegularExpression("^((MOON|JUNE|SPOON|TUNE) ){1,5}$").match(title).hasMatch(),
                 qPrintable(title));
    }

    void repetitionsAsksUntilANumber()
    {
        TestApp app({"a", "b"});
        app.host.inputs = {"", "0", "abc", "2"};
        PoetryWindow& poetry = writePoem(app, "optr", "1");
        QCOMPARE(shapeOf(poetry), QList<int>{2});
        QCOMPARE(app.host.inputPrompts.size(), 4);
        QCOMPARE(app.host.inputPrompts.first(), (QStringList{"How many words?", "Words", ""}));
        QCOMPARE(app.host.inputPrompts.last().last(), QString("abc"));
        // The answer outlives the window.
        poetry.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.host.inputs = {"3"};
        writePoem(app, "optr", "1");
        QCOMPARE(app.host.inputPrompts.last().last(), QString("2"));
    }

    void filtersAndCase_data() { addRows(kFilters); }
    void filtersAndCase()
    {
        const auto& [tag, letter, length, rule, pattern] = rowOf(kFilters);
        TestApp app({"bee", "Bat", "ox", "at", "cow", "paris"}, {"Paris"});
        app.options().txtword->setText(letter);
        app.options().txtwl->setText(length);
        app.options().findChild<QRadioButton*>(rule)->setChecked(true);
        app.options().chkc->setChecked(true);
        const QStringList lines
            = boxText(*writePoem(app, "optu", "6").txtp).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
        for (const QString& line : lines)
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
        // A length emptied after ticking stops the poem at its first word.
        app.options().txtwl->clear();
        enterText(poetry.txtlines, "10");
        QCOMPARE(poetry.txtp->toPlainText(), QString());
        QVERIFY(!poetry.lbltitle->text().isEmpty() && app.host.messages.isEmpty());

        // Ticking it needs a length.
        for (const char* length : {"", "0", "x"}) {
            poetry.chkli->setChecked(false);
            app.options().txtwl->setText(length);
            QTest::mouseClick(poetry.chkli, Qt::LeftButton);
            QVERIFY(!poetry.chkli->isChecked());
        }
        QCOMPARE(app.host.messageTexts(),
                 QStringList(3,
                             "You must put in a number in the 'number of letters in a word' box in "
                             "the options."));
    }

    void stanzaCountIsChecked()
    {
        TestApp app({"a", "b", "c"}, {"X", "Y"});
        app.main().lstw->setSelectedPos(1);
        app.main().lstproper->setSelectedPos(-1);
        for (const char* stanzas : {"", "0", "abc"}) {
            PoetryWindow& poetry = writePoem(app, "optu", "3");
            QCOMPARE(shapeOf(poetry).size(), 3);
            enterText(poetry.txtlines, stanzas);
            QCOMPARE(poetry.txtlines->text() + poetry.txtp->toPlainText() + poetry.lbltitle->text(),
                     "");
        }
        // Poems leave the lists' selections alone.
        QVERIFY(app.main().lstw->selectedPos() == 1 && app.main().lstproper->selectedPos() == -1);
        QCOMPARE(app.host.messageTexts(), QStringList(3, "I'm sorry, that values not appropiate."));
        QCOMPARE(app.host.messages.first().title, QString("Error"));
    }

    void windowComesBackAsDesigned()
    {
        TestApp app({"a"});
        PoetryWindow* poetry = &writePoem(app, "optd", "2");
        // Ctrl+C copies the selection; Ctrl+Shift+C does not.
        poetry->txtp->selectAll();
        QTest::keyClick(poetry->txtp, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(app.host.clipboard, QString());
        QTest::keyClick(poetry->txtp, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(app.host.clipboard, QString("A a\nA\n"));

        poetry->chkli->setChecked(true);
        poetry->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app.forms.frmcbpLoaded());
        app.main().mnucbpoet->trigger();
        poetry = &app.forms.frmcbp();
        QCOMPARE(poetry->txtlines->text(), QString("10"));
        QVERIFY(poetry->optu->isChecked() && !poetry->chkli->isChecked() && poetry->isVisible());
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
        QCOMPARE(shapeOf(poetry), (QList<int>{1, 2, 3}));
        QVERIFY(app.host.messages.isEmpty() && poetry.isVisible());
    }
};

QTEST_MAIN(TestPoetry)
#include "tst_poetry.moc"
