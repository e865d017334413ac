// Quitting, closing and long operations on the real Qt host: what Qt itself
// does on quit (closing every window), deferred deletes and nested event loops.
#include "support/RealHost.h"
#include "support/TestCommon.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

// Answers each modal dialog in turn, recording "title|text" of a message box or
// the title of another dialog. A file dialog takes an answer other than No as
// the file to choose; a dialog past the answers is refused, not left waiting.
class Answerer {
public:
    explicit Answerer(QStringList answers = {}) : m_answers(std::move(answers))
    {
        m_poll.callOnTimeout([this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible())
                return;
            const QString given = m_answers.isEmpty() ? QString() : m_answers.takeFirst();
            auto* box = qobject_cast<QMessageBox*>(dialog);
            auto* files = qobject_cast<QFileDialog*>(dialog);
            asked.append(box ? box->windowTitle() + '|' + box->text() : dialog->windowTitle());
            if (box) {
                QAbstractButton* button
                    = box->button(given == "Yes" ? QMessageBox::Yes : QMessageBox::No);
                (button ? button : box->buttons().first())->click();
            } else if (files && !given.isEmpty() && given != "No") {
                files->selectFile(given);
                static_cast<QDialog*>(files)->accept(); // with the dialog's own checks
            } else {
                dialog->close();
            }
        });
        m_poll.start(0);
    }
    QStringList asked;

private:
    QStringList m_answers;
    QTimer m_poll;
};

// clang-format off
const struct { const char* tag; void (*command)(MainWindow& m, PoetryWindow& p); } kMidPoem[] = {
    {"learn", [](MainWindow& m, PoetryWindow&) { QTest::keyClick(m.txtl, Qt::Key_Return); }},
    {"load", [](MainWindow& m, PoetryWindow&) { m.mnuload->trigger(); }},
    {"answer", [](MainWindow& m, PoetryWindow&) { QTest::keyClick(m.txtw, Qt::Key_Return); }},
    {"poem", [](MainWindow&, PoetryWindow& p) { p.cmdpoem->click(); }},
    {"show poetry", [](MainWindow& m, PoetryWindow&) { m.mnucbpoet->trigger(); }},
    {"quit", [](MainWindow& m, PoetryWindow&) { m.cmdquit->click(); }},
    {"close main", [](MainWindow& m, PoetryWindow&) { m.close(); }},
    {"word counts", [](MainWindow& m, PoetryWindow&) { m.Command1->click(); }},
    // The poem draws from the words and their cache: they change only after it.
    {"reset", [](MainWindow& m, PoetryWindow&) { m.cmdreset->click(); }},
    {"delete", [](MainWindow& m, PoetryWindow&) { m.lstw->setSelectedPos(1); QTest::keyClick(m.lstw, Qt::Key_Delete); }},
    {"first-letter count", [](MainWindow& m, PoetryWindow&) { m.mnufind->trigger(); }},
    // As the title-bar button would: the window goes once its poem has stopped.
    {"close poetry", [](MainWindow&, PoetryWindow& p) { p.close(); }},
};

const QString kQuit = u"Quit?|Are you sure you want to quit?"_s;
const QString kSave = u"Save?|Do you wish to save your changes?"_s;
const QString kSaved = u"Save text file..."_s;

// How: quit button, menu item or the window's close; taught: words, names and
// a load, in this order.
const struct QuitRow {
    const char* tag; QString how; QStringList taught, answers, asked; bool ends;
} kQuits[] = {
    {"quit, don't save", "button", {"words"}, {"Yes", "No"}, {kQuit, kSave}, true},
    {"menu, save cancelled", "menu", {"words"}, {"Yes", "Yes", "No"}, {kQuit, kSave, kSaved}, true},
    {"quit, no", "button", {"words"}, {"No"}, {kQuit}, false},
    {"nothing taught", "button", {}, {"Yes"}, {kQuit}, true},
    {"close, don't save", "close", {"words"}, {"No"}, {kSave}, true},
    {"close, saved", "close", {"words", "names"}, {"Yes", "saved.txt"}, {kSave, kSaved}, true},
    {"close, nothing taught", "close", {}, {}, {}, true},
    {"names, saved", "button", {"names"}, {"Yes", "Yes", "saved.txt"}, {kQuit, kSave, kSaved}, true},
    {"close, names only", "close", {"names"}, {"No"}, {kSave}, true},
    // A load learns words from a file: the names taught before it are still unsaved.
    {"names, then a load", "menu", {"names", "load"}, {"load.txt", "Yes", "No"},
     {"Load text file...", kQuit, kSave}, true},
};

