#include "support/RealHost.h"

#include "support/TestApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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

void answerMessageBox(const QString& button, QStringList* log)
{
    whenDialogShows([button, log](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box) {
            dialog->close();
            if (log)
                log->append(QStringLiteral("not a message box: ")
                            + dialog->metaObject()->className());
            return;
        }
        if (log)
            log->append(box->windowTitle() + QLatin1Char('|') + box->text());
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text().remove(QLatin1Char('&')) == button) {
                candidate->click();
                return;
            }
        }
        box->close();
    });
}

RealApp::RealApp(const QStringList& words, const QStringList& names)
{
    writeFile(dir.filePath(QStringLiteral("qblvocab.txt")), fileOf(words));
    writeFile(dir.filePath(QStringLiteral("qblpn.txt")), fileOf(names));
    forms.start();
}

} // namespace quibbler::test
