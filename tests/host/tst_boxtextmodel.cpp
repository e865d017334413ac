// What a box filled piece by piece gives back, held against the text given:
// the whole of it and any slice, over random texts cut at random places.
#include "support/TestCommon.h"

#include <rapidcheck.h>

#include <ostream>

// How a counterexample's texts are printed: each character's code.
void showValue(const QString& text, std::ostream& out)
{
    out << text.size() << " characters:";
    for (qsizetype i = 0; i < std::min<qsizetype>(text.size(), 200); ++i)
        out << ' ' << std::hex << int(text.at(i).unicode()) << std::dec;
}

namespace {

// Line breaks of every kind, blanks, a pair of surrogates, letters that need
// shaping, runs without blanks longer than 4,000 and lines over 100,000.
rc::Gen<QString> segment()
{
    const auto small = rc::gen::element<QString>(" ", "\n", "\r", "\r\n", u"\u2029"_s, u"\u2028"_s,
                                                 u"\uFDD0"_s, u"\uFDD1"_s, "\t", u"\u00A0"_s,
                                                 "word", u"é"_s, u"😀"_s, u"مرحبا"_s, "x");
    const auto run
        = rc::gen::map(rc::gen::inRange(3990, 4300), [](int size) { return QString(size, 'r'); });
    const auto longLine = rc::gen::map(rc::gen::inRange(0, 2), [](int blanks) {
        return blanks ? QString("long ").repeated(20001) : QString(100010, 'L');
    });
    return rc::gen::weightedOneOf<QString>({{60, small}, {3, run}, {1, longLine}});
}

// Where each position of the box stands in the text: the box shows a line
// break of its own for a line break of any kind (CR LF being one), for a
// blank or a frame mark it puts in place of, or for nothing; every other
// character is as given.
std::vector<qsizetype> textPositions(const QString& shown, const QString& text)
{
    std::vector<qsizetype> at;
    qsizetype t = 0;
    const auto is = [&](qsizetype k, char16_t c) { return k < text.size() && text.at(k) == c; };
    for (const QChar c : shown) {
        at.push_back(t);
        if (c != QChar::ParagraphSeparator) {
            RC_ASSERT(is(t, c.unicode()));
            ++t;
        } else if (is(t, u'\r') && is(t + 1, u'\n')) {
            t += 2;
        } else if (is(t, u'\n') || is(t, u'\r') || is(t, 0x2029) || is(t, 0xFDD0) || is(t, 0xFDD1)
                   || is(t, u' ')) {
            ++t;
        }
    }
    at.push_back(t);
    RC_ASSERT(t == text.size());
    return at;
}

} // namespace

class TestBoxTextModel : public QObject {
    Q_OBJECT
private slots:
    void slicesAreTheTextGiven()
    {
        const bool held = rc::check("every slice of the box is that slice of the text", [] {
            const auto segments = *rc::gen::container<std::vector<QString>>(segment());
            QString text;
            for (const QString& piece : segments)
                text += piece;
            auto cuts = *rc::gen::container<std::vector<qsizetype>>(
                rc::gen::inRange<qsizetype>(0, text.size() + 1));
            cuts.push_back(text.size());
            std::sort(cuts.begin(), cuts.end());

            QPlainTextEdit box;
            box.setReadOnly(true);
            {
                BoxTextWriter writer(box, [] {});
                qsizetype from = 0;
                for (const qsizetype cut : cuts) {
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
                // A selection holds whole pairs of surrogates.
                for (qsizetype* end : {&ends.first, &ends.second}) {
                    if (*end < shown.size() && shown.at(*end).isLowSurrogate())
                        --*end;
                }
                const auto [from, to] = std::minmax(ends.first, ends.second);
                QTextCursor cursor(box.document());
                cursor.setPosition(int(from));
                cursor.setPosition(int(to), QTextCursor::KeepAnchor);
                box.setTextCursor(cursor);
                RC_ASSERT(selectedBoxText(box) == text.sliced(at[from], at[to] - at[from]));
            }
        });
        QVERIFY2(held, "a counterexample is printed above");
    }
};

QTEST_MAIN(TestBoxTextModel)
#include "tst_boxtextmodel.moc"
