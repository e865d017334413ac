#pragma once

#include "vocabulary/FieldReader.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

class QIODevice;

// The one file format of the words file, the proper-noun file and every saved
// or loaded file: each entry between double quotes on a line of its own, lines
// ended by CR LF. A double quote inside an entry is written doubled.
namespace quibbler::wordfile {

// Bytes to text: valid UTF-8 sequences are decoded as UTF-8, every byte that is
// not part of a valid sequence is read as Windows-1252, so older files load.
QString decodeText(const QByteArray& bytes);

// The UTF-8 byte order mark that a file may start with; it is not text.
bool startsWithByteOrderMark(QByteArrayView bytes);

// Decodes the bytes from p to end as decodeText does, a sequence that runs
// past end included (it is not valid), into out, which has room for as many
// units as there are bytes (no byte yields more than one unit: a four-byte
// sequence yields two). Returns the end of what was written.
QChar* decodeInto(const unsigned char* p, const unsigned char* end, QChar* out);

// Cuts a file's text into fields. A field ends at a comma or a line end (CR LF,
// a lone CR or a lone LF). A field between double quotes is read without its
// quotes, commas and line ends inside included, and a doubled quote inside it is
// one quote; text after the closing quote up to the field's end is dropped; an
// unterminated quote runs to the end of the text. Blanks and tabs around an
// unquoted field are dropped. An empty line gives an empty field; reading stops
// at the end of the text (a final line end or comma starts no new field).
QStringList readFields(QStringView text);

// The file image of a list: "entry" CR LF per entry, quotes doubled, UTF-8.
QByteArray encodeEntries(const QStringList& entries);

// Writes the whole image; an empty string when all of it went out, else the
// device's reason.
QString writeImage(QIODevice& device, const QByteArray& image);

// The outcome of a file operation; error is a sentence for the user when !ok.
struct FileResult {
    bool ok = true;
    QString error;
};

// A failure as the user is told of it: "what path: reason".
FileResult failed(const QString& what, const QString& path, const QString& reason);

// Replaces the file at path with the entries, atomically: a save that fails
// leaves the old file as it was. An existing path that is not a regular file
// (a folder, a device, a pipe) is refused.
FileResult saveEntries(const QString& path, const QStringList& entries);

// Replaces the file at path with the image as saveEntries does; a failure's
// message starts with what.
FileResult replaceFile(const QString& path, const QByteArray& image, const QString& what);

// Reads the whole file at path and cuts it into fields. On failure fields are
// left as they were; a path that is not a regular file is refused unopened.
FileResult loadFields(const QString& path, QStringList& fields);

// A file read a piece at a time, so that memory does not grow with its size.
// A path that is not a regular file is refused unopened.
class FieldFile {
public:
    explicit FieldFile(const QString& path);

    // Opened, and read without a failure so far; else error says why.
    const FileResult& result() const { return m_result; }

    // How far the reading is, in bytes of the file's size when it was opened.
    qint64 bytesRead() const { return m_read; }
    qint64 size() const { return m_size; }

    // Reads the next piece and hands each field it completes to visit (the
    // last piece completes the last field). False once the file has ended or
    // failed, or a visit has stopped the reading.
    bool readPiece(const FieldReader::Visit& visit);
    // The same, giving the fields the piece completes.
    bool readPiece(QStringList& fields);

private:
    QString m_path;
    QFile m_file;
    QByteArray m_piece; // the room a piece is read into, allocated once
    FieldReader m_reader;
    FileResult m_result;
    qint64 m_size = 0;
    qint64 m_read = 0;
    bool m_done = false;
};

// Creates the file empty when it is missing; leaves an existing file unchanged.
// A path that is not a regular file is refused unopened.
FileResult ensureExists(const QString& path);

} // namespace quibbler::wordfile
