#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class QPlainTextEdit;

namespace quibbler {

// A text box lays a paragraph out whole, so one paragraph of a million words
// takes seconds and hundreds of megabytes. Long answers and poems are shown
// with a line break in place of a blank every couple of thousand characters,
// which lets the box lay out only what is in view; the box remembers the text
// as given, and positions in the box are positions in that text.
// Text of a million words takes a while to fill in; between its pieces the
// box calls turn, which lets the event loop run.
void setBoxText(QPlainTextEdit& box, const QString& text, const std::function<void()>& turn = {});

// The text selected in the box, as it stands in the text given to setBoxText.
QString selectedBoxText(const QPlainTextEdit& box);

// The text given to setBoxText (what the box shows, for other text).
QString boxText(const QPlainTextEdit& box);

// What the box shows, as its toPlainText gives it, one paragraph at a time so
// that a long text is never copied whole: the paragraphs joined with LF are
// that text. Visit returns false to stop; then so does this.
bool forEachBoxParagraph(const QPlainTextEdit& box, const std::function<bool(QStringView)>& visit);

} // namespace quibbler
