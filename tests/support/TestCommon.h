#pragma once

// What the test files share: Qt Test, the program's windows and their
// controls, the scripted program, and data tables written as row structs.
#include "controls/ListBox.h"
#include "controls/BoxTextWriter.h"
#include "controls/ExactTextBox.h"
#include "controls/LongText.h"
#include "controls/WrappingButtons.h"
#include "poetry/PoetryWindow.h"
#include "queries/WordCountWindow.h"
#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScreen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace quibbler::test {

// A table of row structs, each starting with its tag, as one data column: the
// _data function calls addRows, the test reads its row with rowOf.
template <typename Row, std::size_t N> void addRows(const Row (&rows)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(rows[i].tag) << int(i);
}

template <typename Row, std::size_t N> const Row& rowOf(const Row (&rows)[N])
{
    return rows[*static_cast<const int*>(QTest::qData("row", QMetaType::Int))];
}

// Rows named by their tags alone, read back with QTest::currentDataTag().
inline void addTags(std::initializer_list<const char*> tags)
{
    QTest::addColumn<int>("row");
    for (const char* tag : tags)
        QTest::newRow(tag) << 0;
}

// Asks for an answer as the user does: the count into "Number of Words", then Enter.
inline QString ask(TestApp& app, const QString& count)
{
    enterText(app.main().txtw, count);
    return boxText(*app.main().txts);
}

// Runs what a timer's tick runs, now.
inline void tick(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace quibbler::test

using namespace quibbler;
using namespace quibbler::test;
using namespace Qt::Literals::StringLiterals;
