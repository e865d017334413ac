// Answers: regular sentences short and long, a custom answer, a poem.
#include "Floors.h"
#include "Measure.h"
#include "WordGenerator.h"

#include "controls/ListBox.h"
#include "poetry/PoetryWindow.h"
#include "sentences/Draws.h"
#include "sentences/OptionsWindow.h"
#include "vocabulary/MainWindow.h"
#include "vocabulary/WorkingScope.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <optional>

namespace quibbler::bench {

namespace {

// Words of Arabic letters, which the box shapes and lays out right to left.
QStringList arabicWords(int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i) {
        QString word;
        for (int n = i + 1; n > 0; n /= 19)
            word += QChar(0x0628 + n % 19); // the letters from beh to ghain
        words.append(word + QChar(0x0627));
    }
    return words;
}

struct AnswerRuns {
    Runs runs;
    qint64 paint = 0;
    Runs floor; // when asked for, alternating with the answers
};

// Regular answers of the given number of words, asked with Enter.
AnswerRuns answer(const Settings& settings, Session& session, int words, bool withFloor = false)
{
    MainWindow& main = session.main();
    main.txtw->setText(QString::number(words));
    std::vector<qint64> paints;
    AnswerRuns result;
    result.runs = repeat(
        settings, 5, kNoBudget, [&] { main.txts->clear(); }, [&] { main.txtw_KeyDown(kEnter, 0); },
        [&] {
            QElapsedTimer paint;
            paint.start();
            QCoreApplication::processEvents();
            paints.push_back(paint.nsecsElapsed());
            check(wordsIn(main.txts->toPlainText()) == words,
                  QStringLiteral("the answer has another number of words"));
            if (!withFloor)
                return;
            const QStringList entries = main.lstw->entries();
            QString floor;
            result.floor.samples.push_back(
                watch([&] { floor = answerFloor(entries, words, session.host.random()); }));
            check(wordsIn(floor) == words, QStringLiteral("the floor has another number of words"));
        });
    result.paint = median(paints);
    return result;
}

// Building an answer as it used to be done: every word read the whole answer
// back from the box and wrote it again with the word added.
void answerByRewriting(Session& session, int words)
{
    MainWindow& main = session.main();
    WorkingScope working(session.forms, {&main});
    const QStringList entries = main.lstw->entries();
    RandomSource& random = session.host.random();
    for (int i = 0; i < words; ++i) {
        session.host.yield();
        const QString& word = entries.at(drawIndex(random, static_cast<int>(entries.size())));
        main.txts->setPlainText(main.txts->toPlainText() + word + QLatin1Char(' '));
    }
}

} // namespace

