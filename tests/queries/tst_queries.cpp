#include "queries/LetterRows.h"
#include "support/TestCommon.h"

// clang-format off
const struct { const char* tag; int count; double total; QString row; } kRows[] = {
    {"12 of 40", 12, 40, "A- 12  30%"}, {"1 of 300", 1, 300, "A- 1  .3%"},
    {"0 of 0", 0, 1e-06, "A- 0  0%"}, {"1 of 16, half to even", 1, 16, "A- 1  6.2%"},
    {"3 of 16, half to even", 3, 16, "A- 3  18.8%"}, {"2 of 3", 2, 3, "A- 2  66.7%"},
    {"all", 7, 7, "A- 7  100%"},
};

// Words: tea Tiger toe tomato cab Abba ab; names: Mary mike Bob. The first letter is "z" before.
const struct {
    const char* tag; const char* item; QString answer, length, message, title, letterAfter;
} kCounts[] = {
    {"words by letter", "mnufind", "tea", "", "4 instances found.", "Results", "t"},
    {"words by letter and length", "mnufind", "T", "3", "2 instances found.", "Results", "T"},
    // An empty answer clears the letter, and every word counts.
    {"words, cancel", "mnufind", "", "", "7 instances found.", "Results", ""},
    {"names by letter", "mnufproper", "m", "", "2 instances found.", "Results", "z"},
    {"names, cancel", "mnufproper", "", "", "0 instances found.", "Results", "z"},
    {"containing, with case", "mnucontain", "ab", "", " 2 word(s) contain ab", "", "z"},
    {"containing nothing", "mnucontain", "xyz", "", " 0 word(s) contain xyz", "", "z"},
};

// Words: dog Cat bird, the last selected; names: Rome Paris, none selected.
const struct {
    const char* tag; const char* item; QString answer; int selected; QString message;
} kFinds[] = {
    {"first word", "mnufindw", "dog", 0, ""},
    {"capitals", "mnufindw", "CAT", 1, ""},
    {"missing word", "mnufindw", "emu", 2, "Word not found"},
    {"empty answer", "mnufindw", "", 2, "Word not found"},
    {"proper noun", "mnufindp", "paris", 1, ""},
    {"missing proper noun", "mnufindp", "Oslo", -1, "Proper noun not found"},
};

// -2: refused.
const struct { const char* tag; QString answer; int selected; } kJumps[] = {
    {"1", "1", 0}, {"count", "4", 3}, {"2.5 rounds to even", "2.5", 2}, {"0.5", "0.5", 0},
    {"0.3 clears", "0.3", -1}, {"number then letters", "2nd", 1}, {"blanks first", "  2", 1},
    {"past the end", "5", -2}, {"zero", "0", -2}, {"negative", "-1", -2}, {"word", "two", -2},
    {"cancel", "", -2},
};
// clang-format on

class TestQueries : public QObject {
    Q_OBJECT
private slots:
    void rows_data() { addRows(kRows); }
    void rows()
    {
        const auto& [tag, count, total, row] = rowOf(kRows);
        QCOMPARE(letterRow('A', count, total), row);
    }

    void counts_data() { addRows(kCounts); }
    void counts()
    {
        const auto& [tag, item, answer, length, message, title, letterAfter] = rowOf(kCounts);
        TestApp app({"tea", "Tiger", "toe", "tomato", "cab", "Abba", "ab"},
                    {"Mary", "mike", "Bob"});
        MainWindow& main = app.main();
        app.options().txtword->setText("z");
        app.options().txtwl->setText(length);
        main.lstw->setSelectedPos(1);
        main.lstproper->setSelectedPos(2);
        app.host.inputs = {answer};
        main.findChild<QAction*>(item)->trigger();
        QCOMPARE(app.host.messageTexts(), QStringList{message});
        QCOMPARE(app.host.messages.first().title, title);
        QCOMPARE(app.options().txtword->text(), letterAfter);
        QCOMPARE(app.forms.frmworkLoaded(), item != QByteArray("mnufproper"));
        // The contain count leaves the words on their last entry; the others put it back.
        QCOMPARE(main.lstw->selectedPos(), item == QByteArray("mnucontain") ? 6 : 1);
        QCOMPARE(main.lstproper->selectedPos(), 2);
    }

