// controls/: the program's own widgets: the store's list box, the exact text boxes.
#pragma once

#include "controls/CaselessIndex.h"
#include "controls/EqualRowsView.h"

#include <QString>
#include <QStringList>

namespace quibbler {

// A list box of the vocabulary store. Entries stay in the order added; the
// selected position (-1 for none) is part of the store's state.
//
// The entries live in one string list behind a light model, so tens of
// thousands of them fill the list in a moment, and an entry appended is
// shown from the next turn of the event loop (or sooner, when the selection
// is next read or set): learning a text appends word after word. The list
// keeps an index of its upper-cased entries (a batch is indexed with it, a
// single entry when the index is next looked in), so that "where does this
// word first stand, ignoring case" is one look-up instead of a walk. The
// view places rows by arithmetic, so showing and selecting a word costs the
// same in a list of ten entries or of thirty thousand.
class ListBox : public EqualRowsView {
    Q_OBJECT
public:
    // Counts and positions are 16-bit signed: a list holds at most this many entries.
    static constexpr int MaxEntries = 32767;

    explicit ListBox(QWidget* parent = nullptr);
    ~ListBox() override;

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isFull() const { return count() >= MaxEntries; }

    // Appends at the end; false (and nothing added) when the list is full.
    bool append(const QString& entry);

    // Appends as many entries as fit, in one batch; returns how many were added.
    int appendAll(const QStringList& entries);

    void removeAt(int position);
    void clearAll();

    QString entryAt(int position) const;
    const QStringList& entries() const { return m_entries; }

    int selectedPos() const;
    // Selects the entry and scrolls it into view; -1 (or any position outside
    // the list) selects nothing.
    void setSelectedPos(int position);
    // The selected entry's text, "" when nothing is selected.
    QString selectedText() const;

    // The first position whose entry equals the text once both are upper-cased, or -1.
    int findIgnoringCase(QStringView text) const;
    int findIgnoringCase(const QString& text) const { return findIgnoringCase(QStringView(text)); }

    // Where a walk of the list looking for the text stops, which is where a
    // look-up leaves the selection: on the first entry equal to the text once
    // both are upper-cased (found), else on the last entry; -1 for an empty list.
    struct WalkStop {
        int position;
        bool found;
    };
    WalkStop walkStop(QStringView text) const { return walkStop(text, CaselessIndex::Key(text)); }
    // The same, with the text's key made beforehand, for a look-up prefetched
    // while other work went on.
    WalkStop walkStop(QStringView text, const CaselessIndex::Key& key) const;
    // Starts fetching the memory a look-up of the key reads first.
    void prefetch(const CaselessIndex::Key& key) const { m_index.prefetch(key); }
    // Where a walk over every entry ends, having stopped at none: the last
    // entry, -1 for an empty list.
    int walkEnd() const { return count() - 1; }

signals:
    // An entry was added or removed.
    void entriesChanged();

private:
    class Model;

    // Tells the view about the entries appended since it last heard.
    void showAppended() const;
    void updateIndex() const;

    QStringList m_entries;
    Model* m_model;
    mutable CaselessIndex m_index;
    // Entries before this position are in the index.
    mutable int m_indexed = 0;
    mutable bool m_showPending = false;
};

} // namespace quibbler
