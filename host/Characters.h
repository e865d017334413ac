#pragma once

#include <QList>
#include <QStringView>
#include <QValidator>

namespace quibbler {

// A character as the user sees it: one grapheme cluster, so a letter with its
// accents, an emoji with its modifiers or a flag is one character and is never
// cut in half. Empty for an empty text.
QStringView firstCharacter(QStringView text);

// The first character upper-cased: what "starts with this letter, whatever
// its case" compares.
QString upperFirstCharacter(QStringView text);

// The text cut into such characters, in order.
QList<QStringView> characters(QStringView text);

// Lets a one-line box hold at most one such character: a longer edit is
// refused, as a one-character limit on QChars would, without halving an emoji.
class OneCharacter : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace quibbler
