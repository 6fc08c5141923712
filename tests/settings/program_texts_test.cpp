// Loading the numbered program texts, the load results and their messages,
// and the program-text file that ships with the program.

#include "settings/program_texts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "settings/app_data.h"
#include "support/test_support.h"

namespace lexicount {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

int LoadBytes(ProgramTexts& texts, const std::string& bytes) {
    TempDir dir;
    return texts.Load(dir.Write("tly.dat", bytes));
}

int LoadBytes(const std::string& bytes) {
    ProgramTexts texts;
    return LoadBytes(texts, bytes);
}

// Lines 1 to n-1 hold good texts, line n the given one.
std::string WithLineAt(int n, const std::string& line) {
    std::string text;
    for (int i = 1; i < n; ++i) text += std::to_string(i) + " 0 text " + std::to_string(i) + "\r\n";
    return text + line + "\r\n";
}

std::string Repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct LoadCase {
    std::string name;
    std::string bytes;
    int expected;
};

TEST(ProgramTexts, LoadResults) {
    std::string tooMany;
    for (int i = 0; i <= kMaxProgramTexts; ++i) tooMany += std::to_string(i) + " 0 x\n";
    const LoadCase cases[] = {
        {"two texts", "1 0 one\n2 0 two\n", 2},
        {"same number, other language", "5 0 a\n5 1 b\n", 2},
        {"comments and blank lines", "# note\n\n   \n  # indented\n7 0 seven\n", 1},
        {"empty file", "", kProgramTextFileEmpty},
        {"nothing but comments", "# only\n\n", kNoProgramTextRead},
        {"duplicate", WithLineAt(12, "3 0 again"), -1512},
        {"too long", WithLineAt(3, "9 0 " + std::string(1025, 'x')), -1003},
        {"longest allowed", WithLineAt(3, "9 0 " + std::string(1024, 'x')), 3},
        {"1024 two-byte characters", "9 0 " + Repeated("\xC3\xA9", 1024), 1},
        {"1025 two-byte characters", "9 0 " + Repeated("\xC3\xA9", 1025), -1001},
        {"missing text", WithLineAt(7, "20 0"), -507},
        {"missing text after the space", WithLineAt(7, "20 0 "), -507},
        {"no language", "20\n", kProgramTextMalformedLine},
        {"letters for a number", "x 0 text\n", kProgramTextMalformedLine},
        {"letters for a language", "5 text\n", kProgramTextMalformedLine},
        {"language run into the text", "5 0x\n", kProgramTextMalformedLine},
        {"number beyond 16 bits", "70000 0 text\n", kProgramTextMalformedLine},
        {"too long beyond line 500", WithLineAt(501, "999 0 " + std::string(2000, 'x')),
         kProgramTextMalformedLine},
        {"too many texts", tooMany, kProgramTextTooMuch},
        {"file over 4 MiB", "1 0 " + std::string(5 << 20, 'x'), kProgramTextTooMuch},
    };
    for (const auto& c : cases) EXPECT_EQ(LoadBytes(c.bytes), c.expected) << c.name;
}

TEST(ProgramTexts, FilesThatCannotBeRead) {
    TempDir dir;
    ProgramTexts texts;
    EXPECT_EQ(texts.Load(dir.path() / "missing.dat"), kProgramTextCannotOpen);
    EXPECT_EQ(texts.Load(dir.path()), kProgramTextReadError);
    // A FIFO is refused at once instead of waiting for a writer.
    const auto fifo = dir.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(texts.Load(fifo), kProgramTextReadError);
}

TEST(ProgramTexts, TextsAreFetchedByNumberAndLanguage) {
    ProgramTexts texts;
    ASSERT_EQ(LoadBytes(texts, "1 0 ~\r\n2 0 ~~\r3 0  leading space\n4 1 Wörter\n4 0 Words\n"), 5);
    EXPECT_EQ(texts.Get(1), "");
    EXPECT_EQ(texts.Get(2), "~~");
    EXPECT_EQ(texts.Get(3), " leading space");
    EXPECT_EQ(texts.Get(4), "Words");
    EXPECT_EQ(texts.Get(4, 1), "Wörter");
    EXPECT_EQ(texts.Get(6), "");
    // Not valid UTF-8, so the file is read as Windows-1252.
    ProgramTexts latin;
    ASSERT_EQ(LoadBytes(latin, "5 0 caf\xE9\n"), 1);
    EXPECT_EQ(latin.Get(5), "café");
}

TEST(ProgramTexts, FailedLoadKeepsTheTable) {
    ProgramTexts texts;
    ASSERT_EQ(LoadBytes(texts, "1 0 one\n"), 1);
    EXPECT_EQ(LoadBytes(texts, "1 0 a\n1 0 b\n"), -1502);
    EXPECT_EQ(texts.Get(1), "one");
}

TEST(ProgramTexts, LoadMessages) {
    const std::pair<int, std::string> cases[] = {
        {0, "No program text was read."},
        {-1, "Cannot open file containing program text.\r\n/opt/lexicount/tly.dat"},
        {-2, "Particular memory allocation error."},
        {-3, "Too much program text."},
        {-4, "Text not recovered."},
        {-6, "File is empty."},
        {-7, "Error reading file."},
        {-8, "General memory allocation error."},
        {-1512, "Duplicate in program text at line 12."},
        {-1501, "Duplicate in program text at line 1."},
        {-1500, "String too long at line 500."},
        {-1003, "String too long at line 3."},
        {-1000, "Missing string at line 500."},
        {-507, "Missing string at line 7."},
        {-501, "Missing string at line 1."},
        {-500, "Error -500"},
        {-5, "Error -5"},
        {3, ""},
    };
    for (const auto& [code, message] : cases) {
        EXPECT_EQ(ProgramTextLoadMessage(code, "/opt/lexicount/tly.dat"), message) << code;
    }
}

TEST(ProgramTexts, SharedTableServesGetProgramText) {
    TempDir dir;
    ASSERT_EQ(LoadProgramTexts(dir.Write("tly.dat", "73 0 Count\n73 1 Zählen\n")), 2);
    EXPECT_EQ(GetProgramText(73), "Count");
    EXPECT_EQ(GetProgramText(74), "");
}

TEST(ProgramTexts, ShippedFileHasEveryText) {
    const fs::path file = test::ProgramDataDir() / kProgramTextFileName;
    ProgramTexts texts;
    const int result = texts.Load(file);
    ASSERT_GE(result, 1) << ProgramTextLoadMessage(result, file.string());
    for (int n :
         {14, 15, 19, 20, 35, 21, 30, 22, 23, 27, 31, 32, 33, 34, 40, 42, 50, 73, 74, 75, 77, 78, 79, 310}) {
        EXPECT_NE(texts.Get(n), "") << n;
    }
    EXPECT_NE(texts.Get(73), texts.Get(74));
    // Text 310 names the data folder, so it must make one.
    TempDir appData;
    EXPECT_EQ(StateFilePathIn(appData.path(), texts.Get(310)), appData.path() / texts.Get(310) / "tly.usr");
}

}  // namespace
}  // namespace lexicount
