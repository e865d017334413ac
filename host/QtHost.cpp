#include "host/QtHost.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryFile>

namespace quibbler {

namespace {

// Long loops yield once per item; running the event loop at most this often keeps
// them fast while the working screen still animates smoothly.
constexpr qint64 kYieldIntervalMs = 10;

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

} // namespace

QtHost::QtHost(QString programFolder) : m_programFolder(std::move(programFolder))
{
    m_sinceYield.start();
}

Answer QtHost::msgBox(const QString& prompt, Buttons buttons, const std::optional<QString>& title)
{
    QMessageBox box(dialogParent());
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title.value_or(applicationTitle()));
    box.setText(prompt);
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtHost::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text
        = QInputDialog::getText(dialogParent(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtHost::openFileDialog(const FileDialogRequest& request)
{
    return fileDialog(request, false);
}

QString QtHost::saveFileDialog(const FileDialogRequest& request)
{
    return fileDialog(request, true);
}

QString QtHost::fileDialog(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(dialogParent(), request.title, request.folder);
    // Qt's own dialog behaves the same on every desktop and under test.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The file need not exist for either dialog, and replacing a file is not questioned.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilters(qtNameFilters(request.filter));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : QDir::cleanPath(chosen.first());
}

std::optional<QFont> QtHost::fontDialog(const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, dialogParent());
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtHost::colorDialog(const QColor& initial)
{
    const QColor color = QColorDialog::getColor(initial, dialogParent());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

void QtHost::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtHost::yield()
{
    if (m_sinceYield.elapsed() < kYieldIntervalMs)
        return;
    QCoreApplication::processEvents();
    m_sinceYield.restart();
}

QTime QtHost::timeOfDay()
{
    return QTime::currentTime();
}

QString QtHost::programFolder()
{
    return m_programFolder;
}

void QtHost::endProgram()
{
    QCoreApplication::quit();
}

RandomSource& QtHost::random()
{
    return m_random;
}

QStringList qtNameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString& pattern = parts.at(i + 1);
        if (description.isEmpty() || pattern.isEmpty())
            continue;
        const QString patterns = QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
        result.append(description.contains(QLatin1Char('(') + patterns + QLatin1Char(')'))
                          ? description
                          : description + QLatin1String(" (") + patterns + QLatin1Char(')'));
    }
    if (result.isEmpty())
        result.append(QStringLiteral("All Files (*)"));
    return result;
}

bool folderIsWritable(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quibbler-XXXXXX")));
    return probe.open();
}

QString chooseDataFolder(const QString& programDir, const QString& userDataDir)
{
    if (folderIsWritable(programDir))
        return programDir;
    QDir().mkpath(userDataDir);
    return userDataDir;
}

} // namespace quibbler
