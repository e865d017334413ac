#include "Measure.h"

#include "WordGenerator.h"

#include "controls/ListBox.h"
#include "vocabulary/MainWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace quibbler::bench {

void progress(const QString& text)
{
    std::fprintf(stderr, "[bench] %s\n", qPrintable(text));
    std::fflush(stderr);
}

void fail(const QString& text)
{
    std::fprintf(stderr, "[bench] FAILED: %s\n", qPrintable(text));
    std::exit(2);
}

void check(bool condition, const QString& what)
{
    if (!condition)
        fail(what);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

QString describe(const Sample& sample)
{
    return QStringLiteral("%1, %2 event-loop turns, longest gap %3 from %4 after the start")
        .arg(duration(sample.time), count(sample.turns), duration(sample.longestGap),
             duration(sample.longestGapAt));
}

} // namespace

int repetitions(const Settings& settings, int own)
{
    return settings.smoke ? 1 : settings.reps > 0 ? settings.reps : own;
}

Runs repeat(const Settings& settings, int reps, double budgetSeconds,
            const std::function<void()>& setup, const std::function<void()>& op,
            const std::function<void()>& after)
{
    reps = repetitions(settings, reps);
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

qint64 seconds(double s)
{
    return static_cast<qint64>(s * 1e9);
}

qint64 ms(double m)
{
    return static_cast<qint64>(m * 1e6);
}

double times(qint64 time, qint64 base)
{
    return double(time) / double(std::max<qint64>(1, base));
}

QString ratio(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 0);
}

QString megabytes(qint64 kilobytes)
{
    return QString::number(kilobytes * 1024 / 1e6, 'f', 1) + QStringLiteral(" MB");
}

QString judged(const Settings& settings, bool met)
{
    return settings.judged() ? verdict(met) : QStringLiteral("-");
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

Row floorRow(const QString& scenario, const QString& size, const Runs& floor)
{
    Row r = row(scenario, size, floor, QStringLiteral("-"));
    r.gap = QStringLiteral("-");
    r.result = QStringLiteral("-");
    return r;
}

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

QStringList startupWords(const Settings& settings)
{
    return wordsAt(0, settings.size(kListSize));
}

QStringList startupNames(const Settings& settings)
{
    QStringList names = wordsAt(10000, settings.size(kListSize));
    for (QString& name : names)
        name = capitalised(name);
    return names;
}

Session::Session(const QStringList& words, const QStringList& names)
{
    check(dir.isValid(), QStringLiteral("no temporary folder"));
    writeEntries(path(QStringLiteral("qblvocab.txt")), words);
    writeEntries(path(QStringLiteral("qblpn.txt")), names);
    forms.start();
    settle();
    check(main().lstw->count() == words.size(), QStringLiteral("start-up words not read"));
}

Runs startUps(const Settings& settings, int reps,
              const std::function<void(const QDir&)>& writeFiles, bool paintTimed,
              const std::function<void(Forms&, BenchHost&)>& inspect)
{
    QTemporaryDir dir;
    check(dir.isValid(), QStringLiteral("no temporary folder"));
    writeFiles(QDir(dir.path()));
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

Runs startUps(const Settings& settings, int reps, const QStringList& words,
              const QStringList& names, bool paintTimed,
              const std::function<void(Forms&, BenchHost&)>& inspect)
{
    const auto writeFiles = [&](const QDir& dir) {
        writeEntries(dir.filePath(QStringLiteral("qblvocab.txt")), words);
        writeEntries(dir.filePath(QStringLiteral("qblpn.txt")), names);
    };
    return startUps(settings, reps, writeFiles, paintTimed, inspect);
}

Row startUpRow(const QString& scenario, const QString& size, const Runs& runs,
               const QString& target)
{
    Row r = row(scenario, size, runs, target);
    r.gap = duration(runs.medianGap()) + QStringLiteral(" (no window yet)");
    return r;
}

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

QString longRun(qsizetype length)
{
    QString run(length, u'x');
    for (qsizetype i = 0; i < length; i += 7)
        run[i] = QChar(u'A' + static_cast<char16_t>(i % 26));
    return run;
}

namespace {

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

} // namespace

BigText::BigText()
{
    session.host.openPath = session.path(QStringLiteral("big.txt"));
}

void BigText::write(qint64 bytes)
{
    writeWordsText(path(), bytes);
    m_bytes = bytes;
    settle();
}

Sample BigText::load()
{
    MainWindow& main = session.main();
    const Sample sample = watch([&] { main.mnuload_Click(); });
    check(main.lstw->count() == std::min(qint64(20000), m_bytes / 100),
          QStringLiteral("the big file was not learned"));
    return sample;
}

} // namespace quibbler::bench
