// Windows on the real Qt host: where they open, what they stand over, Enter on
// buttons, the font dialog's preset and tooltips that fit the screen.
#include "appearance/AboutWindow.h"
#include "host/UiFont.h"
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
// What a dialog stands over, and the title its window gets.
const struct { const char* tag; QString dialog, shown; } kDialogs[] = {
    {"options window", "options", "frmcbox [Options]"},
    {"about window", "about", "frmcbox [Quibbler About]"},
    {"message box of the about window", "news", "frmabout > frmcbox [Quibbler]"},
    {"Repetitions, asked during the poem", "poem", "frmwork > frmcbox [Words]"},
    // An empty title would make the window system show the program's name.
    {"message box with an empty title", "untitled", "frmcbox [ ]"},
};

const struct {
    const char* tag; QString window, button; bool keypad; QString effect;
} kEnters[] = {
    {"main: Quit", "main", "cmdquit", false, "asked Quit?"},
    {"main: Quit, keypad Enter", "main", "cmdquit", true, "asked Quit?"},
    {"about: GO BACK", "about", "cmdleave", false, "closed"},
    {"word count: Close", "wordcount", "Command1", false, "closed"},
    {"poetry: Make with the art", "poetry", "cmdpoem", false, "poem"},
};
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
        QVERIFY(main.frameGeometry().height() > main.height()); // the frame counts
        QVERIFY(screen.contains(main.frameGeometry()));
        QCOMPARE_LE(offCentre(main.frameGeometry(), screen), 2);

        main.txtl->setPlainText("words to learn"); // the working screen stands in meanwhile
        QTest::keyClick(main.txtl, Qt::Key_Return);
        QCOMPARE_LE(offCentre(app.forms.frmwork().frameGeometry(), main.frameGeometry()), 2);

        // F5 shows the main window, then the list, which ends on top.
        main.Command1->click();
        QTest::keyClick(app.forms.frmfw().List1, Qt::Key_F5);
        QVERIFY(QTest::qWaitForWindowActive(&app.forms.frmfw()));
    }

    void dialogsStandOverTheWindowTheyBlock_data() { addRows(kDialogs); }
    void dialogsStandOverTheWindowTheyBlock()
    {
        const auto& [tag, dialog, shown] = rowOf(kDialogs);
        RealApp app({"alpha", "beta", "gamma"});
        MainWindow& main = app.forms.frmcbox();
        QString seen;
        const auto note = [&](QWidget* shown) {
            seen = owners(shown) + " [" + shown->windowHandle()->title() + ']';
            dismiss(shown);
        };
        whenDialogShows([&](QWidget* about) {
            if (dialog != "news")
                return note(about);
            whenDialogShows(note);
            static_cast<AboutWindow*>(about)->Command1->click();
            dismiss(about);
        });
        if (dialog == "options")
            main.mnuoptions->trigger();
        else if (dialog == "about" || dialog == "news")
            main.cmdabout->click();
        else if (dialog == "untitled")
            app.host.msgBox("Done", Buttons::Ok, QString());
        else if (PoetryWindow& poetry = app.forms.frmcbp(); dialog == "poem")
            poetry.show(), poetry.optr->setChecked(true), poetry.cmdpoem->click();
        QCOMPARE(seen, shown);
    }

    void enterPressesTheFocusedButton_data() { addRows(kEnters); }
    void enterPressesTheFocusedButton()
    {
        const auto& [tag, window, button, keypad, effect] = rowOf(kEnters);
        RealApp app({"alpha", "beta", "gamma"});
        MainWindow& main = app.forms.frmcbox();
        QString seen;
        const auto press = [&](QWidget* in) {
            QPointer<QWidget> guard(in);
            in->findChild<QPushButton*>(button)->setFocus();
            QTest::keyClick(in->focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
            if (!guard || !guard->isVisible())
                seen += "closed";
            else if (auto* modal = qobject_cast<QDialog*>(in))
                modal->reject(); // Enter did not close it
        };
        if (window == "main")
            whenDialogShows(
                [&](QWidget* box) { seen += "asked " + box->windowTitle(), dismiss(box); });
        if (window == "about")
            whenDialogShows(press), main.cmdabout->click();
        else if (window == "wordcount")
            main.Command1->click(), press(&app.forms.frmfw());
        else if (window == "poetry")
            app.forms.frmcbp().show(), press(&app.forms.frmcbp());
        else
            press(&main);
        if (app.forms.frmcbpLoaded() && !app.forms.frmcbp().txtp->toPlainText().isEmpty())
            seen += "poem";
        QCOMPARE(seen, effect);
    }

    // OK without a change, or Cancel, leaves every control of the main window as it was.
    void fontDialogPresetKeepsTheLook()
    {
        for (const bool ok : {true, false}) {
            RealApp app;
            const auto fonts = [&app] {
                QStringList all;
                for (const QWidget* control : app.forms.frmcbox().findChildren<QWidget*>())
                    all << control->objectName() + ": " + control->font().toString();
                return all;
            };
            const QStringList before = fonts();
            whenDialogShows([ok](QWidget* dialog) {
                ok ? qobject_cast<QDialog*>(dialog)->accept() : dismiss(dialog);
            });
            app.forms.frmcbox().mnufont->trigger();
            QCOMPARE(fonts(), before);
        }
    }

    void tooltipFitsTheScreen()
    {
        const QFontMetrics metrics(QToolTip::font());
        // A word too long for the room is cut short; the position always shows.
        for (const QString& word : {QString(3000, 'w'), QString("New York ").repeated(300)}) {
            const QString tip = entryTooltip(word, 17, metrics, 600);
            QVERIFY(tip.startsWith(word.left(3)) && tip.endsWith("… - 17"));
            QCOMPARE_LE(metrics.horizontalAdvance(tip), 600);
        }

        // Moving the pointer over a list names its selection, in the room of its screen.
        RealApp app({"Hello", QString(3000, 'w')}, {"Alice"});
        MainWindow& main = app.forms.frmcbox();
        main.lstw->setSelectedPos(1);
        main.lstproper->setSelectedPos(-1);
        for (ListBox* list : {main.lstw, main.lstproper})
            QTest::mouseMove(list->viewport(), QPoint(5, 5));
        QVERIFY(main.lstw->toolTip().endsWith("… - 2") && main.lstproper->toolTip() == " - 0");
        QCOMPARE_LT(metrics.horizontalAdvance(main.lstw->toolTip()), main.screen()->size().width());
    }
};

int main(int argc, char* argv[])
{
    // A laptop's screen, which can hold the main window, and frames around windows.
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({"windowFrameMargins": true, "screens": [{"name": "laptop", "x": 0, "y": 0,
                 "width": 1366, "height": 768, "logicalDpi": 96}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windows.moc"
