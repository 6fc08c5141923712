#include "input/common_words_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace lexicount::test {
namespace {

CommonWords ReadList(const std::string& bytes) {
    TempDir dir;
    const auto path = dir.Write("cwds.txt", bytes);
    RecordingDialogs dialogs;
    ClassifyState state;
    CommonWordsReading r = ReadCommonWordsFile(path.string(), dialogs, state);
    EXPECT_TRUE(r.ok());
    return std::move(r.words);
}

std::vector<std::string> Read(const std::string& bytes) {
    return ReadList(bytes).Words();
}

CommonWordsReading ReadShipped(const char* name) {
    RecordingDialogs dialogs;
    ClassifyState state;
    return ReadCommonWordsFile((ProgramDataDir() / name).string(), dialogs, state);
}

TEST(ReadCommonWordsFile, WordsAreLowerCasedSortedAndKeptOnce) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"single", "The\r\n", {"the"}},
        {"duplicates", "and And AND\r\nand\r\n", {"and"}},
        {"sorted by code point", "zebra apple \xE9t\xE9 Zoo\r\n", {"apple", "zebra", "zoo", "\xE9t\xE9"}},
        {"C comments", "// a header line\r\nkeep /* skip\r\nthese */ also // not this\r\n", {"also", "keep"}},
        {"extra characters stay inside",
         "don't e-mail 3rd a_b x.y\r\n",
         {"3rd", "a_b", "don't", "e-mail", "x.y"}},
        {"short words are not filtered", "a i of\r\n", {"a", "i", "of"}},
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF"
         "f\xC3\xBCr\r\n",
         {"f\xFCr"}},
        {"LF and CR line ends", "one\ntwo\rthree", {"one", "three", "two"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.bytes), c.words) << c.name;
}

TEST(ReadCommonWordsFile, ReportsWhatItCouldNotRead) {
    TempDir dir;
    RecordingDialogs dialogs;
    ClassifyState state;
    EXPECT_EQ(ReadCommonWordsFile("  ", dialogs, state).status, CommonWordsReading::Status::NoPath);
    EXPECT_EQ(ReadCommonWordsFile((dir.path() / "none.txt").string(), dialogs, state).status,
              CommonWordsReading::Status::NotFound);
    EXPECT_TRUE(dialogs.shown.empty());
    const auto binary = dir.Write("bin.txt", std::string("abc\0def ghi", 11));
    EXPECT_EQ(ReadCommonWordsFile(binary.string(), dialogs, state).status,
              CommonWordsReading::Status::Refused);
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].title, "Not a text file");
}

TEST(ReadCommonWordsFile, AStopRequestEndsTheReading) {
    class StopAfterFirstLine : public CountHooks {
    public:
        StopAfterFirstLine() { yields = true; }
        void Yield() override { ++yieldsSeen; }
        bool StopRequested() const override { return yieldsSeen > 0; }
        int yieldsSeen = 0;
    } hooks;
    TempDir dir;
    const auto path = dir.Write("cwds.txt", "one\r\ntwo\r\nthree\r\n");
    RecordingDialogs dialogs;
    ClassifyState state;
    const CommonWordsReading r = ReadCommonWordsFile(path.string(), dialogs, state, &hooks);
    EXPECT_EQ(r.status, CommonWordsReading::Status::Stopped);
    EXPECT_EQ(r.words.size(), 0);
}

TEST(NumberInWords, EnglishAndGerman) {
    struct Case {
        std::int64_t n;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {0, "No", "Keine"},
        {1, "One", "Eine"},
        {12, "Twelve", "Zw\xC3\xB6lf"},
        {19, "Nineteen", "Neunzehn"},
        {20, "Twenty", "Zwanzig"},
        {30, "Thirty", "Drei\xC3\x9Fig"},
        {57, "Fifty seven", "Sieben und f\xC3\xBCnfzig"},
        {99, "Ninety nine", "Neun und neunzig"},
        {100, "100", "100"},
        {1234, "1,234", "1,234"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberInWords(c.n, false), c.english) << c.n;
        EXPECT_EQ(NumberInWords(c.n, true), c.german) << c.n;
    }
}

