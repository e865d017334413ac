#pragma once

#include "host/BoxTextWriter.h"

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

// A text box whose every way out of it (copy keys, the context menu's Copy,
// dragging) gives exactly the selected text of selectedBoxText.
// A box the user types into wraps anywhere only while it holds a long run
// without blanks.
class ExactTextBox : public QPlainTextEdit {
public:
    explicit ExactTextBox(QWidget* parent = nullptr);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    // Pasted text with a long run without blanks wraps anywhere, as setBoxText does.
    void insertFromMimeData(const QMimeData* source) override;
    void changeEvent(QEvent* event) override;
};

// The box's text as typed or pasted, one paragraph at a time so that a long
// text is never copied whole: a no-break space stays what it is, a line or
// paragraph separator is a line break (LF). Visit returns false to stop; then
// so does this.
bool forEachBoxParagraph(const QPlainTextEdit& box, const std::function<bool(QStringView)>& visit);

// The paragraphs of forEachBoxParagraph joined with LF.
QString boxPlainText(const QPlainTextEdit& box);

} // namespace quibbler
