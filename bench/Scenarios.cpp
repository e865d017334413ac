#include "Scenarios.h"

#include "BenchHost.h"
#include "Floors.h"
#include "WordGenerator.h"

#include "app/Forms.h"
#include "controls/ListBox.h"
#include "poetry/PoetryWindow.h"
#include "queries/WordCountWindow.h"
#include "sentences/Draws.h"
#include "sentences/OptionsWindow.h"
#include "vocabulary/Cutting.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/RecoverySnapshot.h"
#include "vocabulary/WorkingScope.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

namespace quibbler::bench {

namespace {

constexpr int kEnter = 13;
constexpr int kListSize = 32767;
constexpr double kNoBudget = std::numeric_limits<double>::infinity();

void progress(const QString& text)
{
    std::fprintf(stderr, "[bench] %s\n", qPrintable(text));
    std::fflush(stderr);
}

[[noreturn]] void fail(const QString& text)
{
    std::fprintf(stderr, "[bench] FAILED: %s\n", qPrintable(text));
    std::exit(2);
}

void check(bool condition, const QString& what)
{
    if (!condition)
        fail(what);
}

// Lets paints, deferred deletes and timers that are due run between runs.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A words file as the user's own files are: each entry quoted on a CR LF line.
void writeEntries(const QString& path, const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries) {
        bytes += '"';
        bytes += entry.toUtf8();
        bytes += "\"\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// The start-up lists of a full store.
QStringList startupWords(const Settings& settings)
{
    return wordsAt(0, settings.size(kListSize));
}

// Words of Arabic letters, which the box shapes and lays out right to left.
QStringList arabicWords(int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i) {
        QString word;
        for (int n = i + 1; n > 0; n /= 19)
            word += QChar(0x0628 + n % 19); // the letters from beh to ghain
        words.append(word + QChar(0x0627));
    }
    return words;
}

QStringList startupNames(const Settings& settings)
{
    QStringList names = wordsAt(10000, settings.size(kListSize));
    for (QString& name : names)
        name = capitalised(name);
    return names;
}

// The whole program on the real host, started from its start-up files in a
// folder of its own.
class Session {
public:
    Session(const QStringList& words, const QStringList& names)
    {
        check(dir.isValid(), QStringLiteral("no temporary folder"));
        writeEntries(path(QStringLiteral("qblvocab.txt")), words);
        writeEntries(path(QStringLiteral("qblpn.txt")), names);
        forms.start();
        settle();
        check(main().lstw->count() == words.size(), QStringLiteral("start-up words not read"));
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    MainWindow& main() { return forms.frmcbox(); }
    OptionsWindow& options() { return forms.frmoptions(); }

    QTemporaryDir dir;
    BenchHost host{dir.path()};
    Forms forms{host};
};

QString describe(const Sample& sample)
{
    return QStringLiteral("%1, %2 event-loop turns, longest gap %3 from %4 after the start")
        .arg(duration(sample.time), count(sample.turns), duration(sample.longestGap),
             duration(sample.longestGapAt));
}

// Runs setup (untimed), op (timed and watched) and after (untimed) the given
// number of times, fewer when the runs so far took longer than the budget.
Runs repeat(const Settings& settings, int reps, double budgetSeconds,
            const std::function<void()>& setup, const std::function<void()>& op,
            const std::function<void()>& after = {})
{
    if (settings.smoke)
        reps = 1;
    else if (settings.reps > 0)
        reps = settings.reps;
    Runs runs;
    QElapsedTimer spent;
    spent.start();
    for (int i = 0; i < reps; ++i) {
        if (setup)
            setup();
        settle();
        runs.samples.push_back(watch(op));
        if (settings.verbose)
            progress(QStringLiteral("  run %1: %2").arg(i + 1).arg(describe(runs.samples.back())));
        if (after)
            after();
        settle();
        if (spent.elapsed() > budgetSeconds * 1000)
            break;
    }
    return runs;
}

QString judged(const Settings& settings, bool met)
{
    return settings.judged() ? verdict(met) : QStringLiteral("-");
}

QString ratio(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 0);
}

Row row(const QString& scenario, const QString& size, const Runs& runs, const QString& target)
{
    Row r;
    r.scenario = scenario;
    r.size = size;
    r.runs = runs.count();
    r.median = duration(runs.medianTime());
    r.target = target;
    r.gap = gapText(runs.medianGap());
    return r;
}

qint64 seconds(double s)
{
    return static_cast<qint64>(s * 1e9);
}

qint64 ms(double m)
{
    return static_cast<qint64>(m * 1e6);
}

// The machine's own pauses: a busy loop that turns the event loop every 10 ms,
// as the program's long operations do. Any gap well above 10 ms here is the
// machine (other processes, memory), not the program; gaps of the scenarios
// are to be read against it.
void noiseFloor(const Settings& settings, std::vector<Row>& rows)
{
    const qint64 span = settings.smoke ? ms(20) : seconds(5);
    const QStringList words = wordsAt(0, settings.size(kListSize));
    progress(QStringLiteral("machine noise"));
    qint64 sink = 0;
    const Runs runs = repeat(settings, 3, kNoBudget, {}, [&] {
        QElapsedTimer clock;
        clock.start();
        QElapsedTimer sinceTurn;
        sinceTurn.start();
        while (clock.nsecsElapsed() < span) {
            for (const QString& word : words) {
                if (sinceTurn.elapsed() >= 10) {
                    QCoreApplication::processEvents();
                    sinceTurn.restart();
                }
                sink += word.left(1).toUpper().size();
            }
        }
    });
    check(sink > 0, QStringLiteral("the busy loop did nothing"));
    qint64 worst = 0;
    for (const Sample& sample : runs.samples)
        worst = std::max(worst, sample.longestGap);
    Row r = row(QStringLiteral("Machine noise: busy loop turning every 10 ms"),
                duration(span) + QStringLiteral(" of work"), runs, QStringLiteral("-"));
    r.extra = QStringLiteral("longest gap of any run %1").arg(duration(worst));
    r.result = QStringLiteral("-");
    rows.push_back(r);
}

// Learning the learn box's text into the word list, with Enter.
Sample learn(Session& session, const QString& text, const QStringList& known, bool verbose)
{
    MainWindow& main = session.main();
    main.lstw->clearAll();
    if (!known.isEmpty())
        check(main.lstw->appendAll(known) == known.size(), QStringLiteral("known words not added"));
    main.txtl->setPlainText(text);
    settle();
    const Sample sample = watch([&] { main.txtl_KeyDown(kEnter, 0); });
    if (verbose)
        progress(QStringLiteral("  run: %1").arg(describe(sample)));
    check(main.txtl->toPlainText().isEmpty(), QStringLiteral("learn box not emptied"));
    check(session.host.messages.isEmpty(), QStringLiteral("a message was shown while learning"));
    settle();
    return sample;
}

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
    const int reps = settings.smoke ? 1 : settings.reps > 0 ? settings.reps : 7;
    for (int i = 0; i < reps; ++i) {
        progress(QStringLiteral("learn: run %1 of %2").arg(i + 1).arg(reps));
        runs.samples.push_back(learn(session, text, {}, settings.verbose));
        floor.samples.push_back(watch([&] { distinct = learnFloor(text); }));
    }
    check(distinct == session.main().lstw->count(),
          QStringLiteral("the floor learned other words"));
    const double toFloor
        = double(runs.medianTime()) / double(std::max<qint64>(1, floor.medianTime()));
    Row r = row(QStringLiteral("Learn a text into an empty list"),
                count(words) + QStringLiteral(" words"), runs,
                QStringLiteral("<= 3x floor, <= 150 ms"));
    r.extra = QStringLiteral("%1 words known after; floor %2, %3x")
                  .arg(count(distinct), duration(floor.medianTime()), ratio(toFloor));
    r.result = judged(settings, toFloor <= 3 && runs.medianTime() <= ms(150));
    rows.push_back(r);
    r = row(QStringLiteral("Learn floor: cut, look up in a hash"),
            count(words) + QStringLiteral(" words"), floor, QStringLiteral("-"));
    r.gap = QStringLiteral("-");
    r.result = QStringLiteral("-");
    rows.push_back(r);
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
    const int reps = settings.smoke ? 1 : settings.reps > 0 ? settings.reps : 15;
    progress(QStringLiteral("growth: %1 runs of each").arg(reps));
    for (int i = 0; i < reps; ++i) {
        empty.samples.push_back(learn(session, text, {}, settings.verbose));
        full.samples.push_back(learn(session, text, known, settings.verbose));
        check(session.main().lstw->count() == known.size() + fresh,
              QStringLiteral("new words not all learned"));
    }
    const double growth
        = double(full.medianTime()) / double(std::max<qint64>(1, empty.medianTime()));
    Row r = row(QStringLiteral("Learn new words into a list holding others"),
                count(fresh) + QStringLiteral(" new into ") + count(known.size()), full,
                QStringLiteral("ratio <= 1.2"));
    r.extra = QStringLiteral("into empty list %1; ratio %2")
                  .arg(duration(empty.medianTime()), ratio(growth));
    r.gap = gapText(std::max(full.medianGap(), empty.medianGap()));
    r.result = judged(settings, growth <= 1.2);
    rows.push_back(r);
}

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

void learnAgainstWalking(const Settings& settings, std::vector<Row>& rows)
{
    const int words = settings.size(100'000);
    const QString text = zipfText(words, 2);
    Session session({}, {});
    Runs program;
    const int reps = settings.smoke ? 1 : settings.reps > 0 ? settings.reps : 5;
    progress(QStringLiteral("learn vs walking: program"));
    for (int i = 0; i < reps; ++i)
        program.samples.push_back(learn(session, text, {}, settings.verbose));
    const QStringList learned = session.main().lstw->entries();

    progress(QStringLiteral("learn vs walking: the walking list (slow)"));
    QStringList walked;
    const Runs reference = repeat(settings, 3, 40, {}, [&] { walked = learnByWalking(text); });
    check(walked == learned, QStringLiteral("the walking list learned other words"));

    const double speedup
        = double(reference.medianTime()) / double(std::max<qint64>(1, program.medianTime()));
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

// Starts the program afresh from start-up files holding the words and names,
// reps times: the timed start-up, then (when paintTimed) its first paint; after
// each run, inspect sees the program before it is closed.
Runs startUps(const Settings& settings, int reps, const QStringList& words,
              const QStringList& names, bool paintTimed,
              const std::function<void(Forms&, BenchHost&)>& inspect)
{
    QTemporaryDir dir;
    check(dir.isValid(), QStringLiteral("no temporary folder"));
    writeEntries(dir.filePath(QStringLiteral("qblvocab.txt")), words);
    writeEntries(dir.filePath(QStringLiteral("qblpn.txt")), names);
    std::unique_ptr<BenchHost> host;
    std::unique_ptr<Forms> forms;
    return repeat(
        settings, reps, kNoBudget, [&] { host = std::make_unique<BenchHost>(dir.path()); },
        [&] {
            forms = std::make_unique<Forms>(*host);
            forms->start();
            if (paintTimed)
                QCoreApplication::processEvents();
        },
        [&] {
            inspect(*forms, *host);
            forms.reset();
        });
}

void startUp(const Settings& settings, std::vector<Row>& rows)
{
    const QStringList words = startupWords(settings);
    const QStringList names = startupNames(settings);
    progress(QStringLiteral("start-up"));
    std::vector<qint64> paints;
    const Runs runs
        = startUps(settings, 5, words, names, false, [&](Forms& forms, BenchHost& host) {
              QElapsedTimer paint;
              paint.start();
              QCoreApplication::processEvents();
              paints.push_back(paint.nsecsElapsed());
              MainWindow& main = forms.frmcbox();
              check(main.lstw->count() == words.size() && main.lstproper->count() == names.size(),
                    QStringLiteral("start-up lists not full"));
              check(host.messages.isEmpty(), QStringLiteral("a message was shown at start-up"));
          });
    Row r = row(QStringLiteral("Start-up to the main window"),
                count(words.size()) + QStringLiteral(" words + ") + count(names.size())
                    + QStringLiteral(" names"),
                runs, QStringLiteral("<= 40 ms"));
    r.extra = QStringLiteral("first paint after it %1").arg(duration(median(paints)));
    // No window is shown yet, so there is no working screen to keep alive.
    r.gap = duration(runs.medianGap()) + QStringLiteral(" (no window yet)");
    r.result = judged(settings, runs.medianTime() <= ms(40));
    rows.push_back(r);
}

void save(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    session.host.savePath = session.path(QStringLiteral("saved.txt"));
    progress(QStringLiteral("save"));
    SaveOutcome outcome = SaveOutcome::Failed;
    const Runs runs
        = repeat(settings, 5, kNoBudget, {}, [&] { outcome = session.main().cmdsave_Click(); });
    check(outcome == SaveOutcome::Saved, QStringLiteral("save failed"));
    const qint64 bytes = QFileInfo(session.host.savePath).size()
        + QFileInfo(session.path(QStringLiteral("qblpn.txt"))).size();
    Row r = row(QStringLiteral("Save words and names"),
                count(session.main().lstw->count()) + QStringLiteral(" words + ")
                    + count(session.main().lstproper->count()) + QStringLiteral(" names"),
                runs, QStringLiteral("<= 50 ms"));
    r.extra = count(bytes) + QStringLiteral(" bytes written");
    r.result = judged(settings, runs.medianTime() <= ms(50));
    rows.push_back(r);
}

void load(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    const QStringList file = wordsAt(20000, settings.size(kListSize));
    session.host.openPath = session.path(QStringLiteral("load.txt"));
    writeEntries(session.host.openPath, file);
    MainWindow& main = session.main();
    progress(QStringLiteral("load"));
    const Runs runs = repeat(
        settings, 5, kNoBudget, {}, [&] { main.mnuload_Click(); },
        [&] {
            check(main.lstw->count() == file.size() && main.lstw->entryAt(0) == file.first(),
                  QStringLiteral("file not loaded"));
            check(session.host.messages.isEmpty(), QStringLiteral("a message was shown loading"));
        });
    Row r = row(QStringLiteral("Load a file, replacing the list"),
                count(file.size()) + QStringLiteral(" words"), runs,
                QStringLiteral("<= 60 ms, gaps <= 50 ms"));
    r.extra = QStringLiteral("list held %1 words before").arg(count(file.size()));
    r.result = judged(settings, runs.medianTime() <= ms(60) && runs.medianGap() <= kGapLimit);
    rows.push_back(r);
}

// Words of an answer: runs between blanks and line breaks (a long answer may
// be shown with line breaks in place of some blanks).
int wordsIn(const QString& text)
{
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool blank = c.isSpace();
        if (!blank && !inWord)
            ++words;
        inWord = !blank;
    }
    return words;
}

struct AnswerRuns {
    Runs runs;
    qint64 paint = 0;
    Runs floor; // when asked for, alternating with the answers
};

// Regular answers of the given number of words, asked with Enter.
AnswerRuns answer(const Settings& settings, Session& session, int words, bool withFloor = false)
{
    MainWindow& main = session.main();
    main.txtw->setText(QString::number(words));
    std::vector<qint64> paints;
    AnswerRuns result;
    result.runs = repeat(
        settings, 5, kNoBudget, [&] { main.txts->clear(); }, [&] { main.txtw_KeyDown(kEnter, 0); },
        [&] {
            QElapsedTimer paint;
            paint.start();
            QCoreApplication::processEvents();
            paints.push_back(paint.nsecsElapsed());
            check(wordsIn(main.txts->toPlainText()) == words,
                  QStringLiteral("the answer has another number of words"));
            if (!withFloor)
                return;
            const QStringList entries = main.lstw->entries();
            QString floor;
            result.floor.samples.push_back(
                watch([&] { floor = answerFloor(entries, words, session.host.random()); }));
            check(wordsIn(floor) == words, QStringLiteral("the floor has another number of words"));
        });
    result.paint = median(paints);
    return result;
}

// Building an answer as it used to be done: every word read the whole answer
// back from the box and wrote it again with the word added.
void answerByRewriting(Session& session, int words)
{
    MainWindow& main = session.main();
    WorkingScope working(session.forms, {&main});
    const QStringList entries = main.lstw->entries();
    RandomSource& random = session.host.random();
    for (int i = 0; i < words; ++i) {
        session.host.yield();
        const QString& word = entries.at(drawIndex(random, static_cast<int>(entries.size())));
        main.txts->setPlainText(main.txts->toPlainText() + word + QLatin1Char(' '));
    }
}

void answers(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    const QString lists = QStringLiteral(", lists full");

    const int small = settings.size(9999);
    std::optional<AnswerRuns> smallAnswer;
    if (settings.wants(QStringLiteral("answer")) || settings.wants(QStringLiteral("answerref"))) {
        progress(QStringLiteral("answer of %1 words").arg(count(small)));
        smallAnswer = answer(settings, session, small);
    }
    if (settings.wants(QStringLiteral("answer"))) {
        Row r = row(QStringLiteral("Regular answer, shown exactly"),
                    count(small) + QStringLiteral(" words"), smallAnswer->runs,
                    QStringLiteral("<= 10 ms"));
        r.extra = QStringLiteral("paint after it %1").arg(duration(smallAnswer->paint));
        r.result = judged(settings, smallAnswer->runs.medianTime() <= ms(10));
        rows.push_back(r);

        // Text that needs shaping goes without the fast layout of a long line.
        progress(QStringLiteral("answer of %1 Arabic words").arg(count(small)));
        Session arabic(arabicWords(settings.size(kListSize)), startupNames(settings));
        const AnswerRuns shaped = answer(settings, arabic, small);
        r = row(QStringLiteral("Regular answer in Arabic, shown exactly"),
                count(small) + QStringLiteral(" words"), shaped.runs, QStringLiteral("-"));
        r.extra = QStringLiteral("paint after it %1; %2x the answer in Latin letters")
                      .arg(duration(shaped.paint),
                           ratio(double(shaped.runs.medianTime())
                                 / double(std::max<qint64>(1, smallAnswer->runs.medianTime()))));
        r.result = QStringLiteral("-");
        rows.push_back(r);

        const int large = settings.size(1'000'000);
        progress(QStringLiteral("answer of %1 words").arg(count(large)));
        const AnswerRuns big = answer(settings, session, large, true);
        const double toFloor
            = double(big.runs.medianTime()) / double(std::max<qint64>(1, big.floor.medianTime()));
        r = row(QStringLiteral("Regular answer"), count(large) + QStringLiteral(" words"), big.runs,
                QStringLiteral("<= 3x floor, <= 150 ms"));
        r.extra = QStringLiteral("floor %1, %2x; paint after it %3")
                      .arg(duration(big.floor.medianTime()), ratio(toFloor), duration(big.paint));
        r.result = judged(settings, toFloor <= 3 && big.runs.medianTime() <= ms(150));
        rows.push_back(r);
        r = row(QStringLiteral("Answer floor: draw, join with blanks"),
                count(large) + QStringLiteral(" words"), big.floor, QStringLiteral("-"));
        r.gap = QStringLiteral("-");
        r.result = QStringLiteral("-");
        rows.push_back(r);
    }
    if (settings.wants(QStringLiteral("answerref"))) {
        progress(QStringLiteral("answer vs rewriting the box: the rewriting (slow)"));
        MainWindow& main = session.main();
        const Runs reference = repeat(
            settings, 3, 40, [&] { main.txts->clear(); },
            [&] { answerByRewriting(session, small); },
            [&] {
                check(wordsIn(main.txts->toPlainText()) == small,
                      QStringLiteral("the rewritten answer has another number of words"));
            });
        const double speedup = double(reference.medianTime())
            / double(std::max<qint64>(1, smallAnswer->runs.medianTime()));
        Row r = row(QStringLiteral("Answer vs rewriting the box per word"),
                    count(small) + QStringLiteral(" words"), smallAnswer->runs,
                    QStringLiteral(">= 50x faster"));
        r.extra = QStringLiteral("rewriting %1 (%2 runs); %3x")
                      .arg(duration(reference.medianTime()))
                      .arg(reference.count())
                      .arg(ratio(speedup));
        r.gap = gapText(smallAnswer->runs.medianGap()) + QStringLiteral(" (rewriting ")
            + duration(reference.medianGap()) + QLatin1Char(')');
        r.result = judged(settings, speedup >= 50);
        rows.push_back(r);
    }
}

void customAnswer(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    MainWindow& main = session.main();
    OptionsWindow& options = session.options();
    const int letters = settings.size(10000);
    options.cbopersonal->setCurrentIndex(3);
    options.txtpattern->setText(letterPattern(letters, 3));
    main.txtw->setText(QStringLiteral("1"));
    progress(QStringLiteral("custom answer of %1 letters (may be slow)").arg(count(letters)));
    int answered = 0;
    const Runs runs = repeat(
        settings, 5, 40, [&] { main.txts->clear(); }, [&] { main.txtw_KeyDown(kEnter, 0); },
        [&] { answered = wordsIn(main.txts->toPlainText()); });
    check(answered > 0, QStringLiteral("no custom answer"));
    check(session.host.messages.isEmpty(), QStringLiteral("a message was shown answering"));
    Row r = row(QStringLiteral("Custom answer"), count(letters) + QStringLiteral("-letter pattern"),
                runs, QStringLiteral("<= 100 ms"));
    r.extra = count(answered) + QStringLiteral(" words answered");
    r.result = judged(settings, runs.medianTime() <= ms(100));
    rows.push_back(r);
}

void risingPoem(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    const int stanzas = settings.size(1000);
    session.main().mnucbpoet_Click();
    PoetryWindow& poetry = session.forms.frmcbp();
    poetry.txtlines->setText(QString::number(stanzas));
    poetry.optu->setChecked(true);
    progress(QStringLiteral("rising poem of %1 stanzas").arg(count(stanzas)));
    const Runs runs = repeat(
        settings, 5, kNoBudget, {}, [&] { poetry.cmdpoem_Click(); },
        [&] { check(poetry.txtp->blockCount() >= stanzas, QStringLiteral("the poem is short")); });
    const qint64 words = qint64(stanzas) * (stanzas + 1) / 2;
    Row r = row(QStringLiteral("Rising poem"),
                count(stanzas) + QStringLiteral(" stanzas (") + count(words)
                    + QStringLiteral(" words)"),
                runs, QStringLiteral("<= 1.5 s"));
    r.result = judged(settings, runs.medianTime() <= seconds(1.5));
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

// A run without delimiters, as a base64 or hex dump is: megabytes long.
QString longRun(qsizetype length)
{
    QString run(length, u'x');
    for (qsizetype i = 0; i < length; i += 7)
        run[i] = QChar(u'A' + static_cast<char16_t>(i % 26));
    return run;
}

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
    Row r = row(QStringLiteral("Start-up with a long word"),
                QStringLiteral("one word of %1 characters").arg(count(startWords.first().size())),
                start, QStringLiteral("<= 2 s"));
    r.gap = duration(start.medianGap()) + QStringLiteral(" (no window yet)");
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

qint64 statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

QString megabytes(qint64 kilobytes)
{
    return QString::number(kilobytes * 1024 / 1e6, 'f', 1) + QStringLiteral(" MB");
}

// Writes the recovery file the last change asked for, now, and waits for it.
void writeRecoveryNow(RecoverySnapshot& recovery)
{
    QEventLoop loop;
    QObject::connect(&recovery, &RecoverySnapshot::written, &loop, &QEventLoop::quit);
    recovery.timer()->start(0);
    loop.exec();
}

// What keeping the recovery file costs: learning with a write at every turn of
// the event loop against learning with none; how long the event loop waits
// while two full lists are written; and what one word beside a 50 MB entry adds.
void recoveryFile(const Settings& settings, std::vector<Row>& rows)
{
    const int words = settings.size(1'000'000);
    const QString text = zipfText(words, 1);
    Session session({}, {});
    RecoverySnapshot& recovery = *session.main().recovery();
    Runs kept;
    Runs off;
    int writes = 0;
    QObject::connect(&recovery, &RecoverySnapshot::written, [&writes] { ++writes; });
    const int reps = settings.smoke ? 1 : settings.reps > 0 ? settings.reps : 7;
    progress(QStringLiteral("recovery: %1 runs of each").arg(reps));
    for (int i = 0; i < reps; ++i) {
        recovery.setActive(true);
        recovery.timer()->setInterval(0);
        kept.samples.push_back(learn(session, text, {}, settings.verbose));
        recovery.setActive(false);
        off.samples.push_back(learn(session, text, {}, settings.verbose));
    }
    const double cost = double(kept.medianTime()) / double(std::max<qint64>(1, off.medianTime()));
    Row r = row(QStringLiteral("Learn with the recovery file written at every turn"),
                count(words) + QStringLiteral(" words"), kept, QStringLiteral("ratio <= 1.1"));
    r.extra = QStringLiteral("without it %1; ratio %2; %3 writes in all")
                  .arg(duration(off.medianTime()), ratio(cost), count(writes));
    r.result = judged(settings, cost <= 1.1);
    rows.push_back(r);

    Session full(startupWords(settings), startupNames(settings));
    RecoverySnapshot& whole = *full.main().recovery();
    const Runs written = repeat(
        settings, 5, kNoBudget,
        [&] { // a file that is not there is written whole
            QFile::remove(whole.path());
            full.main().lstw->removeAt(0);
        },
        [&] { writeRecoveryNow(whole); });
    r = row(QStringLiteral("Recovery file of two full lists written"),
            count(full.main().lstw->count()) + QStringLiteral(" words + ")
                + count(full.main().lstproper->count()) + QStringLiteral(" names"),
            written, QStringLiteral("gaps <= 50 ms"));
    r.extra = QStringLiteral("file of %1").arg(megabytes(QFileInfo(whole.path()).size() / 1024));
    r.result = judged(settings, written.medianGap() <= ms(50));
    rows.push_back(r);

    Session beside({longRun(settings.size(50'000'000)), QStringLiteral("short")}, {});
    RecoverySnapshot& next = *beside.main().recovery();
    beside.main().lstw->append(QStringLiteral("first"));
    writeRecoveryNow(next);
    qint64 grown = 0;
    int added = 0;
    const Runs appended = repeat(
        settings, 5, kNoBudget,
        [&] {
            grown -= QFileInfo(next.path()).size();
            beside.main().lstw->append(QStringLiteral("word%1").arg(++added));
        },
        [&] { writeRecoveryNow(next); }, [&] { grown += QFileInfo(next.path()).size(); });
    r = row(QStringLiteral("Recovery file after a word beside a 50 MB word"),
            QStringLiteral("one word added"), appended, QStringLiteral("<= 1 KB written"));
    const qint64 perWrite = grown / std::max<qsizetype>(1, appended.count());
    r.extra = QStringLiteral("%1 bytes written per change").arg(count(perWrite));
    r.result = judged(settings, perWrite <= 1024);
    rows.push_back(r);
}

// A text file of ordinary words, 12 on a line, drawn evenly from 20,000
// distinct words, of about the given size.
void writeWordsText(const QString& path, qint64 bytes)
{
    const QStringList vocabulary = wordsAt(0, 20000);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
          QStringLiteral("cannot write %1").arg(path));
    std::uint64_t state = 7;
    QByteArray block;
    for (qint64 written = 0; written < bytes;) {
        for (int line = 0; line < 1000; ++line) {
            for (int word = 0; word < 12; ++word) {
                state = state * 6364136223846793005ULL + 1442695040888963407ULL;
                block += vocabulary.at(int((state >> 33) % 20000)).toLatin1();
                block += word < 11 ? ' ' : '\n';
            }
        }
        written += file.write(block);
        block.clear();
    }
}

// The floor of a big load: the file read in 1 MB pieces, each decoded and
// learned by the learning floor into one hash.
qsizetype bigLoadFloor(const QString& path)
{
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), QStringLiteral("cannot read %1").arg(path));
    LearnFloor floor;
    qsizetype distinct = 0;
    for (QByteArray piece; !(piece = file.read(1 << 20)).isEmpty();)
        distinct = floor.learn(QString::fromUtf8(piece));
    return distinct;
}

