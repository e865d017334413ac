// The fast paths held against plain models over random operations: the list,
// its case-insensitive index and a learner against a list walked entry by entry,
// the word source against plain steps, a box filled piece by piece against the text given.
#include "sentences/Capitalization.h"
#include "sentences/WordSource.h"
#include "support/TestCommon.h"
#include "text/Characters.h"
#include "vocabulary/FieldReader.h"
#include "vocabulary/RecoveryFile.h"
#include "vocabulary/StoreLearner.h"
#include "vocabulary/WordFileFormat.h"

#include <rapidcheck.h>

#include <ostream>

// How a counterexample's texts are printed: the first 100 characters' codes.
void showValue(const QString& text, std::ostream& out)
{
    for (const QChar c : QStringView(text).first(std::min<qsizetype>(text.size(), 100)))
        out << std::hex << int(c.unicode()) << ' ';
    out << std::dec << '(' << text.size() << " characters)";
}

namespace {

// Letters whose case variants collide, some changing length when upper-cased
// (ß is SS, ŉ is ʼN, ﬀ is FF), a dotless i, an accent apart, a surrogate pair.
const QStringList kLetters{"a", "A", "s",    "S", u"ß"_s, u"ŉ"_s, "N", u"ʼ"_s,      u"ﬀ"_s, "f",
                           "F", "i", u"ı"_s, "I", u"é"_s, u"É"_s, "e", u"\u0301"_s, u"😀"_s, " "};

rc::Gen<QString> shortEntry()
{
    return rc::gen::map(rc::gen::container<std::vector<int>>(5, rc::gen::inRange(-3, 20)),
                        [](const std::vector<int>& letters) {
                            QString text; // a negative letter is none
                            for (int letter : letters)
                                text += kLetters.value(letter);
                            return text;
                        });
}

// A few words in their case variants (some of eight letters or more) and the
// empty word, so that most batches hold some twice, and now and then one over
// 64K characters that differs from another only in case. "ywnlbp" and "gsabxk"
// share the 32-bit hash the index files words by, as do "cbckhocgbo" and
// "vpxeiaxsoc", too long to be held in a slot: only their letters tell them apart.
rc::Gen<QString> entry()
{
    const auto variant = rc::gen::element<QString>(
        "cat", "Cat", "CAT", u"straße"_s, "STRASSE", u"Straße"_s, "Elephant", "ELEPHANT",
        "elephants", "ELEPHANTS", "elephanT?", "ywnlbp", "GSABXK", "cbckhocgbo", "VPXEIAXSOC", "");
    const auto longEntry = rc::gen::map(rc::gen::inRange(0, 4), [](int k) {
        return QString(70000, k % 2 ? u'a' : u'A') + kLetters.at(k);
    });
    return rc::gen::weightedOneOf<QString>({{10, variant}, {10, shortEntry()}, {1, longEntry}});
}

// A copy of its own, as an entry read from a file is: a list that views an
// entry it has deleted reads freed memory, which the sanitizers see.
QString unshared(const QString& text)
{
    return QString(text.constData(), text.size());
}

enum Op { Append, AppendAll, Fill, RemoveFirst, RemoveLast, RemoveAny, Clear, Select, Learn };

// Line breaks of every kind, blanks, a surrogate pair, letters that need
// shaping, runs without blanks longer than 4,000 and lines over 100,000.
rc::Gen<QString> segment()
{
    const auto small = rc::gen::element<QString>(" ", "\n", "\r", "\r\n", u"\u2029"_s, u"\u2028"_s,
                                                 u"\uFDD0"_s, u"\uFDD1"_s, "\t", u"\u00A0"_s,
                                                 "word", u"é"_s, u"😀"_s, u"مرحبا"_s, "x");
    const auto run
        = rc::gen::map(rc::gen::inRange(3990, 4300), [](int n) { return QString(n, 'r'); });
    const auto longLine = rc::gen::map(rc::gen::inRange(0, 2), [](int blanks) {
        return blanks ? QString("long ").repeated(20001) : QString(100010, 'L');
    });
    return rc::gen::weightedOneOf<QString>({{60, small}, {3, run}, {1, longLine}});
}

// Where each position of the box stands in the text: the box shows a line
// break of its own for a line break of any kind (CR LF being one), for a blank
// or a frame mark it stands in place of, or for nothing; any other character
// is as given.
std::vector<qsizetype> textPositions(const QString& shown, const QString& text)
{
    std::vector<qsizetype> at;
    qsizetype t = 0;
    const auto is = [&](qsizetype k, char16_t c) { return k < text.size() && text.at(k) == c; };
    for (const QChar c : shown) {
        at.push_back(t);
        if (c != QChar::ParagraphSeparator) {
            RC_ASSERT(is(t++, c.unicode()));
        } else if (is(t, u'\r') && is(t + 1, u'\n')) {
            t += 2;
        } else {
            const auto stands = {u'\n', u'\r', u'\u2029', u'\uFDD0', u'\uFDD1', u' '};
            t += std::any_of(stands.begin(), stands.end(), [&](char16_t c) { return is(t, c); });
        }
    }
    at.push_back(t);
    RC_ASSERT(t == text.size());
    return at;
}

} // namespace

