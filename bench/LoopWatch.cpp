#include "LoopWatch.h"

namespace quibbler::bench {

LoopWatch::LoopWatch()
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout,
                     [this] { m_turns.push_back(m_clock.nsecsElapsed()); });
}

void LoopWatch::begin()
{
    m_turns.clear();
    m_turns.reserve(1 << 16);
    m_timer.start();
    m_clock.start();
}

Sample LoopWatch::end()
{
    const qint64 total = m_clock.nsecsElapsed();
    m_timer.stop();
    Sample sample;
    sample.time = total;
    sample.turns = static_cast<qsizetype>(m_turns.size());
    qint64 previous = 0;
    const auto gapTo = [&](qint64 time) {
        if (time - previous > sample.longestGap) {
            sample.longestGap = time - previous;
            sample.longestGapAt = previous;
        }
        previous = time;
    };
    for (const qint64 turn : m_turns)
        gapTo(turn);
    gapTo(total);
    return sample;
}

} // namespace quibbler::bench