// Bytes that are no text at all (a video or an archive taken for one).
void writeNoise(const QString& path, qint64 bytes)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
          QStringLiteral("cannot write %1").arg(path));
    std::uint64_t state = 11;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qint64 written = 0; written < bytes; written += block.size()) {
        for (char& byte : block) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            byte = char(state >> 56);
        }
        file.write(block.constData(), std::min<qint64>(block.size(), bytes - written));
    }
}

// A start-up that finds a big file of noise as its words file: the list fills
// long before the file ends, and the rest is not read.
void noiseStartUp(const Settings& settings, std::vector<Row>& rows)
{
    QTemporaryDir dir;
    check(dir.isValid(), QStringLiteral("no temporary folder"));
    const qint64 size = settings.size(200'000'000);
    progress(QStringLiteral("start-up on %1 bytes of noise").arg(count(size)));
    writeNoise(dir.filePath(QStringLiteral("qblvocab.txt")), size);
    writeEntries(dir.filePath(QStringLiteral("qblpn.txt")), {});
    std::unique_ptr<BenchHost> host;
    std::unique_ptr<Forms> forms;
    const Runs runs = repeat(
        settings, 3, kNoBudget, [&] { host = std::make_unique<BenchHost>(dir.path()); },
        [&] { (forms = std::make_unique<Forms>(*host))->start(); },
        [&] {
            check(settings.smoke || forms->frmcbox().lstw->count() == 32767,
                  QStringLiteral("the noise did not fill the list"));
            forms.reset();
        });
    Row r = row(QStringLiteral("Start-up on a file of noise"),
                megabytes(size / 1024) + QStringLiteral(" words file"), runs,
                QStringLiteral("<= 1 s"));
    r.gap = duration(runs.medianGap()) + QStringLiteral(" (no window yet)");
    r.result = judged(settings, runs.medianTime() <= seconds(1));
    rows.push_back(r);
}

