#include "sentences/Capitalization.h"

#include "text/Characters.h"
#include "sentences/OptionsWindow.h"

#include <QRadioButton>

namespace quibbler {

QString withCapital(const QString& word)
{
    return upperFirstCharacter(word) + word.mid(firstCharacter(word).size());
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
