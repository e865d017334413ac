// Any text gives a number, and a printed number reads back as itself.
#include "FuzzCheck.h"
#include "text/TextNumbers.h"

#include <QString>

#include <cmath>
#include <cstring>

using namespace quibbler;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           static_cast<qsizetype>(size));
    const double value = leadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));
    // Below the top of the range, where 15 digits can round past the largest double.
    if (std::isfinite(value) && std::fabs(value) < 1e308) {
        // Printing keeps 15 significant digits: what it prints reads back
        // exactly, and prints the same again.
        const QString printed = signedNumberText(value);
        const double back = leadingNumber(printed);
        FUZZ_CHECK(signedNumberText(back) == printed);
        FUZZ_CHECK(std::fabs(back - value) <= 1e-14 * std::fabs(value) || back == value);
    }

    // The raw bytes as a double, printed and read back.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw) && std::fabs(raw) >= 1e-300 && std::fabs(raw) < 1e308) {
            const double back = leadingNumber(signedNumberText(raw));
            FUZZ_CHECK(std::fabs(back - raw) <= 1e-14 * std::fabs(raw));
        }
    }
    return 0;
}
