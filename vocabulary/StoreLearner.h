#pragma once

#include "controls/CaselessIndex.h"

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

namespace quibbler {

class ListBox;

// Adds words to a list of the store, each only when the list holds no entry
// equal to it ignoring case, and leaves the list's selection where the walk
// looking for the last word stopped (ListBox::walkStop), as the list stood
// when that word was looked for.
//
// A word waits until the next is taken: the index's memory for it is fetched
// while the word before it is looked up. In a list of tens of thousands of
// entries the index outgrows the nearer caches, and a look-up would otherwise
// wait for memory every time.
class StoreLearner {
public:
    explicit StoreLearner(ListBox& list) : m_list(list) { }

    // One word: looked for, and appended when new and not empty, by the next
    // take or flush.
    void take(QStringView word);
    // Looks for the word taken last, if it waits.
    void flush();

    // Flushes, and moves the selection to where the last look-up left it.
    void finish();

    // As of the words looked for so far.
    int added() const { return m_added; }
    // True when a new word found the list full and was not added.
    bool overflowed() const { return m_overflowed; }

private:
    void lookUp();

    ListBox& m_list;
    int m_added = 0;
    bool m_overflowed = false;
    bool m_looked = false;
    int m_lastStop = -1;
    // The word taken and not yet looked for, copied, as the text it was cut
    // from may be gone by the next take; an ordinary word without allocating.
    bool m_waits = false;
    QVarLengthArray<char16_t, 32> m_waiting;
    CaselessIndex::Key m_waitingKey{QStringView()};
};

} // namespace quibbler
