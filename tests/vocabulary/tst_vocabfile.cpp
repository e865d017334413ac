#include "vocabulary/VocabFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <limits>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using namespace quibbler::vocabfile;

namespace {

// Takes at most `capacity` bytes in all and at most `perWrite` in one call;
// past its capacity every write fails, and with `perWrite` 0 it is stuck.
class LimitedDevice : public QIODevice {
public:
    LimitedDevice(qint64 capacity, qint64 perWrite) : m_capacity(capacity), m_perWrite(perWrite) { }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 room = m_capacity - written.size();
        if (room <= 0) {
            setErrorString(u"The test device is full"_s);
            return -1;
        }
        const qint64 taken = std::min({room, length, m_perWrite});
        if (taken == 0)
            setErrorString(u"The test device is stuck"_s);
        written.append(data, taken);
        return taken;
    }

private:
    qint64 m_capacity;
    qint64 m_perWrite;
};

QStringList manyWords(int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << u"word number %1"_s.arg(i);
    return words;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList dirEntries(const QString& dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool isFifo(const QString& path)
{
    struct stat st { };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// The kinds of path a words file must never replace or open, made in `dir`.
enum class Odd { Folder, Fifo, LinkToFifo };

QString makeOdd(const QString& dir, Odd kind)
{
    const QString path = dir + u"/odd"_s;
    switch (kind) {
    case Odd::Folder:
        if (!QDir(dir).mkdir(u"odd"_s) || !writeFile(path + u"/inside.txt"_s, "kept"))
            return {};
        break;
    case Odd::Fifo:
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            return {};
        break;
    case Odd::LinkToFifo:
        if (::mkfifo(QFile::encodeName(dir + u"/fifo"_s).constData(), 0600) != 0
            || !QFile::link(dir + u"/fifo"_s, path))
            return {};
        break;
    }
    return path;
}

bool oddIntact(const QString& path, Odd kind)
{
    const QFileInfo info(path);
    switch (kind) {
    case Odd::Folder:
        return info.isDir() && fileBytes(path + u"/inside.txt"_s) == "kept";
    case Odd::Fifo:
        return isFifo(path);
    case Odd::LinkToFifo:
        return info.isSymLink() && isFifo(info.symLinkTarget());
    }
    return false;
}

void addOddRows()
{
    QTest::addColumn<Odd>("kind");
    QTest::newRow("folder") << Odd::Folder;
    QTest::newRow("fifo") << Odd::Fifo;
    QTest::newRow("symlink to a fifo") << Odd::LinkToFifo;
}

} // namespace

Q_DECLARE_METATYPE(Odd)

class TestVocabFile : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void readFields_data();
    void readFields();
    void decodeText_data();
    void decodeText();
    void largeInputs();

    void writeEntries_data();
    void writeEntries();

    void saveReplacesFile();
    void saveThroughSymlink();
    void saveLoadRoundTrip_data() { roundTrip_data(); }
    void saveLoadRoundTrip();
    void saveRefusesOddPath_data() { addOddRows(); }
    void saveRefusesOddPath();
    void saveWriteFailureKeepsOldFile();
    void saveUnderRegularFile();

    void loadDecodesAndCuts();
    void loadFailureLeavesFields_data();
    void loadFailureLeavesFields();

    void ensureExists();
    void ensureExistsRefusesOddPath_data() { addOddRows(); }
    void ensureExistsRefusesOddPath();
};

void TestVocabFile::roundTrip_data()
{
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("empty list") << QStringList{};
    QTest::newRow("plain") << QStringList{u"Hello"_s, u"New York"_s};
    QTest::newRow("commas") << QStringList{u"a,b"_s, u","_s, u"x, y, z"_s};
    QTest::newRow("quotes") << QStringList{u"\""_s, u"\"\""_s, u"say \"hi\""_s, u"\"start"_s,
                                           u"end\""_s};
    QTest::newRow("blanks kept") << QStringList{u"  lead"_s, u"trail  "_s, u"\tboth \t"_s, u" "_s};
    QTest::newRow("non-ASCII") << QStringList{u"Zoë"_s, u"日本"_s, u"😀 grin"_s, u"café"_s,
                                              u"’”€"_s};
    QTest::newRow("empty entries") << QStringList{QString(), u"a"_s, QString()};
    QTest::newRow("line ends inside") << QStringList{u"one\r\ntwo"_s, u"cr\rlf\n"_s};
}

void TestVocabFile::roundTrip()
{
    QFETCH(QStringList, entries);
    QCOMPARE(
        quibbler::vocabfile::readFields(quibbler::vocabfile::decodeText(encodeEntries(entries))),
        entries);
}

void TestVocabFile::readFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("empty text") << QString() << QStringList{};
    QTest::newRow("two bare fields") << u"a,b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("final comma") << u"a,"_s << QStringList{u"a"_s};
    QTest::newRow("leading comma") << u",a"_s << QStringList{QString(), u"a"_s};
    QTest::newRow("comma then line end") << u"a,\r\n"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("empty line") << u"\r\n"_s << QStringList{QString()};
    QTest::newRow("file image") << u"\"Hello\"\r\n\"New York\"\r\n"_s
                                << QStringList{u"Hello"_s, u"New York"_s};
    QTest::newRow("empty line between")
        << u"\"a\"\r\n\r\n\"b\"\r\n"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("comma in quotes") << u"\"x,y\""_s << QStringList{u"x,y"_s};
    QTest::newRow("lone CRs") << u"a\rb\r"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF CR is two line ends")
        << u"a\n\rb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("mixed line ends")
        << u"a\r\nb\rc\nd"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("blanks around bare fields")
        << u" \t a b \t,  c  \r\n"_s << QStringList{u"a b"_s, u"c"_s};
    QTest::newRow("blanks before a quote") << u"  \t\"a\",b"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blanks inside quotes") << u"\" a \t\""_s << QStringList{u" a \t"_s};
    QTest::newRow("doubled quotes") << u"\"say \"\"hi\"\"\"\r\n"_s << QStringList{u"say \"hi\""_s};
    QTest::newRow("text after closing quote") << u"\"a\"xyz,b\r\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("second quote after closing")
        << u"\"a\" \"b,c\"\r\nd"_s << QStringList{u"a"_s, u"c\""_s, u"d"_s};
    QTest::newRow("line ends inside quotes")
        << u"\"a\r\nb\rc\nd\",e"_s << QStringList{u"a\r\nb\rc\nd"_s, u"e"_s};
    QTest::newRow("unterminated quote") << u"\"abc\r\ndef,g"_s << QStringList{u"abc\r\ndef,g"_s};
    QTest::newRow("quote inside bare field")
        << u"ab\"c\"d,e"_s << QStringList{u"ab\"c\"d"_s, u"e"_s};
    QTest::newRow("NUL kept") << u"a\0b\r\n\"\0\""_s << QStringList{u"a\0b"_s, u"\0"_s};
}

