#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <utility>

namespace quibbler {

// The learn box's delimiters at start-up: space ; . , ! ? : CR LF tab and the double quote.
inline const QString kDefaultDelimiters = QStringLiteral(" ;.,!?:\r\n\t\"");

// Qt's text boxes hold a line break as one LF; the cutting rules are written
// for the CR LF that a line break is in the files and on the clipboard. Hands
// visit the box text as the cutting rules read it, in pieces, each with how
// many of the box's characters it stands for: a line break is a CR that stands
// for none, then an LF that stands for the break. Visit returns false to stop;
// then so does this.
template <typename Visit> bool forEachCutPiece(QStringView boxText, Visit&& visit)
{
    for (qsizetype lineEnd = boxText.indexOf(u'\n'); lineEnd >= 0;
         lineEnd = boxText.indexOf(u'\n')) {
        if (!visit(boxText.first(lineEnd), lineEnd) || !visit(QStringView(u"\r"), 0)
            || !visit(QStringView(u"\n"), 1))
            return false;
        boxText = boxText.sliced(lineEnd + 1);
    }
    return visit(boxText, boxText.size());
}

// The box text with each line break as CR LF, as forEachCutPiece hands it.
QString withCrLf(QStringView boxText);

// A run's underscores stand for blanks, so that a word or a name may hold one.
inline void underscoresToSpaces(QString& run)
{
    run.replace(QLatin1Char('_'), QLatin1Char(' '));
}

// Every run of the text between delimiter characters, in order, empty runs
// included (a text with n delimiters has n + 1 runs), each underscore in a run
// turned into a space.
QStringList cutWords(QStringView text, QStringView delimiters);

// Cuts a text handed over in pieces into the runs cutWords gives for the whole
// text, handing each run to visit as soon as it is complete; a run, and a
// character outside the basic plane, may span pieces. Visit returns false to
// stop; feed and finish then return false. Each delimiter is a whole
// character: an emoji among them cuts at that emoji only, not at every
// character that shares its first half.
class RunCutter {
public:
    explicit RunCutter(QStringView delimiters)
        : m_delimiters(delimiters),
          m_wide(std::any_of(delimiters.begin(), delimiters.end(),
                             [](QChar c) { return c.isHighSurrogate(); }))
    {
        m_ascii[u'_'] = Kind::Underscore;
        for (const QChar c : delimiters) {
            if (c.unicode() < 0x80)
                m_ascii[c.unicode()] = Kind::Delimiter;
            else
                m_beyondAscii = true;
        }
    }

    template <typename Visit> bool feed(QStringView piece, Visit&& visit)
    {
        // A delimiter split between the previous piece and this one.
        if (m_wide && !m_carried.isEmpty() && !piece.isEmpty()
            && isDelimiterPair(m_carried.back(), piece.front())) {
            m_carried.chop(1);
            if (!hand({}, visit))
                return false;
            piece = piece.sliced(1);
        }
        const QChar* const text = piece.data();
        const qsizetype n = piece.size();
        qsizetype start = 0;
        for (qsizetype i = 0; i < n; ++i) {
            // One look in a table for an ASCII character: the common case.
            const char16_t c = text[i].unicode();
            qsizetype width = 1;
            if (c < 0x80) {
                const Kind kind = m_ascii[c];
                if (kind == Kind::Letter)
                    continue;
                if (kind == Kind::Underscore) {
                    m_underscore = true;
                    continue;
                }
            } else if (QChar::isSurrogate(c)) {
                if (!m_wide || i + 1 == n || !isDelimiterPair(text[i], text[i + 1]))
                    continue;
                width = 2;
            } else if (!m_beyondAscii || !m_delimiters.contains(text[i])) {
                continue;
            }
            if (!hand(piece.sliced(start, i - start), visit))
                return false;
            i += width - 1;
            start = i + 1;
        }
        m_carried += piece.sliced(start);
        return true;
    }

    // A piece as a text box holds it, read as forEachCutPiece hands it.
    template <typename Visit> bool feedBoxText(QStringView piece, Visit&& visit)
    {
        return forEachCutPiece(piece, [&](QStringView cut, qsizetype) { return feed(cut, visit); });
    }

    // The run after the last delimiter (empty when the text ends with one).
    template <typename Visit> bool finish(Visit&& visit) { return hand({}, visit); }

private:
    enum class Kind : quint8 { Letter, Delimiter, Underscore };

    bool isDelimiterPair(QChar high, QChar low) const
    {
        const QChar pair[2] = {high, low};
        return high.isHighSurrogate() && low.isLowSurrogate()
            && m_delimiters.contains(QStringView(pair, 2));
    }

    // The run ending in end, after whatever of it earlier pieces carried over.
    template <typename Visit> bool hand(QStringView end, Visit& visit)
    {
        QStringView run = end;
        if (!m_carried.isEmpty()) {
            m_carried += end;
            m_word.swap(m_carried);
            m_carried.resize(0);
            run = m_word;
        }
        if (std::exchange(m_underscore, false)) {
            if (run.data() != m_word.constData())
                m_word = run.toString();
            underscoresToSpaces(m_word);
            run = m_word;
        }
        return visit(run);
    }

    QStringView m_delimiters;
    bool m_wide; // some delimiter lies outside the basic plane
    Kind m_ascii[0x80] = {}; // what each ASCII character is
    bool m_beyondAscii = false;
    bool m_underscore = false; // the run under way holds an underscore
    QString m_carried;
    QString m_word;
};

// The runs of cutWords, handed to visit one at a time as they are found;
// visit returns false to stop. Returns false when it was stopped.
template <typename Visit> bool forEachRun(QStringView text, QStringView delimiters, Visit&& visit)
{
    RunCutter cutter(delimiters);
    return cutter.feed(text, visit) && cutter.finish(visit);
}

// Every name of the text cut at the fixed proper-noun separators (CR, LF,
// tab, ; : , ! ? . and the blank), empty names included, each underscore
// turned into a space. After any separator but the blank, a white-space
// character that follows (a blank, a no-break space, a line break) is skipped
// too, which drops the LF of a CR LF and the blank after a punctuation mark; a
// letter right after a separator starts the next name.
QStringList cutProperNouns(QStringView text);

} // namespace quibbler
