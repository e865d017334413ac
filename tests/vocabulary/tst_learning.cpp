#include "support/TestCommon.h"

#include <QAccessible>
#include <QProgressBar>

// What the store makes of the runs; how text is cut is in the cutting tests.
// clang-format off
const struct {
    const char* tag; QStringList known; QString text; QStringList after; int selected; bool changed;
} kLearn[] = {
    {"sentence", {}, "Hello, world! Hello again.", {"Hello", "world", "again"}, 2, true},
    // A new last word leaves the selection on the entry that was last when it was looked for.
    {"no trailing delimiter", {}, "Hello world", {"Hello", "world"}, 0, true},
    {"known word, other case", {"Hello", "cat"}, "hello", {"Hello", "cat"}, 0, false},
    {"first form kept", {}, "IN in In", {"IN"}, 0, true},
    {"empty box", {"x"}, "", {"x"}, 0, false},
    {"non-ASCII case", {"ÉCOLE"}, "école Straße", {"ÉCOLE", "Straße"}, 0, true},
    // Pasted: a no-break space is no delimiter; line and paragraph separators are line breaks.
    {"pasted separators", {}, u"a\u00A0b\u2028c\u2029d"_s, {u"a\u00A0b"_s, "c", "d"}, 1, true},
    {"every default delimiter", {}, "a b;c.d,e!f?g:h\ni\tj\"k",
     {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}, 9, true},
};

const struct {
    const char* tag; QStringList known; QString text; QStringList after; int selected;
} kNames[] = {
    {"punctuation", {}, "Alice, Bob. Carol", {"Alice", "Bob", "Carol"}, 1},
    {"known, other case", {"bob"}, "Bob", {"bob"}, 0},
    {"lines", {}, "Alice\nBob\nAlice", {"Alice", "Bob"}, 0},
};
// clang-format on

class TestLearning : public QObject {
    Q_OBJECT
private slots:
    void learn_data() { addRows(kLearn); }
    void learn()
    {
        const auto& [tag, known, text, after, selected, changed] = rowOf(kLearn);
        TestApp app(known);
        MainWindow& main = app.main();
        enterText(main.txtl, text);
        QCOMPARE(main.lstw->entries(), after);
        QCOMPARE(main.lblwk->text(), QString::number(after.size()));
        QCOMPARE(main.lstw->selectedPos(), selected);
        QCOMPARE(main.changed, changed);
        QCOMPARE(main.txtl->toPlainText(), QString());
        QCOMPARE(app.host.messageTexts(), QStringList());
    }

    // Without line breaks among the delimiters a word runs on across lines.
    void wordsRunAcrossLines()
    {
        TestApp app;
        app.options().txtdelim->setText(" ");
        enterText(app.main().txtl, "ab\ncd ef\n");
        QCOMPARE(app.main().lstw->entries(), (QStringList{"ab\r\ncd", "ef\r\n"}));
    }

    void workingScreenStandsInWhileLearning()
    {
        TestApp app;
        MainWindow& main = app.main();
        int seen = 0;
        app.host.onYield = [&] { seen += app.forms.frmwork().isVisible() && !main.isVisible(); };
        enterText(main.txtl, "a b c");
        QCOMPARE(seen, 3);

        // The label cycles from where it stood, ticking also while hidden.
        WorkingScreen& work = app.forms.frmwork();
        QVERIFY(work.Timer1->isActive());
        work.Timer1->stop();
        work.Form_Load();
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            tick(work.Timer1), shown.append(work.lblwork->text());
        QCOMPARE(shown.join('|'), "WORKING...|WORKING.|WORKING..|WORKING...");
    }

