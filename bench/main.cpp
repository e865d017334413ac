// quibbler_bench: times the program's long operations through the same
// handlers a user triggers, on generated words, and prints one table.
//
//   quibbler_bench                 every timed scenario at full size
//   quibbler_bench --memory        peak memory, in a process that does only that
//   quibbler_bench --smoke         every scenario once at a hundredth of its size
//   quibbler_bench --only a,b      only the named scenarios (see --help)
//   quibbler_bench --scale N       sizes divided by N (for profiling runs)
//   quibbler_bench --reps N        N repetitions of every scenario
//   quibbler_bench --strict        exit 1 when a target is missed
//   quibbler_bench --verbose       every run's figures on standard error
#include "Scenarios.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace quibbler::bench;

namespace {

void usage()
{
    std::printf("usage: quibbler_bench [--smoke] [--memory] [--only KEY,...] [--scale N] "
                "[--reps N] [--strict] [--verbose]\nscenario keys: %s\n",
                qPrintable(scenarioKeys().join(QLatin1Char(','))));
}

int positive(const char* text)
{
    const int value = std::atoi(text);
    if (value < 1) {
        usage();
        std::exit(2);
    }
    return value;
}

// The first three fields of /proc/loadavg: how busy the machine was.
QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return "?";
    return file.readAll().split(' ').mid(0, 3).join(' ');
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    Settings settings;
    bool memory = false;
    bool strict = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!std::strcmp(arg, "--smoke")) {
            settings.smoke = true;
        } else if (!std::strcmp(arg, "--memory")) {
            memory = true;
        } else if (!std::strcmp(arg, "--verbose")) {
            settings.verbose = true;
        } else if (!std::strcmp(arg, "--strict")) {
            strict = true;
        } else if (!std::strcmp(arg, "--only") && i + 1 < argc) {
            settings.only = QString::fromLocal8Bit(argv[++i]).split(QLatin1Char(','));
            for (const QString& key : settings.only) {
                if (!scenarioKeys().contains(key)) {
                    usage();
                    return 2;
                }
            }
        } else if (!std::strcmp(arg, "--scale") && i + 1 < argc) {
            settings.divisor = positive(argv[++i]);
        } else if (!std::strcmp(arg, "--reps") && i + 1 < argc) {
            settings.reps = positive(argv[++i]);
        } else if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
            usage();
            return 0;
        } else {
            usage();
            return 2;
        }
    }
    if (settings.smoke)
        settings.divisor = 100;

    // QApplication may take Qt's own options from the command line; ours are read above.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Quibbler"));
    QApplication::setOrganizationName(QStringLiteral("Quibbler"));
    QApplication::setQuitOnLastWindowClosed(false);

    const QByteArray loadBefore = loadAverage();
    QElapsedTimer total;
    total.start();
    std::vector<Row> rows;
    const auto memoryRows = [&] {
        rows.push_back(memoryScenario(settings));
        for (Row& row : bigLoadMemory(settings))
            rows.push_back(row);
    };
    if (memory) {
        memoryRows();
    } else {
        rows = runScenarios(settings);
        // A smoke run checks that the memory scenarios work too; their figures
        // are only meaningful in a process of their own.
        if (settings.smoke)
            memoryRows();
    }

    std::printf("\nquibbler_bench%s: %s sizes, Qt %s, platform %s; medians of the runs\n",
                memory ? " --memory" : "",
                settings.smoke ? "smoke (1/100)"
                    : settings.divisor > 1
                    ? qPrintable(QStringLiteral("1/%1").arg(settings.divisor))
                    : "full",
                qVersion(), qPrintable(QGuiApplication::platformName()));
    printTable(rows);
    std::printf("total %.1f s; load average (1, 5, 15 min) before %s, after %s\n",
                total.elapsed() / 1000.0, loadBefore.constData(), loadAverage().constData());

    bool missed = false;
    for (const Row& row : rows)
        missed = missed || row.result == QLatin1String("MISS");
    return strict && missed ? 1 : 0;
}