TEST(CommonWordsLoadedMessage, CountsInWords) {
    EXPECT_EQ(CommonWordsLoadedMessage(1, "/x/cwds_en.txt"), "One common word loaded from /x/cwds_en.txt");
    EXPECT_EQ(CommonWordsLoadedMessage(57, "/f"), "Fifty seven common words loaded from /f");
    EXPECT_EQ(CommonWordsLoadedMessage(0, "/f"), "No common words loaded from /f");
    EXPECT_EQ(CommonWordsLoadedMessage(1234, "/f"), "1,234 common words loaded from /f");
}

TEST(ReadCommonWordsFile, ShippedEnglishListLoads) {
    const CommonWordsReading r = ReadShipped("cwds_en.txt");
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.words.Contains("the"));
    EXPECT_GE(r.words.size(), 150);
}

// The list the Unicode text model compares with: every script, in NFC, as
// written (folded by the count that uses it).
TEST(ReadCommonWordsFile, KeepsTheWordsOfEveryScriptForUnicodeWords) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> anyScript;
    };
    const Case cases[] = {
        {"ANSI: the Western list in UTF-8", "f\xFCr The\r\n", {"f\xC3\xBCr", "the"}},
        {"Cyrillic and Greek, case kept",
         "\xEF\xBB\xBF// header\r\n\xD0\x98 \xCE\xBA\xCE\xB1\xCE\xB9\r\n",
         {"\xCE\xBA\xCE\xB1\xCE\xB9", "\xD0\x98"}},
        {"decomposed into NFC",
         "\xEF\xBB\xBF"
         "e\xCC\x81t\xC3\xA9\r\n",
         {"\xC3\xA9t\xC3\xA9"}},
        {"a Chinese entry stays whole; punctuation is no word",
         "\xEF\xBB\xBF\xE7\x9A\x84\xE7\xA1\xAE\r\n\xE3\x80\x81\r\n",
         {"\xE7\x9A\x84\xE7\xA1\xAE"}},
        {"Polish letters outside Windows-1252", "\xEF\xBB\xBFsi\xC4\x99 // comment\r\n", {"si\xC4\x99"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadList(c.bytes).WordsInAnyScript(), c.anyScript) << c.name;
}

TEST(ReadCommonWordsFile, EveryShippedListOfAnotherScriptIsReadWordForWord) {
    const std::pair<const char*, const char*> lists[] = {
        {"cwds_ru.txt", "\xD0\xB8"},                  // и
        {"cwds_uk.txt", "\xD1\x89\xD0\xBE"},          // що
        {"cwds_el.txt", "\xCE\xBA\xCE\xB1\xCE\xB9"},  // και
        {"cwds_pl.txt", "si\xC4\x99"},                // się
        {"cwds_cs.txt",
         "\xC5\xBE"
         "e"},                         // že
        {"cwds_ro.txt", "c\xC4\x83"},  // că
        {"cwds_tr.txt", "ve"},
        {"cwds_zh.txt", "\xE7\x9A\x84"},              // 的
        {"cwds_ja.txt", "\xE3\x81\xA7\xE3\x81\x99"},  // です
    };
    for (const auto& [file, word] : lists) {
        const CommonWordsReading r = ReadShipped(file);
        ASSERT_TRUE(r.ok()) << file;
        const auto& words = r.words.WordsInAnyScript();
        EXPECT_TRUE(std::binary_search(words.begin(), words.end(), std::string(word))) << file;
        // Each line of letters is one word: nothing was cut in two.
        const std::string bytes = ReadFileBytes(ProgramDataDir() / file);
        size_t lines = 0;
        for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
            ++lines;
        EXPECT_LE(words.size(), lines - 2) << file;
        EXPECT_GE(words.size() * 10, (lines - 2) * 9) << file;
    }
}

}  // namespace
}  // namespace lexicount::test
