#include "support/TestCommon.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>

// An answer copied whole by the copy key (through the host) and the box's own Copy, mark cut off.
QStringList answerCopied(TestApp& app, int words)
{
    enterText(app.main().txtw, QString::number(words));
    QPlainTextEdit* box = app.main().txts;
    box->selectAll();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    box->copy();
    QStringList copies{app.host.clipboard, QGuiApplication::clipboard()->text()};
    for (QString& copy : copies)
        copy.chop(!copy.isEmpty() && QString(".!?").contains(copy.back()));
    return copies;
}

// clang-format off
const struct AwkwardRow { const char* tag; QString word, answered; } kAwkward[] = {
    {"no-break space", u"new\u00A0york"_s, u"New\u00A0york"_s},
    {"outside the basic plane", u"😃smile"_s, u"😃smile"_s},
    {"accent after the first letter", u"e\u0301te\u0301"_s, u"E\u0301te\u0301"_s},
    {"flag", u"🇫🇷france"_s, u"🇫🇷france"_s},
};

// The letter box holds one whole character, whatever is pasted: the text it
// held, where the cursor stood in it (-1: all selected), the paste, and what
// the box then holds.
const struct { const char* tag; QString held; int at; QString pasted, after; } kPastes[] = {
    {"word", "", 0, "tea", "t"},
    {"over the selected letter", "x", -1, "tea", "t"},
    {"after the letter", "x", 1, "tea", "x"},
    {"before the letter", "x", 0, "tea", "x"}, {"a letter before the letter", "x", 0, "t", "x"},
    {"emojis", "", 0, u"😀😃"_s, u"😀"_s},
    {"accented letters", "", 0, u"e\u0301te"_s, u"e\u0301"_s},
    // What replaces the selected character may start with it.
    {"accented over its letter", "e", -1, u"e\u0301te"_s, u"e\u0301"_s},
    {"toned emoji over the emoji", u"👍"_s, -1, u"👍🏽👍"_s, u"👍🏽"_s},
};

// A pasted run without blanks wraps anywhere only while its box holds it: the
// box, and the keys that take the run away.
const struct { const char* tag; const char* box; Qt::Key key; Qt::KeyboardModifiers modifiers; }
kRunsGone[] = {
    {"learned", "txtl", Qt::Key_Return, Qt::NoModifier},
    {"names learned", "txtpn", Qt::Key_Return, Qt::NoModifier},
    {"deleted", "txtl", Qt::Key_Backspace, Qt::ControlModifier},
};
// clang-format on

class TestExactText : public QObject {
    Q_OBJECT
private slots:
    // Whatever goes in through a box comes out of the lists, the files and the
    // clipboard character for character.
    void awkwardTextKeptExactly_data() { addRows(kAwkward); }
    void awkwardTextKeptExactly()
    {
        const auto& row = rowOf(kAwkward);
        TestApp app;
        enterText(app.main().txtl, row.word);
        QCOMPARE(app.main().lstw->entries(), QStringList{row.word});
        enterText(app.main().txtpn, row.word);
        QCOMPARE(app.main().lstproper->entries(), QStringList{row.word});
        app.host.savePaths = {app.path("saved.txt")};
        app.main().mnusave->trigger();
        QCOMPARE(readFile(app.path("saved.txt")), fileOf({row.word}));
        QCOMPARE(answerCopied(app, 1), QStringList(2, row.answered));
    }