class TestModels : public QObject {
    Q_OBJECT
private slots:
    void listAgreesWithAPlainWalk()
    {
        const bool held = rc::check("the list, its index and learning agree with a walk", [] {
            ListBox list;
            QStringList model, uppers; // uppers: the model's entries upper-cased
            int selected = -1;
            int told = 0; // every change is told
            QObject::connect(&list, &ListBox::entriesChanged, [&told] { ++told; });
            for (int step = *rc::gen::inRange(1, 40); step > 0; --step) {
                const QStringList before = model;
                // A list filled to its end makes every later step slow: now and then.
                const Op op = *rc::gen::inRange(0, 30) == 0
                    ? Fill
                    : *rc::gen::element(Append, Append, AppendAll, RemoveFirst, RemoveLast,
                                        RemoveAny, Clear, Select, Learn);
                const int room = 32767 - int(model.size());
                if (op == Append) {
                    const QString text = *entry();
                    RC_ASSERT(list.append(unshared(text)) == (room > 0));
                    model += room > 0 ? QStringList{text} : QStringList();
                } else if (op == AppendAll || op == Fill) { // a start-up or a load
                    const auto batch = *rc::gen::container<std::vector<QString>>(entry());
                    QStringList entries(batch.begin(), batch.end()), copies;
                    if (op == Fill)
                        entries += QStringList(32767, *shortEntry());
                    for (const QString& text : entries)
                        copies.append(unshared(text));
                    const int taken = std::min<int>(room, int(entries.size()));
                    RC_ASSERT(list.appendAll(copies) == taken);
                    model += entries.mid(0, taken);
                } else if (op == Clear) {
                    list.clearAll();
                    model.clear();
                    selected = -1;
                } else if (op == Learn) { // words taken one by one, as learning does
                    StoreLearner learner(list);
                    int added = 0, refused = 0;
                    for (const QString& text : *rc::gen::container<std::vector<QString>>(entry())) {
                        learner.take(text);
                        const int match = uppers.indexOf(text.toUpper());
                        selected = match >= 0 ? match : int(model.size()) - 1;
                        const bool isNew = match < 0 && !text.isEmpty(),
                                   fits = model.size() < 32767;
                        refused += isNew && !fits;
                        if (isNew && fits)
                            model += text, uppers += text.toUpper(), ++added;
                        if (*rc::gen::inRange(0, 4) == 0) { // as a load does after each field
                            learner.flush();
                            RC_ASSERT(learner.added() == added);
                            RC_ASSERT(learner.overflowed() == (refused > 0));
                        }
                    }
                    learner.finish();
                    RC_ASSERT(learner.added() == added && learner.overflowed() == (refused > 0));
                } else if (op == Select) {
                    selected = *rc::gen::inRange(-1, int(model.size()) + 1);
                    list.setSelectedPos(selected);
                    selected = selected < model.size() ? selected : -1;
                } else {
                    const int at = op == RemoveFirst ? 0
                        : op == RemoveLast           ? int(model.size()) - 1
                                                     : *rc::gen::inRange(-1, int(model.size()) + 1);
                    list.removeAt(at);
                    if (at >= 0 && at < model.size()) {
                        model.removeAt(at);
                        if (selected == at) // as the program does after a delete
                            list.setSelectedPos(-1);
                        selected = selected == at ? -1 : selected - (selected > at);
                    }
                }
                RC_ASSERT(list.entries() == model);
                RC_ASSERT(std::exchange(told, 0) > 0 || model == before);
                RC_ASSERT(list.selectedPos() == selected);
                // The plain rule: the first entry equal to the text once both are upper-cased.
                QStringList probes{*entry(), *entry(), u"STRASSE"_s, u"ʼN"_s, "FF"};
                uppers = model;
                for (QString& text : uppers)
                    text = text.toUpper();
                probes += model.size() < 100 ? model : QStringList();
                for (const QString& probe : probes)
                    RC_ASSERT(list.findIgnoringCase(probe) == uppers.indexOf(probe.toUpper()));
            }
        });
        QVERIFY2(held, "the smallest failing case is printed above");
    }

