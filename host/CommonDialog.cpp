#include "host/CommonDialog.h"

#include "host/Host.h"

#include <QFileInfo>

namespace quibbler {

QString CommonDialog::showTextFileDialog(Host& host, bool save, const QString& title)
{
    cancelError = true;
    flags = kHideReadOnly;
    filter = kTextFileFilter;
    dialogTitle = title;
    const FileDialogRequest request{dialogTitle, filter, fileName, folder, flags};
    const QString path = save ? host.saveFileDialog(request) : host.openFileDialog(request);
    if (!path.isEmpty()) {
        fileName = path;
        folder = QFileInfo(path).absolutePath();
    }
    return path;
}

} // namespace quibbler
