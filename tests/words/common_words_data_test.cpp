// The common-words files shipped beside the program: their bytes must suit the
// common-words reader (Windows-1252, CR LF lines, "//" comments), and every word
// must come through that reader whole, or the list would silently miss it.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/settings_record.h"
#include "support/test_support.h"
#include "words/chars.h"

namespace lexicount {
namespace {

using test::ProgramDataDir;
using test::ReadFileBytes;
using test::W;

// Characters the scanner strips from the end of a word and never starts one with.
constexpr std::string_view kNotAtWordEdge = "'.:,()";

std::string ReadDataFile(const std::string& name) {
    const auto path = ProgramDataDir() / name;
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    return ReadFileBytes(path);
}

// Lines without their CR LF; a final CR LF closes the last line.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool IsComment(const std::string& line) {
    return line.rfind("//", 0) == 0;
}

std::vector<std::string> Words(const std::string& name) {
    std::vector<std::string> words;
    for (const auto& line : Lines(ReadDataFile(name))) {
        if (!line.empty() && !IsComment(line)) words.push_back(line);
    }
    return words;
}

std::set<std::string> WordSet(const std::string& name) {
    const auto words = Words(name);
    return {words.begin(), words.end()};
}

// Every file, single-language and combined.

class CommonWordsFileTest : public testing::TestWithParam<std::string> {};

TEST_P(CommonWordsFileTest, HoldsOnlyWindows1252TextWithCrLfLineEnds) {
    const std::string bytes = ReadDataFile(GetParam());
    ASSERT_FALSE(bytes.empty());
    constexpr std::string_view kUndefinedOrNul("\x00\x81\x8D\x8F\x90\x9D", 6);
    EXPECT_EQ(bytes.find_first_of(kUndefinedOrNul), std::string::npos)
        << "byte " << bytes.find_first_of(kUndefinedOrNul);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool bareLf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
        const bool bareCr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
        ASSERT_FALSE(bareLf || bareCr) << "lone line-end byte at " << i;
    }
    EXPECT_TRUE(bytes.ends_with("\r\n"));
}

TEST_P(CommonWordsFileTest, StartsWithAsciiCommentHeader) {
    const auto lines = Lines(ReadDataFile(GetParam()));
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(IsComment(lines.front())) << lines.front();
    for (const auto& line : lines) {
        if (IsComment(line)) {
            EXPECT_TRUE(IsSevenBitAscii(line)) << line;
        }
    }
}

TEST_P(CommonWordsFileTest, EveryWordIsReadWhole) {
    const auto words = Words(GetParam());
    ASSERT_FALSE(words.empty());
    const std::string startSet = RemoveCharsOfSet(kAllPossibleExtraChars, kNotAtWordEdge);
    for (const auto& word : words) {
        // A character outside the word characters (a blank, "œ", "š") would cut the word in two.
        EXPECT_EQ(CountWordChars(word, 1, false, kAllPossibleExtraChars), static_cast<long>(word.size()))
            << word;
        EXPECT_TRUE(IsWordChar(word.substr(0, 1), false, startSet)) << word;
        // An abbreviation ("ill.") is read without its dot, as in a text.
        if (!word.ends_with('.')) {
            EXPECT_EQ(kNotAtWordEdge.find(word.back()), std::string_view::npos) << word;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFiles, CommonWordsFileTest,
                         testing::Values("cwds_en.txt", "cwds_de.txt", "cwds_es.txt", "cwds_pt.txt",
                                         "cwds_it.txt", "cwds_fr.txt", "cwds_en_de.txt",
                                         "cwds_en_de_es_pt_it_fr.txt", "cwds_da.txt", "cwds_nl.txt",
                                         "cwds_fi.txt", "cwds_hu.txt", "cwds_no.txt", "cwds_sv.txt"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('.')); });

// The single-language Windows-1252 files.

struct LanguageCase {
    std::string file;
    std::vector<std::string> expected;  // common words of that language, Windows-1252
};

void PrintTo(const LanguageCase& c, std::ostream* os) {
    *os << c.file;
}

class LanguageFileTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageFileTest, HoldsAUsefulListOfItsLanguage) {
    const auto& param = GetParam();
    const auto words = Words(param.file);
    EXPECT_GE(words.size(), 90u);
    EXPECT_LE(words.size(), 600u);
    const std::set<std::string> set(words.begin(), words.end());
    for (const auto& word : param.expected) EXPECT_TRUE(set.contains(word)) << word;
}

INSTANTIATE_TEST_SUITE_P(
    SixLanguages, LanguageFileTest,
    testing::Values(LanguageCase{"cwds_en.txt", {"the", "and"}},
                    LanguageCase{"cwds_de.txt", {"und", "der", W("für")}},
                    LanguageCase{"cwds_es.txt", {"que"}}, LanguageCase{"cwds_pt.txt", {"que"}},
                    LanguageCase{"cwds_it.txt", {"il"}}, LanguageCase{"cwds_fr.txt", {"que"}},
                    LanguageCase{"cwds_da.txt", {"og", W("på")}}, LanguageCase{"cwds_nl.txt", {"het", "een"}},
                    LanguageCase{"cwds_fi.txt", {"ja", W("että")}},
                    LanguageCase{"cwds_hu.txt", {"az", "hogy"}}, LanguageCase{"cwds_no.txt", {"og", W("på")}},
                    LanguageCase{"cwds_sv.txt", {"och", W("är")}}),
    [](const auto& info) { return info.param.file.substr(5, 2); });

// The two combined files are exactly the union of their languages.

struct CombinedCase {
    std::string file;
    std::vector<std::string> parts;
};

void PrintTo(const CombinedCase& c, std::ostream* os) {
    *os << c.file;
}

class CombinedFileTest : public testing::TestWithParam<CombinedCase> {};

TEST_P(CombinedFileTest, IsTheUnionOfItsLanguages) {
    const auto combined = WordSet(GetParam().file);
    std::set<std::string> unionOfParts;
    for (const auto& part : GetParam().parts) {
        const auto words = WordSet(part);
        ASSERT_FALSE(words.empty()) << part;
        for (const auto& word : words) EXPECT_TRUE(combined.contains(word)) << part << ": " << word;
        unionOfParts.insert(words.begin(), words.end());
    }
    for (const auto& word : combined) EXPECT_TRUE(unionOfParts.contains(word)) << "stray word " << word;
}

INSTANTIATE_TEST_SUITE_P(Combined, CombinedFileTest,
                         testing::Values(CombinedCase{"cwds_en_de.txt", {"cwds_en.txt", "cwds_de.txt"}},
                                         CombinedCase{"cwds_en_de_es_pt_it_fr.txt",
                                                      {"cwds_en.txt", "cwds_de.txt", "cwds_es.txt",
                                                       "cwds_pt.txt", "cwds_it.txt", "cwds_fr.txt"}}),
                         [](const auto& info) {
                             return info.param.file.substr(0, info.param.file.find('.'));
                         });

}  // namespace
}  // namespace lexicount
