// Learning words into the word list, and the windows that count what the
// lists hold.
#include "Floors.h"
#include "Measure.h"
#include "WordGenerator.h"

#include "controls/ListBox.h"
#include "queries/WordCountWindow.h"
#include "vocabulary/Cutting.h"
#include "vocabulary/MainWindow.h"

#include <QListWidget>

namespace quibbler::bench {

namespace {

// Learning as it used to be done: every word looked for by walking the whole
// list and comparing upper-cased entries, then appended when not found.
QStringList learnByWalking(const QString& text)
{
    QStringList list;
    for (const QString& word : cutWords(withCrLf(text), kDefaultDelimiters)) {
        if (word.isEmpty())
            continue;
        const QString upper = word.toUpper();
        bool found = false;
        for (const QString& entry : list) {
            if (entry.toUpper() == upper) {
                found = true;
                break;
            }
        }
        if (!found)
            list.append(word);
    }
    return list;
}

} // namespace

void learnText(const Settings& settings, std::vector<Row>& rows)
{
    const int words = settings.size(1'000'000);
    progress(QStringLiteral("learn: generating %1 words").arg(count(words)));
    const QString text = zipfText(words, 1);
    Session session({}, {});
    Runs runs;
    Runs floor;
    qsizetype distinct = 0;
    // The program and its floor alternate, so that a slow stretch of the machine hits both.
    const int reps = repetitions(settings, 7);
    for (int i = 0; i < reps; ++i) {
        progress(QStringLiteral("learn: run %1 of %2").arg(i + 1).arg(reps));
        runs.samples.push_back(learn(session, text, {}, settings.verbose));
        floor.samples.push_back(watch([&] { distinct = learnFloor(text); }));
    }
    check(distinct == session.main().lstw->count(),
          QStringLiteral("the floor learned other words"));
    const double toFloor = times(runs.medianTime(), floor.medianTime());
    Row r = row(QStringLiteral("Learn a text into an empty list"),
                count(words) + QStringLiteral(" words"), runs,
                QStringLiteral("<= 3x floor, <= 150 ms"));
    r.extra = QStringLiteral("%1 words known after; floor %2, %3x")
                  .arg(count(distinct), duration(floor.medianTime()), ratio(toFloor));
    r.result = judged(settings, toFloor <= 3 && runs.medianTime() <= ms(150));
    rows.push_back(r);
    rows.push_back(floorRow(QStringLiteral("Learn floor: cut, look up in a hash"),
                            count(words) + QStringLiteral(" words"), floor));
}

void learnGrowth(const Settings& settings, std::vector<Row>& rows)
{
    const QStringList known = wordsAt(0, settings.size(20000));
    const int fresh = settings.size(10000);
    // New words: none of them is in the known list.
    const QString text = spaced(wordsAt(100'000, fresh));
    Session session({}, {});
    Runs empty;
    Runs full;
    // The two cases alternate, so that a slow stretch of the machine hits both.
    const int reps = repetitions(settings, 15);
    progress(QStringLiteral("growth: %1 runs of each").arg(reps));
    for (int i = 0; i < reps; ++i) {
        empty.samples.push_back(learn(session, text, {}, settings.verbose));
        full.samples.push_back(learn(session, text, known, settings.verbose));
        check(session.main().lstw->count() == known.size() + fresh,
              QStringLiteral("new words not all learned"));
    }
    const double growth = times(full.medianTime(), empty.medianTime());
    Row r = row(QStringLiteral("Learn new words into a list holding others"),
                count(fresh) + QStringLiteral(" new into ") + count(known.size()), full,
                QStringLiteral("ratio <= 1.2"));
    r.extra = QStringLiteral("into empty list %1; ratio %2")
                  .arg(duration(empty.medianTime()), ratio(growth));
    r.gap = gapText(std::max(full.medianGap(), empty.medianGap()));
    r.result = judged(settings, growth <= 1.2);
    rows.push_back(r);
}

void learnAgainstWalking(const Settings& settings, std::vector<Row>& rows)
{
    const int words = settings.size(100'000);
    const QString text = zipfText(words, 2);
    Session session({}, {});
    Runs program;
    const int reps = repetitions(settings, 5);
    progress(QStringLiteral("learn vs walking: program"));
    for (int i = 0; i < reps; ++i)
        program.samples.push_back(learn(session, text, {}, settings.verbose));
    const QStringList learned = session.main().lstw->entries();

    progress(QStringLiteral("learn vs walking: the walking list (slow)"));
    QStringList walked;
    const Runs reference = repeat(settings, 3, 40, {}, [&] { walked = learnByWalking(text); });
    check(walked == learned, QStringLiteral("the walking list learned other words"));

    const double speedup = times(reference.medianTime(), program.medianTime());
    Row r = row(QStringLiteral("Learn vs walking the list per word"),
                count(words) + QStringLiteral(" words"), program, QStringLiteral(">= 100x faster"));
    r.extra = QStringLiteral("walking %1 (%2 runs), same %3 words; %4x")
                  .arg(duration(reference.medianTime()))
                  .arg(reference.count())
                  .arg(count(learned.size()))
                  .arg(ratio(speedup));
    r.result = judged(settings, speedup >= 100);
    rows.push_back(r);
}

void wordCountWindow(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    progress(QStringLiteral("word-count window"));
    const Runs runs = repeat(
        settings, 5, kNoBudget, {}, [&] { session.main().Command1_Click(); },
        [&] {
            check(session.forms.frmfwLoaded() && session.forms.frmfw().List1->count() == 26,
                  QStringLiteral("no word-count window"));
            delete &session.forms.frmfw();
        });
    Row r = row(QStringLiteral("Word-count window"),
                count(session.main().lstw->count()) + QStringLiteral(" words + ")
                    + count(session.main().lstproper->count()) + QStringLiteral(" names"),
                runs, QStringLiteral("<= 30 ms"));
    r.result = judged(settings, runs.medianTime() <= ms(30));
    rows.push_back(r);
}

void containCount(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    MainWindow& main = session.main();
    progress(QStringLiteral("contain count"));
    const Runs runs = repeat(
        settings, 5, kNoBudget,
        [&] {
            session.host.inputs = {QStringLiteral("a")};
            session.host.messages.clear();
        },
        [&] { main.mnucontain_Click(); },
        [&] { check(session.host.messages.size() == 1, QStringLiteral("no count shown")); });
    Row r = row(QStringLiteral("Count words containing a text"),
                count(main.lstw->count()) + QStringLiteral(" words"), runs,
                QStringLiteral("<= 30 ms"));
    r.extra = count(main.List1->count()) + QStringLiteral(" contain \"a\"");
    r.result = judged(settings, runs.medianTime() <= ms(30));
    rows.push_back(r);
}

} // namespace quibbler::bench
