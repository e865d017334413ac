#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

namespace quibbler {
class RandomSource;
}

namespace quibbler::bench {

// The least work any implementation must do for two of the scenarios, without
// widgets, written apart from the program so that its figure is a yardstick.

// Learning: cuts the text at the default delimiters (space ; . , ! ? : CR LF
// tab and the double quote) and looks every word up, ignoring case, in a hash
// of the distinct words seen so far, inserting the new ones. Returns how many
// distinct words there were.
qsizetype learnFloor(const QString& text);

// The same over a text taken in pieces, one hash for them all (a word cut
// where a piece ends counts as two).
class LearnFloor {
public:
    LearnFloor();
    ~LearnFloor();
    qsizetype learn(QStringView text);

private:
    struct Seen;
    std::unique_ptr<Seen> m_seen;
};

// An answer: draws count indices from the random source and joins the drawn
// words with blanks into one string.
QString answerFloor(const QStringList& words, int count, RandomSource& random);

} // namespace quibbler::bench
