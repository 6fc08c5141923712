#include "settings/languages.h"

#include <array>
#include <stdexcept>

namespace lexicount {
namespace {

constexpr std::array<std::string_view, kLanguageCount> kNames = {
    "English",          "German", "Spanish", "Portuguese", "Italian", "French", "English and German",
    "all six languages"};

constexpr std::array<std::string_view, kLanguageCount> kFiles = {
    "cwds_en.txt", "cwds_de.txt", "cwds_es.txt",    "cwds_pt.txt",
    "cwds_it.txt", "cwds_fr.txt", "cwds_en_de.txt", "cwds_en_de_es_pt_it_fr.txt"};

constexpr std::array<std::string_view, kLanguageCount> kSelectionItems = {
    "English",          "German", "Spanish", "Portuguese", "Italian", "French", "English and German",
    "All six languages"};

}  // namespace

std::span<const std::string_view> LanguageNames() {
    return kNames;
}
std::span<const std::string_view> CommonWordsFileNames() {
    return kFiles;
}
std::span<const std::string_view> LanguageSelectionItems() {
    return kSelectionItems;
}

std::string CommonWordsFilePath(const std::filesystem::path& programFolder, int index) {
    if (index < 0 || index >= kLanguageCount) {
        throw std::out_of_range("common-words language index " + std::to_string(index));
    }
    return (programFolder / kFiles[static_cast<size_t>(index)]).string();
}

int LanguageIndexForCode(std::string_view code) {
    // Only a whole two-letter code counts: a match across an underscore
    // ("n_", "e_") names no language.
    if (code.size() == 2) {
        for (size_t pos = 0; pos + 2 <= kLanguageCodes.size(); pos += 3) {
            if (kLanguageCodes.substr(pos, 2) == code) return static_cast<int>(pos / 3);
        }
    }
    return static_cast<int>(kLanguageCodes.find(kDefaultLanguageCode) / 3);
}

std::string CommonWordsFileForCode(const std::filesystem::path& programFolder, std::string_view code) {
    return CommonWordsFilePath(programFolder, LanguageIndexForCode(code));
}

}  // namespace lexicount
