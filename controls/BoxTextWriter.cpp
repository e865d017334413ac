#include "controls/BoxTextWriter.h"

#include "controls/ShownBreaks.h"

#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace quibbler {

namespace {

// Lines up to this long are shown exactly as they are.
constexpr qsizetype kExactLine = 100'000;
// A longer line is shown in blocks of about this many characters: a line break
// stands in place of the first blank after that many, or, in a run without
// blanks, is put in after twice as many. The box then lays out only what is in
// view.
constexpr qsizetype kBlockChars = 2000;
// A text given whole is shown in pieces of this many characters, with a turn
// of the event loop between them.
constexpr qsizetype kPieceChars = 256 * 1024;
// A box whose text opens with a line this long is laid out without optional
// shaping (see setFastLayout).
constexpr qsizetype kFastLayoutLine = 10'000;

} // namespace

BoxTextWriter::BoxTextWriter(QPlainTextEdit& box, std::function<void()> turn)
    : m_box(&box), m_turn(std::move(turn))
{
    box.setPlainText(QString());
    // Emptied first: a new wrapping lays out the text the box holds again.
    box.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setFastLayout(box, false);
    m_breaks = &ShownBreaks::reset(box);
    m_undo = box.isUndoRedoEnabled();
    box.setUndoRedoEnabled(false);
    m_end = QTextCursor(box.document());
}

void BoxTextWriter::append(QStringView piece)
{
    Q_ASSERT(!m_finished);
    // Never more than a piece at a time beside the box's copy.
    while (m_box && !piece.isEmpty()) {
        const qsizetype taken = std::min(piece.size(), kPieceChars);
        m_pending.append(piece.first(taken));
        watchShaping(piece.first(taken));
        piece = piece.sliced(taken);
        show(false);
        // The event loop may close the box's window meanwhile.
        if (m_turn && !piece.isEmpty())
            m_turn();
    }
}

void BoxTextWriter::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_box) {
        show(true);
        m_box->setUndoRedoEnabled(m_undo);
    }
    m_pending = QString();
    m_shown = QString();
}

void BoxTextWriter::show(bool last)
{
    if (!m_box)
        return;
    watchRuns();
    qsizetype at = 0;
    m_copied = 0;
    for (;;) {
        if (m_line == Line::Starting && !startLine(at, last))
            break;
        at = m_line == Line::Short ? showShort(at, last) : showLong(at, last);
        if (m_line != Line::Starting)
            break; // the line goes on beyond what has come
    }
    copy(at);
    insertShown();
    m_pending.remove(0, at);
    m_pendingFrom += at;
}

// A run without blanks longer than kLongRun makes the box wrap anywhere, before
// the run is shown. Only a few characters before each point kLongRun
// characters after the last blank are looked at.
void BoxTextWriter::watchRuns()
{
    const QChar* text = m_pending.constData();
    const qsizetype end = m_pendingFrom + m_pending.size();
    while (!m_longRun && m_runSeenTo < end) {
        const qsizetype reach = std::min(m_runStart + kLongRun + 1, end);
        qsizetype k = reach - 1;
        while (k >= m_runSeenTo && text[k - m_pendingFrom] != u' '
               && !isLineBreak(text[k - m_pendingFrom]))
            --k;
        if (k >= m_runSeenTo)
            m_runStart = k + 1;
        m_runSeenTo = reach;
        if (reach - m_runStart > kLongRun) {
            m_longRun = true;
            m_box->setWordWrapMode(QTextOption::WrapAnywhere);
        }
    }
}

// The fast layout lasts only while the text needs no shaping: an answer may
// start in Latin letters and reach Arabic ones later.
void BoxTextWriter::watchShaping(QStringView piece)
{
    if (m_mayLayoutFast && needsShaping(piece)) {
        m_mayLayoutFast = false;
        setFastLayout(*m_box, false);
    }
}

// Decides how the line starting at `at` is shown: exactly, when a line break
// ends it within kExactLine characters. False while that cannot be told yet.
bool BoxTextWriter::startLine(qsizetype at, bool last)
{
    const qsizetype size = m_pending.size();
    if (at == size)
        return false;
    const auto* text = reinterpret_cast<const char16_t*>(m_pending.constData());
    const qsizetype reach = std::min(size, at + kExactLine + 1);
    qsizetype from = std::max(at, m_lookedTo - m_pendingFrom);
    qsizetype found = findShownBreak(text, from, reach);
    while (found < reach && !isLineBreak(text[found]))
        found = findShownBreak(text, found + 1, reach);
    if (found < reach) {
        m_line = Line::Short;
    } else if (reach - at > kExactLine) {
        m_line = Line::Long;
        m_blockStart = m_pendingFrom + at;
    } else if (last) {
        m_line = Line::Short;
    } else {
        m_lookedTo = m_pendingFrom + reach;
        return false;
    }
    m_lookedTo = 0;
    return true;
}

