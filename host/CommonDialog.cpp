#include "host/CommonDialog.h"

#include "host/Host.h"

#include <QFileInfo>

namespace quibbler {

QString CommonDialog::showTextFileDialog(Host& host, bool save, const QString& title)
{
    const FileDialogRequest request{title, kTextFileFilter, fileName, folder};
    const QString path = save ? host.saveFileDialog(request) : host.openFileDialog(request);
    if (!path.isEmpty()) {
        fileName = path;
        folder = QFileInfo(path).absolutePath();
    }
    return path;
}

} // namespace quibbler
