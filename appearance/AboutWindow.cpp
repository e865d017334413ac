#include "appearance/AboutWindow.h"

#include "host/Host.h"
#include "host/Placement.h"
#include "controls/UiFont.h"
#include "controls/WrappingButtons.h"

#include <QEvent>
#include <QLabel>

namespace quibbler {

QString helpText()
{
    return QStringList{
        QStringLiteral("NOTES: The more words Quibbler learns, the slower he learns them."),
        QStringLiteral("In order to decide a random number of words, type in 'r' (without the '') "
                       "in the text box.  Use 'rs', 'rm', and 'rl' to be more specific (s = small, "
                       "m = medium l = large)"),
        QStringLiteral("In order to make him learn words, press Enter when you have text on 'Add "
                       "Words...' (while it has focus)."),
        QStringLiteral("Words are NOT case sensitive.  Therefore, IN = In = in."),
        QStringLiteral("To make him say something, type something into the 'Number of Words' box "
                       "and press enter."),
        QStringLiteral("If you want Quibbler to do some poetry, select 'Quibbler poetry' from the "
                       "options menu, pick the type of poem you want, and then click on 'Make with "
                       "the art'"),
    }
        .join(QLatin1Char('\n'));
}

QString newInThisVersion()
{
    return QStringList{
        QStringLiteral("New in version 1.3:"),
        QStringLiteral("-Much faster 'find number of words...' script"),
        QStringLiteral("-No limits on the number of lines in poems"),
        QStringLiteral("-No limits on the number of words in a sentence"),
        QStringLiteral("-Much more stable (allows for much more data)"),
        QStringLiteral("-Added a 'Working...' screen"),
        QStringLiteral("-Asks if user wants to save his/her list before quitting or loading a new "
                       "file"),
        QStringLiteral("-Custom delimiters"),
    }
        .join(QLatin1Char('\n'));
}

AboutWindow::AboutWindow(Host& host) : m_host(host)
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QStringLiteral("Quibbler About"));
    setFont(uiFont(12));
    setFixedSize(571, 386);

    Label1
        = place(new QLabel(QStringLiteral("Quibbler, the word-learning chat bot, by the Quibbler "
                                          "developers"),
                           this),
                "Label1", 16, 16, 550, 20);
    Label1->setTextFormat(Qt::PlainText);
    Label2 = wrappedLabel(this, "Label2", QString(), 24, 56, 523, 268);
    Command1 = place(new WrapButton(QStringLiteral("New in this version..."), this), "Command1",
                     144, 336, 105, 41);
    cmdleave
        = place(new QPushButton(QStringLiteral("GO BACK"), this), "cmdleave", 296, 336, 105, 41);
    for (QPushButton* button : {Command1, cmdleave})
        button->setAutoDefault(false);
    setTabOrder(cmdleave, Command1);

    connect(Command1, &QPushButton::clicked, this, &AboutWindow::Command1_Click);
    connect(cmdleave, &QPushButton::clicked, this, &AboutWindow::cmdleave_Click);
}

void AboutWindow::Form_Activate()
{
    Label2->setText(helpText());
}

void AboutWindow::Command1_Click()
{
    m_host.msgBox(newInThisVersion());
}

void AboutWindow::cmdleave_Click()
{
    close();
}

bool AboutWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void AboutWindow::showEvent(QShowEvent* event)
{
    // Showing the window is its first activation, also where no window
    // manager reports one.
    Form_Activate();
    QDialog::showEvent(event);
}

} // namespace quibbler
