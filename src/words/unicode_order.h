#pragma once

// Alphabetical order of words in any script: ICU's collator for a language
// (the root collation when none is known), equal keys by code point.

#include <string>
#include <string_view>

namespace lexicount {

struct SettingsRecord;
class WordTable;

// The language whose collation orders the words: that of the common words
// in use ("cwds_de.txt" gives "de"), "" for the root collation.
std::string UnicodeCollationLanguage(const SettingsRecord& settings);

// Gives every record the sort key of its word: the collator's key, then
// the word's bytes (UTF-8 byte order is code point order).
void SetUnicodeSortKeys(WordTable& table, std::string_view language);

}  // namespace lexicount
