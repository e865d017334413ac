// Windows on the real Qt host: where they open and come back after a long operation,
// what dialogs stand over, Enter on buttons, the font dialog's preset and tooltips.
#include "appearance/AboutWindow.h"
#include "controls/Tooltips.h"
#include "controls/UiFont.h"
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
// What is opened and, when a button is named, which one gets Enter. Seen: what the
// dialog that shows stands over and the title its window gets, "closed" or "poem".
const struct { const char* tag; QString open, button; bool keypad; QString seen; } kDialogs[] = {
    {"options window", "options", "", false, "frmcbox [Options]"},
    {"about window", "about", "", false, "frmcbox [Quibbler About]"},
    {"message box of the about window", "news", "", false, "frmabout > frmcbox [Quibbler]"},
    {"Repetitions, asked during the poem", "poem", "", false, "frmwork > frmcbox [Words]"},
    // An empty title would make the window system show the program's name.
    {"message box with an empty title", "untitled", "", false, "frmcbox [ ]"},
    {"Enter on Quit", "main", "cmdquit", false, "frmcbox [Quit?]"},
    {"keypad Enter on Quit", "main", "cmdquit", true, "frmcbox [Quit?]"},
    {"Enter on GO BACK", "about", "cmdleave", false, "closed"},
    {"Enter on the word counts' Close", "wordcount", "Command1", false, "closed"},
    {"Enter on Make with the art", "poetry", "cmdpoem", false, "poem"},
    // The dialog starts from the look shown: OK without a change keeps it, as Cancel does.
    {"font dialog, OK", "font", "OK", false, "frmcbox [Select Font] look kept"},
    {"font dialog, Cancel", "font", "Cancel", false, "frmcbox [Select Font] look kept"},
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
        if (open != "wordcount" && open != "poetry")
            whenDialogShows([&](QWidget* dialog) {
                if (open == "about" && !button.isEmpty())
                    return press(dialog);
                if (open != "news")
                    return note(dialog);
                whenDialogShows(note);
                static_cast<AboutWindow*>(dialog)->Command1->click();
                dismiss(dialog);
            });
        if (const QStringList before = fonts(); open == "font")
            main.mnufont->trigger(), seen += fonts() == before ? " look kept" : " look changed";
        else if (open == "options")
            main.mnuoptions->trigger();
        else if (open == "about" || open == "news")
            main.cmdabout->click();
        else if (open == "untitled")
            app.host.msgBox("Done", Buttons::Ok, QString());
        else if (open == "main")
            press(&main);
        else if (open == "wordcount")
            main.Command1->click(), press(&app.forms.frmfw());
        else if (poetry.show(); open == "poem")
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
