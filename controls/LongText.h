#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QStringView>

#include <functional>

namespace quibbler {

// The text given to setBoxText or BoxTextWriter (what the box shows, for other text).
QString boxText(const QPlainTextEdit& box);

// The text selected in the box, character for character: as it stands in the
// text given to setBoxText, or as typed.
QString selectedBoxText(const QPlainTextEdit& box);

// The box's text as typed or pasted, one paragraph at a time so that a long
// text is never copied whole: a no-break space stays what it is, a line or
// paragraph separator is a line break (LF). Visit returns false to stop; then
// so does this.
bool forEachBoxParagraph(const QPlainTextEdit& box, const std::function<bool(QStringView)>& visit);

// The paragraphs of forEachBoxParagraph joined with LF.
QString boxPlainText(const QPlainTextEdit& box);

} // namespace quibbler
