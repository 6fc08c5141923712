#include "output/word_table_sort.h"

#include "words/collation.h"

namespace lexicount {

void SortWordTable(WordTable& table, long lo, long hi, long start, const std::function<bool()>& progress) {
    SortByKey(
        table.Records(), lo, hi, start, [](const WordRecord& r) -> std::string_view { return r.SortKey; },
        progress);
}

}  // namespace lexicount
