#include "controls/ListBox.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

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

// The entries as the view sees them: those it has been told about so far.
class ListBox::Model : public QAbstractListModel {
public:
    Model(const QStringList& entries, QObject* parent)
        : QAbstractListModel(parent), m_entries(entries)
    { }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : shown;
    }

    // The view asks for an index of every row each time it lays the rows
    // out: asked of a flat list directly, not through rowCount and columnCount.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override
    {
        return row >= 0 && row < shown && column == 0 && !parent.isValid()
            ? createIndex(row, column)
            : QModelIndex();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        return m_entries.at(index.row());
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                               : Qt::NoItemFlags;
    }

    void showUpTo(int count)
    {
        if (count <= shown)
            return;
        beginInsertRows({}, shown, count - 1);
        shown = count;
        endInsertRows();
    }

    using QAbstractListModel::beginRemoveRows;
    using QAbstractListModel::beginResetModel;
    using QAbstractListModel::endRemoveRows;
    using QAbstractListModel::endResetModel;

    int shown = 0;

private:
    const QStringList& m_entries;
};

ListBox::ListBox(QWidget* parent) : EqualRowsView(parent), m_model(new Model(m_entries, this))
{
    // Room for the most entries from the start: an entry appended never moves
    // the others, nor copies a list that a batch or a snapshot shares.
    m_entries.reserve(MaxEntries);
    setModel(m_model);
    setItemDelegate(new ShortenedEntries(this));
}

ListBox::~ListBox() = default;

void ListBox::showAppended() const
{
    m_model->showUpTo(count());
}

bool ListBox::append(const QString& entry)
{
    if (isFull())
        return false;
    m_entries.append(entry);
    if (!std::exchange(m_showPending, true)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_showPending = false;
                showAppended();
            },
            Qt::QueuedConnection);
    }
    emit entriesChanged();
    return true;
}

int ListBox::appendAll(const QStringList& entries)
{
    const int room = MaxEntries - count();
    const int taken = static_cast<int>(std::min<qsizetype>(room, entries.size()));
    if (taken <= 0)
        return 0;
    m_entries.append(entries.mid(0, taken));
    showAppended();
    // Indexed now, with the batch: the first word learned after a start-up or
    // a load should cost what any other does.
    updateIndex();
    emit entriesChanged();
    return taken;
}

void ListBox::removeAt(int position)
{
    if (position < 0 || position >= count())
        return;
    showAppended();
    if (position == count() - 1 && position < m_indexed) {
        // Dropping the last entry moves no other entry: the index stays good.
        m_index.removeLast(m_entries, position);
        --m_indexed;
    } else if (position < m_indexed) {
        // Positions after the removed entry move; the index is rebuilt on next use.
        m_index.clear();
        m_indexed = 0;
    }
    m_model->beginRemoveRows({}, position, position);
    m_entries.removeAt(position);
    --m_model->shown;
    m_model->endRemoveRows();
    emit entriesChanged();
}

void ListBox::clearAll()
{
    m_model->beginResetModel();
    m_entries.clear();
    m_model->shown = 0;
    m_model->endResetModel();
    m_index.clear();
    m_indexed = 0;
    emit entriesChanged();
}

QString ListBox::entryAt(int position) const
{
    return position >= 0 && position < count() ? m_entries.at(position) : QString();
}

int ListBox::selectedPos() const
{
    showAppended();
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void ListBox::setSelectedPos(int position)
{
    showAppended();
    // A position outside the list has no index: nothing is then selected.
    const QModelIndex index = m_model->index(position);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QString ListBox::selectedText() const
{
    const int position = selectedPos();
    return position < 0 ? QString() : m_entries.at(position);
}

int ListBox::findIgnoringCase(QStringView text) const
{
    updateIndex();
    return m_index.find(text, m_entries);
}

ListBox::WalkStop ListBox::walkStop(QStringView text, const CaselessIndex::Key& key) const
{
    updateIndex();
    const int match = m_index.find(key, text, m_entries);
    return {match >= 0 ? match : walkEnd(), match >= 0};
}

void ListBox::updateIndex() const
{
    if (m_indexed == count())
        return;
    // A batch (start-up, a load) is indexed in one go, without regrowing on the way.
    if (count() - m_indexed > 1000)
        m_index.reserve(count());
    for (; m_indexed < count(); ++m_indexed)
        m_index.add(m_entries, m_indexed);
}

} // namespace quibbler
