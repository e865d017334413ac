#include "BenchHost.h"

namespace quibbler::bench {

Answer BenchHost::msgBox(const QString& prompt, Buttons buttons, const std::optional<QString>&)
{
    messages.append(prompt);
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

QString BenchHost::inputBox(const QString&, const QString&, const QString&)
{
    return inputs.isEmpty() ? QString() : inputs.takeFirst();
}

QString BenchHost::openFileDialog(const FileDialogRequest&)
{
    return openPath;
}

QString BenchHost::saveFileDialog(const FileDialogRequest&)
{
    return savePath;
}

std::optional<QFont> BenchHost::fontDialog(const QFont&)
{
    return std::nullopt;
}

std::optional<QColor> BenchHost::colorDialog(const QColor&)
{
    return std::nullopt;
}

void BenchHost::setClipboardText(const QString&) { }

QTime BenchHost::timeOfDay()
{
    return QTime(12, 0, 0);
}

void BenchHost::endProgram() { }

} // namespace quibbler::bench
