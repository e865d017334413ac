// A long seeded session of random user actions, checking after every one of
// them what must always hold. QUIBBLER_SESSION_SEED and QUIBBLER_SESSION_ACTIONS
// replay or lengthen a run; a failure names the seed and the action.
#include "app/Forms.h"
#include "host/ListBox.h"
#include "host/LongText.h"
#include "poetry/PoetryWindow.h"
#include "queries/WordCountWindow.h"
#include "sentences/OptionsWindow.h"
#include "support/TestApp.h"
#include "vocabulary/Cutting.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/VocabFile.h"
#include "vocabulary/WorkingScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <random>

using namespace quibbler;
using namespace quibbler::test;

namespace {

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
            if (pick(20) == 0)
                word += "_" + word.left(2);
            m_vocabulary.append(word);
        }
    }

    int pick(std::size_t n) { return static_cast<int>(m_random() % n); }
    bool chance(int percent) { return pick(100) < percent; }
    QString anyWord() { return m_vocabulary.at(pick(m_vocabulary.size())); }
    QString text(int words)
    {
        static const char* const gaps[] = {" ", ", ", ". ", "! ", "\n", "\t", "  ", "; "};
        QString text;
        for (int i = 0; i < words; ++i)
            text += anyWord() + gaps[pick(std::size(gaps))];
        return text;
    }

private:
    std::mt19937 m_random;
    QStringList m_vocabulary;
};

QSet<QString> piecesOf(const QStringList& entries)
{
    QSet<QString> pieces;
    for (const QString& entry : entries)
        for (const QString& piece : entry.split(' '))
            pieces.insert(piece.toLower());
    return pieces;
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void randomActionsKeepTheInvariants();
};

void TestSession::randomActionsKeepTheInvariants()
{
    const unsigned seed = qEnvironmentVariableIsSet("QUIBBLER_SESSION_SEED")
        ? qEnvironmentVariableIntValue("QUIBBLER_SESSION_SEED")
        : 20261206u;
    const int actions = qEnvironmentVariableIsSet("QUIBBLER_SESSION_ACTIONS")
        ? qEnvironmentVariableIntValue("QUIBBLER_SESSION_ACTIONS")
        : 10000;
    Session session(seed);
    TestApp app;
    MainWindow& main = app.main();
    OptionsWindow& options = app.options();
    const QString saved = app.path("qblvocab.txt");

    for (int action = 0; action < actions; ++action) {
        app.host.answers.clear();
        app.host.inputs.clear();
        app.host.savePaths.clear();
        app.host.openPaths.clear();
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
            options.txtword->setText(session.chance(30) ? session.anyWord().left(1) : QString());
            options.txtwl->setText(session.chance(20) ? QString::number(2 + session.pick(6))
                                                      : QString());
            options.txtpattern->setText(session.chance(50) ? session.anyWord() : QString());
            options.chkc->setChecked(session.chance(50));
            options
                .findChild<QRadioButton*>(
                    QStringList{"optnorm", "optlcase", "optucase"}.at(session.pick(3)))
                ->setChecked(true);
            static const char* const counts[]
                = {"r", "rs", "RM", "3", "12", "0", "abc", "-2", "2.5", "30"};
            // Without learned words Enter answers nothing, and the box keeps what it had.
            unfilteredAnswer = main.lstw->count() > 0 && options.cbopersonal->currentIndex() == 0
                && options.txtword->text().isEmpty() && options.txtwl->text().isEmpty();
            enterText(main.txtw, counts[session.pick(std::size(counts))]);
        } else if (kind < 65) {
            main.mnucbpoet_Click();
            PoetryWindow& poetry = app.forms.frmcbp();
            poetry
                .findChild<QRadioButton*>(
                    QStringList{"optu", "optd", "optr", "optrnd"}.at(session.pick(4)))
                ->setChecked(true);
            app.host.inputs = {QString::number(1 + session.pick(6))};
            options.txtwl->setText(session.chance(15) ? QString::number(2 + session.pick(4))
                                                      : QString());
            poetry.chkli->setChecked(session.chance(20));
            enterText(poetry.txtlines, QString::number(session.pick(9) - 1));
            if (session.chance(10))
                poetry.close();
        } else if (kind < 75) {
            static const char* const queries[] = {
                "mnufind", "mnufproper", "mnucontain", "mnufindw", "mnufindp", "mnujw", "mnujpn"};
            app.host.inputs = {session.chance(50) ? session.anyWord().left(1 + session.pick(3))
                                                  : QString::number(session.pick(40))};
            main.findChild<QAction*>(queries[session.pick(std::size(queries))])->trigger();
        } else if (kind < 81) {
            app.host.savePaths = {saved};
            main.cmdsave_Click();
            QStringList words;
            QStringList names;
            QVERIFY2(vocabfile::loadFields(saved, words).ok, where.constData());
            QVERIFY2(vocabfile::loadFields(app.path("qblpn.txt"), names).ok, where.constData());
            QVERIFY2(words == main.lstw->entries() && names == main.lstproper->entries(),
                     where.constData());
        } else if (kind < 85) {
            options.Check1->setChecked(session.chance(50));
            app.host.answers = {session.chance(50) ? Answer::Yes : Answer::No};
            app.host.savePaths = {saved};
            app.host.openPaths = {saved};
            main.mnuload_Click();
        } else if (kind < 93) {
            ListBox* list = session.chance(70) ? main.lstw : main.lstproper;
            list->setSelectedPos(session.pick(list->count() + 1) - 1);
            app.host.answers = {session.chance(80) ? Answer::Yes : Answer::No};
            QTest::keyClick(list, Qt::Key_Delete);
        } else if (kind < 95) {
            app.host.answers = {session.chance(30) ? Answer::Yes : Answer::No};
            main.cmdreset_Click();
        } else if (kind < 98) {
            main.Command1_Click();
            if (session.chance(50))
                QTest::keyClick(app.forms.frmfw().List1, Qt::Key_F5);
            if (session.chance(50))
                app.forms.frmfw().Command1->click();
        } else {
            app.host.colors = {QColor::fromRgb(session.pick(1 << 24))};
            app.host.fonts = {QFont("DejaVu Sans", 8 + session.pick(6))};
            main.findChild<QAction*>(
                    QStringList{"mnufont", "mnufcolor", "mnubgcolor"}.at(session.pick(3)))
                ->trigger();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // What must hold after every command.
        QVERIFY2(main.lblwk->text() == QString::number(main.lstw->count()), where.constData());
        QVERIFY2(main.lblpk->text() == QString::number(main.lstproper->count()), where.constData());
        QVERIFY2(main.isVisible() && !app.forms.frmwork().isVisible(), where.constData());
        QVERIFY2(!main.found, where.constData());
        const QStringList words = main.lstw->entries();
        QSet<QString> seen;
        for (const QString& word : words) {
            QVERIFY2(!word.isEmpty(), where.constData());
            QVERIFY2(!seen.contains(word.toUpper()), where.constData());
            seen.insert(word.toUpper());
            for (const QChar c : kDefaultDelimiters)
                QVERIFY2(c == ' ' || !word.contains(c), where.constData());
        }
        if (unfilteredAnswer) {
            const QString answer = boxText(*main.txts);
            const QSet<QString> pieces = piecesOf(words);
            for (const QString& piece :
                 answer.chopped(answer.isEmpty() ? 0 : 1).split(' ', Qt::SkipEmptyParts))
                QVERIFY2(pieces.contains(piece.toLower()),
                         (where + " answer: " + answer.toUtf8()).constData());
        }
    }
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
