#include "support/TestCommon.h"

const QString kImpossible = "I'm sorry, that's impossible";
const QString kMostWords = "Quibbler stopped at 10,000,000 words, the most he writes at once.";

// clang-format off
const struct { const char* tag; QString typed; double draw; QString shown; int n; } kCounts[] = {
    {"r", "r", 0.5365, "537", 537}, {"Rs", "Rs", 0.95, "10", 10}, {"rm", "rm", 0.999, "400", 400},
    {"rl", "rl", 0.9999, "9999", 9999}, {"RL", "RL", 0.5, "5000", 5000},
    {"fraction cut down", "2.9", 0.5, "2.9", 2}, {"number and text", "3 words", 0.5, "3 words", 3},
    {"negative", "-4", 0.5, "-4", 0}, {"below one", "0.5", 0.5, "0.5", 0},
    // Impossible counts: the box is emptied.
    {"zero", "0", 0.5, "", -1}, {"empty", "", 0.5, "", -1}, {"not a number", "abc", 0.5, "", -1},
    {"r with a blank", "r ", 0.5, "", -1},
};

const struct { const char* tag; const char* rule; bool capitals; QString answer; } kCases[] = {
    {"normal", "optnorm", false, "Dog paris mcdonald."},
    {"normal, capitals", "optnorm", true, "Dog Paris Mcdonald."},
    {"lower, capitals", "optlcase", true, "dog paris mcdonald."},
    {"upper", "optucase", false, "DOG PARIS MCDONALD."},
};

// An answer of 20,000 words is made in pieces; the rules hold over all of it:
// its first word, every other, and the last word placed.
const struct { const char* tag; const char* rule; bool capitals; QString word, first, rest, last; }
kLongAnswers[] = {
    {"normal", "optnorm", false, u"straße"_s, u"Straße"_s, u"straße"_s, u"straße"_s},
    {"upper", "optucase", false, u"straße"_s, u"STRASSE"_s, u"STRASSE"_s, u"straße"_s},
    {"lower", "optlcase", false, u"ÉCOLE"_s, u"école"_s, u"école"_s, u"ÉCOLE"_s},
    {"capitals", "optnorm", true, "paris", "Paris", "Paris", "Paris"},
};

// The answer drawn through the filters (the cache's rules: tst_models). Lengths
// count whole characters: an accent is no letter of its own.
const struct { const char* tag; QString letter, length, answer; } kFilters[] = {
    {"letter", "b", "", "Bat bee bat!"}, {"length", "", "4", u"Bird cafe\u0300 Bird!"_s},
    {"nobody fits", "q", "", ""},
};

// clang-format on

class TestAnswers : public QObject {
    Q_OBJECT
private slots:
    void count_data() { addRows(kCounts); }
    void count()
    {
        const auto& [tag, typed, draw, shown, words] = rowOf(kCounts);
        TestApp app({"dog", "cat"});
        app.host.rnd.script = {draw};
        const QString answer = ask(app, typed);
        QCOMPARE(app.main().txtw->text(), shown);
        QCOMPARE(app.host.messageTexts(), words < 0 ? QStringList{kImpossible} : QStringList());
        QCOMPARE(answer.isEmpty() ? 0 : answer.count(' ') + 1, std::max(words, 0));
        QVERIFY2(words <= 0 || QString(".!?").contains(answer.back()), qPrintable(answer));
    }

