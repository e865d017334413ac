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

constexpr int kStillOpen = 3;
const QString kQuit = QStringLiteral("Quit?|Are you sure you want to quit?");
const QString kSave = QStringLiteral("Save?|Do you wish to save your changes?");
const QString kSaveDialog = QStringLiteral("Save text file...");
const QString kLoadDialog = QStringLiteral("Load text file...");

// Answers every modal dialog in turn and records what it asked: a message box
// as "title|text", a file dialog by its title. "Yes" and "No" answer a
// question; a file dialog takes any other answer as the file name to choose.
// A dialog past the answers is refused (No, Cancel), so a question too many
// shows in the record instead of waiting.
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
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            asked.append(box->windowTitle() + QLatin1Char('|') + box->text());
            QAbstractButton* button
                = box->button(given == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No);
            (button ? button : box->buttons().first())->click();
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            asked.append(files->windowTitle());
            if (given.isEmpty() || given == QLatin1String("No")) {
                files->reject();
            } else {
                files->selectFile(given);
                static_cast<QDialog*>(files)->accept(); // the dialog's own checks run
            }
        } else {
            asked.append(dialog->windowTitle());
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
    void closingThePoetryWindowStopsItsPoem();
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
    QFETCH(QStringList, asked);
    QFETCH(bool, ends);

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
            QCoreApplication::exit(kStillOpen);
    });
    const int code = QApplication::exec();

    QCOMPARE(answerer.asked, asked);
    QCOMPARE(code, ends ? 0 : kStillOpen);
    if (answers.contains("saved.txt")) {
        QCOMPARE(readFile(app.dir.filePath("saved.txt")), fileOf(main.lstw->entries()));
        QCOMPARE(readFile(app.dir.filePath("qblpn.txt")), fileOf(main.lstproper->entries()));
        QVERIFY(main.lstproper->count() > 0);
    }
}

void TestLifetime::closingThePoetryWindowStopsItsPoem()
{
    RealApp app({"alpha", "beta", "gamma"});
    MainWindow& main = app.forms.frmcbox();
    main.mnucbpoet->trigger();
    QPointer<PoetryWindow> poetry = &app.forms.frmcbp();
    poetry->txtlines->setText("3000");
    // Closed from inside the poem's event-loop turns, as the title-bar button would.
    QTimer::singleShot(0, poetry, [&] { poetry->close(); });
    poetry->cmdpoem->click();

    QVERIFY(poetry);
    QVERIFY(!poetry->isVisible());
    QVERIFY(boxPlainText(*poetry->txtp).count('\n') < 3000);
    QVERIFY(!app.forms.frmwork().isVisible());
    QVERIFY(main.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!poetry);
    QVERIFY(!app.forms.frmcbpLoaded());
}

void TestLifetime::oneLongOperationAtATime_data()
{
    QTest::addColumn<QString>("command");
    for (const char* command :
         {"learn", "load", "answer", "poem", "show poetry", "quit", "close main", "word counts"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

// While a poem is written the main window stays usable: a second long
// operation waits its turn, a short one runs inside the poem, and the working
// screen stays until the poem has ended.
void TestLifetime::oneLongOperationAtATime()
{
    QFETCH(QString, command);
    RealApp app({"alpha", "beta", "gamma"});
    MainWindow& main = app.forms.frmcbox();
    main.mnucbpoet->trigger();
    PoetryWindow& poetry = app.forms.frmcbp();
    WorkingScreen& work = app.forms.frmwork();
    poetry.txtlines->setText("3000");
    main.txtl->setPlainText("delta");
    main.txtw->setText("5");
    Answerer answerer;

    bool stillWorking = false;
    QTimer::singleShot(0, &main, [&] {
        if (command == "learn")
            QTest::keyClick(main.txtl, Qt::Key_Return);
        else if (command == "load")
            main.mnuload->trigger();
        else if (command == "answer")
            QTest::keyClick(main.txtw, Qt::Key_Return);
        else if (command == "poem")
            poetry.cmdpoem->click();
        else if (command == "show poetry")
            main.mnucbpoet->trigger();
        else if (command == "quit")
            main.cmdquit->click();
        else if (command == "close main")
            main.close();
        else
            main.Command1->click();
        stillWorking = work.isVisible() && !poetry.isVisible();
        QTest::keyClick(&work, Qt::Key_Escape);
    });
    poetry.cmdpoem->click();

    QVERIFY(stillWorking);
    QCOMPARE(answerer.asked, QStringList());
    QCOMPARE(main.lstw->entries(), QStringList({"alpha", "beta", "gamma"}));
    QCOMPARE(main.txtl->toPlainText(), QString("delta"));
    QVERIFY(main.txts->toPlainText().isEmpty());
    QVERIFY(boxPlainText(*poetry.txtp).count('\n') < 3000);
    QVERIFY(!work.isVisible());
    QVERIFY(poetry.isVisible());
    QVERIFY(main.isVisible());
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
    QFETCH(QStringList, learned);
    QFETCH(QString, kept);

    TestApp app;
    int words = 0;
    app.host.onYield = [&] {
        if (++words == stopAt)
            QTest::keyClick(&app.forms.frmwork(), Qt::Key_Escape);
    };
    enterText(app.main().txtl, text);
    QCOMPARE(entriesOf(app.main().lstw), learned);
    QCOMPARE(app.main().txtl->toPlainText(), kept);
}

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
