// Windows on the real Qt host: where they open and come back after a long operation,
// what dialogs stand over, Enter on buttons, the font dialog's preset and tooltips.
#include "appearance/AboutWindow.h"
#include "controls/Tooltips.h"
#include "support/RealHost.h"
#include "support/TestCommon.h"

#include <QInputDialog>
#include <QScreen>
#include <QTemporaryFile>
#include <QToolTip>
#include <QWindow>

// Closes a dialog; the Repetitions question gets an answer, which it insists on.
void dismiss(QWidget* dialog)
{
    if (auto* input = qobject_cast<QInputDialog*>(dialog))
        input->setTextValue("1"), input->accept();
    else
        qobject_cast<QDialog*>(dialog)->reject();
}

// The windows a window stands over, nearest first: "frmabout > frmcbox".
QString owners(const QWidget* window)
{
    QStringList chain;
    for (QWindow* up = window->windowHandle()->transientParent(); up; up = up->transientParent())
        chain.append(QWidget::find(up->winId())->objectName());
    return chain.join(" > ");
}

// How far a frame is off the centre of an area, in pixels along both axes.
int offCentre(const QRect& frame, const QRect& area)
{
    return qAbs(frame.left() - area.left() - (area.right() - frame.right()))
        + qAbs(frame.top() - area.top() - (area.bottom() - frame.bottom()));
}

// clang-format off
// What is opened, if anything, and the button that then gets Enter, if one is named. Seen: what
// the dialog that shows stands over and the title its window gets, "closed" or "poem".
enum Opens { Options, About, WhatsNew, Repetitions, Untitled, Font, Nothing, WordCounts, Poetry };
const struct { const char* tag; Opens open; QString button; bool keypad; QString seen; }
    kDialogs[] = {
    {"options window", Options, "", false, "frmcbox [Options]"},
    {"about window", About, "", false, "frmcbox [Quibbler About]"},
    {"message box of the about window", WhatsNew, "", false, "frmabout > frmcbox [Quibbler]"},
    {"Repetitions, asked during the poem", Repetitions, "", false, "frmwork > frmcbox [Words]"},
    // An empty title would make the window system show the program's name.
    {"message box with an empty title", Untitled, "", false, "frmcbox [ ]"},
    {"Enter on Quit", Nothing, "cmdquit", false, "frmcbox [Quit?]"},
    {"keypad Enter on Quit", Nothing, "cmdquit", true, "frmcbox [Quit?]"},
    {"Enter on GO BACK", About, "cmdleave", false, "closed"},
    {"Enter on the word counts' Close", WordCounts, "Command1", false, "closed"},
    {"Enter on Make with the art", Poetry, "cmdpoem", false, "poem"},
    // The dialog starts from the look shown: OK without a change keeps it, as Cancel does.
    {"font dialog, OK", Font, "OK", false, "frmcbox [Select Font] look kept"},
    {"font dialog, Cancel", Font, "Cancel", false, "frmcbox [Select Font] look kept"},
};

const struct { const char* tag; QString word; } kLongWords[] = {
    {"one long word", QString(3000, 'w')}, {"many short words", QString("New York ").repeated(300)},
    // Measured whole, a word this long came back whole, megabytes wide.
    {"five million letters", QString(5'000'000, 'x')}};
