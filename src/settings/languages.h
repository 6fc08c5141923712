#pragma once

// The languages whose common words ship with the program: their names, the
// common-words file of each, and the language codes a document may declare.
// Indexes 0..7 are the original six languages and their two combinations;
// the languages after them were added with the Unicode text model.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexicount {

inline constexpr int kLanguageCount = 23;
// The original tables: the six languages and their two combined lists.
inline constexpr int kOriginalLanguageCount = 8;

struct Language {
    std::string_view name;           // "English", "all six languages"
    std::string_view selectionItem;  // as the language window lists it
    std::string_view file;           // "cwds_en.txt"
    std::string_view code;           // "en"; "" for a combined list
    bool western;                    // the list is Windows-1252, so it serves Western text too
};

std::span<const Language> Languages();
// Indexes 0..7 of the original parallel tables.
std::span<const std::string_view> LanguageNames();
std::span<const std::string_view> CommonWordsFileNames();
// The item texts of the language selection window ("All six languages"
// capitalised, as it starts a list item).
std::span<const std::string_view> LanguageSelectionItems();

// The languages the selection window offers, by index: the lists of other
// scripts only under the Unicode text model.
std::vector<int> OfferedLanguages(bool unicodeWords);

// The codes a document may declare; the code at 0-based offset 3 * i
// belongs to index i (0..5).
inline constexpr std::string_view kLanguageCodes = "en_de_es_pt_it_fr";
inline constexpr std::string_view kDefaultLanguageCode = "en";
// The codes a document may declare under the Unicode text model: every
// language with a list of its own.
std::string UnicodeLanguageCodes();

// Program folder + the file of a table index. Throws std::out_of_range for
// an index outside 0..kLanguageCount - 1.
std::string CommonWordsFilePath(const std::filesystem::path& programFolder, int index);

// Table index for a language code ("no" for Norwegian also as "nb" and
// "nn"); a code that is not one of the six gives the index of the default
// code (English), unless unicodeWords admits the languages added since.
int LanguageIndexForCode(std::string_view code, bool unicodeWords = false);

// The common-words file of a document's language code.
std::string CommonWordsFileForCode(const std::filesystem::path& programFolder, std::string_view code,
                                   bool unicodeWords = false);

}  // namespace lexicount
