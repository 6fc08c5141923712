// The data series of the two charts.

#include "output/chart_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lexicount {
namespace {

// Rows in alphabetical order, ranks 1..n by descending frequency.
ExportTable Rows(int n) {
    ExportTable table;
    for (int rank = n; rank >= 1; --rank) {
        ExportRow row;
        row.rank = rank;
        row.word = "w" + std::to_string(rank);
        row.frequency = 100000 / rank;
        table.rows.push_back(row);
    }
    return table;
}

TEST(ChartData, BarsAreTheLowestRanksInOrder) {
    const std::vector<Bar> bars = MostFrequentWords(Rows(50), 3);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].word, "w1");
    EXPECT_EQ(bars[0].frequency, 100000);
    EXPECT_EQ(bars[2].word, "w3");
    EXPECT_EQ(MostFrequentWords(Rows(2), 20).size(), 2u);
    EXPECT_TRUE(MostFrequentWords(ExportTable{}, 5).empty());
}

TEST(ChartData, RankFrequencyKeepsShortListsWholeAndThinsLongOnesEvenly) {
    const auto whole = RankFrequencyPoints(Rows(40), 2000);
    ASSERT_EQ(whole.size(), 40u);
    EXPECT_EQ(whole.front(), (std::pair<double, double>{1, 100000}));
    EXPECT_EQ(whole.back(), (std::pair<double, double>{40, 2500}));

    const auto thinned = RankFrequencyPoints(Rows(100000), 200);
    EXPECT_LE(thinned.size(), 201u);
    EXPECT_GE(thinned.size(), 100u);
    EXPECT_EQ(thinned.front().first, 1);
    EXPECT_EQ(thinned.back().first, 100000);
    for (size_t i = 1; i < thinned.size(); ++i) EXPECT_LT(thinned[i - 1].first, thinned[i].first);
}

}  // namespace
}  // namespace lexicount
