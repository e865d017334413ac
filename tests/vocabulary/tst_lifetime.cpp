// Quitting, closing and long operations on the real Qt host: what Qt itself
// does on quit (closing every window), deferred deletes and nested event loops.
#include "host/ListBox.h"
#include "host/LongText.h"
#include "host/WrappingButtons.h"
#include "poetry/PoetryWindow.h"
#include "support/RealHost.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quibbler;
using namespace quibbler::test;

namespace {

const QString kQuit = QStringLiteral("Quit?|Are you sure you want to quit?");
const QString kSave = QStringLiteral("Save?|Do you wish to save your changes?");
const QString kSaveDialog = QStringLiteral("Save text file...");
const QString kLoadDialog = QStringLiteral("Load text file...");

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

class TestLifetime : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void quitAsksOnce_data();
    void quitAsksOnce();
    void oneLongOperationAtATime_data();
    void oneLongOperationAtATime();
    void escapeKeepsTheUnreadText_data();
    void escapeKeepsTheUnreadText();
};

void TestLifetime::quitAsksOnce_data()
{
    QTest::addColumn<QString>("how"); // quit button, menu item or the window's close
    QTest::addColumn<QStringList>("taught"); // words, names and a load, in this order
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("ends");

    using L = QStringList;
    QTest::newRow("quit, don't save")
        << "button" << L{"words"} << L{"Yes", "No"} << L{kQuit, kSave} << true;
    QTest::newRow("menu, save cancelled")
        << "menu" << L{"words"} << L{"Yes", "Yes", "No"} << L{kQuit, kSave, kSaveDialog} << true;
    QTest::newRow("quit, no") << "button" << L{"words"} << L{"No"} << L{kQuit} << false;
    QTest::newRow("nothing taught") << "button" << L{} << L{"Yes"} << L{kQuit} << true;
    QTest::newRow("close, don't save") << "close" << L{"words"} << L{"No"} << L{kSave} << true;
    QTest::newRow("close, saved") << "close" << L{"words", "names"} << L{"Yes", "saved.txt"}
                                  << L{kSave, kSaveDialog} << true;
    QTest::newRow("close, nothing taught") << "close" << L{} << L{} << L{} << true;
    QTest::newRow("names, saved") << "button" << L{"names"} << L{"Yes", "Yes", "saved.txt"}
                                  << L{kQuit, kSave, kSaveDialog} << true;
    // A load learns words from a file: the names taught before it are still unsaved.
    QTest::newRow("names, then a load")
        << "menu" << L{"names", "load"} << L{"load.txt", "Yes", "No"}
        << L{kLoadDialog, kQuit, kSave} << true;
}

void TestLifetime::quitAsksOnce()
{
    QFETCH(QString, how);
    QFETCH(QStringList, taught);
    QFETCH(QStringList, answers);

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

    QTEST(answerer.asked, "asked");
    QTEST(code == 0, "ends");
    if (answers.contains("saved.txt")) {
        QCOMPARE(readFile(app.dir.filePath("saved.txt")), fileOf(main.lstw->entries()));
        QCOMPARE(readFile(app.dir.filePath("qblpn.txt")), fileOf({"Alice"}));
    }
}

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

void TestLifetime::oneLongOperationAtATime_data()
{
    QTest::addColumn<int>("row");
    for (const MidPoem& row : kMidPoem)
        QTest::newRow(row.tag) << int(&row - kMidPoem);
}

// While a poem is written the main window stays usable: a second long
// operation waits its turn, a short one runs inside the poem, and the working
// screen stays until the poem has ended.
void TestLifetime::oneLongOperationAtATime()
{
    QFETCH(int, row);
    const bool closing = kMidPoem[row].tag == QLatin1String("close poetry");
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
        kMidPoem[row].command(main, *poetry);
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

void TestLifetime::escapeKeepsTheUnreadText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stopAt"); // the word at which Escape is pressed
    QTest::addColumn<QStringList>("learned");
    QTest::addColumn<QString>("kept");

    using L = QStringList;
    QTest::newRow("first word") << "alpha beta" << 1 << L{} << "alpha beta";
    QTest::newRow("mid line") << "alpha beta gamma" << 3 << L{"alpha", "beta"} << "gamma";
    QTest::newRow("last word") << "alpha beta" << 2 << L{"alpha"} << "beta";
    QTest::newRow("between two delimiters") << "alpha, beta" << 2 << L{"alpha"} << " beta";
    QTest::newRow("inside a line break") << "alpha\nbeta" << 2 << L{"alpha"} << "\nbeta";
    QTest::newRow("next line") << "alpha\nbeta\ngamma" << 5 << L{"alpha", "beta"} << "gamma";
    QTest::newRow("underscore") << "New_York Paris" << 2 << L{"New York"} << "Paris";
}

// The words read before Escape stay learned; the rest stays in the box, to be
// sent again.
void TestLifetime::escapeKeepsTheUnreadText()
{
    QFETCH(QString, text);
    QFETCH(int, stopAt);
    TestApp app;
    int words = 0;
    app.host.onYield = [&] {
        if (++words == stopAt)
            QTest::keyClick(&app.forms.frmwork(), Qt::Key_Escape);
    };
    enterText(app.main().txtl, text);
    QTEST(entriesOf(app.main().lstw), "learned");
    QTEST(app.main().txtl->toPlainText(), "kept");
}

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
