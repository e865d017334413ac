#include "controls/CaselessIndex.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <cstring>

namespace quibbler {

namespace {

constexpr bool isAscii(char16_t c)
{
    return c < 0x80;
}

// ASCII letters upper-cased; QString::toUpper's full rules for the rest.
constexpr char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return isAscii(c.unicode()); });
}

// FNV-1a over the upper-cased characters, whichever way they were upper-cased.
struct UpperHash {
    quint64 value = 0xCBF29CE484222325ULL;
    void add(char16_t c) { value = (value ^ c) * 0x100000001B3ULL; }
    quint32 folded() const { return quint32(value ^ (value >> 32)); }
};

bool equalIgnoringCase(QStringView a, QStringView b)
{
    if (a.size() == b.size()) {
        // ASCII a character at a time, up to the first character beyond it.
        qsizetype i = 0;
        for (; i < a.size(); ++i) {
            const char16_t x = a[i].unicode();
            const char16_t y = b[i].unicode();
            if (!isAscii(x) || !isAscii(y))
                break;
            if (asciiUpper(x) != asciiUpper(y))
                return false;
        }
        if (i == a.size())
            return true;
    } else if (isAscii(a) && isAscii(b)) {
        return false;
    }
    // Upper-casing may change the length: "straße" is "STRASSE".
    return a.toString().toUpper() == b.toString().toUpper();
}

} // namespace

CaselessIndex::Key::Key(QStringView text)
{
    UpperHash h;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!isAscii(c)) {
            h = {};
            for (const QChar upperC : text.toString().toUpper())
                h.add(upperC.unicode());
            hash = h.folded();
            return;
        }
        const char16_t upperC = asciiUpper(c);
        if (i < kShort)
            upper[i] = char(upperC);
        h.add(upperC);
    }
    hash = h.folded();
    if (text.size() <= kShort)
        length = qint8(text.size());
}

void CaselessIndex::clear()
{
    m_slots = {};
    m_used = 0;
    m_shift = 32;
}

void CaselessIndex::reserve(qsizetype count)
{
    if (qsizetype(m_slots.size()) < 2 * count)
        grow(std::bit_ceil(size_t(2 * count)));
}

bool CaselessIndex::matches(const Slot& slot, const Key& key, QStringView text,
                            const QStringList& entries) const
{
    if (slot.hash != key.hash)
        return false;
    if (slot.length >= 0 && key.length >= 0)
        return slot.length == key.length
            && std::memcmp(slot.upper, key.upper, sizeof slot.upper) == 0;
    return equalIgnoringCase(entries.at(slot.position), text);
}

int CaselessIndex::find(const Key& key, QStringView text, const QStringList& entries) const
{
    if (m_used == 0)
        return -1;
    const qsizetype mask = qsizetype(m_slots.size()) - 1;
    for (qsizetype i = home(key.hash);; i = (i + 1) & mask) {
        const Slot& slot = m_slots[size_t(i)];
        if (slot.position < 0)
            return -1;
        if (matches(slot, key, text, entries))
            return slot.position;
    }
}

void CaselessIndex::add(const QStringList& entries, int position)
{
    if (2 * (m_used + 1) > qsizetype(m_slots.size()))
        grow(std::max<size_t>(16, 2 * m_slots.size()));
    const QStringView text = entries.at(position);
    const Key key(text);
    const qsizetype mask = qsizetype(m_slots.size()) - 1;
    qsizetype i = home(key.hash);
    for (; m_slots[size_t(i)].position >= 0; i = (i + 1) & mask) {
        if (matches(m_slots[size_t(i)], key, text, entries))
            return; // the first of equal entries stays
    }
    Slot& slot = m_slots[size_t(i)];
    slot.hash = key.hash;
    slot.position = qint16(position);
    slot.length = key.length;
    std::copy(std::begin(key.upper), std::end(key.upper), std::begin(slot.upper));
    ++m_used;
}

void CaselessIndex::removeLast(const QStringList& entries, int position)
{
    if (m_used == 0)
        return;
    const quint32 hash = Key(entries.at(position)).hash;
    const qsizetype mask = qsizetype(m_slots.size()) - 1;
    qsizetype hole = home(hash);
    for (;; hole = (hole + 1) & mask) {
        const Slot& slot = m_slots[size_t(hole)];
        if (slot.position < 0)
            return; // an equal entry stands before it: it was never indexed
        if (slot.position == position)
            break;
    }
    // Later slots of the run move back over the hole when their home allows,
    // so that every look-up still finds its slot without crossing an empty one.
    for (qsizetype next = (hole + 1) & mask; m_slots[size_t(next)].position >= 0;
         next = (next + 1) & mask) {
        const qsizetype from = home(m_slots[size_t(next)].hash);
        // Movable unless its home lies cyclically in (hole, next].
        const bool homeAfterHole
            = hole <= next ? from > hole && from <= next : from > hole || from <= next;
        if (!homeAfterHole) {
            m_slots[size_t(hole)] = m_slots[size_t(next)];
            hole = next;
        }
    }
    m_slots[size_t(hole)] = Slot{};
    --m_used;
}

void CaselessIndex::grow(size_t size)
{
    std::vector<Slot> old(size);
    old.swap(m_slots);
    m_shift = 32 - std::countr_zero(m_slots.size());
    const qsizetype mask = qsizetype(m_slots.size()) - 1;
    for (const Slot& slot : old) {
        if (slot.position < 0)
            continue;
        qsizetype i = home(slot.hash);
        while (m_slots[size_t(i)].position >= 0)
            i = (i + 1) & mask;
        m_slots[size_t(i)] = slot;
    }
}

} // namespace quibbler
