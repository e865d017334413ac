#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quibbler {

class WordsByFirstLetter;

// The options' word filters, given the texts of their boxes: a first letter,
// compared with a word's first character without regard to case, and a
// length, compared with a word's length in characters. Each filter counts
// only when its text is set; a length that is no number counts 0.
class WordFilter {
public:
    WordFilter(const QString& letter, const QString& length);

    // The words that pass, in order.
    QStringList passing(const WordsByFirstLetter& words) const;

    // The cache's staleness test on the word last drawn from it ("" when
    // none): the letter differs from its first character, compared with
    // case, or the length's value from its length.
    bool isStale(QStringView lastDrawn) const;

private:
    QString m_letter;
    QString m_upperLetter;
    bool m_byLength;
    double m_length;
};

} // namespace quibbler
