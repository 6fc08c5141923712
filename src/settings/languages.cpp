#include "settings/languages.h"

#include <array>
#include <stdexcept>

namespace lexicount {
namespace {

constexpr std::array<Language, kLanguageCount> kLanguages = {{
    {"English", "English", "cwds_en.txt", "en", true},
    {"German", "German", "cwds_de.txt", "de", true},
    {"Spanish", "Spanish", "cwds_es.txt", "es", true},
    {"Portuguese", "Portuguese", "cwds_pt.txt", "pt", true},
    {"Italian", "Italian", "cwds_it.txt", "it", true},
    {"French", "French", "cwds_fr.txt", "fr", true},
    {"English and German", "English and German", "cwds_en_de.txt", "", true},
    {"all six languages", "All six languages", "cwds_en_de_es_pt_it_fr.txt", "", true},
    {"Chinese", "Chinese", "cwds_zh.txt", "zh", false},
    {"Czech", "Czech", "cwds_cs.txt", "cs", false},
    {"Danish", "Danish", "cwds_da.txt", "da", true},
    {"Dutch", "Dutch", "cwds_nl.txt", "nl", true},
    {"Finnish", "Finnish", "cwds_fi.txt", "fi", true},
    {"Greek", "Greek", "cwds_el.txt", "el", false},
    {"Hungarian", "Hungarian", "cwds_hu.txt", "hu", true},
    {"Japanese", "Japanese", "cwds_ja.txt", "ja", false},
    {"Norwegian", "Norwegian", "cwds_no.txt", "no", true},
    {"Polish", "Polish", "cwds_pl.txt", "pl", false},
    {"Romanian", "Romanian", "cwds_ro.txt", "ro", false},
    {"Russian", "Russian", "cwds_ru.txt", "ru", false},
    {"Swedish", "Swedish", "cwds_sv.txt", "sv", true},
    {"Turkish", "Turkish", "cwds_tr.txt", "tr", false},
    {"Ukrainian", "Ukrainian", "cwds_uk.txt", "uk", false},
}};

template <std::string_view Language::*Field>
constexpr std::array<std::string_view, kOriginalLanguageCount> OriginalColumn() {
    std::array<std::string_view, kOriginalLanguageCount> column{};
    for (size_t i = 0; i < column.size(); ++i) column[i] = kLanguages[i].*Field;
    return column;
}

constexpr auto kNames = OriginalColumn<&Language::name>();
constexpr auto kFiles = OriginalColumn<&Language::file>();
constexpr auto kSelectionItems = OriginalColumn<&Language::selectionItem>();

// Norwegian documents declare their written standard.
std::string_view CanonicalCode(std::string_view code) {
    return code == "nb" || code == "nn" ? "no" : code;
}

}  // namespace

std::span<const Language> Languages() {
    return kLanguages;
}
std::span<const std::string_view> LanguageNames() {
    return kNames;
}
std::span<const std::string_view> CommonWordsFileNames() {
    return kFiles;
}
std::span<const std::string_view> LanguageSelectionItems() {
    return kSelectionItems;
}

std::vector<int> OfferedLanguages(bool unicodeWords) {
    std::vector<int> offered;
    for (int i = 0; i < kLanguageCount; ++i) {
        if (unicodeWords || kLanguages[static_cast<size_t>(i)].western) offered.push_back(i);
    }
    return offered;
}

std::string UnicodeLanguageCodes() {
    std::string codes;
    for (const Language& language : kLanguages) {
        if (language.code.empty()) continue;
        if (!codes.empty()) codes += '_';
        codes += language.code;
    }
    return codes + "_nb_nn";
}

std::string CommonWordsFilePath(const std::filesystem::path& programFolder, int index) {
    if (index < 0 || index >= kLanguageCount) {
        throw std::out_of_range("common-words language index " + std::to_string(index));
    }
    return (programFolder / kLanguages[static_cast<size_t>(index)].file).string();
}

int LanguageIndexForCode(std::string_view code, bool unicodeWords) {
    // Only a whole two-letter code counts: a match across an underscore
    // ("n_", "e_") names no language.
    const int limit = unicodeWords ? kLanguageCount : kOriginalLanguageCount;
    code = CanonicalCode(code);
    for (int i = 0; i < limit && code.size() == 2; ++i) {
        if (kLanguages[static_cast<size_t>(i)].code == code) return i;
    }
    return static_cast<int>(kLanguageCodes.find(kDefaultLanguageCode) / 3);
}

std::string CommonWordsFileForCode(const std::filesystem::path& programFolder, std::string_view code,
                                   bool unicodeWords) {
    return CommonWordsFilePath(programFolder, LanguageIndexForCode(code, unicodeWords));
}

}  // namespace lexicount
