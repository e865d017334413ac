#pragma once

#include <QAccessible>
#include <QListView>
#include <QPersistentModelIndex>

namespace quibbler {

// A list view of one flat column whose rows all have one size: the size hint
// of the last row, as a QListView with uniform item sizes measures it. No
// spacing, grid, wrapping, icon mode, hidden or disabled rows; one row is
// selected at a time.
//
// QListView lays every row out again whenever rows are added, so showing one
// more word in a list of thousands cost time in the list's length. This view
// answers where a row stands by arithmetic (row times height) and otherwise
// behaves as that QListView does: the same rectangles, scroll bars, keys,
// painting and screen-reader events. It stays a QListView so that
// accessibility treats it as a list.
class EqualRowsView : public QListView {
    Q_OBJECT
public:
    explicit EqualRowsView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    // Whether a screen reader listens, and telling it where the focus or the
    // selection went, by row.
    virtual bool screenReaderListens() const { return QAccessible::isActive(); }
    virtual void tellScreenReader(QAccessible::Event type, int row);

    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    bool viewportEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Rows {
        int first = 0;
        int last = -1;
    };

    int rowCount() const;
    QModelIndex rowIndex(int row) const;
    // The size of every row, after any layout that is due.
    QSize rowSize() const;
    int contentsWidth() const;
    // The rows a rectangle of the contents touches, as the list view finds them.
    Rows rowsIn(const QRect& contents) const;
    int rowUnder(const QPoint& viewportPoint) const;

    QSize m_rowSize;
    // The row under the mouse, drawn lit in some styles.
    QPersistentModelIndex m_hover;
    // A click on a row scrolls it into view a moment later, unless the list
    // was scrolled in between.
    bool m_scrolledSincePress = false;
    bool m_inTimer = false;
};

} // namespace quibbler
