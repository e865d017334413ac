#pragma once

#include "app/Forms.h"
#include "controls/ListBox.h"
#include "support/ScriptedHost.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace quibbler::test {

// The file image of a list, as the program writes it.
inline QByteArray fileOf(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries)
        bytes += '"' + entry.toUtf8() + "\"\r\n";
    return bytes;
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The file's bytes, or "<missing>".
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Puts the text into a text box and presses Enter there, as a user would.
inline void enterText(QWidget* box, const QString& text)
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        edit->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
}

// Marks start-up files given as the exact bytes they hold.
struct RawFiles { };

// The whole program on a scripted host, with its start-up files in a
// temporary folder of its own.
class TestApp {
public:
    explicit TestApp(const QStringList& words = {}, const QStringList& names = {})
        : TestApp(RawFiles{}, fileOf(words), fileOf(names))
    { }
    TestApp(RawFiles, const QByteArray& wordsFile, const QByteArray& namesFile)
    {
        writeFile(path("qblvocab.txt"), wordsFile);
        writeFile(path("qblpn.txt"), namesFile);
        forms.start();
    }

    MainWindow& main() { return forms.frmcbox(); }
    OptionsWindow& options() { return forms.frmoptions(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    ScriptedHost host{dir.path()};
    Forms forms{host};
};

} // namespace quibbler::test
