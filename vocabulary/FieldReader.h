#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>

namespace quibbler::vocabfile {

// Reads a file's fields as its bytes come, piece by piece, so that a file is
// never held whole: for any way its bytes are cut into pieces, the fields are
// readFields(decodeText(all the bytes)).
class FieldReader {
public:
    // Takes the next bytes of the file.
    void feed(QByteArrayView bytes);
    // The file has ended: the field under way, if any, is complete.
    void finish();

    // The fields completed so far, handed over.
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

    void decode(QByteArrayView bytes);
    void cut(QStringView text);
    // One character at the edge of a field (cut() takes what lies inside).
    void step(QChar c);
    void endField(QChar separator);

    QByteArray m_held; // bytes of a sequence that may go on in the next piece
    bool m_begun = false; // the byte order mark has been looked for
    State m_state = State::FieldStart;
    QString m_field;
    QStringList m_fields;
};

} // namespace quibbler::vocabfile
