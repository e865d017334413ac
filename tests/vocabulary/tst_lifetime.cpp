// Quitting, closing and long operations on the real Qt host: what Qt itself
// does on quit (closing every window), deferred deletes and nested event loops.
#include "support/RealHost.h"
#include "support/TestCommon.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace {

// Answers each modal dialog in turn, recording "title|text" of a message box or
// the title of another dialog. A file dialog takes an answer other than No as
// the file to choose; a dialog past the answers is refused, not left waiting.
class Answerer {
public:
    explicit Answerer(QStringList answers = {}) : m_answers(std::move(answers))
    {
        m_poll.callOnTimeout([this] { answer(QApplication::activeModalWidget()); });
        m_poll.start(0);
    }
    QStringList asked;

private:
    void answer(QWidget* dialog)
    {
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
    }

    QStringList m_answers;
    QTimer m_poll;
};

} // namespace

struct MidPoem {
    const char* tag;
    void (*command)(MainWindow& main, PoetryWindow& poetry);
};
const MidPoem kMidPoem[] = {
    {"learn", [](MainWindow& main, PoetryWindow&) { QTest::keyClick(main.txtl, Qt::Key_Return); }},
    {"load", [](MainWindow& main, PoetryWindow&) { main.mnuload->trigger(); }},
    {"answer", [](MainWindow& main, PoetryWindow&) { QTest::keyClick(main.txtw, Qt::Key_Return); }},
    {"poem", [](MainWindow&, PoetryWindow& poetry) { poetry.cmdpoem->click(); }},
    {"show poetry", [](MainWindow& main, PoetryWindow&) { main.mnucbpoet->trigger(); }},
    {"quit", [](MainWindow& main, PoetryWindow&) { main.cmdquit->click(); }},
    {"close main", [](MainWindow& main, PoetryWindow&) { main.close(); }},
    {"word counts", [](MainWindow& main, PoetryWindow&) { main.Command1->click(); }},
    // As the title-bar button would: the window goes once its poem has stopped.
    {"close poetry", [](MainWindow&, PoetryWindow& poetry) { poetry.close(); }},
};

const QString kQuit = u"Quit?|Are you sure you want to quit?"_s;
const QString kSave = u"Save?|Do you wish to save your changes?"_s;
const QString kSaved = u"Save text file..."_s;

// clang-format off
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
        writeFile(app.dir.filePath("load.txt"), fileOf({"loaded"}));
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
            QCOMPARE(readFile(app.dir.filePath("saved.txt")), fileOf(main.lstw->entries()));
            QCOMPARE(readFile(app.dir.filePath("qblpn.txt")), fileOf({"Alice"}));
        }
    }

    // While a poem is written the main window stays usable: a second long
    // operation waits its turn, a short one runs inside the poem, and the working
    // screen stays until the poem has ended.
    void oneLongOperationAtATime_data() { addRows(kMidPoem); }
    void oneLongOperationAtATime()
    {
        const MidPoem& row = rowOf(kMidPoem);
        const bool closing = row.tag == QLatin1String("close poetry");
        RealApp app({"alpha", "beta", "gamma"});
        MainWindow& main = app.forms.frmcbox();
        main.mnucbpoet->trigger();
        QPointer<PoetryWindow> poetry = &app.forms.frmcbp();
        WorkingScreen& work = app.forms.frmwork();
        poetry->txtlines->setText("3000");
        main.txtl->setPlainText("delta");
        main.txtw->setText("5");
        Answerer answerer;

        bool stillWorking = false;
        QTimer::singleShot(0, &main, [&] {
            row.command(main, *poetry);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            stillWorking = work.isVisible() && poetry && !poetry->isVisible();
            QTest::keyClick(&work, Qt::Key_Escape);
        });
        poetry->cmdpoem->click();

        QVERIFY(stillWorking);
        QCOMPARE(answerer.asked, QStringList());
        QCOMPARE(main.lstw->entries(), QStringList({"alpha", "beta", "gamma"}));
        QVERIFY(main.txtl->toPlainText() == "delta" && main.txts->toPlainText().isEmpty());
        QVERIFY(poetry && boxPlainText(*poetry->txtp).count('\n') < 3000);
        QVERIFY(!work.isVisible() && main.isVisible() && poetry->isVisible() != closing);
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
    }
};

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
