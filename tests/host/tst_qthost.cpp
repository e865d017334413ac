#include "host/CommonDialog.h"
#include "host/QtHost.h"
#include "support/RealHost.h"
#include "support/TestCommon.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

// Every dialog is answered, and so closed, before anything about it is checked:
// a failed check then cannot leave it waiting for the test's time-out.
// clang-format off
const struct {
    const char* tag; Buttons buttons; std::optional<QString> title;
    QMessageBox::StandardButton click; Answer answer; QString shown;
} kBoxes[] = {
    {"Yes, titled", Buttons::YesNo, "Quit?", QMessageBox::Yes, Answer::Yes, "Quit?|Sure?|No Yes"},
    {"No, untitled", Buttons::YesNo, {}, QMessageBox::No, Answer::No, "Quibbler|Sure?|No Yes"},
    {"OK, an empty title", Buttons::Ok, "", QMessageBox::Ok, Answer::Ok, "|Sure?|OK"},
};

// Cancel gives an empty text, whatever was typed.
const struct { const char* tag; bool accept; QString given; } kInputs[] = {
    {"OK", true, "12 words"}, {"Cancel", false, ""}};
// clang-format on

class TestQtHost : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QtHost m_host{m_dir.path()};
    QStringList m_shown; // what the dialogs showed

private slots:
    void init() { m_shown.clear(); }

    void messageBox_data() { addRows(kBoxes); }
    void messageBox()
    {
        const auto& row = rowOf(kBoxes);
        whenDialogShows([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QAbstractButton* click = box ? box->button(row.click) : nullptr;
            if (!click)
                return void(dialog->close());
            QStringList buttons;
            for (QAbstractButton* button : box->buttons())
                buttons << button->text().remove('&');
            buttons.sort();
            m_shown << box->windowTitle() + '|' + box->text() + '|' + buttons.join(' ');
            click->click();
        });
        QCOMPARE(m_host.msgBox("Sure?", row.buttons, row.title), row.answer);
        QCOMPARE(m_shown, QStringList{row.shown});
    }

    void inputBox_data() { addRows(kInputs); }
    void inputBox()
    {
        const auto& [tag, accept, given] = rowOf(kInputs);
        whenDialogShows([&](QWidget* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            if (!input)
                return void(dialog->close());
            m_shown << input->windowTitle() + '|' + input->labelText() + '|' + input->textValue();
            input->setTextValue("12 words");
            accept ? input->accept() : input->reject();
        });
        QCOMPARE(m_host.inputBox("How many words?", "Words", "7"), given);
        QCOMPARE(m_shown, QStringList{"Words|How many words?|7"});
    }

    void fileDialogs()
    {
        whenDialogShows([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (!files || !name)
                return void(dialog->close());
            m_shown << files->windowTitle() << files->nameFilters()
                    << files->directory().absolutePath() << name->text();
            name->setText("mywords");
            QMetaObject::invokeMethod(files, "accept");
        });
        const QString folder = QDir(m_dir.path()).absolutePath();
        const QString chosen
            = m_host.saveFileDialog({"Save text file...", kTextFileFilter, "qblvocab.txt", folder});
        QCOMPARE(m_shown,
                 (QStringList{"Save text file...", "Text Files (*.txt)", folder, "qblvocab.txt"}));
        // The filter's extension is added to a bare name.
        QCOMPARE(chosen, QDir(folder).filePath("mywords.txt"));

        auto mode = QFileDialog::AcceptSave;
        whenDialogShows([&](QWidget* dialog) {
            mode = qobject_cast<QFileDialog*>(dialog)->acceptMode(), dialog->close();
        });
        QCOMPARE(m_host.openFileDialog({"Load text file...", kTextFileFilter, {}, folder}),
                 QString());
        QCOMPARE(mode, QFileDialog::AcceptOpen);
    }

    void dataFolder()
    {
        const QString fallback = m_dir.filePath("user/data");
        QCOMPARE(chooseDataFolder(m_dir.path(), fallback), m_dir.path());
        // A program folder where no file can be created gives way to the user's folder.
        writeFile(m_dir.filePath("blocker"), {});
        QCOMPARE(chooseDataFolder(m_dir.filePath("blocker/bin"), fallback), fallback);
        QVERIFY(QFileInfo(fallback).isDir());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"blocker"});
    }
};

QTEST_MAIN(TestQtHost)
#include "tst_qthost.moc"