    // A job that runs long shows how far it is under the label, once it has run
    // half a second; a quick one shows no bar. Each row's clock moves by the
    // given milliseconds at every turn of the event loop.
    void workingScreenShowsHowFar_data()
    {
        QTest::addColumn<int>("msPerTurn");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("firstShown"); // in tenths of a percent
        for (const char* job : {"learn", "load", "answer", "poem"}) {
            QTest::addRow("%s, quick", job) << 0 << false << 0;
            QTest::addRow("%s, long", job) << 10 << true << -1;
        }
        // A load counts a piece as read while it learns its lines: the first
        // 1,048,576 bytes of a 2,400,000-byte file.
        QTest::addRow("load, first piece") << 1 << true << 436;
        // At half a second the 500th word is being made: 499 of 2,000 made.
        QTest::addRow("answer, a quarter") << 1 << true << 249;
    }
    void workingScreenShowsHowFar()
    {
        QFETCH(int, msPerTurn);
        QFETCH(bool, shown);
        QFETCH(int, firstShown);
        const QString job = QString(QTest::currentDataTag()).section(',', 0, 0);
        TestApp app({"a", "b"});
        MainWindow& main = app.main();
        WorkingScreen& work = app.forms.frmwork();
        QList<int> values; // what the bar showed at each turn, -1 while hidden
        app.host.onYield = [&] {
            values.append(work.prgwork->isVisible() ? work.prgwork->value() : -1);
            app.host.steady += msPerTurn;
        };
        if (job == "learn") {
            enterText(main.txtl, QString("word ").repeated(2000));
        } else if (job == "load") {
            writeFile(app.path("big.txt"), QByteArray("wordy\n").repeated(400'000));
            app.host.openPaths = {app.path("big.txt")};
            main.mnuload_Click();
        } else if (job == "answer") {
            ask(app, "2000");
        } else {
            main.mnucbpoet->trigger();
            enterText(app.forms.frmcbp().txtlines, "60");
        }
        const auto first = std::find_if(values.begin(), values.end(), [](int v) { return v >= 0; });
        QCOMPARE(first != values.end(), shown);
        if (!shown)
            return;
        QVERIFY2(first - values.begin() >= 500 / msPerTurn, "shown before half a second");
        if (firstShown >= 0)
            QCOMPARE(*first, firstShown);
        QVERIFY2(std::is_sorted(first, values.end()), "the bar went back");
        QVERIFY2(values.back() >= 900 && values.back() <= 1000,
                 qPrintable(QString::number(values.back())));
        QVERIFY2(std::count(first, values.end(), -1) == 0, "the bar hid during the job");

        // A screen reader hears what the bar shows.
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(work.prgwork);
        QCOMPARE(heard->text(QAccessible::Name), QString("Progress"));
        QCOMPARE(heard->valueInterface()->currentValue().toInt(), work.prgwork->value());

        // The next job starts without a bar, and a quick one shows none.
        values.clear();
        msPerTurn = 0;
        enterText(main.txtl, "x y z");
        QCOMPARE(values, QList<int>(3, -1));
    }

    void onlyEnterLearns()
    {
        TestApp app;
        MainWindow& main = app.main();
        QTest::keyClicks(main.txtl, "ab c");
        QCOMPARE(main.txtl->toPlainText(), QString("ab c"));
        QCOMPARE(main.lstw->count(), 0);
        QTest::keyClick(main.txtl, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(main.lstw->entries(), (QStringList{"ab", "c"}));

        // A box left holding a lone line break is emptied by the timer.
        main.txtl->setPlainText("\n");
        QVERIFY(main.Timer1->isActive());
        tick(main.Timer1);
        QCOMPARE(main.txtl->toPlainText(), QString());
        main.txtl->setPlainText("\nx");
        tick(main.Timer1);
        QCOMPARE(main.txtl->toPlainText(), QString("\nx"));
    }

    void properNouns_data() { addRows(kNames); }
    void properNouns()
    {
        const auto& [tag, known, text, after, selected] = rowOf(kNames);
        TestApp app({}, known);
        MainWindow& main = app.main();
        enterText(main.txtpn, text);
        QCOMPARE(main.lstproper->entries(), after);
        QCOMPARE(main.lblpk->text(), QString::number(after.size()));
        QCOMPARE(main.lstproper->selectedPos(), selected);
        QVERIFY(!main.changed); // names are saved apart
        QVERIFY(!app.forms.frmworkLoaded());
    }

    // Names typed one per line, with Enter or Shift+Enter: each key learns the
    // box, and the line break it then leaves only starts the next name.
    void namesTypedLineByLine()
    {
        TestApp app;
        QPlainTextEdit* box = app.main().txtpn;
        for (const QString& typed : {u"Alice⇧"_s, u"Bob⏎"_s, u"Carol⇧"_s, u"⇧"_s}) {
            QTest::keyClicks(box, typed.chopped(1));
            QTest::keyClick(box, Qt::Key_Return,
                            typed.endsWith(u'⇧') ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCOMPARE(app.main().lstproper->entries(), (QStringList{"Alice", "Bob", "Carol"}));
    }
};

QTEST_MAIN(TestLearning)
#include "tst_learning.moc"