// Loading a 200 MB text of ordinary words, against its floor.
void bigLoad(const Settings& settings, std::vector<Row>& rows)
{
    Session session({}, {});
    const qint64 size = settings.size(200'000'000);
    session.host.openPath = session.path(QStringLiteral("big.txt"));
    progress(QStringLiteral("big load: writing %1 bytes").arg(count(size)));
    writeWordsText(session.host.openPath, size);
    MainWindow& main = session.main();
    settle();
    Runs runs;
    Runs floor;
    const int reps = settings.smoke ? 1 : settings.reps > 0 ? settings.reps : 3;
    for (int i = 0; i < reps; ++i) {
        progress(QStringLiteral("big load: run %1 of %2").arg(i + 1).arg(reps));
        runs.samples.push_back(watch([&] { main.mnuload_Click(); }));
        check(main.lstw->count() == std::min(20000, int(size / 100)),
              QStringLiteral("the big file was not learned"));
        settle();
        floor.samples.push_back(watch([&] { bigLoadFloor(session.host.openPath); }));
    }
    const double toFloor
        = double(runs.medianTime()) / double(std::max<qint64>(1, floor.medianTime()));
    Row r = row(QStringLiteral("Load a big text of ordinary words"),
                megabytes(size / 1024) + QStringLiteral(", 20,000 distinct words"), runs,
                QStringLiteral("<= 2x floor, <= 1.5 s"));
    r.extra = QStringLiteral("floor %1, %2x").arg(duration(floor.medianTime()), ratio(toFloor));
    r.result = judged(settings, toFloor <= 2 && runs.medianTime() <= seconds(1.5));
    rows.push_back(r);
    r = row(QStringLiteral("Big load floor: read, decode, cut, look up"), megabytes(size / 1024),
            floor, QStringLiteral("-"));
    r.gap = QStringLiteral("-");
    r.result = QStringLiteral("-");
    rows.push_back(r);
    noiseStartUp(settings, rows);
}

} // namespace

