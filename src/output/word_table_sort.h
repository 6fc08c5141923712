#pragma once

#include <functional>

#include "words/word_table.h"

namespace lexicount {

// Sorts records lo..hi by SortKey from the 1-based position start. The
// table must be in ordinal word order, as a scan leaves it, since that
// order decides where records with equal keys end up. progress: as for
// SortByKey.
void SortWordTable(WordTable& table, long lo, long hi, long start,
                   const std::function<bool()>& progress = nullptr);

}  // namespace lexicount
