// The main window's controls and menu bar, at their design positions.
#include "controls/ListBox.h"
#include "controls/ExactTextBox.h"
#include "controls/LongText.h"
#include "host/Placement.h"
#include "controls/UiFont.h"
#include "controls/WrappingButtons.h"
#include "vocabulary/MainWindow.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace quibbler {

namespace {

QLabel* countLabel(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* count = place(new QLabel(parent), name, left, top, width, height);
    count->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return count;
}

QPlainTextEdit* textBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = place(new ExactTextBox(parent), name, left, top, width, height);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setToolTip(QStringLiteral("Quibbler's response"));
    return box;
}

template <typename Button = QPushButton>
Button* button(QWidget* parent, const char* name, const QString& caption, const QString& tip,
               int top, int height = 41)
{
    auto* pushButton = place(new Button(caption, parent), name, 656, top, 97, height);
    pushButton->setToolTip(tip);
    return pushButton;
}

ListBox* listBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    return place(new ListBox(parent), name, left, top, width, height);
}

QAction* item(QMenu* menu, const char* name, const QString& caption,
              const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* separator(QMenu* menu, const char* name)
{
    QAction* line = menu->addSeparator();
    line->setObjectName(QLatin1String(name));
    return line;
}

// A menu of the bar; a screen reader names its open popup by the title.
QMenu* barMenu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    menu->setWindowTitle(QString(title).remove(u'&'));
    return menu;
}

} // namespace

