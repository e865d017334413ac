#pragma once

#include <QString>

namespace quibbler {

class OptionsWindow;

// The word with its first character upper-cased and the rest as it was.
QString withCapital(const QString& word);

enum class CaseRule { Normal, Lower, Upper, None };

// The case option selected in the options window, first selected wins.
CaseRule caseRuleOf(const OptionsWindow& options);

// The case rule on a finished answer or line.
QString applyCaseRule(QString text, CaseRule rule);

} // namespace quibbler
