// Learning words from the learn box, and proper nouns from the proper-noun box.
#include "app/Forms.h"
#include "controls/ListBox.h"
#include "controls/LongText.h"
#include "host/Host.h"
#include "host/Keys.h"
#include "sentences/OptionsWindow.h"
#include "vocabulary/Cutting.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/StoreLearner.h"
#include "vocabulary/WorkingScope.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace quibbler {

namespace {

// The limit is the list's own, so the message cannot tell another.
QString listFullMessage(QLatin1String list, QLatin1String entries)
{
    return QStringLiteral("Quibbler's %1 list is full: it holds %2 %3, the most it can. No more %3 "
                          "were added.")
        .arg(list, QString::number(ListBox::MaxEntries), entries);
}

// Where the text after its first `runs` words starts, as a position in the
// box: the text is cut again as learning cut it, a character at a time.
int unreadStart(const QPlainTextEdit& box, QStringView delimiters, qint64 runs)
{
    if (runs <= 0)
        return 0;
    RunCutter cutter(delimiters);
    qint64 cut = 0;
    const auto count = [&cut](QStringView) {
        ++cut;
        return true;
    };
    int at = 0;
    // False once the last word read has ended.
    const auto feed = [&](QStringView piece, qsizetype width) {
        cutter.feed(piece, count);
        at += int(width);
        return cut < runs;
    };
    // A character at a time, so that reading stops right where that word's
    // delimiter ends: within a line break, after its CR leaves the break unread.
    bool first = true;
    forEachBoxParagraph(box, [&](QStringView paragraph) {
        if (!std::exchange(first, false) && !forEachCutPiece(u"\n", feed))
            return false;
        for (qsizetype i = 0; i < paragraph.size(); ++i) {
            if (!forEachCutPiece(paragraph.sliced(i, 1), feed))
                return false;
        }
        return true;
    });
    return at;
}

// Learning that was stopped leaves the words not yet read in the box, so the
// user can send them again.
void keepUnread(QPlainTextEdit& box, QStringView delimiters, qint64 taken)
{
    QTextCursor read(box.document());
    read.setPosition(unreadStart(box, delimiters, taken), QTextCursor::KeepAnchor);
    read.removeSelectedText();
}

} // namespace

const QString kWordsFullMessage = listFullMessage(QLatin1String("word"), QLatin1String("words"));
const QString kProperNounsFullMessage
    = listFullMessage(QLatin1String("proper noun"), QLatin1String("proper nouns"));

bool MainWindow::txtl_KeyDown(int keyCode, int /*shiftState*/)
{
    if (keyCode != key::Enter)
        return false;
    // The text stays in the box until the running operation has ended.
    if (m_forms.refuseWhileWorking())
        return true;
    bool full = false;
    {
        WorkingScope working(m_forms, {this});
        full = !LearnReg();
    }
    // Told once the window is back, so the user sees what was learned.
    if (full)
        m_host.msgBox(kWordsFullMessage);
    // The Enter is used up, so the box stays empty instead of starting a new line.
    return true;
}

bool MainWindow::LearnReg()
{
    StoreLearner learner(*lstw);
    const QString delimiters = m_forms.frmoptions().txtdelim->text();
    RunCutter cutter(delimiters);
    qint64 taken = 0;
    // How far: the characters read, a word and the delimiter after it at a time.
    const qint64 size = txtl->document()->characterCount();
    qint64 read = 0;
    const auto take = [&](QStringView word) {
        if (!learnWord(learner, word))
            return false;
        ++taken;
        read += word.size() + 1;
        m_forms.workProgress(read, size);
        return true;
    };
    // Read a paragraph at a time: the first word is learned, and the screen
    // turns, before a long text has been read out of the box.
    bool first = true;
    const bool whole = forEachBoxParagraph(*txtl, [&](QStringView paragraph) {
        const bool more
            = (first || cutter.feedBoxText(u"\n", take)) && cutter.feedBoxText(paragraph, take);
        first = false;
        return more;
    });
    const bool stopped = !(whole && cutter.finish(take));
    learner.finish();
    if (learner.added() > 0) {
        showCounts();
        changed = true;
    }
    if (stopped)
        keepUnread(*txtl, delimiters, taken);
    else
        txtl->clear();
    return !learner.overflowed();
}

bool MainWindow::learnWord(StoreLearner& learner, QStringView word)
{
    // Keeps the working screen alive through long texts.
    if (!m_forms.keepWorking())
        return false;
    learner.take(word);
    return true;
}

void MainWindow::Timer1_Timer()
{
    // Learning reads the box and clears it itself when it ends.
    if (m_forms.working())
        return;
    // A learn box that holds nothing but a line break is empty to the user. Its
    // size is looked at first: the box may hold megabytes after every change.
    if (txtl->document()->characterCount() == 2 && txtl->toPlainText() == QLatin1String("\n"))
        txtl->clear();
}

bool MainWindow::txtpn_KeyDown(int keyCode, int /*shiftState*/)
{
    if (keyCode != key::Enter)
        return false;
    StoreLearner learner(*lstproper);
    for (const QString& name : cutProperNouns(withCrLf(boxPlainText(*txtpn))))
        learner.take(name);
    learner.finish();
    if (learner.added() > 0) {
        showCounts();
        namesChanged = true;
    }
    txtpn->clear();
    if (learner.overflowed())
        m_host.msgBox(kProperNounsFullMessage);
    // The Enter then reaches the box and starts a new line, which the next
    // Enter cuts away as an empty name.
    return false;
}

} // namespace quibbler
