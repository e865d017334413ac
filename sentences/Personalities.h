#pragma once

#include <QString>

namespace quibbler {

// The Mean personality's past tense: unchanged below two characters or after
// "ed"; "y" becomes "ied"; "e" takes "d"; anything else takes "ed". The endings
// are compared with case.
QString pastTense(const QString& word);

// "I <past tense> your mom last night."
QString meanAnswer(const QString& word);

// The Inquisitive question of opener q (1 to 4) about the word.
QString question(int q, const QString& word);

} // namespace quibbler