    // A word source's set-ups and draws against the same steps done plainly on
    // lists: the cache rebuilt by a walk when its last draw no longer fits, and
    // each selection where the last walk or draw left it.
    void wordSourceAgreesWithPlainSteps()
    {
        const bool held = rc::check("the word source agrees with plain steps", [] {
            // Whole ranges from the first case on; few words, so that draws repeat.
            const auto any = [](const auto& gen) { return *rc::gen::resize(100, gen); };
            const auto word = rc::gen::element<QString>("", "bat", "Bat", "BEE", "ox", u"ßa"_s,
                                                        "SSA", u"e\u0301a"_s, "Ea");
            QStringList model[3], names; // the words, the cache, the proper nouns (upper-cased)
            int selected[3];
            ListBox lists[3];
            for (int k = 0; k < 3; ++k) {
                for (int i = any(rc::gen::inRange(0, 8)); i > 0; --i)
                    model[k].append(any(word));
                lists[k].appendAll(model[k]);
                lists[k].setSelectedPos(selected[k]
                                        = any(rc::gen::inRange(-1, int(model[k].size()))));
            }
            for (const QString& name : model[2])
                names.append(name.toUpper());
            {
                WordSource source(lists[0], lists[1], lists[2]);
                ScriptedRandom random;
                for (int step = any(rc::gen::inRange(1, 100)); step > 0; --step) {
                    const QString letter
                        = any(rc::gen::element<QString>("", "b", "B", "s", u"ß"_s, "e", "E"));
                    const QString length = any(rc::gen::element<QString>("", "", "2", "3", "x"));
                    const bool fromCache = any(rc::gen::arbitrary<bool>());
                    const int op = any(rc::gen::inRange(0, 4)), n = int(model[fromCache].size());
                    // Whether a word passes the filters, the letter taken with case or without.
                    const auto fits = [&](const QString& w, bool withCase) {
                        return (letter.isEmpty()
                                || (withCase ? firstCharacter(w) == letter
                                             : upperFirstCharacter(w) == letter.toUpper()))
                            && (length.isEmpty() || characterCount(w) == length.toInt());
                    };
                    if (op == 0) { // a letter or a length above 0 brings the cache up to date
                        RC_ASSERT(source.useFilters(letter, length)
                                  == (!letter.isEmpty() || !length.isEmpty()));
                        if ((!letter.isEmpty() || length.toInt() > 0)
                            && !fits(model[1].value(selected[1]), true)) {
                            model[1].clear();
                            for (const QString& w : model[0])
                                model[1] += fits(w, false) ? QStringList{w} : QStringList();
                            selected[0] = int(model[0].size()) - 1;
                            selected[1] = -1;
                        }
                    } else if (n > 0) { // a draw of the entry at p, with capitals from op 2
                        const int p = any(rc::gen::inRange(0, n));
                        const QString drawn = model[fromCache].at(p);
                        const int match = names.indexOf(drawn.toUpper());
                        random.script = {(p + 0.5) / n};
                        RC_ASSERT(source.draw(fromCache, random, op > 1)
                                  == (op > 1 && match >= 0 ? withCapital(drawn) : drawn));
                        selected[fromCache] = p;
                        if (op > 1) // where the look-up's walk stopped
                            selected[2] = match >= 0 ? match : int(names.size()) - 1;
                    }
                    RC_ASSERT(source.count(true) == model[1].size());
                }
            }
            for (int k = 0; k < 3; ++k)
                RC_ASSERT(lists[k].entries() == model[k] && lists[k].selectedPos() == selected[k]);
        });
        QVERIFY2(held, "the smallest failing case is printed above");
    }

    void boxSlicesAreTheTextGiven()
    {
        const bool held = rc::check("every slice of the box is that slice of the text", [] {
            QString text;
            for (const QString& piece : *rc::gen::container<std::vector<QString>>(segment()))
                text += piece;
            auto cuts = *rc::gen::container<std::vector<qsizetype>>(
                rc::gen::inRange<qsizetype>(0, text.size() + 1));
            cuts.push_back(text.size());
            std::sort(cuts.begin(), cuts.end());
            QPlainTextEdit box;
            {
                BoxTextWriter writer(box, [] {});
                for (qsizetype from = 0; const qsizetype cut : cuts) {
                    writer.append(QStringView(text).sliced(from, cut - from));
                    from = cut;
                }
            }
            RC_ASSERT(boxText(box) == text);

            const QString shown = box.document()->toRawText();
            const std::vector<qsizetype> at = textPositions(shown, text);
            for (int k = 0; k < 5; ++k) {
                auto ends = *rc::gen::pair(rc::gen::inRange<qsizetype>(0, shown.size() + 1),
                                           rc::gen::inRange<qsizetype>(0, shown.size() + 1));
                for (qsizetype* end : {&ends.first, &ends.second}) // whole surrogate pairs
                    *end -= *end < shown.size() && shown.at(*end).isLowSurrogate();
                const auto [from, to] = std::minmax(ends.first, ends.second);
                QTextCursor cursor(box.document());
                cursor.setPosition(int(from));
                cursor.setPosition(int(to), QTextCursor::KeepAnchor);
                box.setTextCursor(cursor);
                RC_ASSERT(selectedBoxText(box) == text.sliced(at[from], at[to] - at[from]));
            }
        });
        QVERIFY2(held, "the smallest failing case is printed above");
    }

