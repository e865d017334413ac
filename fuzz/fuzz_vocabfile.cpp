// Any bytes read as a vocabulary file give fields that are written and read
// back unchanged.
#include "FuzzCheck.h"
#include "vocabulary/VocabFile.h"

#include <QByteArray>

using namespace quibbler::vocabfile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = decodeText(bytes);
    FUZZ_CHECK(text.isValidUtf16());
    const QStringList fields = readFields(text);
    FUZZ_CHECK(readFields(decodeText(encodeEntries(fields))) == fields);
    return 0;
}