QStringList scenarioKeys()
{
    return {QStringLiteral("noise"),    QStringLiteral("learn"),    QStringLiteral("growth"),
            QStringLiteral("learnref"), QStringLiteral("startup"),  QStringLiteral("save"),
            QStringLiteral("load"),     QStringLiteral("answer"),   QStringLiteral("answerref"),
            QStringLiteral("custom"),   QStringLiteral("poem"),     QStringLiteral("wordcount"),
            QStringLiteral("contain"),  QStringLiteral("longword"), QStringLiteral("recovery"),
            QStringLiteral("bigload")};
}

std::vector<Row> runScenarios(const Settings& settings)
{
    std::vector<Row> rows;
    if (settings.wants(QStringLiteral("noise")))
        noiseFloor(settings, rows);
    if (settings.wants(QStringLiteral("learn")))
        learnText(settings, rows);
    if (settings.wants(QStringLiteral("growth")))
        learnGrowth(settings, rows);
    if (settings.wants(QStringLiteral("learnref")))
        learnAgainstWalking(settings, rows);
    if (settings.wants(QStringLiteral("startup")))
        startUp(settings, rows);
    if (settings.wants(QStringLiteral("save")))
        save(settings, rows);
    if (settings.wants(QStringLiteral("load")))
        load(settings, rows);
    if (settings.wants(QStringLiteral("answer")) || settings.wants(QStringLiteral("answerref")))
        answers(settings, rows);
    if (settings.wants(QStringLiteral("custom")))
        customAnswer(settings, rows);
    if (settings.wants(QStringLiteral("poem")))
        risingPoem(settings, rows);
    if (settings.wants(QStringLiteral("wordcount")))
        wordCountWindow(settings, rows);
    if (settings.wants(QStringLiteral("contain")))
        containCount(settings, rows);
    if (settings.wants(QStringLiteral("longword")))
        longWords(settings, rows);
    if (settings.wants(QStringLiteral("recovery")))
        recoveryFile(settings, rows);
    if (settings.wants(QStringLiteral("bigload")))
        bigLoad(settings, rows);
    return rows;
}

