#pragma once

#include <QPointer>
#include <QString>

namespace quibbler {

class Forms;
class Host;
class PoetryWindow;

enum class PoemKind { Rising, Decreasing, Repetitions, Random };

// Writes a title and a poem of one kind into the poetry window, with the
// first-letter, length, capitals and case options of the options window.
// A poem stops early, keeping the lines and title words written so far, when
// a word is to be drawn from an empty list, a line would get no words, or the
// Letter Incrementor meets a length that is not a number (the unfinished line
// is dropped), and when the user stops it or it reaches the most words a poem
// gets (the unfinished line is kept).
class PoemWriter {
public:
    PoemWriter(Forms& forms, PoetryWindow& window, Host& host);
    // True when the poem stopped at the most words a poem gets.
    bool write(PoemKind kind);

private:
    // The words per line of the Repetitions poem, asked until non-zero.
    void askWordsPerLine();

    // A turn of the event loop lets the user in; false when the poem is to stop.
    bool turn();

    Forms& m_forms;
    // The window keeps itself open while its poem is written; should it go
    // all the same, the poem stops at the next turn.
    QPointer<PoetryWindow> m_window;
    Host& m_host;
    bool m_reachedLimit = false;
};

// True when the whole text reads as one number (blanks around it allowed).
bool isNumberText(const QString& text);

} // namespace quibbler
