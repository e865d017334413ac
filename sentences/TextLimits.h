#pragma once

#include <QString>

namespace quibbler {

// The most words an answer or a poem gets: far more than anyone reads, and the
// text still fits in a few hundred megabytes.
inline constexpr double kMaxWordsPerText = 10'000'000;

inline const QString kMaxWordsMessage
    = QStringLiteral("Quibbler stopped at 10,000,000 words, the most he writes at once.");

} // namespace quibbler
