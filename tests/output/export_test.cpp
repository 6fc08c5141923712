// Exports of the listed words: the format from the extension, the rows and
// figures from a finished table, and the texts of CSV, TSV and JSON.

#include "output/export.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "words/post_scan.h"
#include "words/word_table.h"

namespace lexicount {
namespace {

TEST(Export, FormatComesFromTheExtension) {
    const std::pair<const char*, std::optional<ExportFormat>> cases[] = {
        {"words.csv", ExportFormat::Csv}, {"WORDS.CSV", ExportFormat::Csv}, {"a/b.tsv", ExportFormat::Tsv},
        {"b.tab", ExportFormat::Tsv},     {"c.json", ExportFormat::Json},   {"d.xlsx", ExportFormat::Xlsx},
        {"e.txt", std::nullopt},          {"noextension", std::nullopt},    {"dir.csv/file", std::nullopt},
        {"f.xls", std::nullopt},
    };
    for (const auto& [path, format] : cases) EXPECT_EQ(ExportFormatOf(path), format) << path;
}

// A finished count of "b" 3 times, "a" once, "é" (Windows-1252) twice.
struct Finished {
    WordTable table{42};
    WordStatistics stats;
    Finished() {
        for (const char* word : {"b", "b", "a", "\xE9", "b", "\xE9"}) table.AddWordToList(word);
        table.PutInOrdinalOrder();
        stats = ComputeWordStatistics(table);
        BuildFrequencyChain(table, stats);
    }
};

TEST(Export, RowsFollowTheListingWithShareAndRunningShare) {
    const Finished count;
    const ExportTable byFrequency = MakeExportTable(count.table, count.stats, 0, 9, false);
    EXPECT_EQ(byFrequency.differentWords, 3);
    EXPECT_EQ(byFrequency.listedInstances, 6);
    EXPECT_EQ(byFrequency.totalInstances, 9);
    ASSERT_EQ(byFrequency.rows.size(), 3u);
    const std::string words[] = {"b", "\xC3\xA9", "a"};  // é now in UTF-8
    const double cumulative[] = {50, 100.0 * 5 / 6, 100};
    for (size_t i = 0; i < 3; ++i) {
        const ExportRow& row = byFrequency.rows[i];
        EXPECT_EQ(row.rank, static_cast<std::int64_t>(i + 1));
        EXPECT_EQ(row.word, words[i]);
        EXPECT_DOUBLE_EQ(row.percent, 100.0 * static_cast<double>(row.frequency) / 6);
        EXPECT_DOUBLE_EQ(row.perMillion, 1e6 * static_cast<double>(row.frequency) / 6);
        EXPECT_DOUBLE_EQ(row.cumulativePercent, cumulative[i]);
    }
    // Alphabetical rows keep their frequency ranks.
    const ExportTable byWord = MakeExportTable(count.table, count.stats, 1, 9, false);
    ASSERT_EQ(byWord.rows.size(), 3u);
    EXPECT_EQ(byWord.rows[0].word, "a");
    EXPECT_EQ(byWord.rows[0].rank, 3);
}

TEST(Export, DelimitedAndJsonTexts) {
    ExportTable table;
    table.differentWords = 2;
    table.listedInstances = 4;
    table.totalInstances = 5;
    table.rows = {{1, "say \"hi\", x", 3, 75, 750000, 75, 0, 0, {}},
                  {2, "tab\there", 1, 25, 250000, 100, 0, 0, {}}};
    EXPECT_EQ(DelimitedText(table, ExportFormat::Csv),
              "rank,word,frequency,percent,per_million,cumulative_percent\r\n"
              "1,\"say \"\"hi\"\", x\",3,75,750000,75\r\n"
              "2,tab\there,1,25,250000,100\r\n");
    EXPECT_EQ(DelimitedText(table, ExportFormat::Tsv),
              "rank\tword\tfrequency\tpercent\tper_million\tcumulative_percent\n"
              "1\tsay \"hi\", x\t3\t75\t750000\t75\n"
              "2\ttab here\t1\t25\t250000\t100\n");
    EXPECT_EQ(JsonText(table),
              "{\n  \"summary\": {\"different_words\": 2, \"listed_instances\": 4, \"total_instances\": 5},\n"
              "  \"words\": [\n"
              "    {\"rank\": 1, \"word\": \"say \\\"hi\\\", x\", \"frequency\": 3, \"percent\": 75, "
              "\"per_million\": 750000, \"cumulative_percent\": 75},\n"
              "    {\"rank\": 2, \"word\": \"tab\\u0009here\", \"frequency\": 1, \"percent\": 25, "
              "\"per_million\": 250000, \"cumulative_percent\": 100}\n"
              "  ]\n}\n");
    // A count of many files adds how many hold each word, and its counts by
    // file when asked for.
    table.countsFiles = true;
    table.fileColumns = {"a.txt", "sub/b, c.txt"};
    table.rows[0].files = 2;
    table.rows[0].byFile = {1, 2};
    table.rows[1].files = 1;
    table.rows[1].byFile = {0, 1};
    EXPECT_EQ(DelimitedText(table, ExportFormat::Csv),
              "rank,word,frequency,percent,per_million,cumulative_percent,files,a.txt,\"sub/b, c.txt\"\r\n"
              "1,\"say \"\"hi\"\", x\",3,75,750000,75,2,1,2\r\n"
              "2,tab\there,1,25,250000,100,1,0,1\r\n");
    EXPECT_NE(
        JsonText(table).find("\"cumulative_percent\": 100, \"files\": 1, \"a.txt\": 0, \"sub/b, c.txt\": 1}"),
        std::string::npos)
        << JsonText(table);
    EXPECT_EQ(JsonText(ExportTable{}),
              "{\n  \"summary\": {\"different_words\": 0, \"listed_instances\": 0, \"total_instances\": 0},\n"
              "  \"words\": []\n}\n");
}

}  // namespace
}  // namespace lexicount
