#include "host/ListBox.h"

#include <QStyledItemDelegate>

namespace quibbler {

namespace {

// Laying out an entry's text costs time in its length at every repaint, and
// an entry may be megabytes long (one loaded from a file with no delimiter in
// it). Only the start of a long entry is drawn; the entry itself stays whole.
class ShortenedEntries : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        constexpr qsizetype kShown = 500;
        if (option->text.size() > kShown) {
            const bool pairCut = option->text.at(kShown - 1).isHighSurrogate();
            option->text = option->text.first(kShown - (pairCut ? 1 : 0)) + QChar(0x2026);
        }
    }
};

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new ShortenedEntries(this));
    // Keeps filling tens of thousands of entries to milliseconds.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool ListBox::append(const QString& entry)
{
    if (isFull())
        return false;
    addItem(entry);
    indexAppended(count() - 1, entry);
    return true;
}

int ListBox::appendAll(const QStringList& entries)
{
    const int room = MaxEntries - count();
    const int taken = static_cast<int>(std::min<qsizetype>(room, entries.size()));
    if (taken <= 0)
        return 0;
    const int first = count();
    const QStringList batch = entries.mid(0, taken);
    setUpdatesEnabled(false);
    addItems(batch);
    setUpdatesEnabled(true);
    for (int i = 0; i < taken; ++i)
        indexAppended(first + i, batch.at(i));
    return taken;
}

void ListBox::removeAt(int position)
{
    if (position < 0 || position >= count())
        return;
    if (position == count() - 1 && !m_indexStale) {
        // Dropping the last entry moves no other entry: the index stays good.
        const auto it = m_firstByUpper.constFind(item(position)->text().toUpper());
        if (it != m_firstByUpper.cend() && it.value() == position)
            m_firstByUpper.erase(it);
        delete takeItem(position);
        return;
    }
    delete takeItem(position);
    // Positions after the removed entry move; the index is rebuilt on next use.
    m_indexStale = true;
}

void ListBox::clearAll()
{
    clear();
    m_firstByUpper.clear();
    m_indexStale = false;
}

QString ListBox::entryAt(int position) const
{
    const QListWidgetItem* it = item(position);
    return it ? it->text() : QString();
}

QStringList ListBox::entries() const
{
    QStringList all;
    all.reserve(count());
    for (int i = 0; i < count(); ++i)
        all.append(item(i)->text());
    return all;
}

int ListBox::selectedPos() const
{
    const QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? currentRow() : -1;
}

void ListBox::setSelectedPos(int position)
{
    if (position < 0 || position >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(position);
    scrollToItem(item(position));
}

QString ListBox::selectedText() const
{
    const int position = selectedPos();
    return position < 0 ? QString() : item(position)->text();
}

int ListBox::findIgnoringCase(QStringView text) const
{
    rebuildIndexIfStale();
    return m_firstByUpper.value(text.toString().toUpper(), -1);
}

void ListBox::indexAppended(int position, const QString& entry)
{
    if (m_indexStale)
        return;
    const QString key = entry.toUpper();
    if (!m_firstByUpper.contains(key))
        m_firstByUpper.insert(key, position);
}

void ListBox::rebuildIndexIfStale() const
{
    if (!m_indexStale)
        return;
    m_firstByUpper.clear();
    m_firstByUpper.reserve(count());
    for (int i = count() - 1; i >= 0; --i)
        m_firstByUpper.insert(item(i)->text().toUpper(), i);
    m_indexStale = false;
}

} // namespace quibbler
