#pragma once

#include <QPlainTextEdit>

namespace quibbler {

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

} // namespace quibbler
