#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <vector>

namespace quibbler::bench {

// One timed run: how long it took and the longest stretch in it without a
// turn of the event loop (nanoseconds).
struct Sample {
    qint64 time = 0;
    qint64 longestGap = 0;
    // Where the longest gap began, from the start of the run.
    qint64 longestGapAt = 0;
    // How many turns the event loop made.
    qsizetype turns = 0;
};

// Times an operation and watches the event loop while it runs: a zero-interval
// timer fires at every turn of the loop, and the longest gap between turns,
// counting from the start to the first turn and from the last turn to the end,
// is how long the program could not answer the user.
class LoopWatch {
public:
    LoopWatch();
    void begin();
    Sample end();

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::vector<qint64> m_turns;
};

// Times fn() with a LoopWatch.
template <typename Fn> Sample watch(Fn&& fn)
{
    LoopWatch watcher;
    watcher.begin();
    fn();
    return watcher.end();
}

} // namespace quibbler::bench
