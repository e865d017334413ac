#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace quibbler {

class Host;

// The main window's one dialog component. It remembers its settings between
// uses: the current file name that the file dialogs propose, the folder they
// open in, and the font and colour that the font and colour dialogs start from.
struct CommonDialog {
    // Shows a vocabulary file dialog (save or open) proposing the current file
    // name; a chosen path becomes the current file name. Empty on Cancel.
    QString showTextFileDialog(Host& host, bool save, const QString& title);

    QString fileName = QStringLiteral("qblvocab.txt");
    QString folder; // where the file dialogs open; the start-up files' folder at first
    QFont font;
    QColor color = Qt::black;
};

// The filter every vocabulary file dialog shows.
inline const QString kTextFileFilter = QStringLiteral("Text Files (*.txt)|*.txt|");

} // namespace quibbler
