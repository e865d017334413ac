#pragma once

#include <QHash>
#include <QListWidget>
#include <QString>
#include <QStringList>

namespace quibbler {

// A list box of the vocabulary store. Entries stay in the order added; the
// selected position (-1 for none) is part of the store's state. The list keeps
// an index of its upper-cased entries so that "where does this word first
// stand, ignoring case" is one look-up instead of a walk.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    // Counts and positions are 16-bit signed: a list holds at most this many entries.
    static constexpr int MaxEntries = 32767;

    explicit ListBox(QWidget* parent = nullptr);

    int count() const { return QListWidget::count(); }
    bool isFull() const { return count() >= MaxEntries; }

    // Appends at the end; false (and nothing added) when the list is full.
    bool append(const QString& entry);

    // Appends as many entries as fit, in one batch; returns how many were added.
    int appendAll(const QStringList& entries);

    void removeAt(int position);
    void clearAll();

    QString entryAt(int position) const;
    QStringList entries() const;

    int selectedPos() const;
    // Selects the entry and scrolls it into view; -1 (or any position outside
    // the list) selects nothing.
    void setSelectedPos(int position);
    // The selected entry's text, "" when nothing is selected.
    QString selectedText() const;

    // The first position whose entry equals the text once both are upper-cased, or -1.
    int findIgnoringCase(QStringView text) const;
    int findIgnoringCase(const QString& text) const { return findIgnoringCase(QStringView(text)); }

private:
    void indexAppended(int position, const QString& entry);
    void rebuildIndexIfStale() const;

    mutable QHash<QString, int> m_firstByUpper;
    mutable bool m_indexStale = false;
};

} // namespace quibbler