    // Lines up to 100,000 characters are shown as they are; longer ones may be
    // shown in blocks, but every way out of the box gives the text made.
    void longTextsCopiedWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shownAsIs");
        QTest::newRow("100,000 characters") << QString("word ").repeated(20000) << true;
        QTest::newRow("two runs of 4,000")
            << QString(4000, 'x') + "  " + QString(4000, 'x') << true;
        QStringList stanzas(300, QStringList(100, "verse").join(' '));
        QTest::newRow("poem") << stanzas.join('\n') << true;
        QStringList words(40000, "words");
        words[100] = "ab\r\ncd";
        QTest::newRow("one long line") << words.join(' ') << false;
        // Filled in pieces of 256 K: the first holds no long run, the second ends inside a CR LF.
        QTest::newRow("long runs") << QString("ab ").repeated(90000) + QString(254285, 'x')
                + " y\r\nz " + QString(9000, 'q')
                                   << false;
        // Everything the box shows as a line break, in short lines and in a long one.
        const QString all = u"a\uFDD0b\uFDD1c\r\nd\re\u2029f\n"_s;
        QTest::newRow("line breaks")
            << all + QString("xy ").repeated(40000) + all + all + QString(4000, 'x') << false;
    }
    void longTextsCopiedWhole()
    {
        QFETCH(QString, text);
        QFETCH(bool, shownAsIs);
        ExactTextBox box;
        box.setReadOnly(true);
        setBoxText(box, text, [] {});
        box.setFont(QFont("DejaVu Serif", 15));
        QCOMPARE(box.document()->defaultFont().pointSize(), 15);
        QCOMPARE(box.textCursor().position(), 0);
        QVERIFY(shownAsIs ? box.toPlainText() == text : !box.toPlainText().contains(u"\n\n"_s));
        QCOMPARE(box.wordWrapMode() == QTextOption::WrapAnywhere,
                 text.contains(QString(4001, 'x')));
        const int last = box.document()->characterCount() - 1;
        const auto selected = [&box](int from, int to) {
            QTextCursor cursor(box.document());
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            box.setTextCursor(cursor);
            return selectedBoxText(box);
        };
        // A long line is shown in blocks of 2,000 to 4,000 characters: a block ends at
        // the first blank after 2,000, else a break is put in after 4,000.
        bool inLongLine = false;
        for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
            const int size = block.length() - 1;
            const int end = block.position() + size;
            const QString stands = end < last ? selected(end, end + 1) : "\n";
            const bool putIn = stands == " " || stands.isEmpty();
            const QByteArray where = "block at " + QByteArray::number(block.position());
            QVERIFY2(!(putIn || inLongLine) || size <= 4000, where);
            QVERIFY2(!putIn || size >= 2000, where);
            QVERIFY2(stands != "" || !block.text().sliced(2000).contains(' '), where);
            inLongLine = putIn;
        }
        QCOMPARE(selected(0, last), text);
        box.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    // A character outside the basic plane is one character wherever one is meant.
    void charactersAreWhole()
    {
        TestApp app({"😀cool", "😎cool", "plain"});
        OptionsWindow& options = app.options();
        app.host.inputs = {"😀x"};
        app.main().mnufind->trigger();
        QCOMPARE(app.host.messageTexts().last(), "1 instances found.");
        QCOMPARE(options.txtword->text(), "😀");

        options.txtword->clear();
        options.cbopersonal->setCurrentIndex(3);
        options.txtpattern->setText("😀😀😀");
        QCOMPARE(answerCopied(app, 1).first(), "😀cool 😀cool 😀cool ");

        options.txtdelim->setText("😃 ");
        enterText(app.main().txtl, "a😃b😎c d");
        QCOMPARE(app.main().lstw->entries().mid(3), (QStringList{"a", "b😎c", "d"}));
    }

    void letterBoxPaste_data() { addRows(kPastes); }
    void letterBoxPaste()
    {
        const auto& [tag, held, at, pasted, after] = rowOf(kPastes);
        TestApp app;
        QLineEdit* box = app.options().txtword;
        box->setText(held);
        at < 0 ? box->selectAll() : box->setCursorPosition(at);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), after);
    }

    // A box opening with a line of 10,000 characters goes without shaping only
    // while its whole text needs none, however late the first such character comes.
    void fastLayoutOnlyWithoutShaping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fast");
        const auto line
            = [](const QString& word) { return (word + ' ').repeated(10000 / word.size()); };
        const QStringList fast{"word", u"λόγος слово 漢字\u00A0x բառ სიტყვა ことば カタカナ"_s};
        const QStringList shaped{
            u"مرحبا كتاب"_s, u"שָׁלוֹם"_s, u"ภาษาไทย"_s,         u"ພາສາລາວ"_s, u"नमस्ते"_s, u"word؟"_s,
            u"cafe\u0300"_s, u"🇫🇷"_s,   u"👩\u200D👩\u200D👧"_s, u"👍🏽"_s};
        for (const QString& word : fast + shaped)
            QTest::newRow(qPrintable(word)) << line(word) << fast.contains(word);
        QTest::newRow("Arabic far on") << line("word").repeated(30) + u"كتاب"_s << false;
        QTest::newRow("Latin after a line break") << "\n" + line("word") << false;
    }
    void fastLayoutOnlyWithoutShaping()
    {
        QFETCH(QString, text);
        QFETCH(bool, fast);
        ExactTextBox box;
        box.setReadOnly(true);
        setBoxText(box, text, [] {});
        QCOMPARE(bool(box.document()->defaultFont().styleStrategy() & QFont::PreferNoShaping),
                 fast);
    }

    void wrappingAnywhereEndsWithTheLongRun_data() { addRows(kRunsGone); }
    void wrappingAnywhereEndsWithTheLongRun()
    {
        const auto& [tag, name, key, modifiers] = rowOf(kRunsGone);
        TestApp app;
        auto* box = app.main().findChild<QPlainTextEdit*>(name);
        QGuiApplication::clipboard()->setText(QString(5000, 'x'));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace); // a run of 4,999 is still long
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAnywhere);
        QTest::keyClick(box, key, modifiers);
        QCOMPARE(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
};

QTEST_MAIN(TestExactText)
#include "tst_exacttext.moc"
