#pragma once

// The passes after the scan and the sort: which words are listed, the
// figures of the summary, and the ranks and chain in frequency order.

#include <cstdint>
#include <functional>

#include "words/word_table.h"

namespace lexicount {

struct SettingsRecord;

struct WordStatistics {
    std::int64_t lngNumWordsIncluded = 0;
    std::int64_t lngNumWordsExcluded = 0;
    std::int64_t lngNumOccurrences = 0;
    std::int64_t lngMaxFrequency = 0;
    std::int64_t lngFirstFreq = 0;
    int intMaxWordLengthFound = 0;  // in characters
    int intMaxWordWidthFound = 0;   // in columns of a fixed-pitch font
};

// Marks Roman numerals below XL and words under the frequency threshold as
// not included.
void MarkIncludedWords(WordTable& table, const SettingsRecord& settings, int intThresholdFrequency);

// unicode: words are UTF-8, measured in user-perceived characters and
// display columns; otherwise one byte is one character and one column.
WordStatistics ComputeWordStatistics(const WordTable& table, bool unicode = false);

// Ranks 1, 2, 3, ... by descending count, equal counts in table order, and
// the chain NextByFreq from lngFirstFreq. onThousand runs each time the
// chain reaches a multiple of 1000 words (the progress dots).
void BuildFrequencyChain(WordTable& table, WordStatistics& stats,
                         const std::function<void()>& onThousand = nullptr);

}  // namespace lexicount