    void exactRegularAnswer()
    {
        TestApp app({"dog", "cat"});
        app.host.clock = QTime(13, 45, 30);
        app.host.rnd.script = {0.6, 0.1, 0.7, 0.9};
        int yields = 0;
        app.host.onYield
            = [&] { yields += app.forms.frmwork().isVisible() && !app.main().isVisible(); };
        QCOMPARE(ask(app, "3"), QString("Cat dog cat?"));
        QCOMPARE(yields, 3);
        QCOMPARE(app.main().curword, "cat");
        // Ctrl+C copies the selected part only.
        QTextCursor part = app.main().txts->textCursor();
        part.setPosition(4);
        part.setPosition(7, QTextCursor::KeepAnchor);
        app.main().txts->setTextCursor(part);
        QTest::keyClick(app.main().txts, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(app.host.clipboard, "dog");
        // Start-up seeds 1000, then the clock; each answer from the second,
        // then from second * hour - minute.
        QCOMPARE(app.host.rnd.reseeds, (QStringList{"1000", "clock", "30", "345"}));
    }

    void regularProperties()
    {
        TestApp app({"dog", "Cat", "emu", "owl"});
        QSet<QChar> marks;
        QSet<QString> seen, answers;
        // The clock stands still: reseeding from the same time must not repeat the answers.
        for (int i = 0; i < 300; ++i) {
            const QString answer = ask(app, "6");
            answers.insert(answer);
            marks.insert(answer.back());
            QVERIFY2(answer.front().isUpper(), qPrintable(answer));
            const QStringList drawn = answer.chopped(1).toLower().split(' ');
            seen.unite(QSet<QString>(drawn.cbegin(), drawn.cend()));
        }
        QCOMPARE(marks, (QSet<QChar>{'.', '!', '?'}));
        QCOMPARE(seen, (QSet<QString>{"dog", "cat", "emu", "owl"}));
        QVERIFY2(answers.size() >= 290, qPrintable(QString::number(answers.size())));
    }

    void caseAndCapitals_data() { addRows(kCases); }
    void caseAndCapitals()
    {
        const auto& [tag, rule, capitals, answer] = rowOf(kCases);
        TestApp app({"dog", "paris", "mcdonald"}, {"Rome", "Paris", "McDonald"});
        app.options().findChild<QRadioButton*>(rule)->setChecked(true);
        app.options().chkc->setChecked(capitals);
        app.host.rnd.script = {0.1, 0.5, 0.9, 0.0};
        QCOMPARE(ask(app, "3"), answer);
    }

    void longAnswerRules_data() { addRows(kLongAnswers); }
    void longAnswerRules()
    {
        const auto& [tag, rule, capitals, word, first, rest, last] = rowOf(kLongAnswers);
        TestApp app({word}, {"Paris"});
        app.options().findChild<QRadioButton*>(rule)->setChecked(true);
        app.options().chkc->setChecked(capitals);
        const QString answer = ask(app, "20000");
        QCOMPARE(answer.chopped(1), first + QString(' ' + rest).repeated(19999));
        QCOMPARE(app.main().curword, last);
    }

    void filters_data() { addRows(kFilters); }
    void filters()
    {
        const auto& [tag, letter, length, answer] = rowOf(kFilters);
        TestApp app({"bat", "Bird", "cat", "bee", u"😀smile"_s, u"cafe\u0300"_s, "cow"});
        app.options().txtword->setText(letter);
        app.options().txtwl->setText(length);
        app.host.rnd.script = {0.0, 0.9, 0.0, 0.5};
        QCOMPARE(ask(app, "3"), answer);
    }

    void nothingWithoutWords()
    {
        TestApp app;
        setBoxText(*app.main().txts, "ab\r\n");
        app.main().txts->setPlainText("ea\nrlier");
        QCOMPARE(ask(app, "5"), QString("ea\nrlier"));
        QCOMPARE(app.host.messageTexts(), QStringList());
        QVERIFY(!app.forms.frmworkLoaded());
    }

    void userStopsALongAnswer_data() { addTags({"Escape", "closing the working screen"}); }
    void userStopsALongAnswer()
    {
        const bool byClosing = QByteArray(QTest::currentDataTag()) != "Escape";
        TestApp app({"dog", "cat"});
        int yields = 0;
        bool shownMeanwhile = false;
        app.host.onYield = [&] {
            WorkingScreen& work = app.forms.frmwork();
            if (++yields == (byClosing ? 40000 : 3)) {
                shownMeanwhile = !app.main().txts->document()->isEmpty();
                byClosing ? void(work.close()) : QTest::keyClick(&work, Qt::Key_Escape);
            }
        };
        // The words built before that turn (some already in the box) end as usual.
        const QString answer = ask(app, "1000000");
        QCOMPARE(shownMeanwhile, byClosing);
        QCOMPARE(answer.count(' '), byClosing ? 39998 : 1);
        QVERIFY2(QString(".!?").contains(answer.back()), qPrintable(answer));
        QVERIFY(app.main().isVisible());
        QVERIFY(!app.forms.frmwork().isVisible());
        // The next answer is not stopped by the last one's request.
        app.host.onYield = [] {};
        QCOMPARE(ask(app, "5").count(' '), 4);
    }

    void answerStopsAtTheWordLimit()
    {
        TestApp app({"dog", "cat"});
        app.forms.wordLimit = 50;
        QCOMPARE(ask(app, "1e12").count(' '), 49);
        app.options().cbopersonal->setCurrentIndex(3);
        app.options().txtpattern->setText(QString(80, 'd'));
        QCOMPARE(ask(app, "1").count(' '), 50);
        QCOMPARE(app.host.messageTexts(), (QStringList{kMostWords, kMostWords}));
    }
};

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
