#pragma once

// The four summary labels under the list, and the short elapsed-time text.

#include <cstdint>
#include <string>
#include <vector>

#include "run/text_count.h"
#include "words/post_scan.h"

namespace lexicount {

struct SummaryLabels {
    std::string lblNumberOfWords;
    std::string lblNumWordsExcluded;
    std::string lblNumOccurrences;       // empty after a partial count
    std::string lblTotalNumOccurrences;  // empty after a partial count
};

// ignoresListedWords: words to ignore are set or common words are ignored.
SummaryLabels ComposeSummaryLabels(const WordStatistics& stats, std::int64_t lngTotalNumOccurrences,
                                   bool ignoresListedWords, bool blnPartialCount);

// 0 -> "0s", 61 -> "1m 1s", 3600 -> "1h 0m", 90061 -> "1d 1h 1m 1s".
std::string FormatElapsedTime(std::int64_t seconds);

// "Scan time: 0.123 s", as lexicount-cli --time and the unattended window
// report it.
std::string ScanTimeLine(double seconds);

// The totals of the files of a count of many: a line for the statistics
// ("3 files: 120 to 560 different words, 300 to 1,200 instances each") and
// a line for each file ("a.txt: 120 different words, 300 instances").
struct FileTotalsText {
    std::string line;
    std::vector<std::string> perFile;
};
FileTotalsText DescribeFileTotals(const std::vector<std::string>& names,
                                  const std::vector<FileTotal>& totals);

// Lines for a tool tip, which must fit a screen: the first forty, then
// "... and N more".
std::string LinesForTip(const std::vector<std::string>& lines);

}  // namespace lexicount
