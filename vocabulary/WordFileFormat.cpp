#include "vocabulary/WordFileFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace quibbler::wordfile {

namespace {

constexpr qint64 kReadPieceBytes = qint64(1) << 20;
const QString kReadFailure = QStringLiteral("Could not read the words from");

// Windows-1252 for 0x80..0x9F. The five bytes the code page leaves undefined
// keep their C1 control code, so nothing in an old file is lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromCp1252(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

// The length of the well-formed UTF-8 sequence of two to four bytes at p, with
// its code point in cp; 0 when there is none. The bounds on the second byte
// shut out overlong forms, surrogates and code points above U+10FFFF.
int utf8Sequence(const unsigned char* p, const unsigned char* end, char32_t& cp)
{
    const unsigned char lead = p[0];
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    int length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (end - p < length || p[1] < low || p[1] > high)
        return 0;
    cp = (cp << 6) | (p[1] & 0x3F);
    for (int i = 2; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    return length;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool endsField(QChar c)
{
    return c == u',' || c == u'\r' || c == u'\n';
}

// Why the path cannot be used as a words file; empty when it is a regular file
// (also through a symbolic link) or does not exist. Opening a pipe would block
// and replacing a device node would destroy it, so only regular files pass.
QString whyUnusable(const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("no file name was given");
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return QStringLiteral("it is a folder, not a file");
    return QStringLiteral("it is not a regular file");
}

} // namespace

FileResult failed(const QString& what, const QString& path, const QString& reason)
{
    // Multi-argument arg() substitutes once, so a '%' in the path stays as it is.
    return {false, QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason)};
}

// A short write is followed by one for the rest: a file that hits its limit
// takes part of a block without an error, and the next write then fails with
// the reason worth showing (such as "No space left on device").
QString writeImage(QIODevice& device, const QByteArray& image)
{
    constexpr qsizetype chunk = qsizetype(1) << 16;
    for (qsizetype done = 0; done < image.size();) {
        const qint64 written
            = device.write(image.constData() + done, std::min(chunk, image.size() - done));
        if (written <= 0)
            return device.errorString();
        done += written;
    }
    return {};
}

QString decodeText(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* const end = p + bytes.size();
    if (startsWithByteOrderMark(bytes))
        p += 3;
    QString text(end - p, Qt::Uninitialized);
    text.truncate(decodeInto(p, end, text.data()) - text.constData());
    return text;
}

bool startsWithByteOrderMark(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF");
}

QChar* decodeInto(const unsigned char* p, const unsigned char* end, QChar* out)
{
    while (p < end) {
        // Text is mostly ASCII: eight bytes at a time while no high bit is set.
        for (quint64 eight = 0; end - p >= 8; p += 8, out += 8) {
            std::memcpy(&eight, p, 8);
            if (eight & 0x8080808080808080ULL)
                break;
            for (int k = 0; k < 8; ++k)
                out[k] = QChar(char16_t(p[k]));
        }
        if (p == end)
            break;
        const unsigned char byte = *p;
        if (byte < 0x80) {
            *out++ = QChar(char16_t(byte));
            ++p;
            continue;
        }
        char32_t cp = 0;
        if (const int length = utf8Sequence(p, end, cp)) {
            if (cp >= 0x10000) {
                *out++ = QChar(QChar::highSurrogate(cp));
                *out++ = QChar(QChar::lowSurrogate(cp));
            } else {
                *out++ = QChar(char16_t(cp));
            }
            p += length;
        } else {
            *out++ = QChar(fromCp1252(byte));
            ++p;
        }
    }
    return out;
}

QStringList readFields(QStringView text)
{
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        while (pos < n && isBlank(text[pos]))
            ++pos;
        if (pos < n && text[pos] == u'"') {
            QString field;
            ++pos;
            for (;;) {
                const qsizetype quote = text.indexOf(u'"', pos);
                if (quote < 0) {
                    // Unterminated: the rest of the text belongs to this field.
                    field += text.sliced(pos);
                    pos = n;
                    break;
                }
                field += text.sliced(pos, quote - pos);
                if (quote + 1 < n && text[quote + 1] == u'"') {
                    field += u'"';
                    pos = quote + 2;
                    continue;
                }
                pos = quote + 1;
                while (pos < n && !endsField(text[pos]))
                    ++pos;
                break;
            }
            fields.append(field);
        } else {
            const qsizetype start = pos;
            while (pos < n && !endsField(text[pos]))
                ++pos;
            qsizetype stop = pos;
            while (stop > start && isBlank(text[stop - 1]))
                --stop;
            fields.append(text.sliced(start, stop - start).toString());
        }
        if (pos < n) // step over the comma or line end that closed the field
            pos += (text[pos] == u'\r' && pos + 1 < n && text[pos + 1] == u'\n') ? 2 : 1;
    }
    return fields;
}