// Escape is pressed at word stopAt.
const struct EscapeRow { const char* tag; QString text; int stopAt; QStringList learned; QString kept; }
kEscapes[] = {
    {"first word", "alpha beta", 1, {}, "alpha beta"},
    {"mid line", "alpha beta gamma", 3, {"alpha", "beta"}, "gamma"},
    {"last word", "alpha beta", 2, {"alpha"}, "beta"},
    {"between two delimiters", "alpha, beta", 2, {"alpha"}, " beta"},
    {"inside a line break", "alpha\nbeta", 2, {"alpha"}, "\nbeta"},
    {"next line", "alpha\nbeta\ngamma", 5, {"alpha", "beta"}, "gamma"},
    {"underscore", "New_York Paris", 2, {"New York"}, "Paris"},
};
// clang-format on

class TestLifetime : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void quitAsksOnce_data() { addRows(kQuits); }
    void quitAsksOnce()
    {
        const auto& [tag, how, taught, answers, asked, ends] = rowOf(kQuits);
        RealApp app;
        MainWindow& main = app.forms.frmcbox();
        writeFile(app.dir.filePath("load.txt"), "\"loaded\"\r\n");
        Answerer answerer(answers);
        if (taught.contains("words"))
            enterText(main.txtl, "word");
        if (taught.contains("names"))
            enterText(main.txtpn, "Alice");
        if (taught.contains("load"))
            main.mnuload->trigger();

        QTimer::singleShot(0, &main, [&] {
            if (how == "close")
                main.close();
            else if (how == "menu")
                main.mnuquit->trigger();
            else
                main.cmdquit->click();
            if (main.isVisible())
                QCoreApplication::exit(1); // still open
        });
        const int code = QApplication::exec();

        QCOMPARE(answerer.asked, asked);
        QCOMPARE(code == 0, ends);
        if (answers.contains("saved.txt")) {
            QCOMPARE(readFile(app.dir.filePath("saved.txt")),
                     taught.contains("words") ? "\"word\"\r\n" : "");
            QCOMPARE(readFile(app.dir.filePath("qblpn.txt")), "\"Alice\"\r\n");
        }
    }

    // While a poem is written the main window stays usable: a second long
    // operation, or a change to the words, waits its turn, a short one runs
    // inside the poem, and the working screen stays until the poem has ended.
    void oneLongOperationAtATime_data() { addRows(kMidPoem); }
    void oneLongOperationAtATime()
    {
        const auto& [tag, command] = rowOf(kMidPoem);
        const bool closing = tag == QLatin1String("close poetry");
        RealApp app({"alpha", "beta", "gamma"});
        MainWindow& main = app.forms.frmcbox();
        main.mnucbpoet->trigger();
        QPointer<PoetryWindow> poetry = &app.forms.frmcbp();
        WorkingScreen& work = app.forms.frmwork();
        poetry->txtlines->setText("3000");
        main.txtl->setPlainText("delta");
        main.txtw->setText("5");
        Answerer answerer;
        QList<bool> midway; // working screen shown, poetry window there, poetry window shown
        QTimer::singleShot(0, &main, [&] {
            command(main, *poetry);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            midway = {work.isVisible(), !poetry.isNull(), poetry && poetry->isVisible()};
            QTest::keyClick(&work, Qt::Key_Escape);
        });
        poetry->cmdpoem->click();

        QCOMPARE(midway, (QList<bool>{true, true, false}));
        QCOMPARE(answerer.asked, QStringList());
        QCOMPARE(main.lstw->entries(), QStringList({"alpha", "beta", "gamma"}));
        QCOMPARE(main.txtl->toPlainText() + '|' + main.txts->toPlainText(), "delta|");
        QVERIFY(poetry);
        QCOMPARE_LT(boxPlainText(*poetry->txtp).count('\n'), 3000);
        QCOMPARE(work.isVisible(), false);
        QCOMPARE(main.isVisible(), true);
        QCOMPARE(poetry->isVisible(), !closing);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(app.forms.frmcbpLoaded(), !closing);
    }

    // The words read before Escape stay learned; the rest stays in the box, to
    // be sent again.
    void escapeKeepsTheUnreadText_data() { addRows(kEscapes); }
    void escapeKeepsTheUnreadText()
    {
        const auto& [tag, text, stopAt, learned, kept] = rowOf(kEscapes);
        TestApp app;
        int words = 0;
        app.host.onYield = [&] {
            if (++words == stopAt)
                QTest::keyClick(&app.forms.frmwork(), Qt::Key_Escape);
        };
        enterText(app.main().txtl, text);
        QCOMPARE(app.main().lstw->entries(), learned);
        QCOMPARE(app.main().txtl->toPlainText(), kept);
        // Learned is learned: the words are counted and offered for saving.
        QCOMPARE(app.main().lblwk->text(), QString::number(learned.size()));
        QCOMPARE(app.main().changed, !learned.isEmpty());
    }
};

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
