#include "appearance/AboutWindow.h"
#include "appearance/Restyle.h"
#include "host/UiFont.h"
#include "support/TestCommon.h"

// Controls each command must restyle ("+") or leave alone ("-"), by window and name.
// clang-format off
const struct { const char* tag; const char* item; QStringList controls; } kTargets[] = {
    {"font", "mnufont", {"+frmcbox.txts", "+frmcbox.cmdquit", "+frmcbox.Label8", "+frmcbp.optd",
                         "-frmcbp.optu", "-frmcbp.optrnd", "+frmoptions.chkc",
                         "-frmoptions.txtdelim", "+frmfw.List2"}},
    {"text colour", "mnufcolor", {"+frmcbox.lstw", "-frmcbox.cmdsave", "+frmcbp.optu",
                                  "+frmabout.Label2", "+frmoptions.optnorm", "-frmoptions.cmdok",
                                  "+frmfw.Label1"}},
    {"background", "mnubgcolor", {"-frmcbox.txts", "+frmcbox.Command1", "-frmcbp.txtp",
                                  "+frmoptions.Check1", "-frmoptions.txtword", "+frmabout.cmdleave",
                                  "+frmfw.Command1"}},
};
// clang-format on

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void commandsReachTheirTargets_data() { addRows(kTargets); }
    void commandsReachTheirTargets()
    {
        const auto& [tag, item, controls] = rowOf(kTargets);
        TestApp app({"apple"});
        QFont chosen("DejaVu Serif", 10);
        chosen.setBold(true);
        app.host.fonts = {chosen};
        app.host.colors = {QColor(Qt::red)};
        app.main().findChild<QAction*>(item)->trigger();
        const bool font = item == QByteArray("mnufont"), back = item == QByteArray("mnubgcolor");
        const QList<QWidget*> windows{&app.main(), &app.forms.frmcbp(), &app.forms.frmabout(),
                                      &app.options(), &app.forms.frmfw()};
        for (QWidget* window : windows) {
            // Windows keep their own font; a window's background is its own colour.
            QCOMPARE(window->font(), uiFont(12));
            QCOMPARE(backColor(window), back ? QColor(Qt::red) : QColor());
        }
        for (const QString& entry : controls) {
            const QStringList where = entry.mid(1).split('.');
            QWidget* window = *std::ranges::find(windows, where.first(), &QObject::objectName);
            QWidget* control = window->findChild<QWidget*>(where.last());
            QVERIFY2(control, qPrintable(entry));
            const bool styled = entry.startsWith('+');
            const auto role = back ? QPalette::Button : QPalette::WindowText;
            const bool set = font ? control->testAttribute(Qt::WA_SetFont)
                                  : control->testAttribute(Qt::WA_SetPalette);
            QVERIFY2(set == styled, qPrintable(entry));
            if (styled && font)
                QVERIFY2(control->font().family() == "DejaVu Serif" && control->font().bold(),
                         qPrintable(entry));
            else if (styled)
                QVERIFY2(control->palette().color(role) == Qt::red, qPrintable(entry));
        }
        // Windows are created to be restyled: the word-count window shows itself, the others stay
        // hidden, and one created afresh has its design look again.
        QVERIFY(app.forms.frmfw().isVisible() && !app.forms.frmcbp().isVisible());
        QVERIFY(!app.forms.frmabout().isVisible());
        app.forms.frmcbp().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.main().mnucbpoet->trigger();
        QCOMPARE(backColor(&app.forms.frmcbp()), QColor());
        QVERIFY(
            !app.forms.frmcbp().cmdpoem->testAttribute(font ? Qt::WA_SetFont : Qt::WA_SetPalette));
    }

    void cancelAppliesWhatTheDialogHeld()
    {
        TestApp app;
        MainWindow& main = app.main();
        // Nothing confirmed yet: black.
        main.mnubgcolor->trigger();
        QCOMPARE(main.cmdsave->palette().color(QPalette::Button), QColor(Qt::black));
        // The text colour's choice is what a cancelled background dialog applies.
        app.host.colors = {QColor(Qt::blue)};
        main.mnufcolor->trigger();
        main.mnubgcolor->trigger();
        QCOMPARE(main.cmdsave->palette().color(QPalette::Button), QColor(Qt::blue));

        // A cancelled font dialog gives the design face at 12 points with the last style flags.
        QFont italic("DejaVu Serif", 20);
        italic.setItalic(true);
        app.host.fonts = {italic};
        main.mnufont->trigger();
        main.mnufont->trigger();
        const QFont font = main.txts->font();
        QCOMPARE(font.family(), uiFont(12).family());
        QCOMPARE(font.pointSizeF(), uiFont(12).pointSizeF());
        QVERIFY(font.italic() && !font.bold());
    }

    void aboutWindow()
    {
        TestApp app;
        QString help;
        bool modal = false;
        QTimer::singleShot(0, &app.main(), [&] {
            AboutWindow& about = app.forms.frmabout();
            modal = QApplication::activeModalWidget() == &about;
            help = about.Label2->text();
            QTest::mouseClick(about.Command1, Qt::LeftButton);
            QTest::mouseClick(about.cmdleave, Qt::LeftButton);
        });
        QTest::mouseClick(app.main().cmdabout, Qt::LeftButton);
        QVERIFY(modal && !app.forms.frmaboutLoaded());
        QVERIFY(help.contains("\nWords are NOT case sensitive.  Therefore, IN = In = in.\n"));
        // "What's new" is a message box of its own.
        QCOMPARE(app.host.messages.size(), 1);
        const QStringList news = app.host.messages.first().text.split('\n');
        QCOMPARE(app.host.messages.first().title + '|' + news.first() + '|' + news.last(),
                 "Quibbler|New in version 1.3:|-Custom delimiters");
        QCOMPARE(news.size(), 8);
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
