// The start-up files, and the save and load commands.
#include "app/Forms.h"
#include "controls/ListBox.h"
#include "host/Host.h"
#include "sentences/OptionsWindow.h"
#include "vocabulary/Cutting.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/RecoverySnapshot.h"
#include "vocabulary/StoreLearner.h"
#include "vocabulary/WordFileFormat.h"
#include "vocabulary/WorkingScope.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quibbler {

QString MainWindow::wordsFilePath() const
{
    return QDir(m_host.programFolder()).filePath(QStringLiteral("qblvocab.txt"));
}

QString MainWindow::properNounsFilePath() const
{
    return QDir(m_host.programFolder()).filePath(QStringLiteral("qblpn.txt"));
}

void MainWindow::readStartupFiles()
{
    // Both files are made sure of before either is read; a file that cannot be
    // had is reported once and its list starts empty.
    const wordfile::FileResult words = wordfile::ensureExists(wordsFilePath());
    const wordfile::FileResult names = wordfile::ensureExists(properNounsFilePath());
    for (const wordfile::FileResult& result : {words, names}) {
        if (!result.ok)
            m_host.msgBox(result.error);
    }
    if (words.ok)
        readStartupFile(wordsFilePath(), *lstw, kWordsFullMessage);
    if (names.ok)
        readStartupFile(properNounsFilePath(), *lstproper, kProperNounsFullMessage);
}

void MainWindow::readStartupFile(const QString& path, ListBox& list, const QString& fullMessage)
{
    // The start-up files are taken as they stand: repeated and empty entries
    // too. Reading stops when the list is full.
    wordfile::FieldFile file(path);
    for (QStringList fields; file.readPiece(fields);) {
        if (list.appendAll(fields) < fields.size()) {
            m_host.msgBox(fullMessage);
            return;
        }
    }
    if (!file.result().ok)
        m_host.msgBox(file.result().error);
}

SaveOutcome MainWindow::cmdsave_Click()
{
    const QString path
        = CommonDialog1.showTextFileDialog(m_host, true, QStringLiteral("Save text file..."));
    if (path.isEmpty())
        return SaveOutcome::Cancelled;

    const wordfile::FileResult words = wordfile::saveEntries(path, lstw->entries());
    if (!words.ok) {
        m_host.msgBox(words.error);
        return SaveOutcome::Failed;
    }
    // Only words that are on disk count as saved.
    changed = false;
    if (m_recovery)
        m_recovery->wordsSaved();

    const wordfile::FileResult names
        = wordfile::saveEntries(properNounsFilePath(), lstproper->entries());
    if (!names.ok) {
        m_host.msgBox(names.error);
        return SaveOutcome::Failed;
    }
    namesChanged = false;
    if (m_recovery)
        m_recovery->namesSaved();
    return SaveOutcome::Saved;
}

SaveOutcome MainWindow::offerSave(bool withNames)
{
    if (!(changed || (withNames && namesChanged))
        || m_host.msgBox(QStringLiteral("Do you wish to save your changes?"), Buttons::YesNo,
                         QStringLiteral("Save?"))
            != Answer::Yes)
        return SaveOutcome::Cancelled;
    return cmdsave_Click();
}

void MainWindow::mnuload_Click()
{
    if (m_forms.refuseWhileWorking())
        return;
    // A load may clear the list: words that could not be saved are not risked.
    // It leaves the proper nouns alone, so they are offered at quit instead.
    if (offerSave(false) == SaveOutcome::Failed)
        return;

    const QString path
        = CommonDialog1.showTextFileDialog(m_host, false, QStringLiteral("Load text file..."));
    if (path.isEmpty())
        return;

    // Opened before anything is cleared, so a file that cannot be read leaves
    // the word list as it was; it is then read a piece at a time.
    wordfile::FieldFile file(path);
    if (!file.result().ok) {
        m_host.msgBox(file.result().error);
        return;
    }

    OptionsWindow& options = m_forms.frmoptions();
    if (options.Check1->isChecked())
        lstw->clearAll();

    bool full = false;
    {
        WorkingScope working(m_forms, {this});
        txtl->clear();
        const QString delimiters = options.txtdelim->text();
        StoreLearner learner(*lstw);
        // Each field is cut into words on its own: a word never runs from one
        // field into the next.
        RunCutter cutter(delimiters);
        const auto learn = [&](QStringView word) { return learnWord(learner, word); };
        const auto learnField = [&](QStringView field) {
            // How far: the bytes read, up to the end of the piece being learned.
            m_forms.workProgress(file.bytesRead(), file.size());
            if (!(cutter.feed(field, learn) && cutter.finish(learn)))
                return false;
            // Reading stops with the field whose word found the list full.
            learner.flush();
            return !learner.overflowed();
        };
        while (file.readPiece(learnField)) { }
        learner.finish();
        full = learner.overflowed();
        showCounts();
        CommonDialog1.fileName.clear();
        changed = false;
    }
    if (!file.result().ok)
        m_host.msgBox(file.result().error); // the words read so far stay learned
    if (full)
        m_host.msgBox(kWordsFullMessage);
}

} // namespace quibbler
