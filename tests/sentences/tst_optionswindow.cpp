// The options window: a modal dialog whose controls keep their values.
#include "support/TestCommon.h"

class TestOptionsWindow : public QObject {
    Q_OBJECT
private slots:
    void optionsOpenModalAndKeepValues_data() { addTags({"button", "menu", "title bar"}); }
    void optionsOpenModalAndKeepValues()
    {
        const QByteArray how = QTest::currentDataTag();
        TestApp app;
        OptionsWindow& options = app.options();
        bool wasModal = false;
        QTimer::singleShot(0, &options, [&] {
            wasModal = QApplication::activeModalWidget() == &options;
            QTest::keyClicks(options.txtword, "qz");
            QTest::keyClicks(options.txtwl, "123");
            options.optucase->setChecked(true);
            options.Check1->setChecked(false);
            options.txtdelim->setText("-");
            how == "title bar" ? void(options.close())
                               : QTest::mouseClick(options.cmdok, Qt::LeftButton);
        });
        how == "menu" ? app.main().mnuoptions->trigger()
                      : QTest::mouseClick(app.main().cmdopt, Qt::LeftButton);
        QVERIFY(wasModal);
        QVERIFY(!options.isVisible());
        // The letter box takes one character, the length box two.
        QCOMPARE(options.txtword->text() + options.txtwl->text(), QString("q12"));
        QVERIFY(options.optucase->isChecked());
        QVERIFY(!options.Check1->isChecked());
        // Learning reads the edited delimiters.
        enterText(app.main().txtl, "a-b c");
        QCOMPARE(app.main().lstw->entries(), (QStringList{"a", "b c"}));
    }

    void onlyCustomEnablesThePattern()
    {
        TestApp app;
        app.options().txtpattern->setText("abc");
        app.options().cbopersonal->setCurrentIndex(3);
        QVERIFY(app.options().txtpattern->isEnabled());
        app.options().cbopersonal->setCurrentIndex(2);
        QVERIFY(!app.options().txtpattern->isEnabled());
        QCOMPARE(app.options().txtpattern->text(), QString("abc"));
    }
};

QTEST_MAIN(TestOptionsWindow)
#include "tst_optionswindow.moc"
