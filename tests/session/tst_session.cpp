// A seeded session of random user actions, checking after every one of them
// what must always hold. It runs a thousand actions; QUIBBLER_SESSION_ACTIONS
// runs more (a hundred thousand take about ten minutes) and QUIBBLER_SESSION_SEED
// replays a run. A failure names the seed and the action.
#include "support/TestCommon.h"
#include "vocabulary/Cutting.h"
#include "vocabulary/VocabFile.h"

#include <random>

class Session {
public:
    explicit Session(unsigned seed) : m_random(seed)
    {
        const char* syllables[]
            = {"ka", "lo", "mi", "Ru", "te", "so", "NA", "pi", "do", "fe", "zu", "y"};
        for (int i = 0; i < 600; ++i) {
            QString word;
            for (int s = 0, n = 1 + pick(3); s < n; ++s)
                word += syllables[pick(std::size(syllables))];
            m_vocabulary.append(pick(20) == 0 ? word + "_" + word.left(2) : word);
        }
    }

    int pick(std::size_t n) { return static_cast<int>(m_random() % n); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T, std::size_t N> T any(const T (&choices)[N]) { return choices[pick(N)]; }
    QString anyWord() { return m_vocabulary.at(pick(m_vocabulary.size())); }
    QString text(int words)
    {
        static const char* const gaps[] = {" ", ", ", ". ", "! ", "\n", "\t", "  ", "; "};
        QString text;
        for (int i = 0; i < words; ++i)
            text += anyWord() + any(gaps);
        return text;
    }

private:
    std::mt19937 m_random;
    QStringList m_vocabulary;
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

        for (int action = 0; action < actions; ++action) {
            const auto yes = [&](int percent) {
                app.host.answers = {session.chance(percent) ? Answer::Yes : Answer::No};
            };
            app.host.answers.clear();
            app.host.inputs.clear();
            app.host.savePaths = {saved};
            app.host.openPaths = {saved};
            app.host.messages.clear();
            const QByteArray where
                = QStringLiteral("seed %1, action %2").arg(seed).arg(action).toUtf8();
            const int kind = session.pick(100);
            bool unfilteredAnswer = false;

            if (kind < 25) {
                enterText(main.txtl, session.text(1 + session.pick(30)));
            } else if (kind < 30) {
                enterText(main.txtpn, session.text(1 + session.pick(4)));
            } else if (kind < 55) {
                options.cbopersonal->setCurrentIndex(session.pick(4));
                options.txtword->setText(session.chance(30) ? session.anyWord().left(1)
                                                            : QString());
                options.txtwl->setText(session.chance(20) ? QString::number(2 + session.pick(6))
                                                          : QString());
                options.txtpattern->setText(session.chance(50) ? session.anyWord() : QString());
                options.chkc->setChecked(session.chance(50));
                options.findChild<QRadioButton*>(session.any({"optnorm", "optlcase", "optucase"}))
                    ->setChecked(true);
                // Without learned words Enter answers nothing, and the box keeps what it had.
                unfilteredAnswer = main.lstw->count() > 0
                    && options.cbopersonal->currentIndex() == 0 && options.txtword->text().isEmpty()
                    && options.txtwl->text().isEmpty();
                enterText(main.txtw,
                          session.any({"r", "rs", "RM", "3", "12", "0", "abc", "-2", "2.5", "30"}));
            } else if (kind < 65) {
                main.mnucbpoet->trigger();
                PoetryWindow& poetry = app.forms.frmcbp();
                poetry.findChild<QRadioButton*>(session.any({"optu", "optd", "optr", "optrnd"}))
                    ->setChecked(true);
                app.host.inputs = {QString::number(1 + session.pick(6))};
                options.txtwl->setText(session.chance(15) ? QString::number(2 + session.pick(4))
                                                          : QString());
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
                QStringList words, names;
                QVERIFY2(vocabfile::loadFields(saved, words).ok, where);
                QVERIFY2(vocabfile::loadFields(app.path("qblpn.txt"), names).ok, where);
                QVERIFY2(words == main.lstw->entries() && names == main.lstproper->entries(),
                         where);
            } else if (kind < 85) {
                options.Check1->setChecked(session.chance(50));
                yes(50);
                main.mnuload->trigger();
            } else if (kind < 93) {
                ListBox* list = session.chance(70) ? main.lstw : main.lstproper;
                list->setSelectedPos(session.pick(list->count() + 1) - 1);
                yes(80);
                QTest::keyClick(list, Qt::Key_Delete);
            } else if (kind < 95) {
                yes(30);
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
            QVERIFY2(main.lblwk->text() == QString::number(main.lstw->count()), where);
            QVERIFY2(main.lblpk->text() == QString::number(main.lstproper->count()), where);
            QVERIFY2(main.isVisible() && !app.forms.frmwork().isVisible() && !main.found, where);
            const QStringList words = main.lstw->entries();
            QSet<QString> seen, pieces;
            for (const QString& word : words) {
                QVERIFY2(!word.isEmpty() && !seen.contains(word.toUpper()), where);
                seen.insert(word.toUpper());
                for (const QChar c : u" ;.,!?:\r\n\t\""_s)
                    QVERIFY2(c == ' ' || !word.contains(c), where);
                for (const QString& piece : word.split(' '))
                    pieces.insert(piece.toLower());
            }
            // An answer of the Regular personality without filters is made of learned words.
            const QString answer = boxText(*main.txts);
            for (const QString& piece :
                 answer.chopped(answer.isEmpty() ? 0 : 1).split(' ', Qt::SkipEmptyParts))
                QVERIFY2(!unfilteredAnswer || pieces.contains(piece.toLower()),
                         where + " answer: " + answer.toUtf8());
        }
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
