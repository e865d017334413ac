#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quibbler {

// The learn box's delimiters at start-up: space ; . , ! ? : CR LF tab and the double quote.
inline const QString kDefaultDelimiters = QStringLiteral(" ;.,!?:\r\n\t\"");

// The fixed separators of proper nouns. After any of them but the space, the
// character that follows is skipped too, which drops the LF of a CR LF and the
// blank after a punctuation mark.
inline const QString kProperNounSeparators = QStringLiteral("\r\n\t;:,!?. ");
inline const QString kProperNounSkippers = QStringLiteral("\r\n\t;:,!?.");

// Qt's text boxes hold a line break as one LF; the cutting rules are written
// for the CR LF that a line break is in the files and on the clipboard.
QString withCrLf(QStringView boxText);

// True when letter is exactly one of the delimiter characters; an empty letter
// never is.
bool isDelim(QStringView letter, QStringView delimiters);

// Every run of the text between delimiter characters, in order, empty runs
// included (a text with n delimiters has n + 1 runs), each underscore in a run
// turned into a space.
QStringList cutWords(QStringView text, QStringView delimiters);

// The runs of cutWords, handed to visit one at a time as they are found;
// visit returns false to stop. Returns false when it was stopped.
template <typename Visit> bool forEachRun(QStringView text, QStringView delimiters, Visit&& visit)
{
    QString word;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !delimiters.contains(text.at(i)))
            continue;
        const QStringView run = text.sliced(start, i - start);
        if (run.contains(QLatin1Char('_'))) {
            word = run.toString();
            word.replace(QLatin1Char('_'), QLatin1Char(' '));
            if (!visit(QStringView(word)))
                return false;
        } else if (!visit(run)) {
            return false;
        }
        start = i + 1;
    }
    return true;
}

// Every name of the text cut at the proper-noun separators, with the skip rule
// above, empty names included, each underscore turned into a space.
QStringList cutProperNouns(QStringView text);

} // namespace quibbler