void MainWindow::buildControls()
{
    setObjectName(QStringLiteral("frmcbox"));
    setWindowTitle(QStringLiteral("Quibbler"));
    setFont(uiFont(12));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(842, 620);
    setCentralWidget(client);

    // The frames first, so that they lie under the controls they surround.
    Shape1 = shape(client, "Shape1", 26, 16, 207, 529);
    Shape2 = shape(client, "Shape2", 232, 16, 377, 585);
    Shape3 = shape(client, "Shape3", 608, 16, 193, 465);

    Label1 = captionLabel(client, "Label1", QStringLiteral("Words known:"), 64, 24);
    lstw = listBox(client, "lstw", 40, 48, 177, 224);
    lstw->setToolTip(QStringLiteral("Word's Knwon"));
    Label4 = captionLabel(client, "Label4", QStringLiteral("Words Known:"), 64, 280);
    lblwk = countLabel(client, "lblwk", 72, 304, 81, 25);
    Label6 = captionLabel(client, "Label6", QStringLiteral("Proper Nouns Known:"), 40, 328);
    lblpk = countLabel(client, "lblpk", 72, 352, 81, 33);
    Label8 = captionLabel(client, "Label8", QStringLiteral("Proper Nouns known:"), 56, 384);
    lstproper = listBox(client, "lstproper", 40, 408, 177, 124);
    lstproper->setToolTip(QStringLiteral("Word's Known"));

    Label3 = captionLabel(client, "Label3", QStringLiteral("Number of Words"), 336, 32);
    txtw = place(new QLineEdit(client), "txtw", 368, 64, 73, 28);
    txtw->setToolTip(
        QStringLiteral("Type in the number of words you want in the sentence and press enter"));
    Label2 = captionLabel(client, "Label2", QStringLiteral("QBL's response:"), 344, 112);
    txts = textBox(client, "txts", 264, 144, 297, 129);
    txts->setReadOnly(true);
    Label5 = captionLabel(client, "Label5", QStringLiteral("Add Words for QBL to learn"), 312, 296);
    txtl = textBox(client, "txtl", 264, 328, 297, 97);
    Label7 = captionLabel(client, "Label7", QStringLiteral("Add Proper Nouns for QBL to learn"),
                          280, 440);
    txtpn = textBox(client, "txtpn", 264, 480, 297, 97);
    // Screen readers name each box and list after the caption over it.
    Label3->setBuddy(txtw);
    Label2->setBuddy(txts);
    Label5->setBuddy(txtl);
    Label7->setBuddy(txtpn);
    lstw->setAccessibleName(Label1->text());
    lstproper->setAccessibleName(Label8->text());

    cmdsave = button(client, "cmdsave", QStringLiteral("&Save"), QStringLiteral("Save a text file"),
                     32);
    cmdload = button(client, "cmdload", QStringLiteral("&Load"), QStringLiteral("Load a text file"),
                     88);
    cmdreset = button(client, "cmdreset", QStringLiteral("&Reset"),
                      QStringLiteral("Clear all of Quibbler's known words"), 144);
    cmdopt = button(client, "cmdopt", QStringLiteral("&Options"),
                    QStringLiteral("Opens up the Options form"), 200);
    cmdabout = button(client, "cmdabout", QStringLiteral("&About\\Help"),
                      QStringLiteral("About Quibbler"), 256);
    Command1 = button<WrapButton>(
        client, "Command1", QStringLiteral("&Find number of words that start wtih..."),
        QStringLiteral("Find out how many words start with a certain letter"), 312, 81);
    cmdquit = button(client, "cmdquit", QStringLiteral("&Quit"), QStringLiteral("Quit"), 408);
    // Alt+F and Alt+O open the File and Options menus, whose access keys the
    // "&Find..." and "&Options" buttons share; the buttons keep their captions.
    Command1->setShortcut(QKeySequence());
    cmdopt->setShortcut(QKeySequence());

    lstsw = listBox(client, "lstsw", 624, 544, 177, 224);
    lstsw->setToolTip(QStringLiteral("Word's Knwon"));
    lstsw->hide();
    List1 = listBox(client, "List1", 592, 464, 193, 144);
    List1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);

    // Focus starts in the first control of the tab order.
    const QList<QWidget*> tabOrder{txtw,     lstw,   txts,      cmdsave, cmdquit,  cmdabout, txtl,
                                   cmdreset, cmdopt, lstproper, txtpn,   Command1, cmdload};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));
    txtw->setFocus();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildMenus()
{
    mnufile = barMenu(menuBar(), "mnufile", QStringLiteral("&File"));
    mnusave
        = item(mnufile, "mnusave", QStringLiteral("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuload
        = item(mnufile, "mnuload", QStringLiteral("&Load..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    mnureset
        = item(mnufile, "mnureset", QStringLiteral("&Reset"), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuhyphen = separator(mnufile, "mnuhyphen");
    mnuquit = item(mnufile, "mnuquit", QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuopts = barMenu(menuBar(), "mnuopts", QStringLiteral("&Options"));
    mnuoptions = item(mnuopts, "mnuoptions", QStringLiteral("&Message Options..."),
                      QKeySequence(Qt::CTRL | Qt::Key_M));
    mnucbpoet = item(mnuopts, "mnucbpoet", QStringLiteral("Quibbler &Poetry"),
                     QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuhyphen2 = separator(mnuopts, "mnuhyphen2");
    mnufont = item(mnuopts, "mnufont", QStringLiteral("&Font..."));
    mnufcolor = item(mnuopts, "mnufcolor", QStringLiteral("Font &Color..."),
                     QKeySequence(Qt::CTRL | Qt::Key_O));
    mnubgcolor = item(mnuopts, "mnubgcolor", QStringLiteral("&Background Color..."));
    mnuhyphen5 = separator(mnuopts, "mnuhyphen5");
    mnufind = item(mnuopts, "mnufind", QStringLiteral("Find number of words that start with..."),
                   QKeySequence(Qt::CTRL | Qt::Key_W));
    mnufproper = item(mnuopts, "mnufproper",
                      QStringLiteral("Find number of proper nouns that start with..."),
                      QKeySequence(Qt::CTRL | Qt::Key_N));
    mnucontain
        = item(mnuopts, "mnucontain", QStringLiteral("Find number of words that contain..."));
    mnuhyphen3 = separator(mnuopts, "mnuhyphen3");
    mnufindw = item(mnuopts, "mnufindw", QStringLiteral("Find a word..."),
                    QKeySequence(Qt::CTRL | Qt::Key_F));
    mnufindp = item(mnuopts, "mnufindp", QStringLiteral("Find a Proper Noun..."));
    mnuhyphen4 = separator(mnuopts, "mnuhyphen4");
    mnujw = item(mnuopts, "mnujw", QStringLiteral("Jump to word number..."));
    mnujpn = item(mnuopts, "mnujpn", QStringLiteral("Jump to proper noun number..."));
}

} // namespace quibbler
