#include "support/TestCommon.h"
#include "vocabulary/VocabFile.h"

#include <QDirIterator>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace quibbler::vocabfile;

// Takes up to `perWrite` bytes a call and `room` in all, then fails; with `perWrite` 0 it is stuck.
class LimitedDevice : public QIODevice {
public:
    LimitedDevice(qint64 r, qint64 p) : room(r), perWrite(p) { open(WriteOnly); }
    const qint64 room, perWrite;
    QByteArray written;

    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 left = room - written.size();
        const qint64 taken = left <= 0 ? -1 : std::min({left, length, perWrite});
        if (taken <= 0)
            setErrorString(taken < 0 ? u"test device full"_s : u"test device stuck"_s);
        written.append(data, std::max<qint64>(taken, 0));
        return taken;
    }
};

// Everything under dir, each with its kind, identity and (for files) content.
static QStringList snapshot(const QString& dir)
{
    QStringList nodes;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st { };
        ::lstat(QFile::encodeName(path).constData(), &st);
        nodes << u"%1 %2 %3 "_s.arg(path).arg(st.st_mode).arg(st.st_ino)
                + (S_ISREG(st.st_mode) ? QString::fromLatin1(readFile(path)) : QString());
    }
    nodes.sort();
    return nodes;
}

// clang-format off
const struct { const char* tag; QString text; QStringList fields; } kFields[] = {
    {"blanks", u" \t a b \t,  \t\" a \t\",c"_s, {u"a b"_s, u" a \t"_s, u"c"_s}},
    {"commas and line ends", u"a,\r\n,b,"_s, {u"a"_s, QString(), QString(), u"b"_s}},
    {"line ends", u"a\rb\nc\r\nd\n\re\r"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, {}, u"e"_s}},
    {"inside quotes", u"\"\"\"x,\r\nb\rc\nd\"\"\",e"_s, {u"\"x,\r\nb\rc\nd\""_s, u"e"_s}},
    {"text after closing quote", u"\"a\"x \"b,c\"\r\nd"_s, {u"a"_s, u"c\""_s, u"d"_s}},
    {"quote inside bare field", u"ab\"c\"d,e"_s, {u"ab\"c\"d"_s, u"e"_s}},
    {"unterminated quote", u"a,\"bc\r\nd,e"_s, {u"a"_s, u"bc\r\nd,e"_s}},
    {"NUL kept", u"a\0b\r\n\"\0\""_s, {u"a\0b"_s, u"\0"_s}},
};

const char kCut[] = "\xE2\xE2\x82\xAC a\xE2\x82\xAC"; // the last byte is past the end
const struct { const char* tag; QByteArray bytes; QString text; } kDecoded[] = {
    {"UTF-8", "Zo\xC3\xAB \xE6\x97\xA5 \xF0\x9F\x98\x80!"_ba, u"Zoë 日 😀!"_s},
    {"BOM, cp1252", "\xEF\xBB\xBF\x80\x92\x9F caf\xE9"_ba, u"€’Ÿ café"_s},
    {"ill-formed", "\xC0\xAF \xE0\x80\xAF \xF0\x80\x80\xAF \xED\xA0\x80 \xF4\x90\x80\x80 "
                   "\xF5\x80\x80\x80 \xE2\x82!"_ba,
     u"À¯ à€¯ ð€€¯ í\u00A0€ ô\u0090€€ õ€€€ â‚!"_s},
    {"cut short", QByteArray::fromRawData(kCut, 8), u"â€ aâ‚"_s},
};
// clang-format on

