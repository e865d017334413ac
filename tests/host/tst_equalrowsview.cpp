// The list view that places rows by arithmetic, held against a plain QListView
// with uniform item sizes showing the same model, over random operations:
// what is drawn, the scroll bars, where each row stands, what is under a
// point, what keys and clicks select, and what a screen reader is told.
#include "host/EqualRowsView.h"
#include "support/TestCommon.h"

#include <QScrollBar>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include <rapidcheck.h>


namespace {

// The view with a screen reader listening (none can listen offscreen): what
// it was told, in order.
class Listened : public quibbler::EqualRowsView {
public:
    QStringList heard;

protected:
    bool screenReaderListens() const override { return true; }
    void tellScreenReader(QAccessible::Event type, int row) override
    {
        heard << QString("%1 %2")
                     .arg(type == QAccessible::Focus            ? "focus"
                              : type == QAccessible::SelectionAdd ? "selected"
                                                                  : "unselected")
                     .arg(row);
    }
};

// Paints as usual and writes down what it was asked to paint.
class Recorder : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    mutable QStringList painted;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        painted << QString("row %1 in %2,%3 %4x%5, state %6")
                       .arg(index.row()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                       .arg(int(option.state), 0, 16);
        QStyledItemDelegate::paint(painter, option, index);
    }
};

rc::Gen<QString> word()
{
    const auto letters = rc::gen::container<std::vector<char>>(rc::gen::inRange('a', 'z'));
    const auto shortWord = rc::gen::map(letters, [](const std::vector<char>& v) {
        return QString::fromLatin1(v.data(), qsizetype(v.size()));
    });
    // Wider than any viewport here: the horizontal scroll bar comes and goes.
    const auto wide = rc::gen::map(rc::gen::inRange(40, 90), [](int n) { return QString(n, 'W'); });
    return rc::gen::weightedOneOf<QString>({{12, shortWord}, {1, wide}});
}

QString scrollBarState(const QScrollBar* bar)
{
    return QString("%1..%2 at %3, page %4, step %5, %6 %7x%8")
        .arg(bar->minimum())
        .arg(bar->maximum())
        .arg(bar->value())
        .arg(bar->pageStep())
        .arg(bar->singleStep())
        .arg(bar->isVisible() ? "shown" : "hidden")
        .arg(bar->width())
        .arg(bar->height());
}

// Everything a user could tell apart, as text (the picture is compared apart).
QString seen(QListView* view, const QList<QPoint>& probes)
{
    QStringList facts{scrollBarState(view->verticalScrollBar()),
                      scrollBarState(view->horizontalScrollBar()),
                      QString("current %1").arg(view->currentIndex().row())};
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
        facts << QString("selected %1").arg(index.row());
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QRect r = view->visualRect(view->model()->index(row, 0));
        facts << QString("row %1 at %2,%3 %4x%5").arg(row).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    for (const QPoint& p : probes)
        facts << QString("under %1,%2: %3").arg(p.x()).arg(p.y()).arg(view->indexAt(p).row());
    return facts.join('\n');
}

} // namespace