qsizetype BoxTextWriter::showShort(qsizetype at, bool last)
{
    const auto* text = reinterpret_cast<const char16_t*>(m_pending.constData());
    const qsizetype size = m_pending.size();
    for (;;) {
        const qsizetype found = findShownBreak(text, at, size);
        if (found == size)
            return size;
        if (isLineBreak(text[found]))
            return lineEnd(found, last);
        note(found, int(text[found] == kFrameStart ? Stands::FrameStart : Stands::FrameEnd));
        at = found + 1;
    }
}

qsizetype BoxTextWriter::showLong(qsizetype at, bool last)
{
    const auto* text = reinterpret_cast<const char16_t*>(m_pending.constData());
    const qsizetype size = m_pending.size();
    for (;;) {
        // Before the block is kBlockChars long, only what the box turns into a
        // line break matters; from there on a blank too, and from twice that
        // any character but the second half of a pair.
        const qsizetype blanks = m_blockStart + kBlockChars - m_pendingFrom;
        const qsizetype anywhere = blanks + kBlockChars;
        qsizetype found = findShownBreak(text, at, std::clamp(blanks, at, size));
        if (found == std::max(at, blanks)) {
            while (found < size && text[found] != u' ' && !isShownAsBreak(text[found])
                   && (found < anywhere || QChar::isLowSurrogate(text[found])))
                ++found;
        }
        if (found == size)
            return size;
        if (found >= blanks && text[found] == u' ') {
            breakHere(found, true);
            at = found + 1;
        } else if (found >= anywhere && !QChar::isLowSurrogate(text[found])) {
            breakHere(found, false);
            at = found; // the character itself is looked at in the new block
        } else if (isLineBreak(text[found])) {
            return lineEnd(found, last);
        } else {
            note(found, int(text[found] == kFrameStart ? Stands::FrameStart : Stands::FrameEnd));
            at = found + 1;
        }
    }
}

// Shows the line break at `at` that ends a line; a CR at the end of what has
// come waits for what follows it, since a CR LF is one line break in the box.
qsizetype BoxTextWriter::lineEnd(qsizetype at, bool last)
{
    const QChar c = m_pending.at(at);
    qsizetype after = at + 1;
    if (c == u'\r') {
        if (after == m_pending.size() && !last)
            return at;
        if (after < m_pending.size() && m_pending.at(after) == u'\n') {
            note(at, int(Stands::CrLf));
            copy(++after);
            --m_boxLength;
        } else {
            note(at, int(Stands::Cr));
        }
    } else if (c == QChar::ParagraphSeparator) {
        note(at, int(Stands::ParagraphSeparator));
    }
    m_line = Line::Starting;
    return after;
}

void BoxTextWriter::copy(qsizetype to)
{
    m_shown.append(m_pending.constData() + m_copied, to - m_copied);
    m_boxLength += to - m_copied;
    m_copied = to;
}

void BoxTextWriter::note(qsizetype at, int stands)
{
    copy(at);
    m_breaks->breaks.push_back({m_boxLength, Stands(stands)});
}

void BoxTextWriter::breakHere(qsizetype at, bool replacesBlank)
{
    note(at, int(replacesBlank ? Stands::Blank : Stands::Nothing));
    m_shown += u'\n';
    ++m_boxLength;
    m_copied = at + (replacesBlank ? 1 : 0);
    m_blockStart = m_pendingFrom + m_copied;
}

void BoxTextWriter::insertShown()
{
    if (m_shown.isEmpty())
        return;
    m_breaks->writing = true;
    if (!m_cursorPlaced) {
        // Text put in where the box's cursor stands takes the cursor to its
        // end, and bringing the cursor back lays out every line between. So
        // the cursor is brought back after the first character (or pair).
        m_cursorPlaced = true;
        // The first piece shown holds the start of the text.
        const auto* text = reinterpret_cast<const char16_t*>(m_pending.constData());
        const qsizetype reach = std::min(m_pending.size(), kFastLayoutLine);
        if (m_mayLayoutFast && reach == kFastLayoutLine && findShownBreak(text, 0, reach) == reach)
            setFastLayout(*m_box, true);
        else
            m_mayLayoutFast = false;
        const bool pair = m_shown.startsWith(u"\r\n") || m_shown.front().isHighSurrogate();
        const qsizetype first = std::min<qsizetype>(m_shown.size(), pair ? 2 : 1);
        m_end.insertText(m_shown.first(first));
        m_box->setTextCursor(QTextCursor(m_box->document()));
        m_shown.remove(0, first);
    }
    // In an edit block the cursor does not lay out the block it ends in.
    m_end.beginEditBlock();
    m_end.insertText(m_shown);
    m_end.endEditBlock();
    m_breaks->writing = false;
    m_shown.resize(0);
}

void setBoxText(QPlainTextEdit& box, const QString& text, const std::function<void()>& turn)
{
    BoxTextWriter(box, turn).append(text);
}

} // namespace quibbler
