#include "queries/QueryCommands.h"

#include "app/Forms.h"
#include "controls/ListBox.h"
#include "host/Host.h"
#include "sentences/OptionsWindow.h"
#include "sentences/WordSource.h"
#include "sentences/WordsByFirstLetter.h"
#include "text/Characters.h"
#include "text/TextNumbers.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScope.h"

#include <QLineEdit>

namespace quibbler {

namespace {

const QString kResults = QStringLiteral("Results");
const QString kInstancesFound = QStringLiteral(" instances found.");

} // namespace

QueryCommands::QueryCommands(MainWindow& main, Host& host) : m_main(main), m_host(host) { }

void QueryCommands::countWordsByLetter()
{
    // The count rebuilds the word cache that a poem being written draws from.
    if (m_main.forms().refuseWhileWorking())
        return;
    const QString letter = firstCharacter(m_host.inputBox(QStringLiteral("First letter?"),
                                                          QStringLiteral("Letter?")))
                               .toString();
    m_main.forms().frmoptions().txtword->setText(letter);
    {
        WorkingScope working(m_main.forms(), {&m_main});
        // Always rebuilt: a cache that only looks fresh (its last draw still fits
        // the letter) can miss words learned since, and would report a stale count.
        const OptionsWindow& options = m_main.forms().frmoptions();
        WordSource(*m_main.lstw, *m_main.lstsw, *m_main.lstproper)
            .rebuild(options.txtword->text(), options.txtwl->text());
    }
    m_host.msgBox(QString::number(m_main.lstsw->count()) + kInstancesFound, Buttons::Ok, kResults);
}

void QueryCommands::countProperNounsByLetter()
{
    const QString letter = upperFirstCharacter(
        m_host.inputBox(QStringLiteral("First letter?"), QStringLiteral("Letter?")));
    const int count = WordsByFirstLetter(m_main.lstproper->entries()).count(letter);
    m_host.msgBox(QString::number(count) + kInstancesFound, Buttons::Ok, kResults);
}

void QueryCommands::countWordsContaining()
{
    const QString text = m_host.inputBox(QStringLiteral("What string do you want to search for?"),
                                         QStringLiteral("Search?"));
    if (text.isEmpty())
        return;
    {
        WorkingScope working(m_main.forms(), {&m_main});
        QStringList matching;
        for (const QString& word : m_main.lstw->entries()) {
            if (word.contains(text, Qt::CaseSensitive))
                matching.append(word);
        }
        m_main.List1->clearAll();
        m_main.List1->appendAll(matching);
        m_main.lstw->setSelectedPos(m_main.lstw->walkEnd());
    }
    m_host.msgBox(signedNumberText(m_main.List1->count()) + QStringLiteral(" word(s) contain ")
                      + text,
                  Buttons::Ok, QString());
}

void QueryCommands::findWord()
{
    find(*m_main.lstw, "What word do you wish to find?", "Word not found");
}

void QueryCommands::findProperNoun()
{
    find(*m_main.lstproper, "What Proper Noun do you wish to find?", "Proper noun not found");
}

void QueryCommands::find(ListBox& list, const char* prompt, const char* notFound)
{
    const int selected = list.selectedPos();
    const QString wanted = m_host.inputBox(QString::fromLatin1(prompt), QStringLiteral("Find?"));
    const int match = list.findIgnoringCase(wanted);
    if (match >= 0) {
        list.setSelectedPos(match);
    } else {
        list.setSelectedPos(selected);
        m_host.msgBox(QString::fromLatin1(notFound));
    }
}

void QueryCommands::jumpToWord()
{
    jump(*m_main.lstw, "Jump to word number:");
}

void QueryCommands::jumpToProperNoun()
{
    jump(*m_main.lstproper, "Jump to proper noun number:");
}

void QueryCommands::jump(ListBox& list, const char* prompt)
{
    const double number
        = leadingNumber(m_host.inputBox(QString::fromLatin1(prompt), QStringLiteral("Jump to...")));
    if (number > 0 && number <= list.count())
        list.setSelectedPos(static_cast<int>(roundHalfEven(number - 1)));
    else
        m_host.msgBox(QStringLiteral("Invalid input."));
}

} // namespace quibbler
