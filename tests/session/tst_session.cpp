// A seeded session of random user actions, checking after every one of them
// what must always hold. It runs a thousand actions; QUIBBLER_SESSION_ACTIONS
// runs more (a hundred thousand take about ten minutes) and QUIBBLER_SESSION_SEED
// replays a run. A failure names the seed and the action.
#include "support/TestCommon.h"
#include "vocabulary/VocabFile.h"

#include <random>

class Session {
public:
    explicit Session(unsigned seed) : m_random(seed) { }

    int pick(std::size_t n) { return static_cast<int>(m_random() % n); }
    bool chance(int percent) { return pick(100) < percent; }
    QString maybe(int percent, const QString& text) { return chance(percent) ? text : QString(); }
    Answer yes(int percent) { return chance(percent) ? Answer::Yes : Answer::No; }
    template <typename T, std::size_t N> T any(const T (&choices)[N]) { return choices[pick(N)]; }
    // A made-up word of one to three syllables, now and then two joined by an underscore.
    QString anyWord()
    {
        QString word;
        for (int s = 0, n = 1 + pick(3); s < n; ++s)
            word += any({"ka", "lo", "mi", "Ru", "te", "so", "NA", "pi", "do", "fe", "zu", "y"});
        return chance(5) ? word + "_" + word.left(2) : word;
    }
    QString text(int words)
    {
        QString text;
        for (int i = 0; i < words; ++i)
            text += anyWord() + any({" ", ", ", ". ", "! ", "\n", "\t", "  ", "; "});
        return text;
    }

private:
    std::mt19937 m_random;
};

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void randomActionsKeepTheInvariants()
    {
        const auto setting = [](const char* name, int otherwise) {
            return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : otherwise;
        };
        const unsigned seed = setting("QUIBBLER_SESSION_SEED", 20261206);
        const int actions = setting("QUIBBLER_SESSION_ACTIONS", 1000);
        Session session(seed);
        TestApp app;
        MainWindow& main = app.main();
        OptionsWindow& options = app.options();
        const QString saved = app.path("qblvocab.txt");
        const auto choose = [&](QWidget& in, std::initializer_list<const char*> names) {
            in.findChild<QAbstractButton*>(std::data(names)[session.pick(names.size())])->click();
        };

        for (int action = 0; action < actions; ++action) {
            app.host.answers.clear();
            app.host.inputs.clear();
            app.host.savePaths = app.host.openPaths = {saved};
            const QString where = QStringLiteral("seed %1, action %2: ").arg(seed).arg(action);
            const int kind = session.pick(100);
            bool unfilteredAnswer = false;

            if (kind < 25) {
                enterText(main.txtl, session.text(1 + session.pick(30)));
            } else if (kind < 30) {
                enterText(main.txtpn, session.text(1 + session.pick(4)));
            } else if (kind < 55) {
                options.cbopersonal->setCurrentIndex(session.pick(4));
                options.txtword->setText(session.maybe(30, session.anyWord().left(1)));
                options.txtwl->setText(session.maybe(20, QString::number(2 + session.pick(6))));
                options.txtpattern->setText(session.maybe(50, session.anyWord()));
                options.chkc->setChecked(session.chance(50));
                choose(options, {"optnorm", "optlcase", "optucase"});
                // Without learned words Enter answers nothing, and the box keeps what it had.
                unfilteredAnswer = main.lstw->count() > 0
                    && options.cbopersonal->currentIndex() == 0
                    && options.txtword->text() + options.txtwl->text() == "";
                enterText(main.txtw,
                          session.any({"r", "rs", "RM", "3", "12", "0", "abc", "-2", "2.5", "30"}));
            } else if (kind < 65) {
                main.mnucbpoet->trigger();
                PoetryWindow& poetry = app.forms.frmcbp();
                choose(poetry, {"optu", "optd", "optr", "optrnd"});
                app.host.inputs = {QString::number(1 + session.pick(6))};
                options.txtwl->setText(session.maybe(15, QString::number(2 + session.pick(4))));
                poetry.chkli->setChecked(session.chance(20));
                enterText(poetry.txtlines, QString::number(session.pick(9) - 1));
                if (session.chance(10))
                    poetry.close();
            } else if (kind < 75) {
                app.host.inputs = {session.chance(50) ? session.anyWord().left(1 + session.pick(3))
                                                      : QString::number(session.pick(40))};
                main.findChild<QAction*>(session.any({"mnufind", "mnufproper", "mnucontain",
                                                      "mnufindw", "mnufindp", "mnujw", "mnujpn"}))
                    ->trigger();
            } else if (kind < 81) {
                main.mnusave->trigger();
                // What was saved reads back as the lists hold it.
                QStringList words{"<unread>"}, names{"<unread>"};
                vocabfile::loadFields(saved, words);
                vocabfile::loadFields(app.path("qblpn.txt"), names);
                QCOMPARE(where + words.join('|'), where + main.lstw->entries().join('|'));
                QCOMPARE(where + names.join('|'), where + main.lstproper->entries().join('|'));
            } else if (kind < 85) {
                options.Check1->setChecked(session.chance(50));
                app.host.answers = {session.yes(50)};
                main.mnuload->trigger();
            } else if (kind < 93) {
                ListBox* list = session.chance(70) ? main.lstw : main.lstproper;
                list->setSelectedPos(session.pick(list->count() + 1) - 1);
                app.host.answers = {session.yes(80)};
                QTest::keyClick(list, Qt::Key_Delete);
            } else if (kind < 95) {
                app.host.answers = {session.yes(30)};
                main.mnureset->trigger();
            } else if (kind < 98) {
                main.Command1->click();
                if (session.chance(50))
                    QTest::keyClick(app.forms.frmfw().List1, Qt::Key_F5);
                if (session.chance(50))
                    app.forms.frmfw().Command1->click();
            } else {
                app.host.colors = {QColor::fromRgb(session.pick(1 << 24))};
                app.host.fonts = {QFont("DejaVu Sans", 8 + session.pick(6))};
                main.findChild<QAction*>(session.any({"mnufont", "mnufcolor", "mnubgcolor"}))
                    ->trigger();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            // What must hold after every command.
            QCOMPARE(where + main.lblwk->text(), where + QString::number(main.lstw->count()));
            QCOMPARE(where + main.lblpk->text(), where + QString::number(main.lstproper->count()));
            QVERIFY2(main.isVisible(), qPrintable(where + "main window hidden"));
            QVERIFY2(!app.forms.frmwork().isVisible(), qPrintable(where + "still working"));
            QVERIFY2(!main.found, qPrintable(where + "a search left found"));
            // Learned words are not empty, hold no delimiter and are learned once, in any case.
            static const QRegularExpression fit("^[^;.,!?:\r\n\t\"]+$");
            QSet<QString> seen, pieces;
            for (const QString& word : main.lstw->entries()) {
                QVERIFY2(fit.match(word).hasMatch(), qPrintable(where + word));
                QVERIFY2(!seen.contains(word.toUpper()), qPrintable(where + "twice: " + word));
                seen.insert(word.toUpper());
                for (const QString& piece : word.split(' '))
                    pieces.insert(piece.toLower());
            }
            // An answer of the Regular personality without filters is made of learned words.
            const QString answer = boxText(*main.txts);
            for (const QString& piece :
                 answer.chopped(answer.isEmpty() ? 0 : 1).split(' ', Qt::SkipEmptyParts))
                QVERIFY2(!unfilteredAnswer || pieces.contains(piece.toLower()),
                         qPrintable(where + answer));
        }
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
