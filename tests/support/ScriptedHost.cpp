#include "support/ScriptedHost.h"

namespace quibbler::test {

double ScriptedRandom::next()
{
    return script.isEmpty() ? m_fallback.next() : script.takeFirst();
}

void ScriptedRandom::seed(double value)
{
    reseeds.append(QString::number(value));
    m_fallback.seed(value);
}

void ScriptedRandom::seedFromClock()
{
    reseeds.append(QStringLiteral("clock"));
    m_fallback.seed(4242);
}

ScriptedHost::ScriptedHost(QString programFolder) : m_programFolder(std::move(programFolder)) { }

Answer ScriptedHost::msgBox(const QString& prompt, Buttons buttons,
                            const std::optional<QString>& title)
{
    messages.append({prompt, title.value_or(applicationTitle()), buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.isEmpty()) {
        ++unansweredQuestions;
        return Answer::No;
    }
    return answers.takeFirst();
}

QString ScriptedHost::inputBox(const QString& prompt, const QString& title,
                               const QString& defaultText)
{
    inputPrompts.append(QStringList{prompt, title, defaultText});
    // A prompt the test did not expect could be asked again forever.
    if (inputs.isEmpty())
        qFatal("unexpected input box: %s", qPrintable(prompt));
    return inputs.takeFirst();
}

QString ScriptedHost::openFileDialog(const FileDialogRequest& request)
{
    openRequests.append(request);
    return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
}

QString ScriptedHost::saveFileDialog(const FileDialogRequest& request)
{
    saveRequests.append(request);
    return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
}

std::optional<QFont> ScriptedHost::fontDialog(const QFont&)
{
    return fonts.isEmpty() ? std::nullopt : fonts.takeFirst();
}

std::optional<QColor> ScriptedHost::colorDialog(const QColor&)
{
    return colors.isEmpty() ? std::nullopt : colors.takeFirst();
}

void ScriptedHost::setClipboardText(const QString& text)
{
    clipboard = text;
}

void ScriptedHost::yield()
{
    ++yields;
    if (onYield)
        onYield();
}

QTime ScriptedHost::timeOfDay()
{
    return clock;
}

QString ScriptedHost::programFolder()
{
    return m_programFolder;
}

void ScriptedHost::endProgram()
{
    ended = true;
}

RandomSource& ScriptedHost::random()
{
    return rnd;
}

QStringList ScriptedHost::messageTexts() const
{
    QStringList texts;
    for (const ShownMessage& message : messages)
        texts.append(message.text);
    return texts;
}

} // namespace quibbler::test
