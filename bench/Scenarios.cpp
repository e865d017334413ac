#include "Scenarios.h"

#include "Measure.h"
#include "WordGenerator.h"

#include <QCoreApplication>

#include <algorithm>

namespace quibbler::bench {

namespace {

struct Entry {
    // Any of these keys runs the scenario; a scenario with two keys sees which
    // of them were asked for in the settings.
    QStringList keys;
    void (*run)(const Settings&, std::vector<Row>&);
};

// The timed scenarios in the order they run.
const std::vector<Entry>& entries()
{
    static const std::vector<Entry> list{
        {{QStringLiteral("noise")}, noiseFloor},
        {{QStringLiteral("learn")}, learnText},
        {{QStringLiteral("growth")}, learnGrowth},
        {{QStringLiteral("learnref")}, learnAgainstWalking},
        {{QStringLiteral("startup")}, startUp},
        {{QStringLiteral("save")}, save},
        {{QStringLiteral("load")}, load},
        {{QStringLiteral("answer"), QStringLiteral("answerref")}, answers},
        {{QStringLiteral("custom")}, customAnswer},
        {{QStringLiteral("poem")}, risingPoem},
        {{QStringLiteral("wordcount")}, wordCountWindow},
        {{QStringLiteral("contain")}, containCount},
        {{QStringLiteral("longword")}, longWords},
        {{QStringLiteral("recovery")}, recoveryFile},
        {{QStringLiteral("bigload")}, bigLoad},
    };
    return list;
}

} // namespace

QStringList scenarioKeys()
{
    QStringList keys;
    for (const Entry& entry : entries())
        keys += entry.keys;
    return keys;
}

std::vector<Row> runScenarios(const Settings& settings)
{
    std::vector<Row> rows;
    for (const Entry& entry : entries()) {
        if (std::any_of(entry.keys.begin(), entry.keys.end(),
                        [&](const QString& key) { return settings.wants(key); }))
            entry.run(settings, rows);
    }
    return rows;
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

} // namespace quibbler::bench
