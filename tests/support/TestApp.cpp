#include "support/TestApp.h"

#include "host/ListBox.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace quibbler::test {

TestApp::TestApp(const QStringList& words, const QStringList& names)
    : TestApp(RawFiles{}, fileOf(words), fileOf(names))
{ }

TestApp::TestApp(RawFiles, const QByteArray& wordsFile, const QByteArray& namesFile)
{
    writeFile(path(QStringLiteral("qblvocab.txt")), wordsFile);
    writeFile(path(QStringLiteral("qblpn.txt")), namesFile);
    forms.start();
}

QByteArray fileOf(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries)
        bytes += '"' + entry.toUtf8() + "\"\r\n";
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

QStringList entriesOf(const ListBox* list)
{
    return list->entries();
}

void enterText(QWidget* box, const QString& text)
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        edit->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace quibbler::test
