#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace quibbler;
using namespace quibbler::test;

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void personalityEnablesThePattern();
    void boxesTakeNoMoreThanTheirLength();
    void opensModalAndKeepsValues_data();
    void opensModalAndKeepsValues();
    void layoutAndTabOrder();
};

void TestOptions::defaults()
{
    TestApp app;
    OptionsWindow& options = app.options();
    QCOMPARE(options.windowTitle(), QString("Options"));
    QVERIFY(options.optnorm->isChecked());
    QVERIFY(!options.optlcase->isChecked());
    QVERIFY(!options.optucase->isChecked());
    QVERIFY(!options.chkc->isChecked());
    QVERIFY(options.Check1->isChecked());
    QCOMPARE(options.txtword->text(), QString());
    QCOMPARE(options.txtwl->text(), QString());
    QCOMPARE(options.txtpattern->text(), QString());
    QCOMPARE(options.cbopersonal->count(), 4);
    QCOMPARE(options.cbopersonal->itemText(3), QString("Custom (below)"));
    QCOMPARE(options.cbopersonal->currentText(), QString("Regular"));
    QCOMPARE(options.txtdelim->text().size(), 11);
}

void TestOptions::personalityEnablesThePattern()
{
    TestApp app;
    OptionsWindow& options = app.options();
    options.cbopersonal->setCurrentIndex(3);
    QVERIFY(options.txtpattern->isEnabled());
    options.txtpattern->setText("abc");
    for (int other : {2, 1, 0}) {
        options.cbopersonal->setCurrentIndex(other);
        QVERIFY(!options.txtpattern->isEnabled());
        QCOMPARE(options.txtpattern->text(), QString("abc"));
    }
}

void TestOptions::boxesTakeNoMoreThanTheirLength()
{
    TestApp app;
    OptionsWindow& options = app.options();
    QTest::keyClicks(options.txtword, "bq");
    QCOMPARE(options.txtword->text(), QString("b"));
    QTest::keyClicks(options.txtwl, "123");
    QCOMPARE(options.txtwl->text(), QString("12"));
}

void TestOptions::opensModalAndKeepsValues_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("byTitleBar");
    QTest::newRow("button, OK") << false << false;
    QTest::newRow("menu, OK") << true << false;
    QTest::newRow("button, title bar") << false << true;
}

void TestOptions::opensModalAndKeepsValues()
{
    QFETCH(bool, fromMenu);
    QFETCH(bool, byTitleBar);
    TestApp app;
    MainWindow& main = app.main();
    OptionsWindow& options = app.options();
    bool wasModal = false;
    QTimer::singleShot(0, &options, [&] {
        wasModal = QApplication::activeModalWidget() == &options;
        options.txtword->setText("q");
        options.optucase->setChecked(true);
        options.Check1->setChecked(false);
        options.txtdelim->setText("-");
        if (byTitleBar)
            options.close();
        else
            QTest::mouseClick(options.cmdok, Qt::LeftButton);
    });
    if (fromMenu)
        main.mnuoptions->trigger();
    else
        QTest::mouseClick(main.cmdopt, Qt::LeftButton);

    QVERIFY(wasModal);
    QVERIFY(!options.isVisible());
    QCOMPARE(&app.forms.frmoptions(), &options);
    QCOMPARE(options.txtword->text(), QString("q"));
    QVERIFY(options.optucase->isChecked());
    QVERIFY(!options.Check1->isChecked());
    // Learning reads the edited delimiters.
    enterText(main.txtl, "a-b c");
    QCOMPARE(main.lblwk->text(), QString("2"));
}

void TestOptions::layoutAndTabOrder()
{
    TestApp app;
    OptionsWindow& options = app.options();
    options.show();
    QStringList order;
    QWidget* control = options.optucase;
    for (int i = 0; i < 11; ++i, control = control->nextInFocusChain()) {
        while (control->focusPolicy() == Qt::NoFocus)
            control = control->nextInFocusChain();
        order.append(control->objectName());
    }
    QCOMPARE(order,
             (QStringList{"optucase", "optnorm", "optlcase", "cmdok", "chkc", "txtword",
                          "cbopersonal", "Check1", "txtpattern", "txtwl", "txtdelim"}));
    options.hide();
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