class TestEqualRowsView : public QObject {
    Q_OBJECT
private slots:
    void behavesAsThePlainListView()
    {
        const bool held = rc::check("the view behaves as a plain list view", [] {
            QStringListModel model;
            // Side by side in one window, so that both are as active.
            QWidget window;
            window.resize(460, 230);
            QListView plain(&window);
            plain.setUniformItemSizes(true);
            quibbler::EqualRowsView equal(&window);
            equal.move(230, 0);
            const auto mode = *rc::gen::element(QAbstractItemView::ScrollPerItem,
                                                QAbstractItemView::ScrollPerPixel);
            const auto direction = *rc::gen::element(Qt::LeftToRight, Qt::RightToLeft);
            const auto across = *rc::gen::element(Qt::ScrollBarAsNeeded, Qt::ScrollBarAlwaysOff);
            QSize size(*rc::gen::inRange(60, 220), *rc::gen::inRange(20, 200));
            const QList<QListView*> views{&plain, &equal};
            for (QListView* view : views) {
                view->setModel(&model);
                view->setSelectionMode(QAbstractItemView::SingleSelection);
                view->setVerticalScrollMode(mode);
                view->setLayoutDirection(direction);
                view->setHorizontalScrollBarPolicy(across);
                view->setFont(QFont("DejaVu Sans", 9));
                view->resize(size);
                view->setItemDelegate(new Recorder(view));
            }
            // The focus stays with the window's third control.
            QLineEdit elsewhere(&window);
            elsewhere.move(0, 205);
            window.show();
            elsewhere.setFocus();
            QStringList log;
            for (int step = *rc::gen::inRange(1, 25); step > 0; --step) {
                const int rows = model.rowCount();
                const int op = *rc::gen::inRange(0, 9);
                if (op == 0 || rows == 0) {
                    const auto words = *rc::gen::container<std::vector<QString>>(word());
                    log << QString("append %1").arg(words.size());
                    model.insertRows(rows, int(words.size()));
                    for (int i = 0; i < int(words.size()); ++i)
                        model.setData(model.index(rows + i), words[i]);
                } else if (op == 1) {
                    const int row = *rc::gen::inRange(0, rows);
                    log << QString("remove %1").arg(row);
                    model.removeRows(row, 1);
                } else if (op == 2) {
                    const int row = *rc::gen::inRange(0, rows);
                    const auto hint = *rc::gen::element(
                        QAbstractItemView::EnsureVisible, QAbstractItemView::PositionAtTop,
                        QAbstractItemView::PositionAtBottom, QAbstractItemView::PositionAtCenter);
                    log << QString("select %1, scroll hint %2").arg(row).arg(int(hint));
                    for (QListView* view : views) {
                        view->selectionModel()->setCurrentIndex(model.index(row),
                                                                QItemSelectionModel::ClearAndSelect);
                        view->scrollTo(model.index(row), hint);
                    }
                } else if (op == 3 || op == 4) {
                    const auto key = *rc::gen::element(Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                                                       Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                                       Qt::Key_Left, Qt::Key_Right);
                    log << QString("key %1").arg(QKeySequence(key).toString());
                    for (QListView* view : views)
                        QTest::keyClick(view, key);
                } else if (op == 5) {
                    const QPoint at(*rc::gen::inRange(0, size.width()), *rc::gen::inRange(0, size.height()));
                    log << QString("click %1,%2").arg(at.x()).arg(at.y());
                    for (QListView* view : views)
                        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
                } else if (op == 6) {
                    const int value = *rc::gen::inRange(-2, plain.verticalScrollBar()->maximum() + 3);
                    log << QString("scroll to %1").arg(value);
                    for (QListView* view : views)
                        view->verticalScrollBar()->setValue(value);
                } else if (op == 7) {
                    const QSize to(*rc::gen::inRange(60, 220), *rc::gen::inRange(20, 200));
                    size = to;
                    log << QString("resize %1x%2").arg(to.width()).arg(to.height());
                    for (QListView* view : views)
                        view->resize(to);
                } else {
                    const int points = *rc::gen::inRange(6, 15);
                    log << QString("font %1").arg(points);
                    for (QListView* view : views)
                        view->setFont(QFont("DejaVu Sans", points));
                }
                QCoreApplication::processEvents();
                elsewhere.setFocus(); // from the view clicked last
                QList<QPoint> probes;
                for (int i = 0; i < 20; ++i)
                    probes << QPoint(*rc::gen::inRange(-3, size.width() + 3),
                                     *rc::gen::inRange(-3, size.height() + 3));
                RC_LOG() << log.join("; ").toStdString() << '\n';
                RC_ASSERT(seen(&equal, probes).toStdString() == seen(&plain, probes).toStdString());
                // The rows as drawn with the mouse at the same place over each
                // (the scroll bars are compared above, as the mouse lights them up).
                const QPoint mouse(*rc::gen::inRange(-3, size.width()), *rc::gen::inRange(-3, size.height()));
                QList<QImage> drawn;
                QList<QStringList> painted;
                for (QListView* view : views) {
                    QTest::mouseMove(view->viewport(), mouse);
                    auto* recorder = static_cast<Recorder*>(view->itemDelegate());
                    recorder->painted.clear();
                    drawn << view->viewport()->grab().toImage();
                    painted << recorder->painted;
                }
                RC_ASSERT(painted[1].join('\n').toStdString() == painted[0].join('\n').toStdString());
                RC_ASSERT(drawn[1] == drawn[0]);
            }
        });
        QVERIFY2(held, "the smallest failing case is printed above");
    }

    // Where the focus and the selection go, told by row, as the list view tells them.
    void tellsTheScreenReader_data()
    {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("heard");
        const QStringList downFromOne{"selected 2", "unselected 1", "focus 2"};
        QTest::newRow("down, focused") << true << "down" << downFromOne;
        QTest::newRow("down, elsewhere") << false << "down" << downFromOne.mid(0, 2);
        QTest::newRow("click on the fourth row") << false << "click 3" << QStringList{"focus 3", "selected 3", "unselected 1"};
        QTest::newRow("end, focused") << true << "end" << QStringList{"selected 7", "unselected 1", "focus 7"};
        QTest::newRow("up at the top") << true << "home up" << QStringList{"selected 0", "unselected 1", "focus 0"};
    }

    void tellsTheScreenReader()
    {
        QFETCH(bool, focused);
        QFETCH(QString, action);
        QFETCH(QStringList, heard);
        QStringListModel model({"a", "b", "c", "d", "e", "f", "g", "h"});
        QWidget window;
        Listened view;
        view.setParent(&window);
        view.setModel(&model);
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        QLineEdit elsewhere(&window);
        elsewhere.move(0, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        view.selectionModel()->setCurrentIndex(model.index(1), QItemSelectionModel::ClearAndSelect);
        (focused ? static_cast<QWidget*>(&view) : &elsewhere)->setFocus();
        view.heard.clear();
        for (const QString& step : action.split(' ')) {
            if (step == "down" || step == "end" || step == "home" || step == "up")
                QTest::keyClick(&view, step == "down" ? Qt::Key_Down : step == "end" ? Qt::Key_End
                                      : step == "home"                ? Qt::Key_Home
                                                                      : Qt::Key_Up);
            else if (step != "click")
                QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                                  view.visualRect(model.index(step.toInt())).center());
        }
        QCOMPARE(view.heard, heard);
    }
};

QTEST_MAIN(TestEqualRowsView)
#include "tst_equalrowsview.moc"
