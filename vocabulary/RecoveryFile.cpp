#include "vocabulary/RecoveryFile.h"

#include "vocabulary/WordFileFormat.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace quibbler::recovery {

namespace {

const QString kHeader = QStringLiteral("Quibbler recovery");
const QString kVersion = QStringLiteral("1");

// The file may hold this much beyond twice the lists before it is written
// whole again; every byte appended is then rewritten at most once.
constexpr qint64 kSlackBytes = 1 << 20;

const QString kFailure = QStringLiteral("Could not keep a recovery copy of the words in");

bool sameEntry(const QString& a, const QString& b)
{
    return a.size() == b.size() && (a.constData() == b.constData() || a == b);
}

// The records that make list after out of list before, under its name.
QByteArray listChanges(const char* name, const QStringList& before, const QStringList& after)
{
    QByteArray records;
    qsizetype kept = 0;
    qsizetype i = 0;
    while (i < before.size()) {
        if (kept < after.size() && sameEntry(before[i], after[kept])) {
            ++i;
            ++kept;
            continue;
        }
        qsizetype run = 0;
        while (i < before.size() && !(kept < after.size() && sameEntry(before[i], after[kept]))) {
            ++i;
            ++run;
        }
        records += QByteArray(name) + "-," + QByteArray::number(kept) + ','
            + QByteArray::number(run) + "\r\n";
    }
    if (kept < after.size()) {
        records += QByteArray(name) + ',' + QByteArray::number(after.size() - kept) + "\r\n";
        records += wordfile::encodeEntries(after.sliced(kept));
    }
    return records;
}

// About what a whole image of the lists takes.
qint64 imageEstimate(const StoreLists& lists)
{
    qint64 size = 64;
    for (const QStringList* list : {&lists.words, &lists.names}) {
        for (const QString& entry : *list)
            size += entry.size() + 4;
    }
    return size;
}

QString failure(const QString& path, const QString& reason)
{
    return wordfile::failed(kFailure, path, reason).error;
}

Update writeWhole(const QString& path, const StoreLists& now)
{
    const QByteArray bytes = image(now);
    if (const wordfile::FileResult saved = wordfile::replaceFile(path, bytes, kFailure);
        !saved.ok)
        return {{}, saved.error};
    return {{now, bytes.size()}, {}};
}

Update appendChanges(const QString& path, const FileState& before, const StoreLists& now)
{
    const QByteArray bytes = changes(*before.written, now);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return {{}, failure(path, file.errorString())};
    QString reason = wordfile::writeImage(file, bytes);
    if (reason.isEmpty() && !file.flush())
        reason = file.errorString();
#ifdef Q_OS_UNIX
    // On disk before the next change is counted as kept: a power cut comes
    // without warning.
    if (reason.isEmpty() && ::fdatasync(file.handle()) != 0)
        reason = QString::fromLocal8Bit(strerror(errno));
#endif
    if (!reason.isEmpty())
        return {{}, failure(path, reason)};
    return {{now, before.bytes + bytes.size()}, {}};
}

} // namespace

bool sameEntries(const QStringList& a, const QStringList& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!sameEntry(a[i], b[i]))
            return false;
    }
    return true;
}

bool sameLists(const StoreLists& a, const StoreLists& b)
{
    return sameEntries(a.words, b.words) && sameEntries(a.names, b.names);
}

QByteArray image(const StoreLists& lists)
{
    return (kHeader + u',' + kVersion + QStringLiteral("\r\n")).toUtf8() + changes({}, lists);
}

QByteArray changes(const StoreLists& before, const StoreLists& after)
{
    return listChanges("words", before.words, after.words)
        + listChanges("names", before.names, after.names) + "end,"
        + QByteArray::number(after.words.size()) + ',' + QByteArray::number(after.names.size())
        + "\r\n";
}

std::optional<StoreLists> read(const QStringList& fields)
{
    if (fields.value(0) != kHeader || fields.value(1) != kVersion)
        return std::nullopt;
    // A count or position at field at, into number; false when there is none.
    const auto number = [&fields](qsizetype at, qsizetype& number) {
        bool ok = false;
        number = fields.value(at).toLongLong(&ok);
        return ok && number >= 0;
    };
    StoreLists lists;
    std::optional<StoreLists> complete;
    for (qsizetype i = 2; i < fields.size();) {
        const QString& op = fields[i];
        QStringList* list = op == u"words" || op == u"words-" ? &lists.words
            : op == u"names" || op == u"names-"               ? &lists.names
                                                              : nullptr;
        const bool removal = op.endsWith(u'-');
        qsizetype first = 0;
        qsizetype second = 0;
        if (list && !removal && number(i + 1, first) && first <= fields.size() - i - 2) {
            list->append(fields.sliced(i + 2, first));
            i += 2 + first;
        } else if (list && removal && number(i + 1, first) && number(i + 2, second)
                   && first + second <= list->size()) {
            list->remove(first, second);
            i += 3;
        } else if (op == u"end" && number(i + 1, first) && number(i + 2, second)
                   && first == lists.words.size() && second == lists.names.size()) {
            complete = lists;
            i += 3;
        } else {
            break; // a record cut short, or not one of ours
        }
    }
    return complete;
}

Update update(const QString& path, const FileState& before, const StoreLists& saved,
              const StoreLists& now)
{
    if (sameLists(now, saved)) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            return {before, failure(path, QStringLiteral("the file cannot be removed"))};
        return {};
    }
    if (before.written && sameLists(*before.written, now))
        return {before, {}};
    // Appended to only when the file is still the one written last.
    const bool appendable = before.written && QFileInfo(path).size() == before.bytes
        && before.bytes <= 2 * imageEstimate(now) + kSlackBytes;
    return appendable ? appendChanges(path, before, now) : writeWhole(path, now);
}

} // namespace quibbler::recovery
