#include "host/CommonDialog.h"
#include "host/QtHost.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace quibbler;

namespace {

// Answers the next modal dialog once it is up, from inside its own event loop.
void whenDialogShows(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(0);
}

} // namespace

class TestQtHost : public QObject {
    Q_OBJECT
private slots:
    void messageBox();
    void inputBox();
    void saveDialog();
    void openDialogCancel();
    void nameFilters_data();
    void nameFilters();
    void dataFolder();

private:
    QTemporaryDir m_dir;
};

void TestQtHost::messageBox()
{
    QtHost host(m_dir.path());
    QString title;
    QString text;
    QStringList buttons;
    whenDialogShows([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text().remove('&'));
        box->button(QMessageBox::Yes)->click();
    });
    QCOMPARE(host.msgBox("Are you sure?", Buttons::YesNo, QString("Quit?")), Answer::Yes);
    QCOMPARE(title, QString("Quit?"));
    QCOMPARE(text, QString("Are you sure?"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"No", "Yes"}));

    whenDialogShows([&](QWidget* dialog) {
        title = dialog->windowTitle();
        qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::No)->click();
    });
    QCOMPARE(host.msgBox("Really?", Buttons::YesNo, std::nullopt), Answer::No);
    QCOMPARE(title, QString("Quibbler"));

    whenDialogShows([&](QWidget* dialog) {
        title = dialog->windowTitle();
        qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(host.msgBox("Done", Buttons::Ok, QString()), Answer::Ok);
    QCOMPARE(title, QString());
}

void TestQtHost::inputBox()
{
    QtHost host(m_dir.path());
    whenDialogShows([](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(input);
        QCOMPARE(input->textValue(), QString("7"));
        input->setTextValue("12 words");
        input->accept();
    });
    QCOMPARE(host.inputBox("How many words?", "Words", "7"), QString("12 words"));

    whenDialogShows([](QWidget* dialog) {
        qobject_cast<QInputDialog*>(dialog)->setTextValue("typed");
        qobject_cast<QInputDialog*>(dialog)->reject();
    });
    QCOMPARE(host.inputBox("Letter?", "Find", {}), QString());
}

void TestQtHost::saveDialog()
{
    QtHost host(m_dir.path());
    QString title;
    QStringList filters;
    QString folder;
    whenDialogShows([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(files);
        title = files->windowTitle();
        filters = files->nameFilters();
        folder = files->directory().absolutePath();
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        QCOMPARE(name->text(), QString("qblvocab.txt"));
        name->setText("mywords");
        QMetaObject::invokeMethod(files, "accept");
    });
    const QString chosen = host.saveFileDialog(
        {"Save text file...", kTextFileFilter, "qblvocab.txt", m_dir.path(), kHideReadOnly});
    QCOMPARE(title, QString("Save text file..."));
    QCOMPARE(filters, QStringList{"Text Files (*.txt)"});
    QCOMPARE(folder, QDir(m_dir.path()).absolutePath());
    QCOMPARE(chosen, QDir(m_dir.path()).absoluteFilePath("mywords.txt"));
}

void TestQtHost::openDialogCancel()
{
    QtHost host(m_dir.path());
    whenDialogShows([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    QCOMPARE(host.openFileDialog({"Load text file...", kTextFileFilter, {}, m_dir.path(), 0}),
             QString());
}

void TestQtHost::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("text files") << kTextFileFilter << QStringList{"Text Files (*.txt)"};
    QTest::newRow("two pairs") << "Text|*.txt|All|*.*" << QStringList{"Text (*.txt)", "All (*.*)"};
    QTest::newRow("several patterns") << "Lists|*.txt;*.lst" << QStringList{"Lists (*.txt *.lst)"};
    QTest::newRow("empty") << "" << QStringList{"All Files (*)"};
}

void TestQtHost::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, qt);
    QCOMPARE(qtNameFilters(filter), qt);
}

void TestQtHost::dataFolder()
{
    const QString fallback = m_dir.filePath("user/data");
    QCOMPARE(chooseDataFolder(m_dir.path(), fallback), m_dir.path());

    // A program folder where no file can be created gives way to the user's folder.
    QFile blocker(m_dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(chooseDataFolder(m_dir.filePath("blocker/bin"), fallback), fallback);
    QVERIFY(QFileInfo(fallback).isDir());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"blocker"});
}

QTEST_MAIN(TestQtHost)
#include "tst_qthost.moc"
