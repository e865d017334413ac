#include "sentences/Capitalization.h"

#include "host/Characters.h"
#include "host/ListBox.h"
#include "sentences/OptionsWindow.h"

#include <QRadioButton>

namespace quibbler {

QString withCapital(const QString& word)
{
    return upperFirstCharacter(word) + word.mid(firstCharacter(word).size());
}

int properNounStop(const ListBox& properNouns, const QString& word)
{
    const int match = properNouns.findIgnoringCase(word);
    return match >= 0 ? match : properNouns.count() - 1;
}

QString capitalized(const ListBox& properNouns, const QString& word)
{
    return properNouns.findIgnoringCase(word) >= 0 ? withCapital(word) : word;
}

CaseRule caseRuleOf(const OptionsWindow& options)
{
    if (options.optnorm->isChecked())
        return CaseRule::Normal;
    if (options.optlcase->isChecked())
        return CaseRule::Lower;
    if (options.optucase->isChecked())
        return CaseRule::Upper;
    return CaseRule::None;
}

QString applyCaseRule(QString text, CaseRule rule)
{
    switch (rule) {
    case CaseRule::Normal:
        // In place: an answer may be millions of characters long.
        if (!text.isEmpty())
            text.replace(0, firstCharacter(text).size(), upperFirstCharacter(text));
        return text;
    case CaseRule::Lower:
        return text.toLower();
    case CaseRule::Upper:
        return text.toUpper();
    case CaseRule::None:
        break;
    }
    return text;
}

} // namespace quibbler