void TestVocabFile::readFields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QCOMPARE(quibbler::vocabfile::readFields(text), fields);
}

void TestVocabFile::decodeText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << "Hello, world\r\n"_ba << u"Hello, world\r\n"_s;
    QTest::newRow("NUL kept") << "a\0b"_ba << u"a\0b"_s;
    QTest::newRow("three-byte") << "\xE6\x97\xA5\xE6\x9C\xAC"_ba << u"日本"_s;
    QTest::newRow("four-byte") << "\xF0\x9F\x98\x80!"_ba << u"😀!"_s;
    QTest::newRow("cp1252 letter") << "caf\xE9"_ba << u"café"_s;
    QTest::newRow("cp1252 curly quotes") << "\x93hi\x94"_ba << u"“hi”"_s;
    QTest::newRow("cp1252 table") << "\x80\x92\x9F\x8A\x99"_ba << u"€’ŸŠ™"_s;
    QTest::newRow("stray continuation byte") << "a\x80"
                                                "b"_ba
                                             << u"a€b"_s;
    QTest::newRow("mixed") << "Zo\xC3\xAB caf\xE9 \xE2\x80\x94 \x96"_ba << u"Zoë café — –"_s;
    QTest::newRow("overlong two-byte") << "\xC0\xAF"_ba << u"À¯"_s;
    QTest::newRow("surrogate") << "\xED\xA0\x80"_ba << u"í\u00A0€"_s;
    QTest::newRow("above U+10FFFF") << "\xF4\x90\x80\x80"_ba << u"ô\u0090€€"_s;
    QTest::newRow("truncated at end") << "a\xE2\x82"_ba << u"aâ‚"_s;
    // The byte after the input in memory would complete the sequence.
    static const char euro[] = "a\xE2\x82\xAC";
    QTest::newRow("truncated before more memory") << QByteArray::fromRawData(euro, 3) << u"aâ‚"_s;
    QTest::newRow("cut short then valid") << "\xE2\xE2\x82\xAC"_ba << u"â€"_s;
    QTest::newRow("BOM dropped") << "\xEF\xBB\xBFhi"_ba << u"hi"_s;
}

