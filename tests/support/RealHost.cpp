#include "support/RealHost.h"

#include "support/TestApp.h"

#include <QApplication>
#include <QTimer>

namespace quibbler::test {

void whenDialogShows(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(0);
}

RealApp::RealApp(const QStringList& words, const QStringList& names)
{
    writeFile(dir.filePath(QStringLiteral("qblvocab.txt")), fileOf(words));
    writeFile(dir.filePath(QStringLiteral("qblpn.txt")), fileOf(names));
    forms.start();
}

} // namespace quibbler::test
