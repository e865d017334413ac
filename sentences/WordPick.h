#pragma once

#include <QString>

namespace quibbler {

class ListBox;

// Fills the filtered word cache with every word that passes the filters.
void rebuildWordCache(const ListBox& words, ListBox& cache, const QString& letter,
                      const QString& length);

} // namespace quibbler
