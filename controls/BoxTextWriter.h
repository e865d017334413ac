#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QStringView>
#include <QTextCursor>

#include <functional>

namespace quibbler {

class ShownBreaks;

// A text box lays a paragraph out whole, so one paragraph of a million words
// takes seconds and hundreds of megabytes. A line of up to 100,000 characters
// is shown exactly; a longer one with a line break in place of a blank every
// couple of thousand characters, which lets the box lay out only what is in
// view. What is copied out of the box is the text as given. Text of a million
// words takes a while to fill in; between its pieces the box calls turn, which
// lets the event loop run.
void setBoxText(QPlainTextEdit& box, const QString& text, const std::function<void()>& turn = {});

// Fills a box with a text handed over piece by piece as it is made, so that a
// long text never exists whole beside the box's own copy. The box is emptied
// first and shows the text as setBoxText does, calling turn between its
// pieces; each piece is shown as soon as it is known how its line is shown (at
// most 100,001 characters later). If the box goes away meanwhile, the rest
// goes nowhere.
class BoxTextWriter {
public:
    explicit BoxTextWriter(QPlainTextEdit& box, std::function<void()> turn = {});
    ~BoxTextWriter() { finish(); }
    BoxTextWriter(const BoxTextWriter&) = delete;
    BoxTextWriter& operator=(const BoxTextWriter&) = delete;

    void append(QStringView piece);
    // Shows the rest. Nothing may be appended after it.
    void finish();

private:
    enum class Line { Starting, Short, Long };

    void show(bool last);
    void watchRuns();
    void watchShaping(QStringView piece);
    bool startLine(qsizetype at, bool last);
    qsizetype showShort(qsizetype at, bool last);
    qsizetype showLong(qsizetype at, bool last);
    qsizetype lineEnd(qsizetype at, bool last);
    void copy(qsizetype to);
    void note(qsizetype at, int stands);
    void breakHere(qsizetype at, bool replacesBlank);
    void insertShown();

    QPointer<QPlainTextEdit> m_box;
    std::function<void()> m_turn;
    QPointer<ShownBreaks> m_breaks;
    QTextCursor m_end;
    bool m_undo = true;
    bool m_finished = false;
    bool m_cursorPlaced = false;
    // The text not shown yet, from position m_pendingFrom of the whole text.
    QString m_pending;
    qsizetype m_pendingFrom = 0;
    qsizetype m_copied = 0; // in m_pending: what is in m_shown so far
    QString m_shown; // what the box is given next
    qsizetype m_boxLength = 0; // characters in the box, with m_shown
    Line m_line = Line::Starting;
    qsizetype m_lookedTo = 0; // how far a starting line is known to hold no line break
    qsizetype m_blockStart = 0; // in a long line: where the box's current block began
    // The current run without blanks or line breaks starts at m_runStart and
    // reaches at least to m_runSeenTo.
    qsizetype m_runStart = 0;
    qsizetype m_runSeenTo = 0;
    bool m_longRun = false;
    // Until the first piece is shown, and while it is laid out fast: whether the
    // text needs no shaping so far.
    bool m_mayLayoutFast = true;
};

} // namespace quibbler