// clang-format on

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void openWhereTheyBelong()
    {
        RealApp app({"apple", "banana"});
        MainWindow& main = app.forms.frmcbox();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.cmdreset->toolTip(), QString("Clear all of Quibbler's known words"));
        const QRect screen = main.screen()->availableGeometry();
        QVERIFY(screen.contains(main.frameGeometry()));
        QCOMPARE_LE(offCentre(main.frameGeometry(), screen), 2);

        // The working screen stands in meanwhile; the main window comes back where it stood.
        main.move(40, 30);
        main.txtl->setPlainText("words to learn");
        QTest::keyClick(main.txtl, Qt::Key_Return);
        QCOMPARE(main.pos(), QPoint(40, 30));
        QCOMPARE_LE(offCentre(app.forms.frmwork().frameGeometry(), main.frameGeometry()), 2);

        // F5 shows the main window, then the list on top; Ctrl+P brings poetry back up.
        main.mnucbpoet->trigger();
        main.Command1->click();
        QTest::keyClick(app.forms.frmfw().List1, Qt::Key_F5);
        QVERIFY(QTest::qWaitForWindowActive(&app.forms.frmfw()));
        main.mnucbpoet->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&app.forms.frmcbp()));
    }

    void dialogsAndButtons_data() { addRows(kDialogs); }
    void dialogsAndButtons()
    {
        const auto& [tag, open, button, keypad, expected] = rowOf(kDialogs);
        RealApp app({"alpha", "beta", "gamma"});
        MainWindow& main = app.forms.frmcbox();
        PoetryWindow& poetry = app.forms.frmcbp();
        QString seen;
        const auto note = [&](QWidget* shown) {
            seen = owners(shown) + " [" + shown->windowHandle()->title() + ']';
            button == "OK" ? qobject_cast<QDialog*>(shown)->accept() : dismiss(shown);
        };
        const auto fonts = [&main] {
            QStringList all;
            for (const QWidget* control : main.findChildren<QWidget*>())
                all << control->objectName() + ": " + control->font().toString();
            return all;
        };
        const auto press = [&](QWidget* in) {
            QPointer<QWidget> guard(in);
            in->findChild<QPushButton*>(button)->setFocus();
            QTest::keyClick(in->focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
            if (!guard || !guard->isVisible())
                seen = "closed";
            else if (auto* modal = qobject_cast<QDialog*>(in))
                modal->reject(); // Enter did not close it
        };
        if (open != WordCounts && open != Poetry) // the others show a dialog
            whenDialogShows([&](QWidget* dialog) {
                if (open == About && !button.isEmpty())
                    return press(dialog);
                if (open != WhatsNew)
                    return note(dialog);
                whenDialogShows(note);
                static_cast<AboutWindow*>(dialog)->Command1->click(), dismiss(dialog);
            });
        if (const QStringList before = fonts(); open == Font)
            main.mnufont->trigger(), seen += fonts() == before ? " look kept" : " look changed";
        else if (open == Options)
            main.mnuoptions->trigger();
        else if (open == About || open == WhatsNew)
            main.cmdabout->click();
        else if (open == Untitled)
            app.host.msgBox("Done", Buttons::Ok, QString());
        else if (open == Nothing)
            press(&main);
        else if (open == WordCounts)
            main.Command1->click(), press(&app.forms.frmfw());
        else if (poetry.show(); open == Repetitions)
            poetry.optr->setChecked(true), poetry.cmdpoem->click();
        else if (press(&poetry); !poetry.txtp->toPlainText().isEmpty())
            seen = "poem";
        QCOMPARE(seen, expected);
    }

    // A word too long for the room is cut short; the position always shows.
    void tooltipFitsTheScreen_data() { addRows(kLongWords); }
    void tooltipFitsTheScreen()
    {
        const QString& word = rowOf(kLongWords).word;
        const QFontMetrics metrics(QToolTip::font());
        const QString tip = entryTooltip(word, 17, metrics, 600);
        QCOMPARE(tip.left(3), word.left(3));
        QCOMPARE(tip.right(6), "… - 17");
        QCOMPARE_LE(metrics.horizontalAdvance(tip), 600);
    }
};

// A laptop's screen, which can hold the main window, and frames around windows; set
// before the application starts.
const bool kLaptopScreen = [] {
    static QTemporaryFile config;
    if (!config.open())
        qFatal("no room for the screen's configuration");
    config.write(R"({"windowFrameMargins": true, "screens": [{"name": "laptop", "x": 0, "y": 0,
                 "width": 1366, "height": 768, "logicalDpi": 96}]})");
    config.flush();
    return qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}();

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
