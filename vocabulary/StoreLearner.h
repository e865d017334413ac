#pragma once

#include <QString>
#include <QStringView>

namespace quibbler {

class ListBox;

// Adds words to a list of the store, each only when the list holds no entry
// equal to it ignoring case, and leaves the list's selection where the walk
// looking for the last word stopped (ListBox::walkStop), as the list stood
// when that word was looked for.
class StoreLearner {
public:
    explicit StoreLearner(ListBox& list) : m_list(list) { }

    // One word: looked for, and appended when new and not empty.
    void take(QStringView word);

    // Moves the selection to where the last look-up left it.
    void finish();

    int added() const { return m_added; }
    // True when a new word found the list full and was not added.
    bool overflowed() const { return m_overflowed; }

private:
    ListBox& m_list;
    int m_added = 0;
    bool m_overflowed = false;
    bool m_looked = false;
    int m_lastStop = -1;
};

} // namespace quibbler
