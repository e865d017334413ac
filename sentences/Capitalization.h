#pragma once

#include <QString>

namespace quibbler {

class ListBox;
class OptionsWindow;

// The word with its first character upper-cased and the rest as it was.
QString withCapital(const QString& word);

// Where a walk of the proper nouns looking for the word (ignoring case) stops:
// on the match, else on the last entry (-1 for an empty list).
int properNounStop(const ListBox& properNouns, const QString& word);

// The word as Capitalize leaves it: capitalised when it is a known proper noun.
QString capitalized(const ListBox& properNouns, const QString& word);

enum class CaseRule { Normal, Lower, Upper, None };

// The case option selected in the options window, first selected wins.
CaseRule caseRuleOf(const OptionsWindow& options);

// The case rule on a finished answer or line.
QString applyCaseRule(QString text, CaseRule rule);

} // namespace quibbler
