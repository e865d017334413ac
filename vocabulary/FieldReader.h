#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <utility>

namespace quibbler::wordfile {

// Reads a file's fields as its bytes come, piece by piece, so that a file is
// never held whole: for any way its bytes are cut into pieces, the fields are
// readFields(decodeText(all the bytes)).
class FieldReader {
public:
    // Takes each field as soon as it is complete; the view lasts until it
    // returns. Returning false stops the reading for good.
    using Visit = std::function<bool(QStringView field)>;

    // Takes the next bytes of the file; nothing more once a visit has stopped it.
    void feed(QByteArrayView bytes, const Visit& visit);
    // The file has ended: the field under way, if any, is complete.
    void finish(const Visit& visit);
    // A visit has stopped the reading.
    bool stopped() const { return m_stopped; }

    // The same, keeping the fields for takeFields.
    void feed(QByteArrayView bytes) { feed(bytes, keep()); }
    void finish() { finish(keep()); }
    // The fields kept so far, handed over.
    QStringList takeFields() { return std::exchange(m_fields, {}); }

private:
    enum class State {
        FieldStart, // nothing of the next field seen: at the end, there is none
        Blanks, // blanks before a field
        Unquoted,
        Quoted,
        QuoteInQuoted, // a quote inside quotes: doubled, or the closing one
        AfterQuoted, // text after the closing quote, dropped
        AfterCr, // a CR ended a field; an LF right after it belongs to it
    };

    Visit keep();
    bool decode(QByteArrayView bytes, const Visit& visit);
    bool cut(const Visit& visit);
    // Adds text[from, to) to the field under way.
    void take(qsizetype from, qsizetype to);
    bool endField(QChar separator, const Visit& visit);

    // Bytes of a sequence that may go on in the next piece (or, before the
    // byte order mark was looked for, the file's first bytes).
    QByteArray m_held;
    bool m_begun = false; // the byte order mark has been looked for
    bool m_stopped = false;
    State m_state = State::FieldStart;
    QString m_text; // the piece being cut, decoded
    // The field under way: text[m_from, m_to) of this piece while it is one
    // stretch of it, else (once it spans pieces or skips a quote) m_field.
    qsizetype m_from = 0;
    qsizetype m_to = 0;
    bool m_copied = false;
    QString m_field;
    QStringList m_fields;
};

} // namespace quibbler::wordfile