void answers(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));

    const int small = settings.size(9999);
    std::optional<AnswerRuns> smallAnswer;
    if (settings.wants(QStringLiteral("answer")) || settings.wants(QStringLiteral("answerref"))) {
        progress(QStringLiteral("answer of %1 words").arg(count(small)));
        smallAnswer = answer(settings, session, small);
    }
    if (settings.wants(QStringLiteral("answer"))) {
        Row r = row(QStringLiteral("Regular answer, shown exactly"),
                    count(small) + QStringLiteral(" words"), smallAnswer->runs,
                    QStringLiteral("<= 10 ms"));
        r.extra = QStringLiteral("paint after it %1").arg(duration(smallAnswer->paint));
        r.result = judged(settings, smallAnswer->runs.medianTime() <= ms(10));
        rows.push_back(r);

        // Text that needs shaping goes without the fast layout of a long line.
        progress(QStringLiteral("answer of %1 Arabic words").arg(count(small)));
        Session arabic(arabicWords(settings.size(kListSize)), startupNames(settings));
        const AnswerRuns shaped = answer(settings, arabic, small);
        r = row(QStringLiteral("Regular answer in Arabic, shown exactly"),
                count(small) + QStringLiteral(" words"), shaped.runs, QStringLiteral("-"));
        r.extra = QStringLiteral("paint after it %1; %2x the answer in Latin letters")
                      .arg(duration(shaped.paint),
                           ratio(times(shaped.runs.medianTime(), smallAnswer->runs.medianTime())));
        r.result = QStringLiteral("-");
        rows.push_back(r);

        const int large = settings.size(1'000'000);
        progress(QStringLiteral("answer of %1 words").arg(count(large)));
        const AnswerRuns big = answer(settings, session, large, true);
        const double toFloor = times(big.runs.medianTime(), big.floor.medianTime());
        r = row(QStringLiteral("Regular answer"), count(large) + QStringLiteral(" words"), big.runs,
                QStringLiteral("<= 3x floor, <= 150 ms"));
        r.extra = QStringLiteral("floor %1, %2x; paint after it %3")
                      .arg(duration(big.floor.medianTime()), ratio(toFloor), duration(big.paint));
        r.result = judged(settings, toFloor <= 3 && big.runs.medianTime() <= ms(150));
        rows.push_back(r);
        rows.push_back(floorRow(QStringLiteral("Answer floor: draw, join with blanks"),
                                count(large) + QStringLiteral(" words"), big.floor));
    }
    if (settings.wants(QStringLiteral("answerref"))) {
        progress(QStringLiteral("answer vs rewriting the box: the rewriting (slow)"));
        MainWindow& main = session.main();
        const Runs reference = repeat(
            settings, 3, 40, [&] { main.txts->clear(); },
            [&] { answerByRewriting(session, small); },
            [&] {
                check(wordsIn(main.txts->toPlainText()) == small,
                      QStringLiteral("the rewritten answer has another number of words"));
            });
        const double speedup = times(reference.medianTime(), smallAnswer->runs.medianTime());
        Row r = row(QStringLiteral("Answer vs rewriting the box per word"),
                    count(small) + QStringLiteral(" words"), smallAnswer->runs,
                    QStringLiteral(">= 50x faster"));
        r.extra = QStringLiteral("rewriting %1 (%2 runs); %3x")
                      .arg(duration(reference.medianTime()))
                      .arg(reference.count())
                      .arg(ratio(speedup));
        r.gap = gapText(smallAnswer->runs.medianGap()) + QStringLiteral(" (rewriting ")
            + duration(reference.medianGap()) + QLatin1Char(')');
        r.result = judged(settings, speedup >= 50);
        rows.push_back(r);
    }
}

void customAnswer(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    MainWindow& main = session.main();
    OptionsWindow& options = session.options();
    const int letters = settings.size(10000);
    options.cbopersonal->setCurrentIndex(3);
    options.txtpattern->setText(letterPattern(letters, 3));
    main.txtw->setText(QStringLiteral("1"));
    progress(QStringLiteral("custom answer of %1 letters (may be slow)").arg(count(letters)));
    int answered = 0;
    const Runs runs = repeat(
        settings, 5, 40, [&] { main.txts->clear(); }, [&] { main.txtw_KeyDown(kEnter, 0); },
        [&] { answered = wordsIn(main.txts->toPlainText()); });
    check(answered > 0, QStringLiteral("no custom answer"));
    check(session.host.messages.isEmpty(), QStringLiteral("a message was shown answering"));
    Row r = row(QStringLiteral("Custom answer"), count(letters) + QStringLiteral("-letter pattern"),
                runs, QStringLiteral("<= 100 ms"));
    r.extra = count(answered) + QStringLiteral(" words answered");
    r.result = judged(settings, runs.medianTime() <= ms(100));
    rows.push_back(r);
}

void risingPoem(const Settings& settings, std::vector<Row>& rows)
{
    Session session(startupWords(settings), startupNames(settings));
    const int stanzas = settings.size(1000);
    session.main().mnucbpoet_Click();
    PoetryWindow& poetry = session.forms.frmcbp();
    poetry.txtlines->setText(QString::number(stanzas));
    poetry.optu->setChecked(true);
    progress(QStringLiteral("rising poem of %1 stanzas").arg(count(stanzas)));
    const Runs runs = repeat(
        settings, 5, kNoBudget, {}, [&] { poetry.cmdpoem_Click(); },
        [&] { check(poetry.txtp->blockCount() >= stanzas, QStringLiteral("the poem is short")); });
    const qint64 words = qint64(stanzas) * (stanzas + 1) / 2;
    Row r = row(QStringLiteral("Rising poem"),
                count(stanzas) + QStringLiteral(" stanzas (") + count(words)
                    + QStringLiteral(" words)"),
                runs, QStringLiteral("<= 1.5 s"));
    r.result = judged(settings, runs.medianTime() <= seconds(1.5));
    rows.push_back(r);
}

} // namespace quibbler::bench
