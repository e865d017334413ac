// text/: text rules with no widget in them: characters, first letters, numbers.
#pragma once

#include <QList>
#include <QStringView>
#include <QValidator>

class QLineEdit;

namespace quibbler {

// A character as the user sees it: one grapheme cluster, so a letter with its
// accents, an emoji with its modifiers or a flag is one character and is never
// cut in half. Empty for an empty text.
QStringView firstCharacter(QStringView text);

// The first character upper-cased: what "starts with this letter, whatever
// its case" compares.
QString upperFirstCharacter(QStringView text);

// How many such characters the text has: a word's length as the user counts it.
qsizetype characterCount(QStringView text);

// The text cut into such characters, in order.
QList<QStringView> characters(QStringView text);

// Lets a one-line box hold at most one such character, as a one-character
// limit would without halving an emoji: what is typed or pasted beside the
// character the box holds is refused, and a paste into an empty box (or over
// its selected character) keeps the paste's first character.
class OneCharacter : public QValidator {
public:
    explicit OneCharacter(QLineEdit* box);
    State validate(QString& input, int& position) const override;

private:
    QString m_held; // the box's text before the edit being validated
    bool m_heldSelected = false; // and whether it was selected
};

} // namespace quibbler
