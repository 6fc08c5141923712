#include "input/common_words_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace lexicount::test {
namespace {

std::vector<std::string> Read(const std::string& bytes, const char* name = "cwds.txt") {
    TempDir dir;
    const auto path = dir.Write(name, bytes);
    RecordingDialogs dialogs;
    ClassifyState state;
    const CommonWordsReading r = ReadCommonWordsFile(path.string(), dialogs, state);
    EXPECT_TRUE(r.ok());
    return r.words.Words();
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
    RecordingDialogs dialogs;
    ClassifyState state;
    const CommonWordsReading r =
        ReadCommonWordsFile((ProgramDataDir() / "cwds_en.txt").string(), dialogs, state);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.words.Contains("the"));
    EXPECT_GE(r.words.size(), 150);
}

}  // namespace
}  // namespace lexicount::test