void TestVocabFile::decodeText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(quibbler::vocabfile::decodeText(bytes), text);
}

// Sizes the program meets in big files; anything slower than linear would not
// finish in the test's time limit.
void TestVocabFile::largeInputs()
{
    const qsizetype size = 20'000'000;

    // Nine bytes to seven characters.
    const QByteArray bytes = QByteArray("caf\xE9 \xE2\x82\xAC ").repeated(size / 9);
    const QString text = quibbler::vocabfile::decodeText(bytes);
    QCOMPARE(text.size(), size / 9 * 7);
    QCOMPARE(text.last(7), u"café € "_s);

    const QStringList longLine = quibbler::vocabfile::readFields(QString(size, u'x') + u"\r\n"_s);
    QCOMPARE(longLine.size(), 1);
    QCOMPARE(longLine.first().size(), size);

    const QString quoted = u"\""_s + u"ab\"\""_s.repeated(size / 4) + u"\""_s;
    const QStringList quotedLine = quibbler::vocabfile::readFields(quoted);
    QCOMPARE(quotedLine.size(), 1);
    QCOMPARE(quotedLine.first().size(), size / 4 * 3);

    const QStringList many = quibbler::vocabfile::readFields(u"a,"_s.repeated(1'000'000));
    QCOMPARE(many.size(), 1'000'000);
    QCOMPARE(many.last(), u"a"_s);
}

void TestVocabFile::writeEntries_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<qint64>("missing"); // bytes the device lacks to take the whole image
    QTest::addColumn<qint64>("perWrite");
    QTest::addColumn<bool>("ok");

    const qint64 any = std::numeric_limits<qint64>::max();
    QTest::newRow("fits exactly") << 20 << qint64(0) << any << true;
    QTest::newRow("takes little at a time") << 300 << qint64(0) << qint64(7) << true;
    QTest::newRow("full from the start") << 3 << any << any << false;
    QTest::newRow("one byte short") << 20 << qint64(1) << any << false;
    QTest::newRow("stuck") << 20 << qint64(0) << qint64(0) << false;
}

void TestVocabFile::writeEntries()
{
    QFETCH(int, words);
    QFETCH(qint64, missing);
    QFETCH(qint64, perWrite);
    QFETCH(bool, ok);

    const QStringList entries = manyWords(words);
    const QByteArray image = encodeEntries(entries);
    LimitedDevice device(std::max<qint64>(0, image.size() - missing), perWrite);
    QVERIFY(device.open(QIODevice::WriteOnly));

    const FileResult result = quibbler::vocabfile::writeEntries(device, entries);
    QCOMPARE(result.ok, ok);
    if (result.ok) {
        QVERIFY(result.error.isEmpty());
        QCOMPARE(device.written, image);
    } else {
        QVERIFY2(result.error.contains(u"The test device is"_s), qPrintable(result.error));
    }
}

void TestVocabFile::saveReplacesFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"words.txt"_s);
    QVERIFY(writeFile(path, "\"old\"\r\n\"longer old content\"\r\n"));

    const FileResult result = saveEntries(path, {u"Hello"_s, u"New York"_s});
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(fileBytes(path), "\"Hello\"\r\n\"New York\"\r\n"_ba);
    QCOMPARE(dirEntries(dir.path()), QStringList{u"words.txt"_s});

    QVERIFY(saveEntries(path, {}).ok);
    QCOMPARE(QFileInfo(path).size(), qint64(0));
}

void TestVocabFile::saveThroughSymlink()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(u"target.txt"_s);
    const QString link = dir.filePath(u"link.txt"_s);
    QVERIFY(writeFile(target, "\"old\"\r\n"));
    QVERIFY(QFile::link(target, link));

    const FileResult result = saveEntries(link, {u"new"_s});
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(fileBytes(target), "\"new\"\r\n"_ba);
}

