// The list view that places rows by arithmetic, held against a plain QListView
// with uniform item sizes showing the same model, over random operations:
// what is drawn, the scroll bars, where each row stands, what is under a
// point, what keys and clicks select, and what a screen reader is told.
#include "controls/EqualRowsView.h"
#include "support/TestCommon.h"

#include <QScreen>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include <rapidcheck.h>

namespace {

// What a value prints as, to compare and to show.
template <typename T> QString text(const T& value)
{
    QString out;
    QDebug(&out).nospace() << value;
    return out;
}

// The view with a screen reader listening (none can listen offscreen): what
// it was told, in order.
class Listened : public quibbler::EqualRowsView {
public:
    QStringList heard;

protected:
    bool screenReaderListens() const override { return true; }
    void tellScreenReader(QAccessible::Event type, int row) override
    {
        heard << text(type).remove("QAccessible::") + ' ' + QString::number(row);
    }
};

// Paints as usual and writes down what it was asked to paint.
class Recorder : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    mutable QStringList painted;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        painted << text(index.row()) + text(option.rect) + text(option.state);
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

QString bar(const QScrollBar* bar)
{
    return text(QList<int>{bar->minimum(), bar->maximum(), bar->value(), bar->pageStep(),
                           bar->singleStep(), bar->isVisible()})
        + text(bar->size());
}

// Everything a user could tell apart but the picture, as text.
std::string seen(QListView* view, const QList<QPoint>& probes)
{
    QStringList facts{bar(view->verticalScrollBar()), bar(view->horizontalScrollBar()),
                      text(view->currentIndex().row()),
                      text(view->selectionModel()->selectedIndexes())};
    for (int row = 0; row < view->model()->rowCount(); ++row)
        facts << text(view->visualRect(view->model()->index(row, 0)));
    for (const QPoint& p : probes)
        facts << text(p) + text(view->indexAt(p).row());
    return facts.join('\n').toStdString();
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
            // Does the same to both views, and writes it down.
            const auto both = [&](const QString& what, auto act) {
                if (!what.isEmpty())
                    log << what;
                for (QListView* view : views)
                    act(view);
            };
            for (int step = *rc::gen::inRange(1, 25); step > 0; --step) {
                const int rows = model.rowCount();
                const int op = rows == 0 ? 0 : *rc::gen::inRange(0, 9);
                if (op == 0) {
                    const auto words = *rc::gen::container<std::vector<QString>>(word());
                    log << "append " + text(words.size());
                    model.insertRows(rows, int(words.size()));
                    for (int i = 0; i < int(words.size()); ++i)
                        model.setData(model.index(rows + i), words[i]);
                } else if (op == 1) {
                    const int row = *rc::gen::inRange(0, rows);
                    const int count = *rc::gen::element(1, rows - row); // or the rest
                    log << "remove " + text(row) + " count " + text(count);
                    model.removeRows(row, count);
                } else if (op == 2) {
                    const QModelIndex index = model.index(*rc::gen::inRange(0, rows));
                    const auto hint = *rc::gen::element(
                        QAbstractItemView::EnsureVisible, QAbstractItemView::PositionAtTop,
                        QAbstractItemView::PositionAtBottom, QAbstractItemView::PositionAtCenter);
                    both("select " + text(index.row()) + " scrolled " + text(hint),
                         [&](QListView* view) {
                             view->selectionModel()->setCurrentIndex(
                                 index, QItemSelectionModel::ClearAndSelect);
                             view->scrollTo(index, hint);
                         });
                } else if (op <= 4) {
                    const auto key = *rc::gen::element(Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                                                       Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                                       Qt::Key_Left, Qt::Key_Right);
                    both("key " + text(key), [&](QListView* view) { QTest::keyClick(view, key); });
                } else if (op == 5) {
                    const QPoint at(*rc::gen::inRange(0, size.width()),
                                    *rc::gen::inRange(0, size.height()));
                    both("click " + text(at), [&](QListView* view) {
                        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
                    });
                } else if (op == 6) {
                    const int value
                        = *rc::gen::inRange(-2, plain.verticalScrollBar()->maximum() + 3);
                    both("scroll to " + text(value),
                         [&](QListView* view) { view->verticalScrollBar()->setValue(value); });
                } else if (op == 7) {
                    size = QSize(*rc::gen::inRange(60, 220), *rc::gen::inRange(20, 200));
                    both("resize " + text(size), [&](QListView* view) { view->resize(size); });
                } else {
                    const int points = *rc::gen::inRange(6, 15);
                    both("font " + text(points),
                         [&](QListView* view) { view->setFont(QFont("DejaVu Sans", points)); });
                }
                QCoreApplication::processEvents();
                elsewhere.setFocus(); // from the view clicked last
                RC_LOG() << log.join("; ").toStdString() << '\n';
                QList<QPoint> probes;
                for (int i = 0; i < 20; ++i)
                    probes << QPoint(*rc::gen::inRange(-3, size.width() + 3),
                                     *rc::gen::inRange(-3, size.height() + 3));
                RC_ASSERT(seen(&equal, probes) == seen(&plain, probes));
                // The rows as the screen shows them, scrolled and repainted in
                // pieces, with the mouse at the same place over each and the focus
                // in it or not (not the scroll bars, which the mouse lights up).
                const QPoint mouse(*rc::gen::inRange(-3, size.width()),
                                   *rc::gen::inRange(-3, size.height()));
                const bool focused = *rc::gen::arbitrary<bool>();
                QList<QImage> drawn;
                QList<QStringList> painted;
                both({}, [&](QListView* view) {
                    QTest::mouseMove(view->viewport(), mouse);
                    if (focused)
                        view->setFocus();
                    QCoreApplication::processEvents();
                    const QWidget* port = view->viewport();
                    const QPoint at = port->mapTo(&window, QPoint());
                    drawn << window.screen()
                                 ->grabWindow(window.winId(), at.x(), at.y(), port->width(),
                                              port->height())
                                 .toImage();
                    auto* recorder = static_cast<Recorder*>(view->itemDelegate());
                    recorder->painted.clear();
                    view->viewport()->grab();
                    painted << recorder->painted;
                });
                RC_ASSERT(text(painted[1]).toStdString() == text(painted[0]).toStdString());
                RC_ASSERT(drawn[1] == drawn[0]);
                elsewhere.setFocus();
            }
        });
        QVERIFY2(held, "the smallest failing case is printed above");
    }

    // A row clicked where it is cut off scrolls into view a moment later,
    // unless the list was scrolled in between.
    void clickedRowScrollsIntoView_data()
    {
        QTest::addColumn<int>("scrolledTo");
        QTest::newRow("left alone") << -1;
        QTest::newRow("scrolled after the click") << 12;
    }

    void clickedRowScrollsIntoView()
    {
        QFETCH(int, scrolledTo);
        QStringList words;
        for (int i = 0; i < 40; ++i)
            words << QString("word %1").arg(i);
        QStringListModel model(words);
        QWidget window;
        QListView plain(&window);
        quibbler::EqualRowsView equal(&window);
        // Clicked last, left alone: when it has scrolled, so has every view clicked before it.
        QListView last(&window);
        const QList<QListView*> views{&plain, &equal, &last};
        for (QListView* view : views) {
            view->setModel(&model);
            view->resize(120, 100);
            view->move(130 * int(views.indexOf(view)), 0);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QRect cut = plain.visualRect(
            model.index(plain.viewport()->height() / plain.visualRect(model.index(0)).height()));
        QVERIFY2(cut.bottom() >= plain.viewport()->height(), "the row is cut off");
        for (QListView* view : views) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, cut.top() + 1));
            if (view != &last && scrolledTo >= 0)
                view->verticalScrollBar()->setValue(scrolledTo);
        }
        QTRY_VERIFY(last.verticalScrollBar()->value() > 0);
        QVERIFY2(plain.verticalScrollBar()->value() != 0, "the plain view scrolled");
        QCOMPARE(equal.verticalScrollBar()->value(), plain.verticalScrollBar()->value());
    }

    // Where the focus and the selection go, told by row, as the list view tells them.
    void tellsTheScreenReader_data()
    {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("clicked"); // a row, or -1
        QTest::addColumn<QStringList>("heard");
        // The current row is the second.
        const QStringList down{"SelectionAdd 2", "SelectionRemove 1", "Focus 2"};
        QTest::newRow("down, focused") << true << QList<int>{Qt::Key_Down} << -1 << down;
        QTest::newRow("down, elsewhere")
            << false << QList<int>{Qt::Key_Down} << -1 << down.mid(0, 2);
        QTest::newRow("click on the fourth row")
            << false << QList<int>{} << 3
            << QStringList{"Focus 3", "SelectionAdd 3", "SelectionRemove 1"};
        QTest::newRow("end, focused")
            << true << QList<int>{Qt::Key_End} << -1
            << QStringList{"SelectionAdd 7", "SelectionRemove 1", "Focus 7"};
        QTest::newRow("up at the top")
            << true << QList<int>{Qt::Key_Home, Qt::Key_Up} << -1
            << QStringList{"SelectionAdd 0", "SelectionRemove 1", "Focus 0"};
    }

    void tellsTheScreenReader()
    {
        QFETCH(bool, focused);
        QFETCH(QList<int>, keys);
        QFETCH(int, clicked);
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
        for (int key : keys)
            QTest::keyClick(&view, Qt::Key(key));
        if (clicked >= 0)
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                              view.visualRect(model.index(clicked)).center());
        QCOMPARE(view.heard, heard);
    }
};

QTEST_MAIN(TestEqualRowsView)
#include "tst_equalrowsview.moc"
