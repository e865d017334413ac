// host/: the door to the outside that tests stand in for.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTime>

#include <optional>

namespace quibbler {

class RandomSource;

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// What a file dialog is asked to show.
struct FileDialogRequest {
    QString title;
    QString filter; // "Description|pattern|..." pairs
    QString fileName; // proposed name, absolute or relative to folder
    QString folder; // where the dialog opens
};

// The door to the outside for all that a test must script or watch: modal
// boxes, the common dialogs, the copy keys' clipboard text, the event loop
// turned during long jobs, the clock, the program folder and the random source.
// The rest is reached directly, as nothing needs to stand in for it: the
// files are read and written with QFile in the program folder or where the
// user chose, which tests make a temporary folder, and the text boxes' own
// context menus (Copy, Paste) and drags reach QClipboard through Qt.
class Host {
public:
    virtual ~Host() = default;

    // A modal message box. Without a title it shows the application title;
    // an empty title shows an empty title bar.
    virtual Answer msgBox(const QString& prompt, Buttons buttons = Buttons::Ok,
                          const std::optional<QString>& title = std::nullopt)
        = 0;

    // A modal input box; empty text on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText = {})
        = 0;

    // File dialogs: the chosen path, or an empty string on Cancel.
    virtual QString openFileDialog(const FileDialogRequest& request) = 0;
    virtual QString saveFileDialog(const FileDialogRequest& request) = 0;

    // Font and colour dialogs: the choice, or nothing on Cancel.
    virtual std::optional<QFont> fontDialog(const QFont& initial) = 0;
    virtual std::optional<QColor> colorDialog(const QColor& initial) = 0;

    virtual void setClipboardText(const QString& text) = 0;

    // Lets pending paint, timer and input events run; a host may let them run
    // only every few calls. True when they ran.
    virtual bool yield() = 0;

    virtual QTime timeOfDay() = 0;
    // A clock that only goes forward, in milliseconds from any fixed point.
    virtual qint64 steadyMs() = 0;

    // The folder that holds the start-up files.
    virtual QString programFolder() = 0;

    virtual void endProgram() = 0;

    virtual RandomSource& random() = 0;

    static const QString& applicationTitle();
};

} // namespace quibbler
