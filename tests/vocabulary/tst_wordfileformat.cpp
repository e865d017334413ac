#include "support/TestCommon.h"
#include "vocabulary/WordFileFormat.h"

#include <QDirIterator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace quibbler::wordfile;

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
const char kCut[] = "\xE2\xE2\x82\xAC a\xE2\x82\xAC"; // the last byte is past the end
// File bytes and the fields they hold, as decoded and then cut.
const struct { const char* tag; QByteArray bytes; QStringList fields; } kFields[] = {
    {"blanks", " \t a b \t,  \t\" a \t\",c"_ba, {u"a b"_s, u" a \t"_s, u"c"_s}},
    {"commas and line ends", "a,\r\n,b,"_ba, {u"a"_s, QString(), QString(), u"b"_s}},
    {"line ends", "a\rb\nc\r\nd\n\re\r"_ba, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, {}, u"e"_s}},
    {"inside quotes", "\"\"\"x,\r\nb\rc\nd\"\"\",e"_ba, {u"\"x,\r\nb\rc\nd\""_s, u"e"_s}},
    {"text after closing quote", "\"a\"x \"b,c\"\r\nd"_ba, {u"a"_s, u"c\""_s, u"d"_s}},
    {"quote inside bare field", "ab\"c\"d,e"_ba, {u"ab\"c\"d"_s, u"e"_s}},
    {"unterminated quote", "a,\"bc\r\nd,e"_ba, {u"a"_s, u"bc\r\nd,e"_s}},
    {"NUL kept", "a\0b\r\n\"\0\""_ba, {u"a\0b"_s, u"\0"_s}},
    {"UTF-8", "Zo\xC3\xAB \xE6\x97\xA5 \xF0\x9F\x98\x80!"_ba, {u"Zoë 日 😀!"_s}},
    {"BOM, cp1252", "\xEF\xBB\xBF\x80\x92\x9F caf\xE9"_ba, {u"€’Ÿ café"_s}},
    {"ill-formed", "\xC0\xAF \xE0\x80\xAF \xF0\x80\x80\xAF \xED\xA0\x80 \xF4\x90\x80\x80 "
                   "\xF5\x80\x80\x80 \xE2\x82!"_ba,
     {u"À¯ à€¯ ð€€¯ í\u00A0€ ô\u0090€€ õ€€€ â‚!"_s}},
    {"cut short", QByteArray::fromRawData(kCut, 8), {u"â€ aâ‚"_s}}, {"BOM alone", "\xEF\xBB\xBF"_ba, {}},
};

// clang-format on

class TestWordFileFormat : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }

    void readsFields_data() { addRows(kFields); }
    void readsFields()
    {
        const auto& [tag, bytes, fields] = rowOf(kFields);
        QCOMPARE(readFields(decodeText(bytes)), fields);
    }

    void savesAndLoadsEveryEntry()
    {
        const QString file = path(u"words.txt"_s);
        // clang-format off
        const QStringList awkward{{}, u"a,b"_s, u"say \"hi\""_s, u"\"start"_s, u"end\""_s,
            u"\tboth \t"_s, u"Zoë 日本 😀 ’”€"_s, u"one\r\ntwo"_s, u"cr\rlf\n\0"_s, {}};
        const QByteArray image = "\"\"\r\n\"a,b\"\r\n\"say \"\"hi\"\"\"\r\n\"\"\"start\"\r\n\"end\"\"\"\r\n"
            "\"\tboth \t\"\r\n\"Zoë 日本 😀 ’”€\"\r\n\"one\r\ntwo\"\r\n\"cr\rlf\n\0\"\r\n\"\"\r\n"_ba;
        // clang-format on
        QVERIFY(saveEntries(file, awkward).ok);
        QCOMPARE(readFile(file), image);
        QCOMPARE(snapshot(m_dir->path()).size(), 1); // no temporary file left behind
        QStringList fields;
        QVERIFY(loadFields(file, fields).ok);
        QCOMPARE(fields, awkward);
        QVERIFY(saveEntries(file, {}).ok);
        QCOMPARE(readFile(file), QByteArray());
    }

    // A file size limit makes the write fail part way, the way a full disk would.
    // A file is read a piece at a time, and reading stops, for good, at the
    // piece where a field said stop: nothing more is read or handed over.
    void readingStopsWhereAFieldSaysSo_data()
    {
        QTest::addColumn<int>("stopAt"); // the field that says stop; 0: none
        QTest::addColumn<QStringList>("handed");
        QTest::addColumn<qint64>("read");
        QTest::newRow("none") << 0 << QStringList{"a", "b", "c"} << qint64(3'000'006);
        QTest::newRow("first") << 1 << QStringList{"a"} << qint64(1 << 20);
        QTest::newRow("second") << 2 << QStringList{"a", "b"} << qint64(2 << 20);
        QTest::newRow("last") << 3 << QStringList{"a", "b", "c"} << qint64(3'000'006);
    }
    void readingStopsWhereAFieldSaysSo()
    {
        QFETCH(int, stopAt);
        QFETCH(QStringList, handed);
        QFETCH(qint64, read);
        // Three fields of a million bytes: each ends in a piece of 1 MB of its own.
        QByteArray bytes;
        for (const char letter : {'a', 'b', 'c'})
            bytes += letter + QByteArray(999'999, ' ') + "\r\n";
        writeFile(path("big.txt"), bytes);
        FieldFile file(path("big.txt"));
        QStringList seen;
        const auto visit = [&](QStringView field) {
            seen.append(field.toString());
            return seen.size() != stopAt;
        };
        while (file.readPiece(visit)) { }
        QCOMPARE(file.readPiece(visit), false);
        QCOMPARE(seen, handed);
        QCOMPARE(file.bytesRead(), read);
        QCOMPARE(file.size(), qint64(bytes.size()));
        QVERIFY(file.result().ok);
    }

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
            for (const char* kind : {"folder", "fifo", "link to a fifo", "missing"})
                if (qstrcmp(kind, "missing") != 0 || qstrcmp(op, "load") == 0)
                    QTest::addRow("%s, %s", op, kind) << QByteArray(op) << QByteArray(kind);
    }

    void refusesOddPath()
    {
        QFETCH(QByteArray, op);
        QFETCH(QByteArray, kind);
        const QString odd = path(kind == "fifo" ? u"fifo"_s : u"odd"_s);
        if (kind == "folder") {
            QVERIFY(QDir(m_dir->path()).mkdir(u"odd"_s));
            writeFile(odd + u"/in.txt"_s, "kept");
        }
        if (kind.contains("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600), 0);
        if (kind == "link to a fifo")
            QVERIFY(QFile::link(path(u"fifo"_s), odd));
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

QTEST_GUILESS_MAIN(TestWordFileFormat)
#include "tst_wordfileformat.moc"
