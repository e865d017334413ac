#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The recovery file: both lists of the store as they stood a moment ago, kept
// while words or names are unsaved. It is text in the fields of the words file.
// A header line, then records, each a line of fields, then entries:
//
//   Quibbler recovery,1
//   words,2            the next 2 entries are appended to the words
//   "apple"
//   "pear"
//   names-,0,1         1 name removed at position 0 (words- likewise)
//   end,2,0            the lists now hold 2 words and 0 names
//
// A whole image is the header, "words,N" and its entries, "names,M" and its
// entries, and "end,N,M". Later changes are appended as records closed by an
// "end" line, so an entry is written once, however often the lists change
// around it. A write cut short leaves a tail without its "end": reading stops
// at the last complete "end".
namespace quibbler::recovery {

struct StoreLists {
    QStringList words;
    QStringList names;
};

// Equal entries; an entry the lists share is not compared character by character.
bool sameEntries(const QStringList& a, const QStringList& b);
bool sameLists(const StoreLists& a, const StoreLists& b);

QByteArray image(const StoreLists& lists);

// The records that turn before into after: removals, then appends. Entries of
// after that stand in before (the same shared text, in the same order) are kept.
QByteArray changes(const StoreLists& before, const StoreLists& after);

// The lists at the last complete "end" of the file's fields; nothing when
// there is none or the header is missing.
std::optional<StoreLists> read(const QStringList& fields);

// What the recovery file on disk holds, as its writer last left it.
struct FileState {
    // Nothing: no file, or one whose content is not known (a new run, a failed write).
    std::optional<StoreLists> written;
    qint64 bytes = 0;
};

struct Update {
    FileState state;
    QString error; // a sentence for the user when a write failed
};

// Brings the file at path up to now: removed when now equals saved, else
// changes appended to what it holds, or written whole (atomically) when it is
// new, unknown or mostly outdated entries.
Update update(const QString& path, const FileState& before, const StoreLists& saved,
              const StoreLists& now);

} // namespace quibbler::recovery
