#include "appearance/AboutWindow.h"
#include "appearance/Restyle.h"
#include "controls/UiFont.h"
#include "support/TestCommon.h"

// What each command must restyle ("+") or leave alone ("-"): windows by name, and
// controls by window and name. A window's colour is the background behind its controls.
// clang-format off
const struct { const char* tag; const char* item; QStringList looks; } kTargets[] = {
    {"font", "mnufont", {"-frmcbox", "-frmcbp", "-frmabout", "-frmoptions", "-frmfw",
                         "+frmcbox.txts", "+frmcbox.cmdquit", "+frmcbox.Label8", "+frmcbp.optd",
                         "-frmcbp.optu", "-frmcbp.optrnd", "+frmoptions.chkc",
                         "-frmoptions.txtdelim", "+frmfw.List2"}},
    {"text colour", "mnufcolor", {"-frmcbox", "-frmcbp", "-frmabout", "-frmoptions", "-frmfw",
                                  "+frmcbox.lstw", "-frmcbox.cmdsave", "+frmcbp.optu",
                                  "+frmabout.Label2", "+frmoptions.optnorm", "-frmoptions.cmdok",
                                  "+frmfw.Label1"}},
    {"background", "mnubgcolor", {"+frmcbox", "+frmcbp", "+frmabout", "+frmoptions", "+frmfw",
                                  "-frmcbox.txts", "+frmcbox.Command1", "-frmcbp.txtp",
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
        const auto& [tag, item, looks] = rowOf(kTargets);
        TestApp app({"apple"});
        app.host.fonts = {QFont("DejaVu Serif", 10, QFont::Bold)};
        app.host.colors = {QColor(Qt::red)};
        app.main().findChild<QAction*>(item)->trigger();
        const bool font = item == QByteArray("mnufont"), back = item == QByteArray("mnubgcolor");
        // "+": shows the choice; "-": the design's look; "~": neither.
        const auto look = [&](const QWidget* c) {
            const QColor colour = c->isWindow()
                ? backColor(c)
                : c->palette().color(back ? QPalette::Button : QPalette::WindowText);
            if (font ? c->font().family() == "DejaVu Serif" && c->font().bold() : colour == Qt::red)
                return '+';
            const bool set = c->isWindow()
                ? c->font() != uiFont(12) || colour.isValid()
                : c->testAttribute(font ? Qt::WA_SetFont : Qt::WA_SetPalette);
            return set ? '~' : '-';
        };
        const QList<QWidget*> windows{&app.main(), &app.forms.frmcbp(), &app.forms.frmabout(),
                                      &app.options(), &app.forms.frmfw()};
        QStringList seen;
        for (const QString& entry : looks) {
            const QStringList where = entry.mid(1).split('.');
            QWidget* window = *std::ranges::find(windows, where.first(), &QObject::objectName);
            QWidget* control = window->findChild<QWidget*>(where.last());
            QVERIFY2(where.size() == 1 || control, qPrintable(entry));
            seen << look(where.size() == 1 ? window : control) + entry.mid(1);
        }
        QCOMPARE(seen, looks);
        // Windows are created to be restyled: the word-count window shows itself, the others
        // stay hidden, and one created afresh has its design look again.
        QVERIFY(app.forms.frmfw().isVisible());
        QVERIFY(!app.forms.frmcbp().isVisible());
        QVERIFY(!app.forms.frmabout().isVisible());
        app.forms.frmcbp().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.main().mnucbpoet->trigger();
        QCOMPARE(look(&app.forms.frmcbp()), '-');
        QCOMPARE(look(app.forms.frmcbp().cmdpoem), '-');
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
