#pragma once

// The output file: two hint lines for spreadsheets, an empty line, then the
// listing with spaces or commas between the columns, CR LF line ends,
// Windows-1252 bytes.

#include <filesystem>
#include <functional>
#include <string>

#include "words/post_scan.h"
#include "words/word_table.h"

namespace lexicount {

struct SettingsRecord;

// The whole content of the file for the settings' order and format.
// goOn, when given, runs after each record and returns false to stop (the
// file then keeps the lines written so far).
std::string ComposeOutputFile(const WordTable& table, const WordStatistics& stats,
                              const SettingsRecord& settings, int intMinWidth,
                              const std::function<bool()>& goOn = nullptr);

// Writes the file, replacing its contents as a whole (an interrupted write
// leaves the previous file); empty when no word is listed. "" on success,
// else the reason.
std::string WriteOutputFile(const std::filesystem::path& path, const WordTable& table,
                            const WordStatistics& stats, const SettingsRecord& settings, int intMinWidth,
                            const std::function<bool()>& goOn = nullptr);

// True when the two paths name the same file, by identity when both exist
// (links, "..", relative paths), else by their normalised absolute form.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace lexicount