QByteArray encodeEntries(const QStringList& entries)
{
    qsizetype size = 0;
    for (const QString& entry : entries)
        size += entry.size() + 4;
    QString image;
    image.reserve(size);
    for (const QString& entry : entries) {
        image += u'"';
        if (entry.contains(u'"'))
            image += QString(entry).replace(u'"', QStringLiteral("\"\""));
        else
            image += entry;
        image += u"\"\r\n";
    }
    return image.toUtf8();
}

FileResult saveEntries(const QString& path, const QStringList& entries)
{
    return replaceFile(path, encodeEntries(entries), QStringLiteral("Could not save the words to"));
}

FileResult replaceFile(const QString& path, const QByteArray& image, const QString& what)
{
    // QSaveFile would rename its temporary file over whatever the path names,
    // a device node included, so anything but a regular file is refused first.
    if (const QString reason = whyUnusable(path); !reason.isEmpty())
        return failed(what, path, reason);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(what, path, file.errorString());
    if (const QString reason = writeImage(file, image); !reason.isEmpty()) {
        file.cancelWriting(); // the temporary file goes, the old file stays
        return failed(what, path, reason);
    }
    if (!file.commit())
        return failed(what, path, file.errorString());
    return {};
}

FileResult loadFields(const QString& path, QStringList& fields)
{
    FieldFile file(path);
    QStringList all;
    for (QStringList piece; file.readPiece(piece);)
        all += piece;
    if (file.result().ok)
        fields = std::move(all);
    return file.result();
}

FieldFile::FieldFile(const QString& path) : m_path(path), m_file(path)
{
    if (const QString reason = whyUnusable(path); !reason.isEmpty())
        m_result = failed(kReadFailure, path, reason);
    else if (!m_file.open(QIODevice::ReadOnly))
        m_result = failed(kReadFailure, path, m_file.errorString());
    else
        m_size = m_file.size();
    m_done = !m_result.ok;
}

bool FieldFile::readPiece(const FieldReader::Visit& visit)
{
    if (m_done)
        return false;
    m_piece.resize(kReadPieceBytes);
    const qint64 length = m_file.read(m_piece.data(), kReadPieceBytes);
    if (length < 0 || m_file.error() != QFileDevice::NoError) {
        m_result = failed(kReadFailure, m_path, m_file.errorString());
        m_done = true;
        return false;
    }
    m_read += length;
    if (length == 0) {
        m_reader.finish(visit);
        m_done = true;
        return true; // the last piece's fields are handed over
    }
    m_reader.feed(QByteArrayView(m_piece).first(length), visit);
    m_done = m_reader.stopped();
    return !m_done;
}

bool FieldFile::readPiece(QStringList& fields)
{
    fields.clear();
    return readPiece([&fields](QStringView field) {
        fields.append(field.toString());
        return true;
    });
}

FileResult ensureExists(const QString& path)
{
    const bool existed = QFileInfo::exists(path);
    const QString what = existed ? QStringLiteral("Could not open the file")
                                 : QStringLiteral("Could not create the file");
    if (const QString reason = whyUnusable(path); !reason.isEmpty())
        return failed(what, path, reason);
    // An existing file is only read: one the user may not write is still read.
    if (existed)
        return {};

    // Append mode creates a missing file and never truncates one made meanwhile.
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return failed(what, path, file.errorString());
    file.close();
    return {};
}

} // namespace quibbler::wordfile
