// Words megabytes long: in the start-up file, in a list under the mouse, and
// as the whole of an answer.
#include "Measure.h"

#include "controls/ListBox.h"
#include "vocabulary/MainWindow.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace quibbler::bench {

// Start-up with a 50 MB entry, learning a word next to it, and a one-word
// answer made of a 5 MB word; the event loop keeps turning throughout.
void longWords(const Settings& settings, std::vector<Row>& rows)
{
    const QStringList startWords{longRun(settings.size(50'000'000)), QStringLiteral("short")};
    progress(QStringLiteral("start-up with a 50 MB word"));
    // The first paint is timed too: drawing the long entry is what froze.
    const Runs start = startUps(settings, 3, startWords, {}, true, [&](Forms& forms, BenchHost&) {
        check(forms.frmcbox().lstw->entryAt(0) == startWords.first(),
              QStringLiteral("the long word was not read whole"));
    });
    Row r = startUpRow(
        QStringLiteral("Start-up with a long word"),
        QStringLiteral("one word of %1 characters").arg(count(startWords.first().size())), start,
        QStringLiteral("<= 2 s"));
    r.result = judged(settings, start.medianTime() <= seconds(2));
    rows.push_back(r);

    Session session(startWords, {});
    MainWindow& main = session.main();
    int next = 0;
    const Runs learned = repeat(
        settings, 5, kNoBudget,
        [&] { main.txtl->setPlainText(QStringLiteral("new%1").arg(++next)); },
        [&] {
            main.txtl_KeyDown(kEnter, 0);
            QCoreApplication::processEvents();
        },
        [&] { check(main.lstw->count() == 2 + next, QStringLiteral("the word was not learned")); });
    r = row(QStringLiteral("Learn a word beside a long word"),
            QStringLiteral("list holding a word of %1 characters")
                .arg(count(startWords.first().size())),
            learned, QStringLiteral("<= 100 ms"));
    r.result = judged(settings, learned.medianTime() <= ms(100));
    rows.push_back(r);

    // Every mouse movement over a list sets its tooltip from the selected entry.
    main.lstw->setSelectedPos(0);
    int moves = 0;
    const Runs hovered = repeat(
        settings, 21, kNoBudget, {},
        [&] {
            const QPointF at(10, 10 + ++moves % 5);
            QMouseEvent move(QEvent::MouseMove, at, main.lstw->viewport()->mapToGlobal(at),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(main.lstw->viewport(), &move);
        },
        [&] {
            check(main.lstw->toolTip().endsWith(QStringLiteral(" - 1")),
                  QStringLiteral("the tooltip does not name the long word"));
        });
    r = row(QStringLiteral("Mouse over a list, long word selected"),
            QStringLiteral("selected word of %1 characters").arg(count(startWords.first().size())),
            hovered, QStringLiteral("<= 5 ms"));
    r.result = judged(settings, hovered.medianTime() <= ms(5));
    rows.push_back(r);

    const QString word = longRun(settings.size(5'000'000));
    Session single({word}, {});
    MainWindow& only = single.main();
    only.txtw->setText(QStringLiteral("1"));
    progress(QStringLiteral("one-word answer of a 5 MB word"));
    const Runs answered = repeat(
        settings, 3, kNoBudget, [&] { only.txts->clear(); },
        [&] {
            only.txtw_KeyDown(kEnter, 0);
            QCoreApplication::processEvents();
        },
        [&] {
            check(only.txts->document()->characterCount() > word.size(),
                  QStringLiteral("the long word was not answered"));
        });
    r = row(QStringLiteral("Answer one long word"),
            QStringLiteral("a word of %1 characters").arg(count(word.size())), answered,
            QStringLiteral("<= 1 s, gaps <= 50 ms"));
    r.result
        = judged(settings, answered.medianTime() <= seconds(1) && answered.medianGap() <= ms(50));
    rows.push_back(r);
}

} // namespace quibbler::bench
