// Any bytes read as a vocabulary file give fields that are written and read
// back unchanged, and the same fields when read in pieces.
#include "FuzzCheck.h"
#include "vocabulary/FieldReader.h"
#include "vocabulary/WordFileFormat.h"

#include <QByteArray>

using namespace quibbler::wordfile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = decodeText(bytes);
    FUZZ_CHECK(text.isValidUtf16());
    const QStringList fields = readFields(text);
    FUZZ_CHECK(readFields(decodeText(encodeEntries(fields))) == fields);

    // Pieces whose lengths the first bytes choose: 1 to 8 bytes, then the rest.
    FieldReader reader;
    qsizetype at = 0;
    for (qsizetype i = 0; i < qMin<qsizetype>(bytes.size(), 8) && at < bytes.size(); ++i) {
        const qsizetype length
            = qMin<qsizetype>(1 + static_cast<uchar>(bytes[i]) % 8, bytes.size() - at);
        reader.feed(QByteArrayView(bytes).sliced(at, length));
        at += length;
    }
    reader.feed(QByteArrayView(bytes).sliced(at));
    reader.finish();
    FUZZ_CHECK(reader.takeFields() == fields);
    return 0;
}
