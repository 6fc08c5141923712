#include "output/listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings_record.h"

namespace lexicount {
namespace {

WordRecord House() {
    WordRecord r;
    r.Word = "house";
    r.FreqRank = 3;
    r.Frequency = 120;
    return r;
}

LineLayout Layout(int format, bool commaMode) {
    LineLayout layout;
    layout.widths = {6, 6, 6};
    layout.format = format;
    layout.commaMode = commaMode;
    layout.intMaxWordLengthFound = 5;
    return layout;
}

struct LineCase {
    int format;
    const char* header;
    const char* line;  // rank 3, count 120, "house"
};

void ExpectLines(bool commaMode, const std::vector<LineCase>& cases) {
    const WordRecord house = House();
    for (const auto& c : cases) {
        SCOPED_TRACE("format " + std::to_string(c.format));
        const LineLayout layout = Layout(c.format, commaMode);
        EXPECT_EQ(ComposeLine(layout, nullptr), c.header);
        EXPECT_EQ(ComposeLine(layout, &house), c.line);
    }
}

TEST(ComposeLineTest, SpaceModeEveryFormat) {
    ExpectLines(false, {
                           {0, "   Rank    Freq  Word (longest has 5 characters)", "      3     120  house"},
                           {1, "   Rank  Word      Freq", "      3  house      120"},
                           {2, "   Rank    Freq", "      3     120"},
                           {3, "   Rank  Word (longest has 5 characters)", "      3  house"},
                           {4, "   Freq    Rank", "    120       3"},
                           {5, "    Freq  Word (longest has 5 characters)", "     120  house"},
                           {6, "  Word     Rank", "  house       3"},
                           {7, "  Word     Freq", "  house     120"},
                           {8, "Word (longest has 5 characters)", "house"},
                           {9, "", "house"},
                       });
}

TEST(ComposeLineTest, CommaModeEveryFormat) {
    ExpectLines(true,
                {
                    {0, "    Rank,    Freq,  Word (longest has 5 characters)", "       3,     120,  house"},
                    {1, "    Rank,  Word,   Freq", "       3,  house,    120"},
                    {2, "    Rank,    Freq", "       3,     120"},
                    {3, "    Rank,  Word (longest has 5 characters)", "       3,  house"},
                    {4, "    Freq,    Rank", "     120,       3"},
                    {5, "    Freq,  Word (longest has 5 characters)", "     120,  house"},
                    {6, "  Word,   Rank", "  house,      3"},
                    {7, "  Word,   Freq", "  house,    120"},
                    {8, "Word (longest has 5 characters)", "house"},
                    {9, "", "house"},
                });
}

TEST(ComposeLineTest, WiderColumnsAndTrimmedWords) {
    LineLayout layout = Layout(1, false);
    layout.widths = {7, 8, 9};
    layout.intMaxWordLengthFound = 9;
    WordRecord r;
    r.Word = " pear ";  // surrounding blanks never reach the list
    r.FreqRank = 1234567;
    r.Frequency = 12;
    EXPECT_EQ(ComposeLine(layout, &r), " 1234567  pear             12");
    EXPECT_EQ(ComposeLine(layout, nullptr), "    Rank  Word           Freq");
    layout.format = 0;
    EXPECT_EQ(ComposeLine(layout, &r), " 1234567        12  pear");
    EXPECT_EQ(ComposeLine(layout, nullptr), "    Rank      Freq  Word (longest has 9 characters)");
    layout.format = 8;
    EXPECT_EQ(ComposeLine(layout, &r), "pear");
    layout.format = 9;
    layout.commaMode = true;
    EXPECT_EQ(ComposeLine(layout, &r), "pear");
    layout.format = 7;
    EXPECT_EQ(ComposeLine(layout, &r), "  pear,       12");
}

TEST(ColumnTextTest, PaddingAndCommaSuffix) {
    const WordRecord house = House();
    struct Case {
        int format;
        bool commaMode;
        const char* word;
    };
    const Case cases[] = {
        {0, false, "house "}, {1, false, "house "}, {6, false, "house "},
        {7, false, "house "}, {0, true, "house "},  {1, true, "house, "},
        {6, true, "house, "}, {7, true, "house, "}, {8, true, "house "},
    };
    for (const auto& c : cases) {
        const LineLayout layout = Layout(c.format, c.commaMode);
        EXPECT_EQ(FormatWord(layout, &house), c.word) << c.format << " " << c.commaMode;
        EXPECT_EQ(FormatRank(layout, &house), "     3");
        EXPECT_EQ(FormatFrequency(layout, &house), "   120");
    }
    const LineLayout layout = Layout(0, false);
    EXPECT_EQ(FormatRank(layout, nullptr), "  Rank");
    EXPECT_EQ(FormatFrequency(layout, nullptr), "  Freq");
    EXPECT_EQ(FormatWord(layout, nullptr), "Word  ");
    EXPECT_EQ(FormatWord(Layout(6, true), nullptr), "Word, ");
}

TEST(SetColumnWidthsTest, DigitsAndLongestWordRaisedToTheMinimum) {
    struct Case {
        std::int64_t included, maxFrequency;
        int longest, minWidth;
        int rank, freq, word;
    };
    const Case cases[] = {
        {3, 120, 5, 6, 6, 6, 6},         {0, 0, 0, 6, 6, 6, 6},
        {999999, 999999, 6, 6, 6, 6, 6}, {1000000, 12345678, 7, 6, 7, 8, 7},
        {3, 120, 80, 6, 6, 6, 80},       {3, 120, 1, 2, 2, 3, 2},
    };
    for (const auto& c : cases) {
        WordStatistics stats;
        stats.lngNumWordsIncluded = c.included;
        stats.lngMaxFrequency = c.maxFrequency;
        stats.intMaxWordLengthFound = c.longest;
        stats.intMaxWordWidthFound = c.longest;
        const ColumnWidths w = SetColumnWidths(stats, c.minWidth);
        EXPECT_EQ(w.intRankWidth, c.rank) << c.included;
        EXPECT_EQ(w.intFreqWidth, c.freq) << c.maxFrequency;
        EXPECT_EQ(w.intWordWidth, c.word) << c.longest;
    }
}

TEST(ForEachListedRecordTest, AlphabeticalWalksIncludedRecordsFrequencyWalksTheChain) {
    WordTable table;
    for (const char* w : {"a", "b", "c", "d"}) table.AddWordToList(w);
    auto& records = table.Records();
    records[2].Included = false;
    // Chain: d -> a -> c.
    records[4].NextByFreq = 1;
    records[1].NextByFreq = 3;
    WordStatistics stats;
    stats.lngNumWordsIncluded = 3;
    stats.lngFirstFreq = 4;

    std::vector<std::int64_t> visited;
    auto collect = [&visited](std::int64_t i) {
        visited.push_back(i);
        return true;
    };
    ForEachListedRecord(table, stats, kAlphabetical, collect);
    EXPECT_EQ(visited, (std::vector<std::int64_t>{1, 3, 4}));
    visited.clear();
    ForEachListedRecord(table, stats, kByFrequency, collect);
    EXPECT_EQ(visited, (std::vector<std::int64_t>{4, 1, 3}));

    // The visitor's false ends the walk at once.
    visited.clear();
    ForEachListedRecord(table, stats, kByFrequency, [&visited](std::int64_t i) {
        visited.push_back(i);
        return visited.size() < 2;
    });
    EXPECT_EQ(visited, (std::vector<std::int64_t>{4, 1}));
}

TEST(ShowNoWordsMessageTest, Variants) {
    struct Case {
        std::int64_t numWords;
        std::int16_t shortWordSize, ignoreInfrequent, threshold;
        const char* text;
    };
    const Case cases[] = {
        {0, 1, 0, 0, "No words satisfying the conditions were found."},
        {0, 5, 1, 3, "No words satisfying the conditions were found."},
        {4, 1, 0, 0, "No words with more than 2 letters\r\noccur at least once."},
        {4, 0, 0, 0, "No words with more than 1 letter\r\noccur at least once."},
        {4, 1, 1, 0, "No words with more than 2 letters\r\noccur at least twice."},
        {4, 1, 1, 1, "No words with more than 2 letters\r\noccur at least 3 times."},
        {4, 13, 1, 7, "No words with more than 14 letters\r\noccur at least 9 times."},
        {1, 1, 2, 1, "No words with more than 2 letters\r\noccur at least once."},  // 2 is not "checked"
    };
    for (const auto& c : cases) {
        SettingsRecord s;
        s.cboShortWordSize = c.shortWordSize;
        s.chkIgnoreInfrequentWords = c.ignoreInfrequent;
        s.cboThresholdFrequency = c.threshold;
        EXPECT_EQ(ShowNoWordsMessage(c.numWords, s), c.text);
    }
}

}  // namespace
}  // namespace lexicount
