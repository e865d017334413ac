#pragma once

// What the scenarios share: running and timing an operation, turning the runs
// into a row of the table, and the program under test with its generated data.

#include "BenchHost.h"
#include "Scenarios.h"

#include "app/Forms.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <limits>

namespace quibbler::bench {

// The key code of Enter, which learns the learn box's text or asks for an answer.
constexpr int kEnter = 13;
// The most entries a list holds; the start-up lists of a full store are this long.
constexpr int kListSize = 32767;
// A time budget for repeat that never runs out.
constexpr double kNoBudget = std::numeric_limits<double>::infinity();

// "[bench] text" on standard error.
void progress(const QString& text);
// Says what went wrong and ends the benchmark with status 2.
[[noreturn]] void fail(const QString& text);
void check(bool condition, const QString& what);

// Lets paints, deferred deletes and timers that are due run between runs.
void settle();

// How many runs a scenario makes: one for a smoke run, else --reps when given,
// else the scenario's own number.
int repetitions(const Settings& settings, int own);

// Runs setup (untimed), op (timed and watched) and after (untimed) the given
// number of times, fewer when the runs so far took longer than the budget.
Runs repeat(const Settings& settings, int reps, double budgetSeconds,
            const std::function<void()>& setup, const std::function<void()>& op,
            const std::function<void()>& after = {});

qint64 seconds(double s);
qint64 ms(double m);
// time / base, without dividing by zero.
double times(qint64 time, qint64 base);
// "2.55", or "36" once it is 10 or more.
QString ratio(double value);
QString megabytes(qint64 kilobytes);

// PASS or MISS for a run at full size, "-" otherwise.
QString judged(const Settings& settings, bool met);
// A row of the runs' medians; extra and result are the caller's.
Row row(const QString& scenario, const QString& size, const Runs& runs, const QString& target);
// A yardstick's row, read against the row above it and judged on nothing.
Row floorRow(const QString& scenario, const QString& size, const Runs& floor);

// A words file as the user's own files are: each entry quoted on a CR LF line.
void writeEntries(const QString& path, const QStringList& entries);
// The start-up lists of a full store.
QStringList startupWords(const Settings& settings);
QStringList startupNames(const Settings& settings);

// The whole program on the real host, started from its start-up files in a
// folder of its own.
class Session {
public:
    Session(const QStringList& words, const QStringList& names);

    QString path(const QString& name) const { return dir.filePath(name); }
    MainWindow& main() { return forms.frmcbox(); }
    OptionsWindow& options() { return forms.frmoptions(); }

    QTemporaryDir dir;
    BenchHost host{dir.path()};
    Forms forms{host};
};

// Starts the program afresh from the start-up files writeFiles puts in a
// folder, reps times: the timed start-up, then (when paintTimed) its first
// paint; after each run, inspect sees the program before it is closed.
Runs startUps(const Settings& settings, int reps,
              const std::function<void(const QDir&)>& writeFiles, bool paintTimed,
              const std::function<void(Forms&, BenchHost&)>& inspect);
// The same from start-up files holding the words and the names.
Runs startUps(const Settings& settings, int reps, const QStringList& words,
              const QStringList& names, bool paintTimed,
              const std::function<void(Forms&, BenchHost&)>& inspect);
// A start-up's row. No window is shown yet, so there is no working screen to
// keep alive: the longest gap is shown but never marked OVER.
Row startUpRow(const QString& scenario, const QString& size, const Runs& runs,
               const QString& target);

// Learning the learn box's text into the word list, with Enter.
Sample learn(Session& session, const QString& text, const QStringList& known, bool verbose);

// Words of an answer: runs between blanks and line breaks (a long answer may
// be shown with line breaks in place of some blanks).
int wordsIn(const QString& text);

// A run without delimiters, as a base64 or hex dump is: megabytes long.
QString longRun(qsizetype length);

// A program with empty lists and a big text of ordinary words to load into
// them with the Load menu: 12 words on a line, drawn evenly from 20,000.
class BigText {
public:
    BigText();
    QString path() const { return session.host.openPath; }
    // Writes a text of about the given size in place of the last one.
    void write(qint64 bytes);
    // Loads the text, timed and watched, and checks that its words were learned.
    Sample load();

    Session session{{}, {}};

private:
    qint64 m_bytes = 0;
};

} // namespace quibbler::bench
