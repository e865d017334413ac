#pragma once

#include "Report.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace quibbler::bench {

struct Settings {
    // One run of every scenario at a hundredth of its size; targets are not judged.
    bool smoke = false;
    // Sizes are divided by this (100 for a smoke run).
    int divisor = 1;
    // Repetitions of every scenario; 0 for each scenario's own number.
    int reps = 0;
    // The keys of the scenarios to run; all when empty.
    QStringList only;
    // Every run's figures on standard error as well.
    bool verbose = false;

    int size(int full) const { return std::max(1, full / divisor); }
    bool judged() const { return !smoke && divisor == 1; }
    bool wants(const QString& key) const { return only.isEmpty() || only.contains(key); }
};

// The keys of the timed scenarios, in the order they run.
QStringList scenarioKeys();

// Runs the timed scenarios the settings ask for, one row (or more) each.
std::vector<Row> runScenarios(const Settings& settings);

// The timed scenarios, each adding its rows; runScenarios picks them by key.

// Scenarios.cpp: the machine's own pauses, against which the others' gaps are read.
void noiseFloor(const Settings& settings, std::vector<Row>& rows);

// LearningScenarios.cpp: learning words, and counting what the lists hold.
void learnText(const Settings& settings, std::vector<Row>& rows);
void learnGrowth(const Settings& settings, std::vector<Row>& rows);
void learnAgainstWalking(const Settings& settings, std::vector<Row>& rows);
void wordCountWindow(const Settings& settings, std::vector<Row>& rows);
void containCount(const Settings& settings, std::vector<Row>& rows);

// AnswerScenarios.cpp: sentences and poems.
void answers(const Settings& settings, std::vector<Row>& rows);
void customAnswer(const Settings& settings, std::vector<Row>& rows);
void risingPoem(const Settings& settings, std::vector<Row>& rows);

// FileScenarios.cpp: start-up, save and load, the recovery file, big texts.
void startUp(const Settings& settings, std::vector<Row>& rows);
void save(const Settings& settings, std::vector<Row>& rows);
void load(const Settings& settings, std::vector<Row>& rows);
void recoveryFile(const Settings& settings, std::vector<Row>& rows);
void bigLoad(const Settings& settings, std::vector<Row>& rows);

// LongTextScenarios.cpp: words megabytes long in the lists and the answer box.
void longWords(const Settings& settings, std::vector<Row>& rows);

// MemoryScenarios.cpp, for --memory.

// Peak memory of a program that starts with both lists full and shows a
// 10,000,000-word answer. Meant for a process of its own (see --memory).
Row memoryScenario(const Settings& settings);

// The peak memory above resting while loading a 200 MB and a 1 GB text; run
// after memoryScenario, whose peak is the process's own.
std::vector<Row> bigLoadMemory(const Settings& settings);

} // namespace quibbler::bench
