// Peak memory (--memory): the process's own peak with both lists full and a
// long answer, then the peak above resting while loading big texts.
#include "Measure.h"

#include "controls/ListBox.h"
#include "vocabulary/MainWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quibbler::bench {

namespace {

// A field of /proc/self/status in kilobytes ("VmHWM", "VmRSS"); -1 when unknown.
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

// Starts the peak resident size again from what the process holds now, so
// that a peak read later belongs to what ran since.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    check(clear.open(QIODevice::WriteOnly) && clear.write("5") == 1,
          QStringLiteral("cannot reset the peak memory"));
}

} // namespace

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

std::vector<Row> bigLoadMemory(const Settings& settings)
{
    std::vector<Row> rows;
    BigText big;
    for (const qint64 full : {qint64(200'000'000), qint64(1'000'000'000)}) {
        const qint64 size = settings.size(int(full));
        progress(QStringLiteral("memory: loading %1 bytes").arg(count(size)));
        big.write(size);
        resetPeak();
        const qint64 resting = statusKilobytes("VmHWM");
        const Sample sample = big.load();
        const qint64 peak = statusKilobytes("VmHWM");
        QFile::remove(big.path());

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

} // namespace quibbler::bench
