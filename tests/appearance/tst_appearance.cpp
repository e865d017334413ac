#include "appearance/AboutWindow.h"
#include "appearance/Restyle.h"
#include "appearance/StyleTargets.h"
#include "host/UiFont.h"
#include "poetry/PoetryWindow.h"
#include "queries/WordCountWindow.h"
#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quibbler;
using namespace quibbler::test;

namespace {

QList<QWidget*> styledWindows(Forms& forms)
{
    return {&forms.frmcbox(), &forms.frmcbp(), &forms.frmabout(), &forms.frmoptions(),
            &forms.frmfw()};
}

unsigned flagsOf(const QWidget* window, const QString& control)
{
    static const char* const names[] = {"frmcbox", "frmcbp", "frmabout", "frmoptions", "frmfw"};
    for (const StyleTarget& target : styleTargets()) {
        if (target.control && window->objectName() == names[int(target.window)]
            && control == QLatin1String(target.control))
            return target.flags;
    }
    return 0;
}

} // namespace

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void commandsReachExactlyTheirTargets_data();
    void commandsReachExactlyTheirTargets();
    void cancelAppliesWhatTheDialogHeld();
    void windowsAreCreatedForStylingAndComeBackAsDesigned();
    void aboutWindow();
};

void TestAppearance::commandsReachExactlyTheirTargets_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<unsigned>("flag");
    QTest::newRow("font") << "mnufont" << unsigned(StyleFlag::Font);
    QTest::newRow("text colour") << "mnufcolor" << unsigned(StyleFlag::TextColor);
    QTest::newRow("background") << "mnubgcolor" << unsigned(StyleFlag::BackColor);
}

void TestAppearance::commandsReachExactlyTheirTargets()
{
    QFETCH(QString, item);
    QFETCH(unsigned, flag);
    TestApp app({"apple"});
    QFont chosen("DejaVu Serif", 10);
    chosen.setBold(true);
    app.host.fonts = {chosen};
    app.host.colors = {QColor(Qt::red)};
    app.main().findChild<QAction*>(item)->trigger();

    int styled = 0;
    for (QWidget* window : styledWindows(app.forms)) {
        // Windows keep their own font; a window's background is its own colour.
        QCOMPARE(window->font(), uiFont(12));
        QCOMPARE(backColor(window), flag == StyleFlag::BackColor ? QColor(Qt::red) : QColor());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                continue; // parts of Qt's own widgets
            const bool target = flagsOf(window, control->objectName()) & flag;
            styled += target;
            const QByteArray where = (window->objectName() + "." + control->objectName() + " "
                                      + control->metaObject()->className())
                                         .toUtf8();
            if (flag == StyleFlag::Font) {
                QVERIFY2(control->testAttribute(Qt::WA_SetFont) == target, where);
                if (target) {
                    QCOMPARE(control->font().family(), QString("DejaVu Serif"));
                    QVERIFY(control->font().bold());
                }
            } else {
                QVERIFY2(control->testAttribute(Qt::WA_SetPalette) == target, where);
                if (target) {
                    const auto role
                        = flag == StyleFlag::TextColor ? QPalette::WindowText : QPalette::Button;
                    QCOMPARE(control->palette().color(role), QColor(Qt::red));
                }
            }
        }
    }
    // Every target control was found, once.
    QCOMPARE(styled,
             std::count_if(styleTargets().begin(), styleTargets().end(),
                           [&](const StyleTarget& t) { return t.control && (t.flags & flag); }));
}

void TestAppearance::cancelAppliesWhatTheDialogHeld()
{
    TestApp app;
    MainWindow& main = app.main();
    // Nothing confirmed yet: black.
    main.mnubgcolor_Click();
    QCOMPARE(main.cmdsave->palette().color(QPalette::Button), QColor(Qt::black));

    // The text colour's choice is what a cancelled background dialog applies.
    app.host.colors = {QColor(Qt::blue)};
    main.mnufcolor_Click();
    main.mnubgcolor_Click();
    QCOMPARE(main.cmdsave->palette().color(QPalette::Button), QColor(Qt::blue));

    // A cancelled font dialog gives the design face at 12 points with the last style flags.
    QFont italic("DejaVu Serif", 20);
    italic.setItalic(true);
    app.host.fonts = {italic};
    main.mnufont_Click();
    main.mnufont_Click();
    const QFont font = main.txts->font();
    QCOMPARE(font.family(), uiFont(12).family());
    QCOMPARE(font.pointSizeF(), uiFont(12).pointSizeF());
    QVERIFY(font.italic());
    QVERIFY(!font.bold());
}

void TestAppearance::windowsAreCreatedForStylingAndComeBackAsDesigned()
{
    TestApp app({"apple"});
    MainWindow& main = app.main();
    app.host.colors = {QColor(Qt::green)};
    main.mnubgcolor_Click();
    // The word-count window opens itself, with its lists; the others stay hidden.
    QVERIFY(app.forms.frmfw().isVisible());
    QCOMPARE(app.forms.frmfw().List1->count(), 26);
    QVERIFY(!app.forms.frmcbp().isVisible());
    QVERIFY(!app.forms.frmabout().isVisible());
    QCOMPARE(backColor(&app.forms.frmcbp()), QColor(Qt::green));

    app.forms.frmfw().close();
    app.forms.frmcbp().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app.forms.frmfwLoaded());
    main.mnucbpoet_Click();
    QCOMPARE(backColor(&app.forms.frmcbp()), QColor());
    QVERIFY(!app.forms.frmcbp().cmdpoem->testAttribute(Qt::WA_SetPalette));
}

void TestAppearance::aboutWindow()
{
    TestApp app;
    MainWindow& main = app.main();
    QString help;
    bool modal = false;
    QTimer::singleShot(0, &main, [&] {
        AboutWindow& about = app.forms.frmabout();
        modal = QApplication::activeModalWidget() == &about;
        help = about.Label2->text();
        QTest::mouseClick(about.Command1, Qt::LeftButton);
        QTest::mouseClick(about.cmdleave, Qt::LeftButton);
    });
    QTest::mouseClick(main.cmdabout, Qt::LeftButton);

    QVERIFY(modal);
    QVERIFY(!app.forms.frmaboutLoaded());
    QCOMPARE(help.split('\n').size(), 6);
    QCOMPARE(help, helpText());
    QVERIFY(help.contains("in the text box.  Use 'rs', 'rm', and 'rl' to be more specific (s = "
                          "small, m = medium l = large)\n"));
    QVERIFY(help.contains("\nWords are NOT case sensitive.  Therefore, IN = In = in.\n"));
    QCOMPARE(app.host.messages.size(), 1);
    QCOMPARE(app.host.messages.first().title, QString("Quibbler"));
    const QStringList news = app.host.messages.first().text.split('\n');
    QCOMPARE(news.size(), 8);
    QCOMPARE(news.first(), QString("New in version 1.3:"));
    QCOMPARE(news.last(), QString("-Custom delimiters"));
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
