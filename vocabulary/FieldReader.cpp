#include "vocabulary/FieldReader.h"

#include "vocabulary/WordFileFormat.h"

#include <algorithm>

namespace quibbler::wordfile {

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

// How many of the bytes can be decoded now: a sequence whose lead byte is
// among the last three, and that needs more bytes than follow it, waits for
// the next piece, where it may go on. No sequence can run across the point
// this gives, as a lead byte never lies inside a sequence.
qsizetype readyBytes(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype k = std::min<qsizetype>(3, size); k >= 1; --k) {
        if (sequenceLength(static_cast<unsigned char>(bytes[size - k])) > k)
            return size - k;
    }
    return size;
}

} // namespace

FieldReader::Visit FieldReader::keep()
{
    return [this](QStringView field) {
        m_fields.append(field.toString());
        return true;
    };
}

void FieldReader::feed(QByteArrayView bytes, const Visit& visit)
{
    if (m_stopped)
        return;
    // While bytes are held they are joined a byte at a time: a few bytes at
    // most, where a sequence or the byte order mark was cut.
    while (!bytes.isEmpty() && (!m_begun || !m_held.isEmpty())) {
        m_held.append(bytes.front());
        bytes = bytes.sliced(1);
        if (!m_begun) {
            if (m_held.size() < 3)
                continue;
            if (startsWithByteOrderMark(m_held))
                m_held.clear();
            m_begun = true;
        }
        const qsizetype ready = readyBytes(m_held);
        if (!decode(QByteArrayView(m_held).first(ready), visit))
            return;
        m_held.remove(0, ready);
    }
    if (bytes.isEmpty())
        return;
    // The rest is decoded where it lies.
    const qsizetype ready = readyBytes(bytes);
    m_held = bytes.sliced(ready).toByteArray();
    decode(bytes.first(ready), visit);
}

void FieldReader::finish(const Visit& visit)
{
    if (m_stopped)
        return;
    // Fewer than three bytes, if the mark was not looked for: not a mark.
    const QByteArray rest = std::exchange(m_held, {});
    if (decode(rest, visit) && m_state != State::FieldStart && m_state != State::AfterCr)
        endField(u'\n', visit);
    m_state = State::FieldStart;
}

bool FieldReader::decode(QByteArrayView bytes, const Visit& visit)
{
    // One text for every piece: its room is allocated once.
    m_text.resize(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    m_text.truncate(decodeInto(p, p + bytes.size(), m_text.data()) - m_text.constData());
    return cut(visit);
}

bool FieldReader::cut(const Visit& visit)
{
    const QStringView text = m_text;
    const qsizetype n = text.size();
    m_copied = !m_field.isEmpty();
    m_from = m_to = 0;
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        switch (m_state) {
        case State::Unquoted: {
            // Inside a field, its text is taken a run at a time, up to the
            // next character that may end it.
            qsizetype end = i;
            while (end < n && !endsField(text[end]))
                ++end;
            take(i, end);
            i = end;
            if (i < n && !endField(text[i++], visit))
                return false;
            break;
        }
        case State::Quoted: {
            const qsizetype quote = text.indexOf(u'"', i);
            const qsizetype end = quote < 0 ? n : quote;
            take(i, end);
            i = end;
            if (quote >= 0) {
                m_state = State::QuoteInQuoted;
                ++i;
            }
            break;
        }
        case State::AfterCr:
            m_state = State::FieldStart;
            if (c == u'\n') {
                ++i;
                break;
            }
            [[fallthrough]];
        case State::FieldStart:
        case State::Blanks:
            if (isBlank(c)) {
                m_state = State::Blanks;
                ++i;
            } else if (c == u'"') {
                m_state = State::Quoted;
                ++i;
            } else {
                m_state = State::Unquoted; // its run starts here, or it is empty
            }
            break;
        case State::QuoteInQuoted:
            if (c == u'"') { // doubled: one quote of the field
                take(i, i + 1);
                m_state = State::Quoted;
                ++i;
                break;
            }
            m_state = State::AfterQuoted;
            [[fallthrough]];
        case State::AfterQuoted:
            ++i;
            if (endsField(c) && !endField(c, visit))
                return false;
            break;
        }
    }
    // The field under way goes on in the next piece, which this text's room
    // will hold: what it has so far is copied out.
    if (!m_copied)
        m_field = text.sliced(m_from, m_to - m_from).toString();
    return true;
}

void FieldReader::take(qsizetype from, qsizetype to)
{
    if (from == to)
        return;
    if (!m_copied) {
        if (m_from == m_to) {
            m_from = from;
            m_to = to;
            return;
        }
        if (m_to == from) {
            m_to = to;
            return;
        }
        m_field = QStringView(m_text).sliced(m_from, m_to - m_from).toString();
        m_copied = true;
    }
    m_field += QStringView(m_text).sliced(from, to - from);
}

bool FieldReader::endField(QChar separator, const Visit& visit)
{
    QStringView field
        = m_copied ? QStringView(m_field) : QStringView(m_text).sliced(m_from, m_to - m_from);
    if (m_state == State::Unquoted) {
        while (!field.isEmpty() && isBlank(field.back()))
            field.chop(1);
    }
    m_state = separator == u'\r' ? State::AfterCr : State::FieldStart;
    const bool going = visit(field);
    m_field.clear();
    m_copied = false;
    m_from = m_to = 0;
    m_stopped = !going;
    return going;
}

} // namespace quibbler::wordfile
