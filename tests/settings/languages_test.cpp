// The language tables and the choice of a common-words file by language.

#include "settings/languages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace lexicount {
namespace {

namespace fs = std::filesystem;

TEST(Languages, NamesAndFilesGoTogether) {
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"English", "cwds_en.txt"},
        {"German", "cwds_de.txt"},
        {"Spanish", "cwds_es.txt"},
        {"Portuguese", "cwds_pt.txt"},
        {"Italian", "cwds_it.txt"},
        {"French", "cwds_fr.txt"},
        {"English and German", "cwds_en_de.txt"},
        {"all six languages", "cwds_en_de_es_pt_it_fr.txt"},
    };
    ASSERT_EQ(LanguageNames().size(), std::size(expected));
    ASSERT_EQ(CommonWordsFileNames().size(), std::size(expected));
    for (int i = 0; i < kOriginalLanguageCount; ++i) {
        EXPECT_EQ(LanguageNames()[i], expected[i].first);
        EXPECT_EQ(CommonWordsFileNames()[i], expected[i].second);
        // The selection list differs only by the capital of its last item.
        EXPECT_EQ(LanguageSelectionItems()[i], i == 7 ? "All six languages" : expected[i].first);
    }
}

TEST(Languages, EveryCommonWordsFileShipsInTheEncodingItsEntrySays) {
    for (const Language& language : Languages()) {
        const fs::path path = test::ProgramDataDir() / language.file;
        ASSERT_TRUE(fs::is_regular_file(path)) << language.file;
        // A list Windows-1252 cannot hold is UTF-8 with a byte-order mark.
        EXPECT_EQ(test::ReadFileBytes(path).starts_with("\xEF\xBB\xBF"), !language.western) << language.file;
    }
}

TEST(Languages, TheWindowOffersListsOfOtherScriptsOnlyUnderUnicodeWords) {
    const std::vector<int> western = OfferedLanguages(false);
    const std::vector<int> all = OfferedLanguages(true);
    ASSERT_EQ(all.size(), static_cast<size_t>(kLanguageCount));
    // The original eight come first, in their places, under either model.
    for (int i = 0; i < kOriginalLanguageCount; ++i) EXPECT_EQ(western[static_cast<size_t>(i)], i);
    std::vector<std::string_view> westernNames;
    for (const int i : western) westernNames.push_back(Languages()[static_cast<size_t>(i)].name);
    for (std::string_view name : {"Danish", "Dutch", "Finnish", "Hungarian", "Norwegian", "Swedish"}) {
        EXPECT_NE(std::find(westernNames.begin(), westernNames.end(), name), westernNames.end()) << name;
    }
    for (std::string_view name : {"Russian", "Greek", "Chinese", "Turkish"}) {
        EXPECT_EQ(std::find(westernNames.begin(), westernNames.end(), name), westernNames.end()) << name;
    }
}

TEST(Languages, UnderUnicodeWordsADocumentCodeChoosesEveryLanguage) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"ru", "cwds_ru.txt"}, {"zh", "cwds_zh.txt"}, {"nl", "cwds_nl.txt"}, {"nb", "cwds_no.txt"},
        {"nn", "cwds_no.txt"}, {"de", "cwds_de.txt"}, {"xx", "cwds_en.txt"}, {"", "cwds_en.txt"},
    };
    const std::string codes = UnicodeLanguageCodes();
    for (const auto& [code, file] : cases) {
        EXPECT_EQ(CommonWordsFileForCode("/opt/lexicount", code, true), "/opt/lexicount/" + std::string(file))
            << code;
        if (file != "cwds_en.txt") {
            EXPECT_NE(codes.find(code), std::string::npos) << code;
        }
    }
}

TEST(Languages, DocumentCodeChoosesTheFile) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"en", "cwds_en.txt"},
        {"de", "cwds_de.txt"},
        {"es", "cwds_es.txt"},
        {"pt", "cwds_pt.txt"},
        {"it", "cwds_it.txt"},
        {"fr", "cwds_fr.txt"},
        // Anything else is the default, English: unknown codes, a match
        // across the underscore of the code list, and no code at all.
        {"nl", "cwds_en.txt"},
        {"ru", "cwds_en.txt"},
        {"e_", "cwds_en.txt"},
        {"_d", "cwds_en.txt"},
        {"", "cwds_en.txt"},
        {"d", "cwds_en.txt"},
        {"de_", "cwds_en.txt"},
    };
    for (const auto& [code, file] : cases) {
        EXPECT_EQ(CommonWordsFileForCode("/opt/lexicount", code), "/opt/lexicount/" + std::string(file))
            << code;
    }
}

TEST(Languages, PathsJoinWithOneSeparatorAndKeepTheirCase) {
    EXPECT_EQ(CommonWordsFilePath("/", 0), "/cwds_en.txt");
    EXPECT_EQ(CommonWordsFilePath("/Opt/LexiCount/", 7), "/Opt/LexiCount/cwds_en_de_es_pt_it_fr.txt");
    EXPECT_EQ(CommonWordsFilePath("/Opt/LexiCount", 6), "/Opt/LexiCount/cwds_en_de.txt");
    EXPECT_THROW(CommonWordsFilePath("/opt", kLanguageCount), std::out_of_range);
    EXPECT_THROW(CommonWordsFilePath("/opt", -1), std::out_of_range);
}

}  // namespace
}  // namespace lexicount
