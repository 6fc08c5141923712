#pragma once

// Saved counts: the counted table of a run, before the listing passes, with
// the totals the summary needs and the settings it was counted under, in a
// versioned text format. Counts saved on several machines merge into what
// one run over all their inputs would have counted.
//
// Version 1, UTF-8 or Windows-1252 words as the text model holds them, LF
// line ends:
//   lexicount counts 1
//   encoding utf-8|windows-1252
//   setting NAME=VALUE          one line per setting that decides the words
//   common-words N HASH         the list in force (N words, FNV-1a 64 in hex)
//   instances N                 every word found, counted or not
//   outside-cp1252 N            letters the Western model could not count
//   words N
//   FREQUENCY<TAB>WORD          N lines
//   end

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/settings_record.h"
#include "words/word_lists.h"
#include "words/word_table.h"

namespace lexicount {

struct CountsFile {
    bool utf8 = false;
    std::vector<std::pair<std::string, std::string>> settings;
    std::int64_t commonWords = 0;
    std::uint64_t commonWordsHash = 0;
    std::int64_t instances = 0;
    std::int64_t outsideCp1252 = 0;
    std::vector<std::pair<std::string, std::int64_t>> words;
};

inline constexpr int kCountsVersion = 1;

// The part of a counts file that says how a count under these settings and
// lists counts: all but the totals and the words.
CountsFile CountsHeader(const SettingsRecord& settings, const CommonWords& commonWords);

// The file's text: a header, the table's words with their frequencies.
std::string CountsText(const CountsFile& header, const WordTable& table, std::int64_t instances,
                       std::int64_t outsideCp1252);

// Reads a counts file; "" or why it cannot be used (not one, another
// version, damaged or cut short). Numbers are whole, not negative and at
// most 2^53, and the words' frequencies add up to no more than the
// instances.
std::string ReadCountsFile(const std::filesystem::path& path, CountsFile& counts);

// "" when the counts were counted as a count with this header counts;
// otherwise the first difference, as "chkDropFinalS is 1 there, 0 here".
std::string CountsMismatch(const CountsFile& counts, const CountsFile& header);

}  // namespace lexicount
