// Files: start-up from the start-up files, save, load, the recovery file and
// big texts.
#include "Floors.h"
#include "Measure.h"
#include "WordGenerator.h"

#include "controls/ListBox.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/RecoverySnapshot.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

#include <cstdint>

namespace quibbler::bench {

namespace {

// Writes the recovery file the last change asked for, now, and waits for it.
void writeRecoveryNow(RecoverySnapshot& recovery)
{
    QEventLoop loop;
    QObject::connect(&recovery, &RecoverySnapshot::written, &loop, &QEventLoop::quit);
    recovery.timer()->start(0);
    loop.exec();
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

// A start-up that finds a big file of noise as its words file: the list fills
// long before the file ends, and the rest is not read.
void noiseStartUp(const Settings& settings, std::vector<Row>& rows)
{
    const qint64 size = settings.size(200'000'000);
    progress(QStringLiteral("start-up on %1 bytes of noise").arg(count(size)));
    const auto writeFiles = [&](const QDir& dir) {
        writeNoise(dir.filePath(QStringLiteral("qblvocab.txt")), size);
        writeEntries(dir.filePath(QStringLiteral("qblpn.txt")), {});
    };
    const Runs runs = startUps(settings, 3, writeFiles, false, [&](Forms& forms, BenchHost&) {
        check(settings.smoke || forms.frmcbox().lstw->count() == kListSize,
              QStringLiteral("the noise did not fill the list"));
    });
    Row r = startUpRow(QStringLiteral("Start-up on a file of noise"),
                       megabytes(size / 1024) + QStringLiteral(" words file"), runs,
                       QStringLiteral("<= 1 s"));
    r.result = judged(settings, runs.medianTime() <= seconds(1));
    rows.push_back(r);
}

} // namespace

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
    Row r = startUpRow(QStringLiteral("Start-up to the main window"),
                       count(words.size()) + QStringLiteral(" words + ") + count(names.size())
                           + QStringLiteral(" names"),
                       runs, QStringLiteral("<= 40 ms"));
    r.extra = QStringLiteral("first paint after it %1").arg(duration(median(paints)));
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
    const int reps = repetitions(settings, 7);
    progress(QStringLiteral("recovery: %1 runs of each").arg(reps));
    for (int i = 0; i < reps; ++i) {
        recovery.setActive(true);
        recovery.timer()->setInterval(0);
        kept.samples.push_back(learn(session, text, {}, settings.verbose));
        recovery.setActive(false);
        off.samples.push_back(learn(session, text, {}, settings.verbose));
    }
    const double cost = times(kept.medianTime(), off.medianTime());
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

// Loading a 200 MB text of ordinary words, against its floor; then a start-up
// that finds as much noise in its words file.
void bigLoad(const Settings& settings, std::vector<Row>& rows)
{
    BigText big;
    const qint64 size = settings.size(200'000'000);
    progress(QStringLiteral("big load: writing %1 bytes").arg(count(size)));
    big.write(size);
    Runs runs;
    Runs floor;
    const int reps = repetitions(settings, 3);
    for (int i = 0; i < reps; ++i) {
        progress(QStringLiteral("big load: run %1 of %2").arg(i + 1).arg(reps));
        runs.samples.push_back(big.load());
        settle();
        floor.samples.push_back(watch([&] { bigLoadFloor(big.path()); }));
    }
    const double toFloor = times(runs.medianTime(), floor.medianTime());
    Row r = row(QStringLiteral("Load a big text of ordinary words"),
                megabytes(size / 1024) + QStringLiteral(", 20,000 distinct words"), runs,
                QStringLiteral("<= 2x floor, <= 1.5 s"));
    r.extra = QStringLiteral("floor %1, %2x").arg(duration(floor.medianTime()), ratio(toFloor));
    r.result = judged(settings, toFloor <= 2 && runs.medianTime() <= seconds(1.5));
    rows.push_back(r);
    rows.push_back(floorRow(QStringLiteral("Big load floor: read, decode, cut, look up"),
                            megabytes(size / 1024), floor));
    noiseStartUp(settings, rows);
}

} // namespace quibbler::bench