    // Words learned after a draw that still fits the letter count too.
    void countSeesWordsLearnedSinceTheLastDraw()
    {
        TestApp app({"bat", "cat"});
        app.options().txtword->setText("b");
        enterText(app.main().txtw, "1");
        enterText(app.main().txtl, "bee bog");
        app.host.inputs = {"b"};
        app.main().mnufind->trigger();
        QCOMPARE(app.host.messageTexts(), QStringList{"3 instances found."});
    }

    void find_data() { addRows(kFinds); }
    void find()
    {
        const auto& [tag, item, answer, selected, message] = rowOf(kFinds);
        TestApp app({"dog", "Cat", "bird"}, {"Rome", "Paris"});
        MainWindow& main = app.main();
        main.lstw->setSelectedPos(2);
        main.lstproper->setSelectedPos(-1);
        app.host.inputs = {answer};
        main.findChild<QAction*>(item)->trigger();
        QCOMPARE((item == QByteArray("mnufindp") ? main.lstproper : main.lstw)->selectedPos(),
                 selected);
        QCOMPARE(app.host.messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(app.host.inputPrompts.first().at(1), QString("Find?"));
    }

    // Each row for both lists, of four entries with the second selected.
    void jump_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("row");
        for (const char* item : {"mnujw", "mnujpn"})
            for (int i = 0; i < int(std::size(kJumps)); ++i)
                QTest::addRow("%s %s", item, kJumps[i].tag) << QString(item) << i;
    }
    void jump()
    {
        QFETCH(QString, item);
        const auto& [tag, answer, selected] = rowOf(kJumps);
        const QStringList four{"a", "b", "c", "d"};
        TestApp app(four, four);
        ListBox* list = item == "mnujw" ? app.main().lstw : app.main().lstproper;
        list->setSelectedPos(1);
        app.host.inputs = {answer};
        app.main().findChild<QAction*>(item)->trigger();
        QCOMPARE(list->selectedPos(), selected == -2 ? 1 : selected);
        QCOMPARE(app.host.messageTexts(),
                 selected == -2 ? QStringList{"Invalid input."} : QStringList());
    }

    void wordCountWindow()
    {
        // Words that start with no letter A to Z count in the whole only: an A
        // with an accent after it is no A, and an empty entry starts with nothing.
        TestApp app({"apple", "Ant", "banana", "7up", "éclair", u"A\u0300ngel"_s, ""}, {"Quinn"});
        MainWindow& main = app.main();
        main.lstw->setSelectedPos(4);
        main.lstproper->setSelectedPos(-1);
        QTest::mouseClick(main.Command1, Qt::LeftButton);
        WordCountWindow* window = &app.forms.frmfw();
        QVERIFY(window->isVisible());
        QVERIFY(main.isVisible());
        QCOMPARE(window->Label1->text(), "Words" + QString(23, ' ') + "Proper Nouns");
        QCOMPARE(window->List1->item(0)->text(), QString("A- 2  28.6%"));
        QCOMPARE(window->List2->item(16)->text(), QString("Q- 1  100%"));
        QCOMPARE(main.lstw->selectedPos(), 4);
        QCOMPARE(main.lstproper->selectedPos(), -1);

        // A snapshot: learning changes nothing until F5, in either list.
        enterText(main.txtl, "bee");
        QTest::mouseClick(main.Command1, Qt::LeftButton);
        QCOMPARE(&app.forms.frmfw(), window);
        QCOMPARE(window->List1->item(1)->text(), QString("B- 1  14.3%"));
        QTest::keyClick(window->List2, Qt::Key_F5);
        QTest::keyClick(window->List1, Qt::Key_F5);
        QCOMPARE(window->List1->count(), 26);
        QCOMPARE(window->List2->count(), 26);
        QCOMPARE(window->List1->item(1)->text(), QString("B- 2  25%"));

        // Closing destroys it; opening again computes afresh.
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app.forms.frmfwLoaded());
        main.lstw->clearAll();
        QTest::mouseClick(main.Command1, Qt::LeftButton);
        QCOMPARE(app.forms.frmfw().List1->item(0)->text(), QString("A- 0  0%"));
    }
};

QTEST_MAIN(TestQueries)
#include "tst_queries.moc"
