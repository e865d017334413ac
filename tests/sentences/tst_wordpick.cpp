#include "host/ListBox.h"
#include "sentences/WordPick.h"

#include <QTest>

using namespace quibbler;

class TestWordPick : public QObject {
    Q_OBJECT
private slots:
    void rebuild_data();
    void rebuild();
    void cacheIsKeptWhileTheLastDrawStillFits();
};

void TestWordPick::rebuild_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("cache"); // before, with its first entry selected
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("rebuilt");

    const QStringList birds{"Bird", "bat", "cat"};
    QTest::newRow("no filters: untouched") << birds << QStringList{"zzz"} << ""
                                           << "" << QStringList{"zzz"} << false;
    QTest::newRow("letter ignores case") << birds << QStringList{" "} << "b"
                                         << "" << QStringList{"Bird", "bat"} << true;
    QTest::newRow("stale test has case") << birds << QStringList{"bat"} << "B"
                                         << "" << QStringList{"Bird", "bat"} << true;
    QTest::newRow("last draw still fits") << birds << QStringList{"Bird"} << "B"
                                          << "" << QStringList{"Bird"} << false;
    QTest::newRow("length") << QStringList{"cat", "bird", "ox"} << QStringList{" "} << ""
                            << "3" << QStringList{"cat"} << true;
    QTest::newRow("both filters") << QStringList{"cat", "cow", "crow", "dog"} << QStringList{" "}
                                  << "c"
                                  << "3" << QStringList{"cat", "cow"} << true;
    QTest::newRow("length not a number") << birds << QStringList{" "} << ""
                                         << "x" << QStringList{} << true;
    QTest::newRow("letter nobody has") << birds << QStringList{" "} << "q"
                                       << "" << QStringList{} << true;
    QTest::newRow("start-up space fits length 1") << birds << QStringList{" "} << ""
                                                  << "1" << QStringList{" "} << false;
    QTest::newRow("start-up space fits letter blank") << birds << QStringList{" "} << " "
                                                      << "" << QStringList{" "} << false;
    QTest::newRow("nothing drawn yet") << birds << QStringList{} << "c"
                                       << "" << QStringList{"cat"} << true;
}

void TestWordPick::rebuild()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, cache);
    QFETCH(QString, letter);
    QFETCH(QString, length);
    QFETCH(QStringList, after);
    QFETCH(bool, rebuilt);

    ListBox lstw;
    ListBox lstsw;
    lstw.appendAll(words);
    lstw.setSelectedPos(0);
    lstsw.appendAll(cache);
    lstsw.setSelectedPos(0);
    wordPick(lstw, lstsw, letter, length);

    QCOMPARE(lstsw.entries(), after);
    // A rebuild walks the words to their end and leaves nothing drawn.
    QCOMPARE(lstw.selectedPos(), rebuilt ? words.size() - 1 : 0);
    QCOMPARE(lstsw.selectedPos(), rebuilt || after.isEmpty() ? -1 : 0);
}

void TestWordPick::cacheIsKeptWhileTheLastDrawStillFits()
{
    ListBox lstw;
    ListBox lstsw;
    lstw.appendAll({"Bird", "bat", "cat"});
    wordPick(lstw, lstsw, "b", "");
    lstsw.setSelectedPos(1); // "bat" was drawn
    lstw.append("bee");
    wordPick(lstw, lstsw, "b", "");
    QCOMPARE(lstsw.entries(), (QStringList{"Bird", "bat"}));

    // Right after a rebuild nothing is selected, so the next call rebuilds again.
    lstsw.setSelectedPos(-1);
    wordPick(lstw, lstsw, "b", "");
    QCOMPARE(lstsw.entries(), (QStringList{"Bird", "bat", "bee"}));
}

QTEST_MAIN(TestWordPick)
#include "tst_wordpick.moc"
