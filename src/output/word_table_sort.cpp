#include "output/word_table_sort.h"

#include <cstdint>
#include <numeric>

#include "words/collation.h"

namespace lexicount {

void SortWordTable(WordTable& table, long lo, long hi, long start, const std::function<bool()>& progress) {
    std::vector<WordRecord>& records = table.Records();
    // The sort moves the records' places; the records then move once.
    std::vector<std::uint32_t> places(records.size());
    std::iota(places.begin(), places.end(), 0U);
    SortByKey(
        places, lo, hi, start, [&records](std::uint32_t r) -> std::string_view { return records[r].SortKey; },
        progress);
    ArrangeRecords(records, places);
}

}  // namespace lexicount
