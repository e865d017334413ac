#pragma once

#include <QLocale>
#include <QString>

namespace quibbler {

// The most words an answer or a poem gets: far more than anyone reads, and the
// text still fits in a few hundred megabytes.
inline constexpr double kMaxWordsPerText = 10'000'000;

// The limit written with commas between groups of three digits, as the C
// locale writes it once told to group: the same on every machine.
inline const QString kMaxWordsMessage = [] {
    QLocale c = QLocale::c();
    c.setNumberOptions({});
    return QStringLiteral("Quibbler stopped at %1 words, the most he writes at once.")
        .arg(c.toString(static_cast<qlonglong>(kMaxWordsPerText)));
}();

} // namespace quibbler
