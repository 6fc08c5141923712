// The language tables and the choice of a common-words file by language.

#include "settings/languages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

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
    for (int i = 0; i < kLanguageCount; ++i) {
        EXPECT_EQ(LanguageNames()[i], expected[i].first);
        EXPECT_EQ(CommonWordsFileNames()[i], expected[i].second);
        // The selection list differs only by the capital of its last item.
        EXPECT_EQ(LanguageSelectionItems()[i], i == 7 ? "All six languages" : expected[i].first);
    }
}

TEST(Languages, EveryCommonWordsFileShips) {
    for (std::string_view name : CommonWordsFileNames()) {
        EXPECT_TRUE(fs::is_regular_file(test::ProgramDataDir() / name)) << name;
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
    EXPECT_THROW(CommonWordsFilePath("/opt", 8), std::out_of_range);
    EXPECT_THROW(CommonWordsFilePath("/opt", -1), std::out_of_range);
}

}  // namespace
}  // namespace lexicount
