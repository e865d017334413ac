#include "poetry/PoetryWindow.h"

#include "app/Forms.h"
#include "host/Host.h"
#include "host/Keys.h"
#include "controls/ListBox.h"
#include "controls/ExactTextBox.h"
#include "controls/BoxTextWriter.h"
#include "controls/LongText.h"
#include "host/Placement.h"
#include "text/TextNumbers.h"
#include "controls/UiFont.h"
#include "controls/WrappingButtons.h"
#include "poetry/PoemWriter.h"
#include "sentences/OptionsWindow.h"
#include "sentences/TextLimits.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScope.h"
#include "vocabulary/WorkingScreen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace quibbler {

namespace {

// The poem box keeps its left and top edges and follows the window's size with
// the margins the design leaves around it.
constexpr int kPoemLeft = 176;
constexpr int kPoemTop = 72;
constexpr int kRightMargin = 640 - 176 - 449;
constexpr int kBottomMargin = 483 - 72 - 393;

} // namespace

PoetryWindow::PoetryWindow(Forms& forms, Host& host) : m_forms(forms), m_host(host)
{
    setObjectName(QStringLiteral("frmcbp"));
    setWindowTitle(QStringLiteral("Quibbler Poetry"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/poetry.png")));
    setFont(uiFont(12));
    setMinimumSize(260, 200);

    Shape1 = shape(this, "Shape1", 8, 32, 159, 441);
    Label2 = wrappedLabel(this, "Label2", QStringLiteral("Number of stanzas"), 32, 48, 105, 41);
    txtlines = place(new QLineEdit(QStringLiteral("10"), this), "txtlines", 24, 96, 129, 28);
    optu = place(new QRadioButton(QStringLiteral("Rising Poem"), this), "optu", 24, 144, 121, 25);
    optu->setChecked(true);
    optd = place(new WrapRadioButton(QStringLiteral("Decreasing Poem"), this), "optd", 24, 192, 121,
                 41);
    optr
        = place(new WrapRadioButton(QStringLiteral("Repetitions"), this), "optr", 24, 256, 121, 41);
    optrnd = place(new WrapRadioButton(QStringLiteral("Random # of words"), this), "optrnd", 24,
                   312, 121, 41);
    chkli = place(new WrapCheckBox(QStringLiteral("Letter Incrementor"), this), "chkli", 24, 368,
                  121, 41);
    cmdpoem = place(new WrapButton(QStringLiteral("Make with the art"), this), "cmdpoem", 40, 424,
                    97, 41);
    Label1 = place(new QLabel(QStringLiteral("QBL's Poem"), this), "Label1", 328, 8, 185, 25);
    Label1->setTextFormat(Qt::PlainText);
    lbltitle = place(new QLabel(this), "lbltitle", 382, 40, 5, 20);
    lbltitle->setTextFormat(Qt::PlainText);
    lbltitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    txtp = place(new ExactTextBox(this), "txtp", kPoemLeft, kPoemTop, 449, 393);
    txtp->setReadOnly(true);
    txtp->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtp->setToolTip(QStringLiteral("Quibbler's response"));
    // Screen readers name each box after the caption over it.
    Label2->setBuddy(txtlines);
    Label1->setBuddy(txtp);

    const QList<QWidget*> tabOrder{txtlines, txtp, optu, optd, cmdpoem, optr, chkli, optrnd};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));

    onKeyDown(txtlines, [this](int code, int shift) { return txtlines_KeyDown(code, shift); });
    onKeyDown(txtp, [this](int code, int shift) { return txtp_KeyDown(code, shift); });
    connect(cmdpoem, &QPushButton::clicked, this, &PoetryWindow::cmdpoem_Click);
    connect(chkli, &QCheckBox::toggled, this, &PoetryWindow::chkli_Click);

    resize(640, 483);
}

void PoetryWindow::cmdpoem_Click()
{
    if (m_forms.refuseWhileWorking())
        return;
    MainWindow& main = m_forms.frmcbox();
    const int wordSelected = main.lstw->selectedPos();
    const int nameSelected = main.lstproper->selectedPos();
    setBoxText(*txtp, {});
    showTitle({});

    if (leadingNumber(txtlines->text()) == 0) {
        m_host.msgBox(QStringLiteral("I'm sorry, that values not appropiate."), Buttons::Ok,
                      QStringLiteral("Error"));
        txtlines->clear();
    } else {
        const QScopedValueRollback<bool> writing(m_writing, true);
        WorkingScope working(m_forms, {this});
        if (optu->isChecked())
            UpPoem();
        else if (optd->isChecked())
            DownPoem();
        else if (optr->isChecked())
            Rep();
        else if (optrnd->isChecked())
            rando();
    }
    // The poem moved the selections; the user gets back what was selected before.
    main.lstw->setSelectedPos(wordSelected);
    main.lstproper->setSelectedPos(nameSelected);
    const bool closing = std::exchange(m_closeWhenWritten, false);
    if (m_reachedLimit && !closing)
        m_host.msgBox(kMaxWordsMessage);
    m_reachedLimit = false;
    if (closing)
        close();
}

void PoetryWindow::UpPoem()
{
    writePoem(PoemKind::Rising);
}

void PoetryWindow::DownPoem()
{
    writePoem(PoemKind::Decreasing);
}

void PoetryWindow::Rep()
{
    writePoem(PoemKind::Repetitions);
}

void PoetryWindow::rando()
{
    writePoem(PoemKind::Random);
}

void PoetryWindow::writePoem(PoemKind kind)
{
    m_reachedLimit = PoemWriter(m_forms, *this, m_host).write(kind);
}

bool PoetryWindow::txtlines_KeyDown(int keyCode, int /*shiftState*/)
{
    if (keyCode != key::Enter)
        return false;
    cmdpoem_Click();
    return true;
}

bool PoetryWindow::txtp_KeyDown(int keyCode, int shiftState)
{
    if (!isCopyKey(keyCode, shiftState))
        return false;
    m_host.setClipboardText(selectedBoxText(*txtp));
    return true;
}

void PoetryWindow::chkli_Click()
{
    if (!chkli->isChecked() || leadingNumber(m_forms.frmoptions().txtwl->text()) > 0)
        return;
    m_host.msgBox(QStringLiteral(
        "You must put in a number in the 'number of letters in a word' box in the options."));
    chkli->setChecked(false);
}

void PoetryWindow::showTitle(const QString& title)
{
    lbltitle->setText(title);
    if (title.isEmpty())
        lbltitle->resize(5, 20);
    else
        lbltitle->adjustSize();
}

void PoetryWindow::Form_Resize()
{
    txtp->setGeometry(kPoemLeft, kPoemTop, std::max(1, width() - kPoemLeft - kRightMargin),
                      std::max(1, height() - kPoemTop - kBottomMargin));
}

void PoetryWindow::closeEvent(QCloseEvent* event)
{
    // The poem being written holds the window: closing stops the poem, and
    // the window closes once the poem has stopped.
    if (m_writing) {
        m_closeWhenWritten = true;
        m_forms.frmwork().requestStop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void PoetryWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

} // namespace quibbler
