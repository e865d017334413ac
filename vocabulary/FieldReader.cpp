#include "vocabulary/FieldReader.h"

#include "vocabulary/VocabFile.h"

#include <algorithm>

namespace quibbler::vocabfile {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool endsField(QChar c)
{
    return c == u',' || c == u'\r' || c == u'\n';
}

// How many bytes the UTF-8 sequence that starts with this byte takes; 0 when
// no sequence starts with it.
int sequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

void FieldReader::feed(QByteArrayView bytes)
{
    m_held.append(bytes);
    if (!m_begun) {
        if (m_held.size() < 3)
            return; // the byte order mark may not be whole yet
        if (startsWithByteOrderMark(m_held))
            m_held.remove(0, 3);
        m_begun = true;
    }
    // A sequence whose lead byte is among the last three bytes, and that needs
    // more bytes than follow it, waits for the next piece: it may go on there.
    const qsizetype size = m_held.size();
    qsizetype ready = size;
    for (qsizetype k = std::min<qsizetype>(3, size); k >= 1; --k) {
        if (sequenceLength(static_cast<unsigned char>(m_held[size - k])) > k) {
            ready = size - k;
            break;
        }
    }
    decode(QByteArrayView(m_held).first(ready));
    m_held.remove(0, ready);
}

void FieldReader::finish()
{
    // Fewer than three bytes, if the mark was not looked for: not a mark.
    decode(m_held);
    m_held.clear();
    if (m_state != State::FieldStart && m_state != State::AfterCr)
        endField(u'\n');
    m_state = State::FieldStart;
}

void FieldReader::decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    text.truncate(decodeInto(p, p + bytes.size(), text.data()) - text.constData());
    cut(text);
}

void FieldReader::cut(QStringView text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        // Inside a field, its text is taken a run at a time, up to the next
        // character that may end it.
        if (m_state == State::Unquoted) {
            qsizetype end = i;
            while (end < n && !endsField(text[end]))
                ++end;
            m_field += text.sliced(i, end - i);
            if (end < n)
                endField(text[end++]);
            i = end;
            continue;
        }
        if (m_state == State::Quoted) {
            const qsizetype quote = text.indexOf(u'"', i);
            const qsizetype end = quote < 0 ? n : quote;
            m_field += text.sliced(i, end - i);
            i = end;
            if (quote >= 0) {
                m_state = State::QuoteInQuoted;
                ++i;
            }
            continue;
        }
        step(text[i++]);
    }
}

void FieldReader::step(QChar c)
{
    switch (m_state) {
    case State::AfterCr:
        m_state = State::FieldStart;
        if (c == u'\n')
            break;
        [[fallthrough]];
    case State::FieldStart:
    case State::Blanks:
        if (isBlank(c)) {
            m_state = State::Blanks;
        } else if (c == u'"') {
            m_state = State::Quoted;
        } else {
            m_state = State::Unquoted;
            endsField(c) ? endField(c) : void(m_field += c);
        }
        break;
    case State::Unquoted:
    case State::Quoted:
        break; // taken a run at a time by cut()
    case State::QuoteInQuoted:
        if (c == u'"') { // doubled: one quote of the field
            m_field += c;
            m_state = State::Quoted;
            break;
        }
        m_state = State::AfterQuoted;
        [[fallthrough]];
    case State::AfterQuoted:
        if (endsField(c))
            endField(c);
        break;
    }
}

void FieldReader::endField(QChar separator)
{
    if (m_state == State::Unquoted) {
        qsizetype end = m_field.size();
        while (end > 0 && isBlank(m_field[end - 1]))
            --end;
        m_field.truncate(end);
    }
    m_fields.append(std::exchange(m_field, {}));
    m_state = separator == u'\r' ? State::AfterCr : State::FieldStart;
}

} // namespace quibbler::vocabfile
