#include "vocabulary/MainWindow.h"

#include "app/Forms.h"
#include "appearance/AboutWindow.h"
#include "appearance/AppearanceCommands.h"
#include "host/Host.h"
#include "host/Keys.h"
#include "controls/ListBox.h"
#include "controls/LongText.h"
#include "host/Placement.h"
#include "host/RandomSource.h"
#include "controls/WrappingButtons.h"
#include "poetry/PoetryWindow.h"
#include "queries/QueryCommands.h"
#include "queries/WordCountWindow.h"
#include "sentences/OptionsWindow.h"
#include "sentences/SentenceGenerator.h"
#include "vocabulary/RecoverySnapshot.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

namespace quibbler {

MainWindow::MainWindow(Forms& forms, Host& host) : m_forms(forms), m_host(host)
{
    buildControls();
    buildMenus();
    connectHandlers();
    // The file dialogs open where the start-up files are, so that saving under
    // the proposed name makes the saved words the start-up words.
    CommonDialog1.folder = m_host.programFolder();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers()
{
    onKeyDown(txtw, [this](int code, int shift) { return txtw_KeyDown(code, shift); });
    onKeyDown(txts, [this](int code, int shift) { return txts_KeyDown(code, shift); });
    onKeyDown(txtl, [this](int code, int shift) { return txtl_KeyDown(code, shift); });
    onKeyDown(txtpn, [this](int code, int shift) { return txtpn_KeyDown(code, shift); });
    onKeyDown(lstw, [this](int code, int shift) { return lstw_KeyDown(code, shift); });
    onKeyDown(lstproper, [this](int code, int shift) { return lstproper_KeyDown(code, shift); });

    connect(txtl, &QPlainTextEdit::textChanged, Timer1, qOverload<>(&QTimer::start));
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);

    // The tooltips follow the selection whenever the pointer moves over a list.
    for (ListBox* list : {lstw, lstproper}) {
        list->viewport()->setMouseTracking(true);
        list->viewport()->installEventFilter(this);
    }

    connect(cmdsave, &QPushButton::clicked, this, [this] { cmdsave_Click(); });
    connect(mnusave, &QAction::triggered, this, [this] { cmdsave_Click(); });
    connect(cmdload, &QPushButton::clicked, this, &MainWindow::mnuload_Click);
    connect(mnuload, &QAction::triggered, this, &MainWindow::mnuload_Click);
    connect(cmdreset, &QPushButton::clicked, this, &MainWindow::cmdreset_Click);
    connect(mnureset, &QAction::triggered, this, &MainWindow::cmdreset_Click);
    connect(cmdquit, &QPushButton::clicked, this, &MainWindow::cmdquit_Click);
    connect(mnuquit, &QAction::triggered, this, &MainWindow::cmdquit_Click);
    connect(cmdopt, &QPushButton::clicked, this, &MainWindow::cmdopt_Click);
    connect(mnuoptions, &QAction::triggered, this, &MainWindow::mnuoptions_Click);
    connect(mnucbpoet, &QAction::triggered, this, &MainWindow::mnucbpoet_Click);
    connect(mnufind, &QAction::triggered, this, &MainWindow::mnufind_Click);
    connect(mnufproper, &QAction::triggered, this, &MainWindow::mnufproper_Click);
    connect(mnucontain, &QAction::triggered, this, &MainWindow::mnucontain_Click);
    connect(mnufindw, &QAction::triggered, this, &MainWindow::mnufindw_Click);
    connect(mnufindp, &QAction::triggered, this, &MainWindow::mnufindp_Click);
    connect(mnujw, &QAction::triggered, this, &MainWindow::mnujw_Click);
    connect(mnujpn, &QAction::triggered, this, &MainWindow::mnujpn_Click);
    connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(mnufont, &QAction::triggered, this, &MainWindow::mnufont_Click);
    connect(mnufcolor, &QAction::triggered, this, &MainWindow::mnufcolor_Click);
    connect(mnubgcolor, &QAction::triggered, this, &MainWindow::mnubgcolor_Click);
    connect(cmdabout, &QPushButton::clicked, this, &MainWindow::cmdabout_Click);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    ListBox* list = watched == lstw->viewport() ? lstw
        : watched == lstproper->viewport()      ? lstproper
                                                : nullptr;
    if (list && event->type() == QEvent::MouseMove) {
        if (list == lstw)
            lstw_MouseMove();
        else
            lstproper_MouseMove();
    } else if (list && event->type() == QEvent::ToolTip) {
        // The list's own tooltip, whatever entry the pointer is over, shown as
        // the plain text it is: a word such as "<b>x" is not markup.
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           Qt::convertFromPlainText(list->toolTip(), Qt::WhiteSpaceNoWrap),
                           list->viewport());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Form_Load()
{
    readStartupFiles();
    m_recovery = new RecoverySnapshot(m_host, *lstw, *lstproper, m_host.programFolder(), this);
    m_recovery->offerBack();
    // Lists taken back from the recovery file are unsaved, as they were.
    changed = m_recovery->wordsUnsaved();
    namesChanged = m_recovery->namesUnsaved();

    OptionsWindow& options = m_forms.frmoptions();
    options.optnorm->setChecked(true);
    options.hide();

    showCounts();
    options.cbopersonal->setCurrentIndex(0);

    lstsw->append(QStringLiteral(" "));
    lstsw->setSelectedPos(0);

    if (lstproper->count() > 0)
        lstproper->setSelectedPos(0);

    m_host.random().seed(1000);

    centreOnScreen(*this);

    Randomizer();

    if (lstw->count() > 0)
        lstw->setSelectedPos(0);
}

void MainWindow::Randomizer()
{
    m_host.random().seedFromClock();
    const int remembered = lstw->selectedPos();
    lstw->setSelectedPos(lstw->count() - 1);
    // Appending and removing a marker scrolls the list to its end and back.
    if (lstw->append(QStringLiteral("!@#$%^&*()")))
        lstw->removeAt(lstw->selectedPos() + 1);
    lstw->setSelectedPos(remembered);
}

bool MainWindow::txtw_KeyDown(int keyCode, int /*shiftState*/)
{
    if (keyCode != key::Enter || lstw->count() == 0)
        return false;
    SentenceGenerator(*this, m_forms.frmoptions(), m_host).respond();
    return true;
}

bool MainWindow::txts_KeyDown(int keyCode, int shiftState)
{
    if (!isCopyKey(keyCode, shiftState))
        return false;
    m_host.setClipboardText(selectedBoxText(*txts));
    return true;
}

void MainWindow::showCounts()
{
    lblwk->setText(QString::number(lstw->count()));
    lblpk->setText(QString::number(lstproper->count()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

void MainWindow::cmdopt_Click()
{
    execOver(m_forms.frmoptions(), *this);
}

void MainWindow::mnucbpoet_Click()
{
    // A poem being written keeps its window hidden until it is done.
    if (m_forms.refuseWhileWorking())
        return;
    PoetryWindow& poetry = m_forms.frmcbp();
    poetry.show();
    poetry.raise();
    poetry.activateWindow();
}

void MainWindow::mnufind_Click()
{
    QueryCommands(*this, m_host).countWordsByLetter();
}

void MainWindow::mnufproper_Click()
{
    QueryCommands(*this, m_host).countProperNounsByLetter();
}

void MainWindow::mnucontain_Click()
{
    QueryCommands(*this, m_host).countWordsContaining();
}

void MainWindow::mnufindw_Click()
{
    QueryCommands(*this, m_host).findWord();
}

void MainWindow::mnufindp_Click()
{
    QueryCommands(*this, m_host).findProperNoun();
}

void MainWindow::mnujw_Click()
{
    QueryCommands(*this, m_host).jumpToWord();
}

void MainWindow::mnujpn_Click()
{
    QueryCommands(*this, m_host).jumpToProperNoun();
}

void MainWindow::Command1_Click()
{
    // An open list is only brought to the front; a new one computes itself.
    const bool open = m_forms.frmfwLoaded();
    WordCountWindow& wordCount = m_forms.frmfw();
    if (open) {
        wordCount.show();
        wordCount.raise();
        wordCount.activateWindow();
    }
}

void MainWindow::mnufont_Click()
{
    AppearanceCommands(m_forms, m_host).font();
}

void MainWindow::mnufcolor_Click()
{
    AppearanceCommands(m_forms, m_host).textColor();
}

void MainWindow::mnubgcolor_Click()
{
    AppearanceCommands(m_forms, m_host).backColor();
}

void MainWindow::cmdabout_Click()
{
    execOver(m_forms.frmabout(), *this);
}

void MainWindow::mnuoptions_Click()
{
    cmdopt_Click();
}

} // namespace quibbler
