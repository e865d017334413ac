#include "vocabulary/Cutting.h"

#include <QTest>

using namespace quibbler;

class TestCutting : public QObject {
    Q_OBJECT
private slots:
    void words_data();
    void words();
    void piecesCutAsTheWholeText_data();
    void piecesCutAsTheWholeText();
    void properNouns_data();
    void properNouns();
    void isDelimTakesOneWholeCharacter();
};

void TestCutting::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiters");
    QTest::addColumn<QStringList>("runs");

    const QString d = kDefaultDelimiters;
    QTest::newRow("sentence") << "Hello, world! Hello again." << d
                              << QStringList{"Hello", "", "world", "", "Hello", "again", ""};
    QTest::newRow("no trailing delimiter") << "Hello world" << d << QStringList{"Hello", "world"};
    QTest::newRow("empty") << "" << d << QStringList{""};
    QTest::newRow("only delimiters") << " ;." << d << QStringList{"", "", "", ""};
    QTest::newRow("underscore") << "New_York" << d << QStringList{"New York"};
    QTest::newRow("underscore as delimiter") << "New_York" << d + "_" << QStringList{"New", "York"};
    QTest::newRow("word characters")
        << "don't well-known 42 (x)" << d << QStringList{"don't", "well-known", "42", "(x)"};
    QTest::newRow("decimal point cuts") << "3.14" << d << QStringList{"3", "14"};
    QTest::newRow("line breaks") << "one\r\ntwo\tthree" << d
                                 << QStringList{"one", "", "two", "three"};
    QTest::newRow("double quote") << "say \"hi\"" << d << QStringList{"say", "", "hi", ""};
    QTest::newRow("custom delimiters") << "a-b c" << QString("-") << QStringList{"a", "b c"};
    QTest::newRow("no delimiters at all") << "a b,c" << QString() << QStringList{"a b,c"};
    QTest::newRow("non-ASCII") << "Zoë über" << d << QStringList{"Zoë", "über"};
}

void TestCutting::words()
{
    QFETCH(QString, text);
    QFETCH(QString, delimiters);
    QFETCH(QStringList, runs);
    QCOMPARE(cutWords(text, delimiters), runs);
}

void TestCutting::piecesCutAsTheWholeText_data()
{
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("delimiters");

    QTest::newRow("lines") << "Hello, world!\nHello\n\nagain." << kDefaultDelimiters;
    QTest::newRow("runs across lines") << "ab\ncd ef\n" << QString(" ");
    QTest::newRow("underscores across lines") << "a_\n_b c" << QString(" ");
    QTest::newRow("no delimiters") << "x_y\nz" << QString();
    QTest::newRow("line ends only") << "\n\n" << QString("\r");
}

// However the box's text is handed over, the runs are those of the whole text
// with CR LF line breaks.
void TestCutting::piecesCutAsTheWholeText()
{
    QFETCH(QString, boxText);
    QFETCH(QString, delimiters);
    const QStringList whole = cutWords(withCrLf(boxText), delimiters);
    for (qsizetype a = 0; a <= boxText.size(); ++a) {
        for (qsizetype b = a; b <= boxText.size(); ++b) {
            QStringList runs;
            const auto take = [&runs](QStringView run) {
                runs.append(run.toString());
                return true;
            };
            RunCutter cutter(delimiters);
            const QStringView text(boxText);
            QVERIFY(cutter.feedBoxText(text.first(a), take));
            QVERIFY(cutter.feedBoxText(text.sliced(a, b - a), take));
            QVERIFY(cutter.feedBoxText(text.sliced(b), take));
            QVERIFY(cutter.finish(take));
            QCOMPARE(runs, whole);
        }
    }

    // A visit that says stop ends the cut at once.
    int visits = 0;
    RunCutter cutter(kDefaultDelimiters);
    QVERIFY(!cutter.feedBoxText(u"a b c", [&visits](QStringView) { return ++visits < 2; }));
    QCOMPARE(visits, 2);
}

void TestCutting::properNouns_data()
{
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("punctuation and blank")
        << "Alice, Bob. Carol" << QStringList{"Alice", "Bob", "Carol"};
    QTest::newRow("letter after comma is skipped") << "Alice,Bob" << QStringList{"Alice", "ob"};
    QTest::newRow("blank separates") << "Mary Ann" << QStringList{"Mary", "Ann"};
    QTest::newRow("underscore joins") << "Mary_Ann" << QStringList{"Mary Ann"};
    // Lines as a text box holds them: one LF per line break.
    QTest::newRow("several lines") << "Alice\nBob\nCarol" << QStringList{"Alice", "Bob", "Carol"};
    QTest::newRow("after an earlier Enter") << "\nDave" << QStringList{"", "Dave"};
    QTest::newRow("double quote is a letter") << "say \"hi\"" << QStringList{"say", "\"hi\""};
    QTest::newRow("trailing comma") << "Ann," << QStringList{"Ann"};
    QTest::newRow("trailing blank") << "Ann " << QStringList{"Ann", ""};
    QTest::newRow("empty") << "" << QStringList{""};
    QTest::newRow("separator at the end skips past it") << "Ann,B" << QStringList{"Ann", ""};
}

void TestCutting::properNouns()
{
    QFETCH(QString, boxText);
    QFETCH(QStringList, names);
    QCOMPARE(cutProperNouns(withCrLf(boxText)), names);
}

void TestCutting::isDelimTakesOneWholeCharacter()
{
    QVERIFY(isDelim(u",", kDefaultDelimiters));
    QVERIFY(isDelim(u"\r", kDefaultDelimiters));
    QVERIFY(!isDelim(u"", kDefaultDelimiters));
    QVERIFY(!isDelim(u"_", kDefaultDelimiters));
    QVERIFY(!isDelim(u", ", kDefaultDelimiters));
    QVERIFY(!isDelim(u",", u""));
}

QTEST_GUILESS_MAIN(TestCutting)
#include "tst_cutting.moc"
