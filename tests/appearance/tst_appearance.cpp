#include "appearance/AboutWindow.h"
#include "appearance/Restyle.h"
#include "controls/UiFont.h"
#include "support/TestCommon.h"

// Per menu item: targets ("window" or "window.control") showing the choice, then the design's look.
// clang-format off
const struct { const char* tag; const char* item; QStringList showChoice, keepDesign; } kLooks[] = {
    {"font", "mnufont", {"frmcbox.txts", "frmcbox.cmdquit", "frmcbox.Label8", "frmcbp.optd",
                         "frmoptions.chkc", "frmfw.List2"},
                        {"frmcbox", "frmcbp", "frmabout", "frmoptions", "frmfw", "frmcbp.optu",
                         "frmcbp.optrnd", "frmoptions.txtdelim"}},
    {"text colour", "mnufcolor", {"frmcbox.lstw", "frmcbp.optu", "frmabout.Label2",
                                  "frmoptions.optnorm", "frmfw.Label1"},
                                 {"frmcbox", "frmcbp", "frmabout", "frmoptions", "frmfw",
                                  "frmcbox.cmdsave", "frmoptions.cmdok"}},
    {"background", "mnubgcolor", {"frmcbox", "frmcbp", "frmabout", "frmoptions", "frmfw",
                                  "frmcbox.Command1", "frmoptions.Check1", "frmabout.cmdleave",
                                  "frmfw.Command1"},
                                 {"frmcbox.txts", "frmcbp.txtp", "frmoptions.txtword"}},
};
// clang-format on

enum Look { ShowsTheChoice, KeepsTheDesign, Neither };

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void commandsReachTheirTargets_data() { addRows(kLooks); }
    void commandsReachTheirTargets()
    {
        const auto& [tag, item, showChoice, keepDesign] = rowOf(kLooks);
        TestApp app({"apple"});
        app.host.fonts = {QFont("DejaVu Serif", 10, QFont::Bold)};
        app.host.colors = {QColor(Qt::red)};
        app.main().findChild<QAction*>(item)->trigger();
        const bool font = item == QByteArray("mnufont"), back = item == QByteArray("mnubgcolor");
        const auto look = [&](const QWidget* c) {
            const QColor colour = c->isWindow()
                ? backColor(c) // painted behind the window's controls
                : c->palette().color(back ? QPalette::Button : QPalette::WindowText);
            if (font ? c->font().family() == "DejaVu Serif" && c->font().bold() : colour == Qt::red)
                return ShowsTheChoice;
            const bool set = c->isWindow()
                ? c->font() != uiFont(12) || colour.isValid()
                : c->testAttribute(font ? Qt::WA_SetFont : Qt::WA_SetPalette);
            return set ? Neither : KeepsTheDesign;
        };
        const QList<QWidget*> windows{&app.main(), &app.forms.frmcbp(), &app.forms.frmabout(),
                                      &app.options(), &app.forms.frmfw()};
        QStringList seen[3]; // the targets by the look they have
        for (const QString& name : showChoice + keepDesign) {
            const QStringList where = name.split('.');
            QWidget* window = *std::ranges::find(windows, where.first(), &QObject::objectName);
            QWidget* target = where.size() == 1 ? window : window->findChild<QWidget*>(where[1]);
            QVERIFY2(target, qPrintable(name));
            seen[look(target)] << name;
        }
        QCOMPARE(seen[ShowsTheChoice].join(", "), showChoice.join(", "));
        QCOMPARE(seen[KeepsTheDesign].join(", "), keepDesign.join(", "));
        // Windows are created to be restyled: the word-count window shows itself, the others
        // stay hidden, and one created afresh has its design look again.
        QVERIFY(app.forms.frmfw().isVisible());
        QVERIFY(!app.forms.frmcbp().isVisible());
        QVERIFY(!app.forms.frmabout().isVisible());
        app.forms.frmcbp().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.main().mnucbpoet->trigger();
        QCOMPARE(look(&app.forms.frmcbp()), KeepsTheDesign);
        QCOMPARE(look(app.forms.frmcbp().cmdpoem), KeepsTheDesign);
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
        QCOMPARE(font.italic(), true);
        QCOMPARE(font.bold(), false);
    }

    void aboutWindow()
    {
        TestApp app;
        QString help;
        QTimer::singleShot(0, &app.main(), [&] {
            help = app.forms.frmabout().Label2->text();
            QTest::mouseClick(app.forms.frmabout().cmdleave, Qt::LeftButton);
        });
        QTest::mouseClick(app.main().cmdabout, Qt::LeftButton);
        QVERIFY(!app.forms.frmaboutLoaded());
        QVERIFY(help.contains("\nWords are NOT case sensitive.  Therefore, IN = In = in.\n"));
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
