#include "Report.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cstdio>

namespace quibbler::bench {

qint64 median(std::vector<qint64> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

qint64 Runs::medianTime() const
{
    std::vector<qint64> times;
    for (const Sample& sample : samples)
        times.push_back(sample.time);
    return median(times);
}

qint64 Runs::medianGap() const
{
    std::vector<qint64> gaps;
    for (const Sample& sample : samples)
        gaps.push_back(sample.longestGap);
    return median(gaps);
}

QString duration(qint64 nanoseconds)
{
    const double ms = nanoseconds / 1e6;
    if (ms < 10)
        return QString::number(ms, 'f', 2) + QStringLiteral(" ms");
    if (ms < 1000)
        return QString::number(ms, 'f', 1) + QStringLiteral(" ms");
    return QString::number(ms / 1000, 'f', 3) + QStringLiteral(" s");
}

QString gapText(qint64 nanoseconds)
{
    return duration(nanoseconds) + (nanoseconds > kGapLimit ? QStringLiteral(" OVER") : QString());
}

QString count(qint64 value)
{
    return QLocale(QLocale::English).toString(value);
}

QString verdict(bool met)
{
    return met ? QStringLiteral("PASS") : QStringLiteral("MISS");
}

void printTable(const std::vector<Row>& rows)
{
    const std::array<QString, 8> header{QStringLiteral("Scenario"),
                                        QStringLiteral("Size"),
                                        QStringLiteral("Runs"),
                                        QStringLiteral("Median"),
                                        QStringLiteral("Target"),
                                        QStringLiteral("Ratio / extra"),
                                        QStringLiteral("Longest event-loop gap"),
                                        QStringLiteral("Result")};
    std::vector<std::array<QString, 8>> cells{header};
    for (const Row& row : rows)
        cells.push_back({row.scenario, row.size, QString::number(row.runs), row.median, row.target,
                         row.extra, row.gap, row.result});
    std::array<qsizetype, 8> widths{};
    for (const auto& line : cells)
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());

    const auto print = [&](const std::array<QString, 8>& line) {
        QString text = QStringLiteral("|");
        for (std::size_t i = 0; i < line.size(); ++i)
            text += QLatin1Char(' ') + line[i].leftJustified(widths[i]) + QStringLiteral(" |");
        std::printf("%s\n", text.toUtf8().constData());
    };
    print(cells.front());
    QString rule = QStringLiteral("|");
    for (const qsizetype width : widths)
        rule += QString(width + 2, QLatin1Char('-')) + QLatin1Char('|');
    std::printf("%s\n", rule.toUtf8().constData());
    for (std::size_t i = 1; i < cells.size(); ++i)
        print(cells[i]);
    std::fflush(stdout);
}

} // namespace quibbler::bench