class TestVocabFile : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }

    void cutsFields_data() { addRows(kFields); }
    void cutsFields()
    {
        const auto& [tag, text, fields] = rowOf(kFields);
        QCOMPARE(readFields(text), fields);
    }

    void decodesText_data() { addRows(kDecoded); }
    void decodesText()
    {
        const auto& [tag, bytes, text] = rowOf(kDecoded);
        QCOMPARE(decodeText(bytes), text);
    }

    // A device that takes less than the whole image, or nothing, fails the write.
    void writesEntries()
    {
        const QStringList entries(10'000, u"a word"_s); // more than one block
        const QByteArray image = encodeEntries(entries);
        for (const auto& [missing, perWrite] :
             {std::pair{0, 1 << 30}, {0, 7}, {1, 1 << 30}, {0, 0}}) {
            LimitedDevice device(image.size() - missing, perWrite);
            const FileResult result = writeEntries(device, entries);
            const bool ok = missing == 0 && perWrite > 0;
            QVERIFY2(result.ok == ok
                         && (ok ? result.error.isEmpty() && device.written == image
                                : result.error.contains(u"test device"_s)),
                     qPrintable(result.error));
        }
    }

    void saveLoadAndEnsure()
    {
        const QString file = path(u"words.txt"_s);
        const QByteArray old = "\xEF\xBB\xBF\"caf\xE9\"\r\n\"Zo\xC3\xAB\"\n plain \r\"a,b\",c";
        writeFile(file, old);
        QStringList fields;
        QVERIFY(loadFields(file, fields).ok);
        QCOMPARE(fields, (QStringList{u"café"_s, u"Zoë"_s, u"plain"_s, u"a,b"_s, u"c"_s}));
        QVERIFY(ensureExists(file).ok);
        QCOMPARE(readFile(file), old);

        QVERIFY(saveEntries(file, {u"Hello"_s, u"New York"_s}).ok);
        QCOMPARE(readFile(file), "\"Hello\"\r\n\"New York\"\r\n"_ba);
        QCOMPARE(snapshot(m_dir->path()).size(), 1);

        // clang-format off
        const QStringList awkward{{}, u"a,b"_s, u"say \"hi\""_s, u"\"start"_s, u"end\""_s,
            u"\tboth \t"_s, u"Zoë 日本 😀 ’”€"_s, u"one\r\ntwo"_s, u"cr\rlf\n\0"_s, {}};
        // clang-format on
        QVERIFY(saveEntries(file, awkward).ok);
        QCOMPARE(readFile(file), encodeEntries(awkward));
        QVERIFY(loadFields(file, fields).ok);
        QCOMPARE(fields, awkward);
        QVERIFY(saveEntries(file, {}).ok && loadFields(file, fields).ok && fields.isEmpty());
        QCOMPARE(readFile(file), QByteArray());

        // A symbolic link to a regular file is followed, and stays a link.
        const QString link = path(u"link.txt"_s);
        QVERIFY(QFile::link(file, link));
        QVERIFY(saveEntries(link, {u"new"_s}).ok && QFileInfo(link).isSymLink());
        QVERIFY(loadFields(link, fields).ok && ensureExists(link).ok);
        QCOMPARE(fields, QStringList{u"new"_s});
        QCOMPARE(readFile(file), "\"new\"\r\n"_ba);

        QVERIFY(ensureExists(path(u"fresh.txt"_s)).ok);
        QCOMPARE(readFile(path(u"fresh.txt"_s)), QByteArray());
    }

    // A file size limit makes the write fail part way, the way a full disk would.
    void saveWriteFailureKeepsOldFile()
    {
        const QString file = path(u"words.txt"_s);
        writeFile(file, "\"old\"\r\n");
        const QStringList before = snapshot(m_dir->path());

        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit limited{4096, saved.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        // Nothing may report before the limit is lifted: the log could be a file.
        const FileResult result = saveEntries(file, QStringList(20'000, u"some filler"_s));
        const int restored = ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(restored, 0);

        QVERIFY2(!result.ok && result.error.contains(QDir::toNativeSeparators(file))
                     && result.error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))),
                 qPrintable(result.error));
        QCOMPARE(snapshot(m_dir->path()), before);
    }

    // Paths that are not regular files are refused, and nothing on disk changes.
    void refusesOddPath_data()
    {
        QTest::addColumn<QByteArray>("op");
        QTest::addColumn<QByteArray>("kind");
        for (const char* op : {"save", "load", "ensureExists"})
            for (const char* kind : {"folder", "fifo", "link to a fifo", "under a file", "missing"})
                if (qstrcmp(kind, "missing") != 0 || qstrcmp(op, "load") == 0)
                    QTest::addRow("%s, %s", op, kind) << QByteArray(op) << QByteArray(kind);
    }

    void refusesOddPath()
    {
        QFETCH(QByteArray, op);
        QFETCH(QByteArray, kind);
        const QString odd = path(kind == "fifo" ? u"fifo"_s : u"odd"_s)
            + (kind == "under a file" ? u"/words.txt"_s : QString());
        if (kind == "folder") {
            QVERIFY(QDir(m_dir->path()).mkdir(u"odd"_s));
            writeFile(odd + u"/in.txt"_s, "kept");
        }
        if (kind.contains("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600), 0);
        if (kind == "link to a fifo")
            QVERIFY(QFile::link(path(u"fifo"_s), odd));
        if (kind == "under a file")
            writeFile(path(u"odd"_s), "plain");
        const QStringList before = snapshot(m_dir->path());

        QStringList fields{u"kept"_s};
        const FileResult result = op == "save" ? saveEntries(odd, {u"word"_s})
            : op == "load"                     ? loadFields(odd, fields)
                                               : ensureExists(odd);
        QVERIFY2(!result.ok && result.error.contains(QDir::toNativeSeparators(odd)),
                 qPrintable(result.error));
        QCOMPARE(fields, QStringList{u"kept"_s});
        QCOMPARE(snapshot(m_dir->path()), before);
    }
};

QTEST_GUILESS_MAIN(TestVocabFile)
#include "tst_vocabfile.moc"
