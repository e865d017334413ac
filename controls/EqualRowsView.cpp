#include "controls/EqualRowsView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace quibbler {

EqualRowsView::EqualRowsView(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(SingleSelection);
}

int EqualRowsView::rowCount() const
{
    return model()->rowCount(rootIndex());
}

QModelIndex EqualRowsView::rowIndex(int row) const
{
    return model()->index(row, modelColumn(), rootIndex());
}

QSize EqualRowsView::rowSize() const
{
    const_cast<EqualRowsView*>(this)->executeDelayedItemsLayout();
    return m_rowSize;
}

void EqualRowsView::doItemsLayout()
{
    // Not the list view's layout, which places every row: rows are placed by
    // arithmetic, so only the scroll bars need setting.
    QAbstractItemView::doItemsLayout();
}

void EqualRowsView::updateGeometries()
{
    const int rows = rowCount();
    QScrollBar* across = horizontalScrollBar();
    QScrollBar* down = verticalScrollBar();
    QSize measured; // none in an empty list
    if (rows > 0) {
        // The last row stands for all: it is likely the longest.
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex sample = rowIndex(rows - 1);
        if (const QAbstractItemDelegate* delegate = itemDelegateForIndex(sample))
            measured = delegate->sizeHint(option, sample);
    }
    m_rowSize = measured;
    if (geometry().isEmpty() || rows <= 0) {
        across->setRange(0, 0);
        down->setRange(0, 0);
    } else {
        const QSize contents(m_rowSize.width(), rows * m_rowSize.height());
        const QSize inside = contentsRect().marginsRemoved(viewportMargins()).size();
        const bool bothAsNeeded = verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded
            && horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded;

        across->setSingleStep(m_rowSize.width());
        across->setPageStep(viewport()->width());
        const bool downWanted = contents.height() > inside.height();
        const bool acrossWanted
            = contents.width() > inside.width() - (downWanted ? down->width() : 0);
        // Both bars left to themselves could show and hide each other for ever.
        across->setRange(
            0, bothAsNeeded && !acrossWanted ? 0 : contents.width() - viewport()->width());

        if (verticalScrollMode() == ScrollPerItem) {
            const int height = m_rowSize.height();
            const int fit = contents.height() <= viewport()->height() ? rows + 1
                : height > 0 ? viewport()->height() / height
                             : 0;
            down->setSingleStep(1);
            down->setPageStep(fit);
            down->setRange(0, rows - fit);
        } else {
            down->setSingleStep(m_rowSize.height());
            down->setPageStep(viewport()->height());
            const bool acrossShown = contents.width() > inside.width();
            const bool downShown
                = contents.height() > inside.height() - (acrossShown ? across->height() : 0);
            down->setRange(
                0, bothAsNeeded && !downShown ? 0 : contents.height() - viewport()->height());
        }
    }
    QAbstractItemView::updateGeometries();
    // Places the scroll bars and the viewport now rather than on the next
    // turn of the event loop, so that a scroll that follows sees the
    // viewport's new height.
    setViewportMargins(viewportMargins());
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        across->setRange(0, 0);
}

int EqualRowsView::horizontalOffset() const
{
    const QScrollBar* across = horizontalScrollBar();
    return isRightToLeft() ? across->maximum() - across->value() : across->value();
}

int EqualRowsView::verticalOffset() const
{
    const int value = verticalScrollBar()->value();
    return verticalScrollMode() == ScrollPerItem ? value * m_rowSize.height() : value;
}

QRect EqualRowsView::visualRect(const QModelIndex& index) const
{
    // A flat list of one column: every index it is asked about is one of its rows.
    if (!index.isValid())
        return {};
    const QSize size = rowSize();
    if (index.row() >= rowCount())
        return {};
    // Rows are as wide as the viewport, or as the widest row when wider.
    return QRect(-horizontalOffset(), index.row() * size.height() - verticalOffset(),
                 std::max(size.width(), viewport()->width()), size.height());
}

int EqualRowsView::contentsWidth() const
{
    // Without a horizontal scroll bar the contents are as wide as the viewport.
    return horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
        ? viewport()->width()
        : std::max(viewport()->width(), m_rowSize.width());
}

EqualRowsView::Rows EqualRowsView::rowsIn(const QRect& contents) const
{
    const int rows = rowCount();
    const int height = rowSize().height();
    // The column starts at the contents' left edge, mirrored right to left
    // (so a wide row's far end cannot be clicked there when the contents are
    // cut to the viewport, as in the list view).
    const int right = isRightToLeft() ? contentsWidth() - 1 - contents.left() : contents.right();
    if (rows <= 0 || height <= 0 || right < 0 || contents.bottom() < 0
        || rows * height < contents.top())
        return {};
    return {std::min(std::max(0, contents.top()) / height, rows - 1),
            std::min(contents.bottom() / height, rows - 1)};
}

int EqualRowsView::rowUnder(const QPoint& viewportPoint) const
{
    const Rows rows
        = rowsIn(QRect(viewportPoint + QPoint(horizontalOffset(), verticalOffset()), QSize(1, 1)));
    return rows.first <= rows.last ? rows.last : -1;
}

QModelIndex EqualRowsView::indexAt(const QPoint& point) const
{
    const int row = rowUnder(point);
    if (row < 0)
        return {};
    const QModelIndex index = rowIndex(row);
    return visualRect(index).contains(point) ? index : QModelIndex();
}

