#pragma once

// The listing: the header and one line per listed word in the chosen order
// and display format, for the text box and the output file alike.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "words/post_scan.h"
#include "words/word_table.h"

namespace lexicount {

struct SettingsRecord;

inline constexpr int kWordsWithCommasFormat = 9;

struct ColumnWidths {
    int intRankWidth = 6;
    int intFreqWidth = 6;
    int intWordWidth = 6;
};

// Widths of the rank, frequency and word columns, each at least intMinWidth.
ColumnWidths SetColumnWidths(const WordStatistics& stats, int intMinWidth);

// How one listing pass lays its lines out.
struct LineLayout {
    ColumnWidths widths;
    int format = 0;          // cboDisplayFormat
    bool commaMode = false;  // the file pass with "Include commas in output file"
    int intMaxWordLengthFound = 0;
    bool unicode = false;  // words are UTF-8, padded by display columns
};

// The layout of a listing of the table under the settings.
LineLayout MakeLineLayout(const WordStatistics& stats, const SettingsRecord& settings, int intMinWidth);

// Column texts; record nullptr stands for the header ("Rank", "Freq", "Word").
std::string FormatRank(const LineLayout& layout, const WordRecord* record);
std::string FormatFrequency(const LineLayout& layout, const WordRecord* record);
std::string FormatWord(const LineLayout& layout, const WordRecord* record);

// The line of a record, or the header for nullptr, without its line end. In
// format 9 a record's line is its bare word and the header is empty.
std::string ComposeLine(const LineLayout& layout, const WordRecord* record);

// Calls visit(index) for every listed record: all included records in table
// order (alphabetical), or the frequency chain from lngFirstFreq. In table
// order, passOver(index) is called for each record that is not listed. Both
// return false to stop the listing.
void ForEachListedRecord(const WordTable& table, const WordStatistics& stats, int cboWordOrder,
                         const std::function<bool(std::int64_t)>& visit,
                         const std::function<bool(std::int64_t)>& passOver = nullptr);

// The explanation shown when no word qualifies.
std::string ShowNoWordsMessage(std::int64_t lngNumWords, const SettingsRecord& settings);

}  // namespace lexicount
