#pragma once

// The languages whose common words ship with the program: their names, the
// common-words file of each, and the language codes a document may declare.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace lexicount {

inline constexpr int kLanguageCount = 8;

// Indexes 0..7 of the two parallel tables.
std::span<const std::string_view> LanguageNames();
std::span<const std::string_view> CommonWordsFileNames();
// The item texts of the language selection window ("All six languages"
// capitalised, as it starts a list item).
std::span<const std::string_view> LanguageSelectionItems();

// The codes a document may declare; the code at 0-based offset 3 * i
// belongs to index i (0..5).
inline constexpr std::string_view kLanguageCodes = "en_de_es_pt_it_fr";
inline constexpr std::string_view kDefaultLanguageCode = "en";

// Program folder + the file of a table index. Throws std::out_of_range for
// an index outside 0..7.
std::string CommonWordsFilePath(const std::filesystem::path& programFolder, int index);

// Table index for a document's language code; a code that is not one of the
// six gives the index of the default code (English).
int LanguageIndexForCode(std::string_view code);

// The common-words file of a document's language code.
std::string CommonWordsFileForCode(const std::filesystem::path& programFolder, std::string_view code);

}  // namespace lexicount