void EqualRowsView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (m_inTimer && m_scrolledSincePress)
        return;
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible && area.contains(rect)) {
        viewport()->update(rect);
        return;
    }
    const bool above = hint == EnsureVisible && rect.top() < area.top();
    const bool below = hint == EnsureVisible && rect.bottom() > area.bottom();
    QScrollBar* down = verticalScrollBar();
    int value = down->value();
    if (verticalScrollMode() == ScrollPerItem) {
        value = std::clamp(value, 0, rowCount());
        if (above)
            hint = PositionAtTop;
        else if (below)
            hint = PositionAtBottom;
        // The rows that fit in the viewport with this one at the bottom.
        const int fit
            = rect.height() > 0 ? std::max(1, area.height() / rect.height()) : index.row() + 1;
        const int shown = std::min(index.row() + 1, fit);
        if (hint == PositionAtTop)
            value = index.row();
        else if (hint == PositionAtBottom)
            value = index.row() - shown + 1;
        else if (hint == PositionAtCenter)
            value = index.row() - shown / 2;
    } else if (hint == PositionAtTop || above) {
        value += rect.top();
    } else if (hint == PositionAtBottom || below) {
        value += std::min(rect.top(), rect.bottom() - area.height() + 1);
    } else if (hint == PositionAtCenter) {
        value += rect.top() - (area.height() - rect.height()) / 2;
    }
    down->setValue(value);
}

QModelIndex EqualRowsView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return rowIndex(0); // none in an empty list
    const int row = current.row();
    const int height = rowSize().height();
    const int page = viewport()->height();
    // A page moves so that the row left stays in sight at the page's other
    // end; a row as tall as the viewport makes a page one row.
    const int pageStep = height <= 0 || height >= page ? 1 : page / height - 1;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        return rowIndex(std::max(0, row - 1));
    case MoveDown:
    case MoveNext:
        return rowIndex(std::min(rows - 1, row + 1));
    case MovePageUp:
        return rowIndex(std::max(0, row - pageStep));
    case MovePageDown:
        return rowIndex(std::min(rows - 1, row + pageStep));
    case MoveHome:
        return rowIndex(0);
    case MoveEnd:
        return rowIndex(rows - 1);
    default:
        return current; // one column: left and right stay
    }
}

void EqualRowsView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    // One row at a time: a click, a drag or a key asks for the row under one point.
    const int row = rowUnder(rect.bottomRight());
    QItemSelection selection;
    if (row >= 0) // every row is enabled
        selection.select(rowIndex(row), rowIndex(row));
    selectionModel()->select(selection, command);
}

void EqualRowsView::scrollContentsBy(int dx, int dy)
{
    m_scrolledSincePress = true;
    const int rows = rowCount();
    if (verticalScrollMode() == ScrollPerItem) {
        // The scroll bar counts rows; the viewport moves in pixels.
        const int now = std::clamp(verticalScrollBar()->value(), 0, rows);
        const int before = std::clamp(now + dy, 0, rows);
        dy = (before - now) * m_rowSize.height();
    }
    viewport()->scroll(isRightToLeft() ? -dx : dx, dy);
}

void EqualRowsView::paintEvent(QPaintEvent* event)
{
    if (!itemDelegate())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const Rows rows = rowsIn(event->rect().translated(horizontalOffset(), verticalOffset()));
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QStyle::State state = option.state;
    const bool enabled = state & QStyle::State_Enabled;
    const int widest = contentsWidth();
    for (int row = rows.first; row <= rows.last; ++row) {
        const QModelIndex index = rowIndex(row);
        option.rect = visualRect(index);
        option.rect.setWidth(std::min(widest, option.rect.width()));
        option.state = state;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        // Every row is enabled (the list's model disables none): drawn in
        // the normal colours, even in a window that is not active.
        if (enabled)
            option.palette.setCurrentColorGroup(QPalette::Normal);
        // Rows are never edited: the model offers no editable row.
        option.state.setFlag(QStyle::State_HasFocus, focus && index == current);
        option.state.setFlag(QStyle::State_MouseOver, index == m_hover);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void EqualRowsView::tellScreenReader(QAccessible::Event type, int row)
{
    QAccessibleEvent event(this, type);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

void EqualRowsView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (screenReaderListens() && current.isValid() && hasFocus())
        tellScreenReader(QAccessible::Focus, current.row());
    QAbstractItemView::currentChanged(current, previous);
}

void EqualRowsView::selectionChanged(const QItemSelection& selected,
                                     const QItemSelection& deselected)
{
    if (screenReaderListens()) {
        if (const QModelIndex added = selected.indexes().value(0); added.isValid())
            tellScreenReader(QAccessible::SelectionAdd, added.row());
        if (const QModelIndex removed = deselected.indexes().value(0); removed.isValid())
            tellScreenReader(QAccessible::SelectionRemove, removed.row());
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}

bool EqualRowsView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        m_hover = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hover = QPersistentModelIndex();
        break;
    default:
        break;
    }
    return QListView::viewportEvent(event);
}

void EqualRowsView::mouseMoveEvent(QMouseEvent* event)
{
    m_hover = indexAt(event->position().toPoint());
    QListView::mouseMoveEvent(event);
}

void EqualRowsView::mousePressEvent(QMouseEvent* event)
{
    m_scrolledSincePress = false;
    QListView::mousePressEvent(event);
}

void EqualRowsView::timerEvent(QTimerEvent* event)
{
    m_inTimer = true;
    QListView::timerEvent(event);
    m_inTimer = false;
}

} // namespace quibbler
