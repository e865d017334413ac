// What a terminal and a screen reader get: the program's options, and its controls' names.
#include "support/TestApp.h"

#include <QAccessible>
#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstCommandLine : public QObject {
    Q_OBJECT
private slots:
    void options_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // patterns of the whole output
        QTest::addColumn<QString>("err");
        const QString usage = u"Usage: \\S*quibbler \\[options\\]\n.*-h, --help.*-v, --version.*"_s;
        const QString version = QRegularExpression::escape(u"Quibbler " QUIBBLER_VERSION "\n"_s);
        const QString unknown = u"quibbler: Unknown option '%1'\\.\n"_s + usage;
        QTest::newRow("help") << u"--help"_s << 0 << usage << QString();
        QTest::newRow("version") << u"--version"_s << 0 << version << QString();
        QTest::newRow("Qt's and -h") << u"-stylesheet x.qss -h"_s << 0 << usage << QString();
        QTest::newRow("unknown") << u"--bogus"_s << 2 << QString() << unknown.arg("bogus");
        QTest::newRow("Qt's and unknown")
            << u"-style Fusion -platform offscreen -x"_s << 2 << QString() << unknown.arg("x");
        QTest::newRow("argument") << u"words.txt"_s << 2 << QString()
                                  << "quibbler: Unexpected argument 'words\\.txt'\\.\n" + usage;
    }

    // Answers on its streams and ends, with no window and no file written.
    void options()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir folder; // the program's copy, and its data and run-time folders
        const QString program = folder.filePath(u"quibbler"_s);
        QVERIFY(QFile::copy(QStringLiteral(QUIBBLER_PROGRAM), program));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"XDG_DATA_HOME"_s, folder.filePath(u"data"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, folder.path());
        QProcess process; // killed when the test fails
        process.setProcessEnvironment(environment);
        process.start(program, arguments.split(u' '));
        QVERIFY2(process.waitForFinished(60000), "the program still runs: it opened its window");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        const auto whole = [](const QString& pattern, const QByteArray& text) {
            const QRegularExpression expression(u"\\A(?s:"_s + pattern + u")\\z"_s);
            return expression.match(QString::fromLocal8Bit(text)).hasMatch();
        };
        QVERIFY2(whole(out, process.readAllStandardOutput()), qPrintable(out));
        QVERIFY2(whole(err, process.readAllStandardError()), qPrintable(err));
        const auto written = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(written, QStringList{u"quibbler"_s});
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("lstw") << u"Words known:"_s;
        QTest::newRow("txts") << u"QBL's response:"_s;
        QTest::newRow("txtpn") << u"Add Proper Nouns for QBL to learn"_s;
        QTest::newRow("cmdsave") << u"Save"_s;
        QTest::newRow("txtword") << u"Pick words starting with:"_s;
        QTest::newRow("cbopersonal") << u"Personality:"_s;
        QTest::newRow("txtdelim") << u"Edit delimiters (just type them in)"_s;
        QTest::newRow("txtlines") << u"Number of stanzas"_s;
        QTest::newRow("txtp") << u"QBL's Poem"_s;
        QTest::newRow("List2") << u"Proper Nouns"_s;
    }

    // Each box and list is announced with its caption; buttons keep theirs.
    void accessibleNames()
    {
        QFETCH(QString, name);
        quibbler::test::TestApp app;
        app.forms.frmcbp();
        app.forms.frmfw();
        QWidget* control = nullptr; // each name below is used by one window only
        for (QWidget* window : QApplication::topLevelWidgets())
            control = control ? control : window->findChild<QWidget*>(QTest::currentDataTag());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        // A drop-down list is named by its choice; its caption is its label.
        const auto labels = accessible->relations(QAccessible::Label);
        QCOMPARE(labels.isEmpty() ? accessible->text(QAccessible::Name)
                                  : labels.first().first->text(QAccessible::Name),
                 name);
    }
};

QTEST_MAIN(TstCommandLine)
#include "tst_commandline.moc"
