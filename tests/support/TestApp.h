#pragma once

#include "app/Forms.h"
#include "support/ScriptedHost.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

namespace quibbler {
class ListBox;
class MainWindow;
class OptionsWindow;
} // namespace quibbler

namespace quibbler::test {

// Marks start-up files given as the exact bytes they hold.
struct RawFiles { };

// The whole program on a scripted host, with its start-up files in a
// temporary folder of its own.
class TestApp {
public:
    // Writes the start-up files (when given) and starts the program.
    explicit TestApp(const QStringList& words = {}, const QStringList& names = {});
    TestApp(RawFiles, const QByteArray& wordsFile, const QByteArray& namesFile);

    MainWindow& main() { return forms.frmcbox(); }
    OptionsWindow& options() { return forms.frmoptions(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    ScriptedHost host{dir.path()};
    Forms forms{host};
};

// The file image of a list, as the program writes it.
QByteArray fileOf(const QStringList& entries);
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

QStringList entriesOf(const ListBox* list);

// Puts the text into a text box and presses Enter there, as a user would.
void enterText(QWidget* box, const QString& text);

} // namespace quibbler::test
