#include "host/CommonDialog.h"
#include "host/QtHost.h"
#include "support/RealHost.h"
#include "support/TestCommon.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

// Every dialog is answered, and so closed, before anything about it is checked:
// a failed check then cannot leave it waiting for the test's time-out.
const struct MessageRow {
    const char* tag;
    Buttons buttons;
    std::optional<QString> title;
    QMessageBox::StandardButton click;
    Answer answer;
    QString shown; // "title|text|buttons"
} kMessages[] = {
    {"Yes, with a title", Buttons::YesNo, "Quit?", QMessageBox::Yes, Answer::Yes,
     "Quit?|Sure?|No Yes"},
    {"No, the program's title",
     Buttons::YesNo,
     {},
     QMessageBox::No,
     Answer::No,
     "Quibbler|Sure?|No Yes"},
    {"OK, an empty title", Buttons::Ok, "", QMessageBox::Ok, Answer::Ok, "|Sure?|OK"},
};

class TestQtHost : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QtHost m_host{m_dir.path()};

private slots:
    void messageBox_data() { addRows(kMessages); }
    void messageBox()
    {
        const MessageRow& row = rowOf(kMessages);
        QString shown;
        whenDialogShows([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (!box)
                return void(dialog->close());
            QStringList buttons;
            for (QAbstractButton* button : box->buttons())
                buttons.append(button->text().remove('&'));
            buttons.sort();
            shown = box->windowTitle() + '|' + box->text() + '|' + buttons.join(' ');
            if (QAbstractButton* button = box->button(row.click))
                button->click();
            else
                box->close();
        });
        QCOMPARE(m_host.msgBox("Sure?", row.buttons, row.title), row.answer);
        QCOMPARE(shown, row.shown);
    }

    void inputBox()
    {
        QStringList defaults;
        const auto answer = [&](bool accept) {
            whenDialogShows([&defaults, accept](QWidget* dialog) {
                auto* input = qobject_cast<QInputDialog*>(dialog);
                if (!input)
                    return void(dialog->close());
                defaults.append(input->textValue());
                input->setTextValue("12 words");
                accept ? input->accept() : input->reject();
            });
        };
        answer(true);
        QCOMPARE(m_host.inputBox("How many words?", "Words", "7"), QString("12 words"));
        answer(false);
        QCOMPARE(m_host.inputBox("Letter?", "Find", {}), QString());
        QCOMPARE(defaults, (QStringList{"7", ""}));
    }

    void fileDialogs()
    {
        QStringList shown;
        whenDialogShows([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (!files || !name)
                return void(dialog->close());
            shown << files->windowTitle() << files->nameFilters()
                  << files->directory().absolutePath() << name->text();
            name->setText("mywords");
            QMetaObject::invokeMethod(files, "accept");
        });
        const QString folder = QDir(m_dir.path()).absolutePath();
        const QString chosen = m_host.saveFileDialog(
            {"Save text file...", kTextFileFilter, "qblvocab.txt", folder, kHideReadOnly});
        QCOMPARE(shown,
                 (QStringList{"Save text file...", "Text Files (*.txt)", folder, "qblvocab.txt"}));
        // The filter's extension is added to a bare name.
        QCOMPARE(chosen, QDir(folder).filePath("mywords.txt"));

        whenDialogShows([](QWidget* dialog) { dialog->close(); });
        QCOMPARE(m_host.openFileDialog({"Load text file...", kTextFileFilter, {}, folder, 0}),
                 QString());
    }

    void nameFilters()
    {
        QCOMPARE(qtNameFilters("Text|*.txt|All|*.*"), (QStringList{"Text (*.txt)", "All (*.*)"}));
        QCOMPARE(qtNameFilters("Lists|*.txt;*.lst"), QStringList{"Lists (*.txt *.lst)"});
        QCOMPARE(qtNameFilters(""), QStringList{"All Files (*)"});
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
