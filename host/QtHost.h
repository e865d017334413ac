#pragma once

#include "host/Host.h"
#include "host/RandomSource.h"

#include <memory>

class QWidget;

namespace quibbler {

class ButtonEnterKey;
class WindowOrder;

// The host on the real Qt dialogs, clipboard and event loop. Its dialogs
// stand over the window they block; while it lives, Enter presses the focused
// button in every window. Create it after the application object.
class QtHost : public Host {
public:
    // programFolder: where the start-up files live (see chooseDataFolder).
    explicit QtHost(QString programFolder);
    ~QtHost() override;

    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    Answer msgBox(const QString& prompt, Buttons buttons,
                  const std::optional<QString>& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString openFileDialog(const FileDialogRequest& request) override;
    QString saveFileDialog(const FileDialogRequest& request) override;
    std::optional<QFont> fontDialog(const QFont& initial) override;
    std::optional<QColor> colorDialog(const QColor& initial) override;
    void setClipboardText(const QString& text) override;
    bool yield() override;
    QTime timeOfDay() override;
    qint64 steadyMs() override;
    QString programFolder() override;
    void endProgram() override;
    RandomSource& random() override;

private:
    QString fileDialog(const FileDialogRequest& request, bool save);
    // The window a dialog blocks: the modal window in front, else the window
    // that last came up or was activated.
    QWidget* dialogParent() const;

    QString m_programFolder;
    std::unique_ptr<WindowOrder> m_windows;
    std::unique_ptr<ButtonEnterKey> m_enterKey;
    GeneratorRandom m_random;
    qint64 m_lastYield = 0; // milliseconds of coarseMilliseconds()
    int m_callsToClock = 0;
};

// "Text Files (*.txt)|*.txt|" as Qt name filters: one "Description (pattern)" per pair.
QStringList qtNameFilters(const QString& filter);

// True when a file can be created in the folder (creating the folder if needed).
bool folderIsWritable(const QString& folder);

// The folder for the start-up files: the program's own folder when files can be
// created there, else the user's application data folder.
QString chooseDataFolder(const QString& programDir, const QString& userDataDir);

} // namespace quibbler