namespace {

// Starts the peak resident size again from what the process holds now, so
// that a peak read later belongs to what ran since.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    check(clear.open(QIODevice::WriteOnly) && clear.write("5") == 1,
          QStringLiteral("cannot reset the peak memory"));
}

} // namespace

std::vector<Row> bigLoadMemory(const Settings& settings)
{
    std::vector<Row> rows;
    Session session({}, {});
    MainWindow& main = session.main();
    session.host.openPath = session.path(QStringLiteral("big.txt"));
    for (const qint64 full : {qint64(200'000'000), qint64(1'000'000'000)}) {
        const qint64 size = settings.size(int(full));
        progress(QStringLiteral("memory: loading %1 bytes").arg(count(size)));
        writeWordsText(session.host.openPath, size);
        settle();
        resetPeak();
        const qint64 resting = statusKilobytes("VmHWM");
        const Sample sample = watch([&] { main.mnuload_Click(); });
        const qint64 peak = statusKilobytes("VmHWM");
        check(main.lstw->count() == std::min(qint64(20000), size / 100),
              QStringLiteral("the big file was not learned"));
        QFile::remove(session.host.openPath);

        Row r;
        r.scenario = QStringLiteral("Peak memory loading a big text");
        r.size = megabytes(size / 1024) + QStringLiteral(" text, 20,000 distinct words");
        r.runs = 1;
        r.median = megabytes(peak - resting) + QStringLiteral(" above resting");
        r.target = QStringLiteral("<= 64 MB above resting");
        r.extra
            = QStringLiteral("load %1; resting %2").arg(duration(sample.time), megabytes(resting));
        r.gap = gapText(sample.longestGap);
        r.result = judged(settings, resting >= 0 && (peak - resting) * 1024 <= 64'000'000);
        rows.push_back(r);
    }
    return rows;
}

Row memoryScenario(const Settings& settings)
{
    const int words = settings.size(10'000'000);
    progress(QStringLiteral("memory: lists full and a %1-word answer").arg(count(words)));
    Session session(startupWords(settings), startupNames(settings));
    const qint64 started = statusKilobytes("VmHWM");
    MainWindow& main = session.main();
    main.txtw->setText(QString::number(words));
    const Sample sample = watch([&] { main.txtw_KeyDown(kEnter, 0); });
    settle();
    // Read before the check, which copies the text out of the box.
    const qint64 peak = statusKilobytes("VmHWM");
    check(wordsIn(main.txts->toPlainText()) == words, QStringLiteral("answer not shown"));

    Row r;
    r.scenario = QStringLiteral("Peak memory (VmHWM)");
    r.size = count(session.main().lstw->count()) + QStringLiteral(" words + ")
        + count(session.main().lstproper->count()) + QStringLiteral(" names, ") + count(words)
        + QStringLiteral("-word answer");
    r.runs = 1;
    r.median = megabytes(peak);
    r.target = QStringLiteral("<= 250 MB, answer <= 1.2 s");
    r.extra
        = QStringLiteral("answer %1; after start-up %2; now %3")
              .arg(duration(sample.time), megabytes(started), megabytes(statusKilobytes("VmRSS")));
    r.gap = gapText(sample.longestGap);
    r.result
        = judged(settings, peak >= 0 && peak * 1024 <= 250'000'000 && sample.time <= seconds(1.2));
    return r;
}

} // namespace quibbler::bench