    // A file read in pieces cut anywhere (inside a UTF-8 sequence, a CR LF, a
    // doubled quote, the byte order mark) gives the fields of the whole file.
    void fieldsReadInPiecesAreTheWholeFilesFields()
    {
        const bool held = rc::check("fields read in pieces are the whole file's fields", [] {
            const auto small = rc::gen::element<QByteArray>(
                "\"", ",", "\r", "\n", " ", "\t", "a", "\xC3\xA9", "\xE2\x82\xAC",
                "\xF0\x9F\x98\x80", "\xEF\xBB\xBF", "\xC3", "\xE2\x82", "\xF0\x9F", "\x80", "\xFF",
                "\xED\xA0\x80", "\xC2\xA0", "\xDF\xBF", "\xE0\xA4\xA4", "\xF4\x8F\xBF\xBF");
            const auto run = rc::gen::map(rc::gen::inRange(60000, 70000),
                                          [](int n) { return QByteArray(n, 'b'); });
            QByteArray bytes;
            for (const QByteArray& piece : *rc::gen::container<std::vector<QByteArray>>(
                     rc::gen::weightedOneOf<QByteArray>({{80, small}, {1, run}})))
                bytes += piece;
            auto cuts = *rc::gen::container<std::vector<qsizetype>>(
                rc::gen::inRange<qsizetype>(0, bytes.size() + 1));
            cuts.push_back(bytes.size());
            std::sort(cuts.begin(), cuts.end());
            wordfile::FieldReader reader;
            for (qsizetype from = 0; const qsizetype cut : cuts)
                reader.feed(QByteArrayView(bytes).sliced(from, cut - from)), from = cut;
            reader.finish();
            RC_ASSERT(reader.takeFields() == wordfile::readFields(wordfile::decodeText(bytes)));
        });
        QVERIFY2(held, "the smallest failing case is printed above");
    }

    // Written whole, then change by change, the recovery file reads back as the
    // lists; a write cut short before its closing "end" line is whole reads as
    // the lists before it.
    void recoveryFileReadsBackAsTheLists()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"recovery"_s);
        const auto readBack = [](const QByteArray& bytes) {
            return recovery::read(wordfile::readFields(wordfile::decodeText(bytes)));
        };
        const bool held = rc::check("the recovery file reads back as the lists", [&] {
            QFile::remove(path);
            recovery::StoreLists lists; // saved: none
            recovery::FileState state;
            const auto awkward
                = rc::gen::element<QString>("", "\"", "a,b", "\r\n", "end", "words,1");
            const auto anyEntry = rc::gen::weightedOneOf<QString>({{3, entry()}, {1, awkward}});
            for (int step = *rc::gen::inRange(1, 30); step > 0; --step) {
                QStringList& list = *rc::gen::arbitrary<bool>() ? lists.words : lists.names;
                const int op = *rc::gen::inRange(0, 12);
                if (op < 3) {
                    const auto batch = *rc::gen::container<std::vector<QString>>(anyEntry);
                    list.append(QStringList(batch.begin(), batch.end()));
                } else if (op < 5 && !list.isEmpty()) {
                    list.removeAt(*rc::gen::inRange<qsizetype>(0, list.size()));
                } else if (op == 5) {
                    list.clear();
                } else if (op > 7) {
                    const QByteArray old = readFile(path);
                    const auto previous = state.written;
                    state = recovery::update(path, state, {}, lists).state;
                    const QByteArray bytes = readFile(path);
                    const bool none = lists.words.isEmpty() && lists.names.isEmpty();
                    const auto back = readBack(bytes).value_or(recovery::StoreLists{});
                    RC_ASSERT((none ? bytes == "<missing>"
                                    : back.words == lists.words && back.names == lists.names));
                    if (!previous || !bytes.startsWith(old) || bytes == old)
                        continue;
                    const auto cut
                        = readBack(bytes.first(*rc::gen::inRange(old.size(), bytes.size() - 2)));
                    RC_ASSERT(cut && cut->words == previous->words
                              && cut->names == previous->names);
                }
            }
        });
        QVERIFY2(held, "the smallest failing case is printed above");
    }
};

QTEST_MAIN(TestModels)
#include "tst_models.moc"
