#pragma once

#include <QStringList>
#include <QStringView>

#include <vector>

namespace quibbler {

// Where each entry of a list first stands, its text compared once both are
// upper-cased: one look-up instead of a walk of the list.
//
// Looking a word up costs a trip to memory or two, and learning a text is
// mostly look-ups; so a slot holds a short ASCII text upper-cased beside its
// hash, and most words are told apart or matched without reaching the
// entry's own text. Longer or other texts are compared with the list's entry.
class CaselessIndex {
    static constexpr int kShort = 8;

public:
    // A text as the index compares it.
    struct Key {
        explicit Key(QStringView text);
        quint32 hash; // always set by the constructor
        qint8 length = -1; // of the text held upper-cased in upper; -1 when not held
        char upper[kShort] = {}; // ASCII, upper-cased
    };

    void clear();
    // Room for this many entries, so that a batch is indexed without regrowing.
    void reserve(qsizetype count);

    // The first indexed position whose entry equals the text ignoring case, or -1.
    int find(QStringView text, const QStringList& entries) const
    {
        return find(Key(text), text, entries);
    }
    // The same, with the text's key made beforehand.
    int find(const Key& key, QStringView text, const QStringList& entries) const;
    // Starts bringing in the memory a look-up of the key will read first, so
    // that other work can go on meanwhile: the index is larger than the
    // processor's nearer caches once a list holds tens of thousands of entries.
    void prefetch(const Key& key) const
    {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[size_t(home(key.hash))]);
    }
    // Indexes entries[position], the entry after every one indexed so far,
    // unless an equal entry stands before it.
    void add(const QStringList& entries, int position);
    // Un-indexes entries[position], the last entry indexed, which is about to
    // be removed from the list.
    void removeLast(const QStringList& entries, int position);

private:
    // Sixteen bytes, four to a cache line: a look-up mostly reads one line.
    struct Slot {
        quint32 hash = 0;
        qint16 position = -1; // -1: an empty slot; a list holds at most 32767 entries
        qint8 length = -1;
        char upper[kShort] = {};
    };
    static_assert(sizeof(Slot) == 16);

    qsizetype home(quint32 hash) const
    {
        // Fibonacci hashing: the top bits of the product spread any hash evenly.
        return qsizetype(quint32(hash * 0x9E3779B9U) >> m_shift);
    }
    bool matches(const Slot& slot, const Key& key, QStringView text,
                 const QStringList& entries) const;
    void grow(size_t size);

    std::vector<Slot> m_slots; // a power of two of them, at most half used
    qsizetype m_used = 0;
    int m_shift = 32;
};

} // namespace quibbler
