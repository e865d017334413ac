#include "sentences/Personalities.h"
#include "support/TestCommon.h"

enum Personality { Mean = 1, Inquisitive = 2, Custom = 3 };
using Draws = QList<double>;

QString ask(TestApp& app, Personality personality, const QString& count = "1")
{
    app.options().cbopersonal->setCurrentIndex(personality);
    return test::ask(app, count);
}

// clang-format off
// The word is the tag.
const struct { const char* tag; QString past; } kPast[] = {
    {"go", "goed"}, {"bake", "baked"}, {"wanted", "wanted"}, {"play", "plaied"}, {"PLAY", "PLAYed"},
    {"ED", "EDed"}, {"y", "y"}, {"", ""},
};

// Mean answers even a count that is impossible, after saying so.
const struct {
    const char* tag; QStringList words; QString letter, length, count; Draws draws; QString answer;
} kMean[] = {
    {"one word", {"jump"}, "", "", "1", {0.3}, "I jumped your mom last night."},
    {"impossible count", {"jump"}, "", "", "abc", {0.3}, "I jumped your mom last night."},
    // A length alone does not divert Mean from all the words.
    {"length ignored", {"cry", "smile"}, "", "3", "1", {0.7}, "I smiled your mom last night."},
    // With a letter, k is still drawn first and then not used.
    {"letter", {"apple", "bat", "bee"}, "b", "", "1", {0.0, 0.6}, "I beed your mom last night."},
    {"letter nobody has", {"apple"}, "q", "", "1", {0.0}, ""},
};

const struct {
    const char* tag; QString letter; Draws draws; QString answer; int selected;
} kInquisitive[] = {
    {"what's a", "", {0.0, 0.0}, "What's a swim?", 0},
    {"teach", "", {0.0, 0.25}, "Can you teach Quibbler how to swim?", 0},
    {"how do you", "", {0.6, 0.5}, "How do you fly?", 1},
    {"did you ever", "", {0.6, 0.99}, "Did you ever fly?", 1},
    // With a letter the word comes from the cache, r1 then r2.
    {"letter", "f", {0.9, 0.0}, "What's a fly?", 1},
    {"letter nobody has", "q", {0.9, 0.0}, "", 1},
};

const QStringList kFarm{"cow", "ant", "tree"};
// Names Paris and Oslo, capitals on.
const struct { const char* tag; QStringList words; QString pattern, letter, answer; } kCustom[] = {
    {"cat", kFarm, "cat", "", "cow ant tree "},
    {"case ignored", kFarm, "CaT", "", "cow ant tree "},
    {"unfit letters skipped", kFarm, "c t", "", "cow tree "},
    {"empty pattern", kFarm, "", "", ""},
    {"capitals, the letter kept", {"paris", "rome"}, "prp", "z", "Paris rome Paris "},
    // The first position only rebuilds when it differs from the user's letter,
    // so it draws from the cache as the last answer left it (one blank here).
    {"user's first letter", {"hat", "egg", "leg", "owl"}, "hello", "h", "  egg leg leg owl "},
};
// clang-format on

class TestPersonalities : public QObject {
    Q_OBJECT
private slots:
    void pastTense_data() { addRows(kPast); }
    void pastTense() { QCOMPARE(quibbler::pastTense(QTest::currentDataTag()), rowOf(kPast).past); }

    void mean_data() { addRows(kMean); }
    void mean()
    {
        const auto& [tag, words, letter, length, count, draws, answer] = rowOf(kMean);
        TestApp app(words);
        app.options().txtword->setText(letter);
        app.options().txtwl->setText(length);
        app.main().curword = "left over";
        app.host.rnd.script = draws;
        QCOMPARE(ask(app, Mean, count), answer);
        QCOMPARE(app.host.rnd.script, Draws());
        QCOMPARE(app.main().curword, answer.isEmpty() ? "left over" : "");
        const bool possible = count == "1";
        QCOMPARE(app.host.messageTexts(),
                 possible ? QStringList() : QStringList{"I'm sorry, that's impossible"});
        QCOMPARE(app.main().txtw->text(), possible ? count : QString());
    }

    void inquisitive_data() { addRows(kInquisitive); }
    void inquisitive()
    {
        const auto& [tag, letter, draws, answer, selected] = rowOf(kInquisitive);
        TestApp app({"swim", "fly"});
        app.options().txtword->setText(letter);
        app.host.rnd.script = draws;
        QCOMPARE(ask(app, Inquisitive, "abc"), answer);
        QCOMPARE(app.host.rnd.script, Draws());
        QCOMPARE(app.main().lstw->selectedPos(), selected);
        QCOMPARE(app.host.messages.size(), 1);
    }

    void custom_data() { addRows(kCustom); }
    void custom()
    {
        const auto& [tag, words, pattern, letter, answer] = rowOf(kCustom);
        TestApp app(words, {"Paris", "Oslo"});
        app.options().chkc->setChecked(true);
        app.options().txtpattern->setText(pattern);
        app.options().txtword->setText(letter);
        QCOMPARE(ask(app, Custom, "x"), answer);
        QCOMPARE(app.options().txtword->text(), letter);
    }
};

QTEST_MAIN(TestPersonalities)
#include "tst_personalities.moc"