void TestVocabFile::saveLoadRoundTrip()
{
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"words.txt"_s);

    QVERIFY(saveEntries(path, entries).ok);
    QCOMPARE(fileBytes(path), encodeEntries(entries));
    QStringList fields{u"stale"_s};
    const FileResult result = loadFields(path, fields);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(fields, entries);
}

void TestVocabFile::saveRefusesOddPath()
{
    QFETCH(Odd, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = makeOdd(dir.path(), kind);
    QVERIFY(!path.isEmpty());

    const FileResult result = saveEntries(path, {u"word"_s});
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
    QVERIFY(oddIntact(path, kind));
}

// A file size limit makes the write fail part way, the way a full disk would.
void TestVocabFile::saveWriteFailureKeepsOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"words.txt"_s);
    const QByteArray old = "\"old\"\r\n";
    QVERIFY(writeFile(path, old));
    const QStringList entries = manyWords(20000);

    struct rlimit saved { };
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    // Nothing may report before the limit is lifted: the log could be a file.
    const FileResult result = saveEntries(path, entries);
    const int restored = ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(restored, 0);

    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
    QVERIFY2(result.error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))),
             qPrintable(result.error));
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(dirEntries(dir.path()), QStringList{u"words.txt"_s});
}

void TestVocabFile::saveUnderRegularFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString plain = dir.filePath(u"plain.txt"_s);
    QVERIFY(writeFile(plain, "plain"));
    const QString path = plain + u"/words.txt"_s;

    const FileResult result = saveEntries(path, {u"word"_s});
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
    QCOMPARE(dirEntries(dir.path()), QStringList{u"plain.txt"_s});
    QCOMPARE(fileBytes(plain), "plain"_ba);

    QVERIFY(!quibbler::vocabfile::ensureExists(path).ok);
    QCOMPARE(dirEntries(dir.path()), QStringList{u"plain.txt"_s});
}

void TestVocabFile::loadDecodesAndCuts()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"old.txt"_s);
    QVERIFY(writeFile(path, "\xEF\xBB\xBF\"caf\xE9\"\r\n\"Zo\xC3\xAB\"\n plain \r\"a,b\",c"));

    QStringList fields;
    const FileResult result = loadFields(path, fields);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(fields, (QStringList{u"café"_s, u"Zoë"_s, u"plain"_s, u"a,b"_s, u"c"_s}));
}

void TestVocabFile::loadFailureLeavesFields_data()
{
    QTest::addColumn<int>("kind"); // -1: a missing file, else an Odd

    QTest::newRow("missing") << -1;
    QTest::newRow("folder") << int(Odd::Folder);
    QTest::newRow("fifo") << int(Odd::Fifo);
    QTest::newRow("symlink to a fifo") << int(Odd::LinkToFifo);
}

void TestVocabFile::loadFailureLeavesFields()
{
    QFETCH(int, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = kind < 0 ? dir.filePath(u"missing.txt"_s) : makeOdd(dir.path(), Odd(kind));
    QVERIFY(!path.isEmpty());

    QStringList fields{u"kept"_s};
    const FileResult result = loadFields(path, fields);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
    QCOMPARE(fields, QStringList{u"kept"_s});
}

void TestVocabFile::ensureExists()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fresh = dir.filePath(u"fresh.txt"_s);
    const FileResult created = quibbler::vocabfile::ensureExists(fresh);
    QVERIFY2(created.ok, qPrintable(created.error));
    QVERIFY(QFileInfo(fresh).isFile());
    QCOMPARE(QFileInfo(fresh).size(), qint64(0));

    const QString existing = dir.filePath(u"existing.txt"_s);
    const QByteArray content = "\"a\"\r\n\"no line end\"";
    QVERIFY(writeFile(existing, content));
    QVERIFY(quibbler::vocabfile::ensureExists(existing).ok);
    QCOMPARE(fileBytes(existing), content);
}

void TestVocabFile::ensureExistsRefusesOddPath()
{
    QFETCH(Odd, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = makeOdd(dir.path(), kind);
    QVERIFY(!path.isEmpty());

    const FileResult result = quibbler::vocabfile::ensureExists(path);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
    QVERIFY(oddIntact(path, kind));
}

QTEST_GUILESS_MAIN(TestVocabFile)
#include "tst_vocabfile.moc"
