#pragma once

// What a box filled by BoxTextWriter shows in place of the text it was given:
// line breaks of its own, each recorded with what it stands for, so that what
// is copied out of the box is the text as given.
#include <QObject>
#include <QPlainTextEdit>
#include <QString>
#include <QStringView>

#include <vector>

class QTextCursor;

namespace quibbler {

// A box that wraps lines at blanks lays out a run without blanks in time that
// grows with the square of its length; a text with a run this long wraps anywhere.
constexpr qsizetype kLongRun = 4000;

constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kFrameStart = 0xFDD0;
constexpr char16_t kFrameEnd = 0xFDD1;

inline bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// What the box turns into a line break of its own.
inline bool isShownAsBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == kParagraphSeparator || c == kFrameStart
        || c == kFrameEnd;
}

// Where the next character the box turns into a line break stands, or to.
qsizetype findShownBreak(const char16_t* text, qsizetype from, qsizetype to);

// True when the text holds a run of more than kLongRun characters without a
// blank or a line break.
bool hasLongRun(QStringView text);

// What a line break in the box stands for in the text given to it; a plain LF
// has no record.
enum class Stands : quint8 { Blank, Nothing, CrLf, Cr, ParagraphSeparator, FrameStart, FrameEnd };

struct ShownBreak {
    qsizetype position; // in the box
    Stands stands;
};

// The records of a box filled by BoxTextWriter. Once anything else changes the
// box's text, the box holds typed text and the records go.
class ShownBreaks : public QObject {
public:
    explicit ShownBreaks(QPlainTextEdit& box);

    // The box's records, or none when its text was not given by a writer.
    static ShownBreaks* of(const QPlainTextEdit& box);
    // The box's records, emptied for a new text.
    static ShownBreaks& reset(QPlainTextEdit& box);

    std::vector<ShownBreak> breaks; // in the order of their positions
    bool given = false;
    bool writing = false;
};

// The text the selection of the cursor stands for.
QString givenText(const QTextCursor& cursor, const ShownBreaks* shown);

// Text in a script that needs no shaping (Latin among them) is laid out in
// half the time without it, at the cost of its kerning and ligatures: a box
// showing a long line of such text may go without them.
void setFastLayout(QPlainTextEdit& box, bool fast);
bool hasFastLayout(const QPlainTextEdit& box);

// False when every character of the text is drawn right without shaping: one
// glyph after another, left to right. Right-to-left and joining scripts,
// marks to place, emoji sequences and flags need it.
bool needsShaping(QStringView text);

} // namespace quibbler
