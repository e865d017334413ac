#pragma once

#include "host/Host.h"
#include "host/RandomSource.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace quibbler::test {

// Random numbers from a script, then from a seeded generator; records reseeds.
class ScriptedRandom : public RandomSource {
public:
    double next() override { return script.isEmpty() ? m_fallback.next() : script.takeFirst(); }
    void seed(double value) override
    {
        reseeds.append(QString::number(value));
        m_fallback.seed(value);
    }
    void seedFromClock() override
    {
        reseeds.append(QStringLiteral("clock"));
        m_fallback.seed(4242);
    }

    QList<double> script; // returned first, in order
    QStringList reseeds; // "1000", "clock", ... in order

private:
    GeneratorRandom m_fallback;
};

struct ShownMessage {
    QString text;
    QString title;
    Buttons buttons;
};

// A host whose every answer comes from queues the test fills, and which
// records everything the program showed.
class ScriptedHost : public Host {
public:
    explicit ScriptedHost(QString folder) : m_folder(std::move(folder)) { }

    Answer msgBox(const QString& text, Buttons buttons,
                  const std::optional<QString>& title) override
    {
        messages.append({text, title.value_or(applicationTitle()), buttons});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }
    QString inputBox(const QString& prompt, const QString& title, const QString& text) override
    {
        inputPrompts.append({prompt, title, text});
        // A prompt the test did not expect could be asked again forever.
        if (inputs.isEmpty())
            qFatal("unexpected input box: %s", qPrintable(prompt));
        return inputs.takeFirst();
    }
    QString openFileDialog(const FileDialogRequest& r) override { return take(openPaths, r); }
    QString saveFileDialog(const FileDialogRequest& r) override { return take(savePaths, r, true); }
    std::optional<QFont> fontDialog(const QFont&) override { return take(fonts); }
    std::optional<QColor> colorDialog(const QColor&) override { return take(colors); }
    void setClipboardText(const QString& text) override { clipboard = text; }
    bool yield() override
    {
        onYield();
        return true;
    }
    QTime timeOfDay() override { return clock; }
    qint64 steadyMs() override { return steady; }
    QString programFolder() override { return m_folder; }
    void endProgram() override { ended = true; }
    RandomSource& random() override { return rnd; }

    // Answers in order. With none left a question gets No,
    // an input box ends the run, a dialog is cancelled ("" cancels it too).
    QList<Answer> answers;
    QStringList inputs;
    QStringList openPaths;
    QStringList savePaths;
    QList<std::optional<QFont>> fonts;
    QList<std::optional<QColor>> colors;

    QList<ShownMessage> messages;
    QList<QStringList> inputPrompts; // prompt, title and default text
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QString clipboard;

    std::function<void()> onYield = [] {};
    QTime clock{12, 0, 0};
    qint64 steady = 0;
    bool ended = false;
    ScriptedRandom rnd;

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const ShownMessage& message : messages)
            texts.append(message.text);
        return texts;
    }

private:
    template <typename T> static T take(QList<T>& queue)
    {
        return queue.isEmpty() ? T() : queue.takeFirst();
    }
    QString take(QStringList& paths, const FileDialogRequest& r, bool save = false)
    {
        (save ? saveRequests : openRequests).append(r);
        return take(paths);
    }

    QString m_folder;
};

} // namespace quibbler::test
