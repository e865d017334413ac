#pragma once

#include "host/QtHost.h"
#include "host/RandomSource.h"

#include <QStringList>

namespace quibbler::bench {

// Random numbers that repeat from run to run: a clock seed is a fixed seed.
class RepeatableRandom : public RandomSource {
public:
    double next() override { return m_generator.next(); }
    void seed(double value) override { m_generator.seed(value); }
    void seedFromClock() override { m_generator.seed(4242); }

private:
    GeneratorRandom m_generator;
};

// The real host (event loop, program folder) with the modal boxes and file
// dialogs answered from a script, so that a benchmark never waits for a user.
class BenchHost : public QtHost {
public:
    explicit BenchHost(QString programFolder) : QtHost(std::move(programFolder)) { }

    // Message boxes are counted; questions are answered No.
    Answer msgBox(const QString& prompt, Buttons buttons,
                  const std::optional<QString>& title) override;
    // The next scripted input, or "" (Cancel) when none is left.
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    // The scripted paths; "" (Cancel) when none is set.
    QString openFileDialog(const FileDialogRequest& request) override;
    QString saveFileDialog(const FileDialogRequest& request) override;
    std::optional<QFont> fontDialog(const QFont& initial) override;
    std::optional<QColor> colorDialog(const QColor& initial) override;
    void setClipboardText(const QString& text) override;
    QTime timeOfDay() override;
    void endProgram() override;
    RandomSource& random() override { return m_random; }

    QStringList inputs;
    QString openPath;
    QString savePath;
    QStringList messages;

private:
    RepeatableRandom m_random;
};

} // namespace quibbler::bench
