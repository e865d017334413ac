// Learning words from the learn box, and proper nouns from the proper-noun box.
#include "app/Forms.h"
#include "host/Host.h"
#include "host/Keys.h"
#include "host/ListBox.h"
#include "host/LongText.h"
#include "sentences/OptionsWindow.h"
#include "vocabulary/Cutting.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/StoreLearner.h"
#include "vocabulary/WorkingScope.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace quibbler {

const QString kWordsFullMessage
    = QStringLiteral("Quibbler's word list is full: it holds 32767 words, the most it can. No more "
                     "words were added.");
const QString kProperNounsFullMessage = QStringLiteral(
    "Quibbler's proper noun list is full: it holds 32767 proper nouns, the most it can. "
    "No more proper nouns were added.");

bool MainWindow::txtl_KeyDown(int keyCode, int /*shiftState*/)
{
    if (keyCode != key::Enter)
        return false;
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
    const auto take = [&](QStringView word) { return learnWord(learner, word); };
    // Read a paragraph at a time: the first word is learned, and the screen
    // turns, before a long text has been read out of the box.
    bool first = true;
    const bool whole = forEachBoxParagraph(*txtl, [&](QStringView paragraph) {
        const bool more
            = (first || cutter.feedBoxText(u"\n", take)) && cutter.feedBoxText(paragraph, take);
        first = false;
        return more;
    });
    if (whole)
        cutter.finish(take);
    learner.finish();
    if (learner.added() > 0) {
        lblwk->setText(QString::number(lstw->count()));
        changed = true;
    }
    found = false;
    txtl->clear();
    return !learner.overflowed();
}

bool MainWindow::learnWords(StoreLearner& learner, QStringView text, const QString& delimiters)
{
    return forEachRun(text, delimiters, [&](QStringView word) { return learnWord(learner, word); });
}

bool MainWindow::learnWord(StoreLearner& learner, QStringView word)
{
    // Keeps the working screen alive through long texts.
    if (!m_forms.keepWorking())
        return false;
    learner.take(word);
    return true;
}

bool MainWindow::isDelim(const QString& letter) const
{
    return quibbler::isDelim(letter, m_forms.frmoptions().txtdelim->text());
}

void MainWindow::Timer1_Timer()
{
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
    for (const QString& name : cutProperNouns(withCrLf(txtpn->toPlainText())))
        learner.take(name);
    learner.finish();
    if (learner.added() > 0)
        lblpk->setText(QString::number(lstproper->count()));
    found = false;
    txtpn->clear();
    if (learner.overflowed())
        m_host.msgBox(kProperNounsFullMessage);
    // The Enter then reaches the box and starts a new line, which the next
    // Enter cuts away as an empty name.
    return false;
}

} // namespace quibbler
