#include "host/ListBox.h"
#include "host/LongText.h"
#include "sentences/OptionsWindow.h"
#include "sentences/Personalities.h"
#include "support/TestApp.h"
#include "vocabulary/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace quibbler;
using namespace quibbler::test;

namespace {

enum Personality { Mean = 1, Inquisitive = 2, Custom = 3 };

QString ask(TestApp& app, Personality personality, const QString& count = "1")
{
    app.options().cbopersonal->setCurrentIndex(personality);
    enterText(app.main().txtw, count);
    return boxText(*app.main().txts);
}

} // namespace

class TestPersonalities : public QObject {
    Q_OBJECT
private slots:
    void pastTense_data();
    void pastTense();
    void mean_data();
    void mean();
    void meanAnswersEvenAnImpossibleCount();
    void inquisitive_data();
    void inquisitive();
    void custom_data();
    void custom();
    void customCapitalizesAndRestoresTheLetter();
};

void TestPersonalities::pastTense_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("past");
    const char* const rows[][2] = {
        {"walk", "walked"}, {"bake", "baked"}, {"wanted", "wanted"},
        {"play", "plaied"}, {"run", "runed"},  {"PLAY", "PLAYed"},
        {"a", "a"},         {"cry", "cried"},  {"smile", "smiled"},
        {"go", "goed"},     {"", ""},          {"ed", "ed"},
        {"y", "y"},         {"ED", "EDed"},    {"New York", "New Yorked"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[0]) << QString(row[1]);
}

void TestPersonalities::pastTense()
{
    QFETCH(QString, word);
    QFETCH(QString, past);
    QCOMPARE(quibbler::pastTense(word), past);
}

void TestPersonalities::mean_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("answer");

    using D = QList<double>;
    QTest::newRow("one word") << QStringList{"jump"} << ""
                              << "" << D{0.3} << "I jumped your mom last night.";
    QTest::newRow("k picks") << QStringList{"cry", "smile"} << ""
                             << "" << D{0.7} << "I smiled your mom last night.";
    // A length alone does not divert Mean from all the words.
    QTest::newRow("length ignored") << QStringList{"cry", "smile"} << ""
                                    << "3" << D{0.7} << "I smiled your mom last night.";
    // With a letter, k is still drawn first and then not used.
    QTest::newRow("letter") << QStringList{"apple", "bat", "bee"} << "b"
                            << "" << D{0.0, 0.6} << "I beed your mom last night.";
    QTest::newRow("letter nobody has") << QStringList{"apple"} << "q"
                                       << "" << D{0.0} << "";
}

void TestPersonalities::mean()
{
    QFETCH(QStringList, words);
    QFETCH(QString, letter);
    QFETCH(QString, length);
    QFETCH(QList<double>, draws);
    QFETCH(QString, answer);

    TestApp app(words);
    app.options().txtword->setText(letter);
    app.options().txtwl->setText(length);
    app.main().curword = "left over";
    app.host.rnd.script = draws;
    QCOMPARE(ask(app, Mean), answer);
    QVERIFY(app.host.rnd.script.isEmpty());
    QCOMPARE(app.main().curword, answer.isEmpty() ? QString("left over") : QString());
    QVERIFY(app.main().isVisible());
}

void TestPersonalities::meanAnswersEvenAnImpossibleCount()
{
    TestApp app({"jump"});
    QCOMPARE(ask(app, Mean, "abc"), QString("I jumped your mom last night."));
    QCOMPARE(app.host.messageTexts(), QStringList{"I'm sorry, that's impossible"});
    QCOMPARE(app.main().txtw->text(), QString());
}

void TestPersonalities::inquisitive_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("wordsSelected");

    using D = QList<double>;
    QTest::newRow("what's a") << "" << D{0.0, 0.0} << "What's a swim?" << 0;
    QTest::newRow("teach") << "" << D{0.0, 0.25} << "Can you teach Quibbler how to swim?" << 0;
    QTest::newRow("how do you") << "" << D{0.6, 0.5} << "How do you fly?" << 1;
    QTest::newRow("did you ever") << "" << D{0.6, 0.99} << "Did you ever fly?" << 1;
    // With a letter the word comes from the cache, r1 then r2.
    QTest::newRow("letter") << "f" << D{0.9, 0.0} << "What's a fly?" << 1;
    QTest::newRow("letter nobody has") << "q" << D{0.9, 0.0} << "" << 1;
}

void TestPersonalities::inquisitive()
{
    QFETCH(QString, letter);
    QFETCH(QList<double>, draws);
    QFETCH(QString, answer);
    QFETCH(int, wordsSelected);

    TestApp app({"swim", "fly"});
    app.options().txtword->setText(letter);
    app.host.rnd.script = draws;
    QCOMPARE(ask(app, Inquisitive, "abc"), answer);
    QVERIFY(app.host.rnd.script.isEmpty());
    QCOMPARE(app.main().lstw->selectedPos(), wordsSelected);
    QCOMPARE(app.host.messages.size(), 1);
}

void TestPersonalities::custom_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("answer");

    const auto row = [](const char* tag, const QStringList& words, const QString& pattern,
                        const QString& letter, const QString& answer) {
        QTest::newRow(tag) << words << pattern << letter << answer;
    };
    const QStringList farm{"cow", "ant", "tree"};
    row("cat", farm, "cat", "", "cow ant tree ");
    row("case ignored", farm, "CaT", "", "cow ant tree ");
    row("unfit letters skipped", farm, "c t", "", "cow tree ");
    row("empty pattern", farm, "", "", "");
    // The first position only rebuilds when it differs from the user's letter,
    // so it draws from the cache as the last answer left it (one blank here).
    row("first letter as the user's", {"hat", "egg", "leg", "owl"}, "hello", "h",
        "  egg leg leg owl ");
}

void TestPersonalities::custom()
{
    QFETCH(QStringList, words);
    QFETCH(QString, pattern);
    QFETCH(QString, letter);
    QFETCH(QString, answer);

    TestApp app(words);
    app.options().txtpattern->setText(pattern);
    app.options().txtword->setText(letter);
    QCOMPARE(ask(app, Custom, "x"), answer);
    QCOMPARE(app.options().txtword->text(), letter);
    QVERIFY(app.main().isVisible());
}

void TestPersonalities::customCapitalizesAndRestoresTheLetter()
{
    TestApp app({"paris", "rome", "pie"}, {"Paris"});
    app.options().txtpattern->setText("prp");
    app.options().txtword->setText("z");
    app.options().chkc->setChecked(true);
    app.host.rnd.script = {0.0, 0.0, 0.9};
    QCOMPARE(ask(app, Custom), QString("Paris rome pie "));
    QCOMPARE(app.options().txtword->text(), QString("z"));
    QCOMPARE(app.main().curword, QString("pie"));
    // The cache stays built for the last letter, with the last word drawn selected.
    QCOMPARE(entriesOf(app.main().lstsw), (QStringList{"paris", "pie"}));
    QCOMPARE(app.main().lstsw->selectedPos(), 1);
    QCOMPARE(app.main().lstproper->selectedPos(), 0);
}

QTEST_MAIN(TestPersonalities)
#include "tst_personalities.moc"
