#pragma once

#include "host/Host.h"
#include "host/RandomSource.h"

#include <QList>
#include <QMetaType>
#include <QStringList>

#include <functional>

namespace quibbler::test {

// Random numbers from a script, then from a seeded generator; records reseeds.
class ScriptedRandom : public RandomSource {
public:
    double next() override;
    void seed(double value) override;
    void seedFromClock() override;

    QList<double> script; // returned first, in order
    QStringList reseeds; // "1000", "clock", ... in order

private:
    GeneratorRandom m_fallback;
};

struct ShownMessage {
    QString text;
    QString title; // the title bar's text
    Buttons buttons;
};

// A host whose every answer comes from queues the test fills, and which
// records everything the program showed.
class ScriptedHost : public Host {
public:
    explicit ScriptedHost(QString programFolder);

    Answer msgBox(const QString& prompt, Buttons buttons,
                  const std::optional<QString>& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString openFileDialog(const FileDialogRequest& request) override;
    QString saveFileDialog(const FileDialogRequest& request) override;
    std::optional<QFont> fontDialog(const QFont& initial) override;
    std::optional<QColor> colorDialog(const QColor& initial) override;
    void setClipboardText(const QString& text) override;
    void yield() override;
    QTime timeOfDay() override;
    QString programFolder() override;
    void endProgram() override;
    RandomSource& random() override;

    // Answers to Yes/No questions in order; a question with none left gets No
    // and is counted in unansweredQuestions.
    QList<Answer> answers;
    // Answers to input boxes in order ("" is Cancel); a box with none left
    // ends the test run.
    QStringList inputs;
    // Paths the file dialogs return in order; "" or none left is Cancel.
    QStringList openPaths;
    QStringList savePaths;
    QList<std::optional<QFont>> fonts;
    QList<std::optional<QColor>> colors;

    QList<ShownMessage> messages;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    // Every input box shown: prompt, title and default text.
    QList<QStringList> inputPrompts;
    int unansweredQuestions = 0;
    int yields = 0;
    std::function<void()> onYield;
    QString clipboard;
    QTime clock{12, 0, 0};
    bool ended = false;
    ScriptedRandom rnd;

    // The texts of the messages shown, in order.
    QStringList messageTexts() const;

private:
    QString m_programFolder;
};

} // namespace quibbler::test

Q_DECLARE_METATYPE(quibbler::Answer)
Q_DECLARE_METATYPE(quibbler::Buttons)
