#include "support/TestCommon.h"
#include "vocabulary/Cutting.h"

// Runs of text between delimiters; the fuzz target checks that runs never hold
// a delimiter and that a text cut in pieces gives the same runs.
const QString D = u" ;.,!?:\r\n\t\""_s;
// clang-format off
const struct { const char* tag; QString text, delimiters; QStringList runs; } kWords[] = {
    {"sentence", "Hello, world! Hello again.", D, {"Hello", "", "world", "", "Hello", "again", ""}},
    {"no trailing delimiter", "Hello world", D, {"Hello", "world"}},
    {"empty", "", D, {""}},
    {"only delimiters", " ;.", D, {"", "", "", ""}},
    {"underscore", "New_York", D, {"New York"}},
    {"underscore as delimiter", "New_York", D + "_", {"New", "York"}},
    {"word characters", "don't well-known 42 (x)", D, {"don't", "well-known", "42", "(x)"}},
    {"decimal point cuts", "3.14", D, {"3", "14"}},
    {"line breaks", "one\r\ntwo\tthree", D, {"one", "", "two", "three"}},
    {"double quote", "say \"hi\"", D, {"say", "", "hi", ""}},
    {"custom delimiters", "a-b c", "-", {"a", "b c"}},
    {"no delimiters at all", "a b,c", "", {"a b,c"}},
    {"non-ASCII", "Zoë über", D, {"Zoë", "über"}},
};

// Names as a text box holds them: one LF per line break.
const struct { const char* tag; QString boxText; QStringList names; } kNames[] = {
    {"punctuation and blank", "Alice, Bob. Carol", {"Alice", "Bob", "Carol"}},
    {"letter after comma", "Alice,Bob, Carol", {"Alice", "Bob", "Carol"}},
    {"every separator", "a;b:c!d?e\tf.g h,i", {"a", "b", "c", "d", "e", "f", "g", "h", "i"}},
    {"no-break space after comma", u"Alice,\u00A0Bob"_s, {"Alice", "Bob"}},
    {"no-break space alone", u"Mary\u00A0Ann"_s, {u"Mary\u00A0Ann"_s}},
    {"line break after comma", "Alice,\nBob", {"Alice", "", "Bob"}},
    {"blank separates", "Mary Ann", {"Mary", "Ann"}},
    {"underscore joins", "Mary_Ann", {"Mary Ann"}},
    {"several lines", "Alice\nBob\nCarol", {"Alice", "Bob", "Carol"}},
    {"after an earlier Enter", "\nDave", {"", "Dave"}},
    {"double quote is a letter", "say \"hi\"", {"say", "\"hi\""}},
    {"trailing comma", "Ann,", {"Ann", ""}},
    {"trailing blank", "Ann ", {"Ann", ""}},
    {"empty", "", {""}},
};
// clang-format on

class TestCutting : public QObject {
    Q_OBJECT
private slots:
    void words_data() { addRows(kWords); }
    void words()
    {
        const auto& [tag, text, delimiters, runs] = rowOf(kWords);
        QCOMPARE(cutWords(text, delimiters), runs);
    }

    void visitorStopsTheCut()
    {
        int visits = 0;
        RunCutter cutter(D);
        QVERIFY(!cutter.feedBoxText(u"a b c", [&visits](QStringView) { return ++visits < 2; }));
        QCOMPARE(visits, 2);
    }

    void properNouns_data() { addRows(kNames); }
    void properNouns()
    {
        const auto& [tag, boxText, names] = rowOf(kNames);
        QCOMPARE(cutProperNouns(withCrLf(boxText)), names);
    }
};

QTEST_GUILESS_MAIN(TestCutting)
#include "tst_cutting.moc"
