#include "output/word_table_sort.h"

#include <cstdint>
#include <numeric>

#include "words/collation.h"

namespace lexicount {

void SortWordTable(WordTable& table, long lo, long hi, long start, const std::function<bool()>& progress) {
    std::vector<WordRecord>& records = table.Records();
    // The sort moves the records' places, not the records (each holds two
    // strings); the records then move once, to the places it gave them.
    std::vector<std::uint32_t> places(records.size());
    std::iota(places.begin(), places.end(), 0U);
    SortByKey(
        places, lo, hi, start, [&records](std::uint32_t r) -> std::string_view { return records[r].SortKey; },
        progress);
    std::vector<WordRecord> sorted;
    sorted.reserve(records.size());
    for (const std::uint32_t r : places) sorted.push_back(std::move(records[r]));
    records.swap(sorted);
}

}  // namespace lexicount
