#include "host/ListBox.h"
#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace quibbler;
using namespace quibbler::test;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void emptyFiles();
    void filesAreReadAsTheyStand();
    void missingFilesAreCreated();
    void unreadableFileIsReportedAndTheProgramStarts();
    void overfullFileIsCutAtTheLimit();
    void reseedsInOrder();
    void randomizerKeepsTheList_data();
    void randomizerKeepsTheList();
    void mainWindowLayout();
};

void TestStartup::emptyFiles()
{
    TestApp app;
    MainWindow& main = app.main();
    QCOMPARE(main.lstw->count(), 0);
    QCOMPARE(main.lstproper->count(), 0);
    QCOMPARE(main.lblwk->text(), QString("0"));
    QCOMPARE(main.lblpk->text(), QString("0"));
    QCOMPARE(main.lstw->selectedPos(), -1);
    QCOMPARE(main.lstproper->selectedPos(), -1);
    QCOMPARE(entriesOf(main.lstsw), QStringList{" "});
    QCOMPARE(main.lstsw->selectedPos(), 0);
    QVERIFY(!main.changed);
    QVERIFY(app.host.messages.isEmpty());

    // The options window is loaded hidden, with its defaults.
    OptionsWindow& options = app.options();
    QVERIFY(!options.isVisible());
    QVERIFY(options.optnorm->isChecked());
    QCOMPARE(options.cbopersonal->currentIndex(), 0);
    QVERIFY(!options.txtpattern->isEnabled());
    QCOMPARE(options.txtdelim->text(), QString(" ;.,!?:\r\n\t\""));

    QVERIFY(main.isVisible());
    QCOMPARE(main.windowTitle(), QString("Quibbler"));
    QCOMPARE(main.focusWidget(), main.txtw);
}

void TestStartup::filesAreReadAsTheyStand()
{
    // Repeated, empty and quoted-comma entries come in unchanged.
    TestApp app(RawFiles{}, "\"Dog\"\r\n\"dog\"\r\n\r\n\"a,b\"\r\n", fileOf({"Alice", "Bob"}));
    MainWindow& main = app.main();
    QCOMPARE(entriesOf(main.lstw), (QStringList{"Dog", "dog", "", "a,b"}));
    QCOMPARE(main.lblwk->text(), QString("4"));
    QCOMPARE(entriesOf(main.lstproper), (QStringList{"Alice", "Bob"}));
    QCOMPARE(main.lblpk->text(), QString("2"));
    QCOMPARE(main.lstw->selectedPos(), 0);
    QCOMPARE(main.lstproper->selectedPos(), 0);

    enterText(main.txtl, "DOG");
    QCOMPARE(main.lstw->count(), 4);
    QVERIFY(!main.changed);
}

void TestStartup::missingFilesAreCreated()
{
    QTemporaryDir dir;
    ScriptedHost host(dir.path());
    Forms forms(host);
    forms.start();
    for (const char* name : {"qblvocab.txt", "qblpn.txt"}) {
        QFile file(dir.filePath(name));
        QVERIFY2(file.exists(), name);
        QCOMPARE(file.size(), 0);
    }
    QVERIFY(host.messages.isEmpty());
}

void TestStartup::unreadableFileIsReportedAndTheProgramStarts()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("qblvocab.txt"));
    writeFile(dir.filePath("qblpn.txt"), fileOf({"Alice"}));
    ScriptedHost host(dir.path());
    Forms forms(host);
    forms.start();
    QCOMPARE(host.messages.size(), 1);
    QVERIFY2(host.messages.first().text.contains("qblvocab.txt"),
             qPrintable(host.messages.first().text));
    QVERIFY(forms.frmcbox().isVisible());
    QCOMPARE(forms.frmcbox().lstw->count(), 0);
    QCOMPARE(entriesOf(forms.frmcbox().lstproper), QStringList{"Alice"});
}

void TestStartup::overfullFileIsCutAtTheLimit()
{
    QStringList entries;
    for (int i = 0; i < ListBox::MaxEntries + 5; ++i)
        entries.append(QString::number(i));
    TestApp app(entries, entries);
    MainWindow& main = app.main();
    for (const ListBox* list : {main.lstw, main.lstproper}) {
        QCOMPARE(list->count(), ListBox::MaxEntries);
        QCOMPARE(list->entryAt(ListBox::MaxEntries - 1), QString::number(ListBox::MaxEntries - 1));
    }
    QCOMPARE(app.host.messageTexts(), (QStringList{kWordsFullMessage, kProperNounsFullMessage}));

    // Learning into a full list adds nothing and says so once per command.
    app.host.messages.clear();
    enterText(main.txtl, "new1 new2 new3");
    enterText(main.txtpn, "Newname, Other");
    QCOMPARE(main.lstw->count(), ListBox::MaxEntries);
    QCOMPARE(main.lstproper->count(), ListBox::MaxEntries);
    QCOMPARE(app.host.messageTexts(), (QStringList{kWordsFullMessage, kProperNounsFullMessage}));
    QVERIFY(!main.changed);
    QVERIFY(main.isVisible());
}

void TestStartup::reseedsInOrder()
{
    TestApp app;
    QCOMPARE(app.host.rnd.reseeds, (QStringList{"1000", "clock"}));
}

void TestStartup::randomizerKeepsTheList_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("selected");
    QTest::newRow("empty") << QStringList{} << -1;
    QTest::newRow("three, second selected") << QStringList{"a", "b", "c"} << 1;
    QTest::newRow("none selected") << QStringList{"a", "b"} << -1;
}

void TestStartup::randomizerKeepsTheList()
{
    QFETCH(QStringList, words);
    QFETCH(int, selected);
    TestApp app(words);
    MainWindow& main = app.main();
    main.lstw->setSelectedPos(selected);
    main.Randomizer();
    QCOMPARE(entriesOf(main.lstw), words);
    QCOMPARE(main.lstw->selectedPos(), selected);
    // The marker left nothing behind that a look-up could find.
    QCOMPARE(main.lstw->findIgnoringCase("!@#$%^&*()"), -1);
}

void TestStartup::mainWindowLayout()
{
    TestApp app;
    MainWindow& main = app.main();
    QCOMPARE(main.centralWidget()->size(), QSize(842, 620));
    QVERIFY(!main.lstsw->isVisible());
    QVERIFY(!main.List1->isVisible());

    // Tab order from the focus box through every control that takes focus.
    QStringList order;
    QWidget* control = main.txtw;
    for (int i = 0; i < 13; ++i, control = control->nextInFocusChain()) {
        while (control->focusPolicy() == Qt::NoFocus || !control->isVisible())
            control = control->nextInFocusChain();
        order.append(control->objectName());
    }
    QCOMPARE(order,
             (QStringList{"txtw", "lstw", "txts", "cmdsave", "cmdquit", "cmdabout", "txtl",
                          "cmdreset", "cmdopt", "lstproper", "txtpn", "Command1", "cmdload"}));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
