// The list and its case-insensitive index held against a plain list walked
// entry by entry, over random sequences of the operations the program uses.
#include "support/TestCommon.h"

#include <rapidcheck.h>

#include <ostream>

// How a counterexample's texts are printed (a long one cut short).
void showValue(const QString& text, std::ostream& out)
{
    out << '"' << text.first(std::min<qsizetype>(text.size(), 40)).toStdString() << '"'
        << (text.size() > 40 ? "... (" + std::to_string(text.size()) + " characters)" : "");
}

namespace {

// The plain rule: the first entry equal to the text once both are upper-cased.
int walkFind(const QStringList& upperEntries, const QString& text)
{
    const QString wanted = text.toUpper();
    for (int i = 0; i < upperEntries.size(); ++i) {
        if (upperEntries.at(i) == wanted)
            return i;
    }
    return -1;
}

// Letters whose case variants collide, some of them changing length when
// upper-cased (ß is SS, ŉ is ʼN, ﬀ is FF), a dotless i, an accent written
// apart, and a pair of surrogates.
const QStringList kLetters{"a", "A", "s",    "S", u"ß"_s, u"ŉ"_s, "N", u"ʼ"_s,      u"ﬀ"_s, "f",
                           "F", "i", u"ı"_s, "I", u"é"_s, u"É"_s, "e", u"\u0301"_s, u"😀"_s, " "};

rc::Gen<QString> shortEntry()
{
    return rc::gen::map(
        rc::gen::container<std::vector<int>>(rc::gen::inRange(0, int(kLetters.size()))),
        [](const std::vector<int>& letters) {
            QString text;
            for (int letter : letters.size() > 5
                     ? std::vector<int>(letters.begin(), letters.begin() + 5)
                     : letters)
                text += kLetters.at(letter);
            return text;
        });
}

rc::Gen<QString> entry()
{
    // Now and then an entry over 64K characters, differing from another only in case.
    const auto longEntry = rc::gen::map(rc::gen::inRange(0, 4), [](int variant) {
        return QString(70000, variant % 2 ? u'a' : u'A') + kLetters.at(variant);
    });
    // A few words in their case variants, so that most batches hold some twice.
    const auto variant
        = rc::gen::element<QString>("cat", "Cat", "CAT", u"straße"_s, "STRASSE", u"Straße"_s);
    return rc::gen::weightedOneOf<QString>({{10, variant}, {10, shortEntry()}, {1, longEntry}});
}

// A copy of its own, as an entry read from a file is: a list that views an
// entry it has deleted reads freed memory, which the sanitizers see.
QString unshared(const QString& text)
{
    return QString(text.constData(), text.size());
}

enum Op { Append, AppendAll, Fill, RemoveFirst, RemoveLast, RemoveAny, Clear, Select };

} // namespace

class TestListModel : public QObject {
    Q_OBJECT
private slots:
    void agreesWithAPlainWalk()
    {
        const bool held = rc::check("the list and its index agree with a plain walk", [] {
            ListBox list;
            QStringList model;
            int selected = -1;
            const int steps = *rc::gen::inRange(1, 40);
            for (int step = 0; step < steps; ++step) {
                // A list filled to its end makes every later step slow: now and then.
                const auto op = *rc::gen::weightedElement<Op>({{8, Append},
                                                               {4, AppendAll},
                                                               {1, Fill},
                                                               {4, RemoveFirst},
                                                               {4, RemoveLast},
                                                               {4, RemoveAny},
                                                               {2, Clear},
                                                               {4, Select}});
                const int room = 32767 - int(model.size());
                switch (op) {
                case Append: {
                    const QString text = *entry();
                    RC_ASSERT(list.append(unshared(text)) == (room > 0));
                    if (room > 0)
                        model.append(text);
                    break;
                }
                case AppendAll:
                case Fill: {
                    // A start-up or a load; a fill runs past the list's end.
                    const auto batch = *rc::gen::container<std::vector<QString>>(entry());
                    QStringList entries(batch.begin(), batch.end());
                    if (op == Fill)
                        entries += QStringList(32767, *shortEntry());
                    const int taken = std::min<int>(room, int(entries.size()));
                    QStringList copies;
                    for (const QString& text : entries)
                        copies.append(unshared(text));
                    RC_ASSERT(list.appendAll(copies) == taken);
                    model += entries.mid(0, taken);
                    break;
                }
                case RemoveFirst:
                case RemoveLast:
                case RemoveAny: {
                    const int position = op == RemoveFirst ? 0
                        : op == RemoveLast                 ? int(model.size()) - 1
                                           : *rc::gen::inRange(-1, int(model.size()) + 1);
                    list.removeAt(position);
                    if (position >= 0 && position < model.size()) {
                        model.removeAt(position);
                        // The program selects nothing once it deletes the selected entry.
                        if (selected == position)
                            list.setSelectedPos(-1);
                        selected = selected == position ? -1 : selected - (selected > position);
                    }
                    break;
                }
                case Clear:
                    list.clearAll();
                    model.clear();
                    selected = -1;
                    break;
                case Select:
                    selected = *rc::gen::inRange(-1, int(model.size()) + 1);
                    list.setSelectedPos(selected);
                    selected = selected < model.size() ? selected : -1;
                    break;
                }
                RC_ASSERT(list.count() == model.size());
                RC_ASSERT(list.entries() == model);
                RC_ASSERT(list.selectedPos() == selected);
                // Every entry of a short list, and texts that may be in none.
                QStringList probes{*entry(), *entry(), u"STRASSE"_s, u"ʼN"_s, "FF"};
                if (model.size() < 100)
                    probes += model;
                QStringList uppers;
                for (const QString& text : model)
                    uppers.append(text.toUpper());
                for (const QString& probe : probes)
                    RC_ASSERT(list.findIgnoringCase(probe) == walkFind(uppers, probe));
            }
        });
        QVERIFY2(held, "a counterexample is printed above");
    }
};

QTEST_MAIN(TestListModel)
#include "tst_listmodel.moc"
