#include "words/post_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "words/word_table.h"

namespace lexicount {
namespace {

struct Entry {
    std::string word;
    std::int64_t count;
    bool included = true;
};

// A table with the given records in the given order (the order the sort
// would have left), counts and included flags.
WordTable TableOf(const std::vector<Entry>& entries) {
    WordTable table;
    for (const auto& e : entries) table.AddWordToList(e.word);
    auto& records = table.Records();
    for (size_t i = 0; i < entries.size(); ++i) {
        records[i + 1].Word = entries[i].word;
        records[i + 1].Frequency = entries[i].count;
        records[i + 1].Included = entries[i].included;
    }
    return table;
}

TEST(MarkIncludedWordsTest, RomanNumeralsBelowFortyAndThreshold) {
    struct Case {
        const char* word;
        std::int64_t count;
        bool includedWithRomans;  // chkIgnoreRomNum40 on, threshold off
    };
    const Case cases[] = {
        {"ii", 5, false},  {"xiv", 5, false},  {"xxxviii", 5, false}, {"vx", 5, false},   {"xxxx", 5, false},
        {"XIV", 5, false}, {"Vi", 5, false},   {"xl", 5, true},       {"civil", 5, true}, {"i", 5, true},
        {"I", 5, true},    {"iiv-x", 5, true}, {"v", 5, false},       {"x", 5, false},    {"mix", 5, true},
    };
    std::vector<Entry> entries;
    for (const auto& c : cases) entries.push_back({c.word, c.count, false});
    WordTable table = TableOf(entries);

    SettingsRecord settings;
    settings.chkIgnoreRomNum40 = 1;
    MarkIncludedWords(table, settings, 2);
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(table[static_cast<std::int64_t>(i) + 1].Included, cases[i].includedWithRomans)
            << cases[i].word;
    }

    // Off, or any value other than exactly 1: everything comes back.
    for (std::int16_t off : {0, 2}) {
        settings.chkIgnoreRomNum40 = off;
        MarkIncludedWords(table, settings, 2);
        for (std::int64_t i = 1; i <= table.lngNumWords(); ++i)
            EXPECT_TRUE(table[i].Included) << table[i].Word;
    }
}

TEST(MarkIncludedWordsTest, InfrequentWordsAgainstTheThreshold) {
    WordTable table = TableOf({{"one", 1}, {"two", 2}, {"three", 3}, {"four", 4}, {"iii", 9}});
    SettingsRecord settings;
    settings.chkIgnoreRomNum40 = 0;
    settings.chkIgnoreInfrequentWords = 1;
    struct Case {
        int threshold;
        std::vector<bool> included;
    };
    const Case cases[] = {
        {2, {false, true, true, true, true}},
        {3, {false, false, true, true, true}},
        {4, {false, false, false, true, true}},
        {9, {false, false, false, false, true}},
    };
    for (const auto& c : cases) {
        MarkIncludedWords(table, settings, c.threshold);
        for (size_t i = 0; i < c.included.size(); ++i) {
            EXPECT_EQ(table[static_cast<std::int64_t>(i) + 1].Included, c.included[i])
                << "threshold " << c.threshold << " record " << i + 1;
        }
    }
    settings.chkIgnoreInfrequentWords = 0;
    MarkIncludedWords(table, settings, 9);
    for (std::int64_t i = 1; i <= 5; ++i) EXPECT_TRUE(table[i].Included);

    // Both filters: a frequent numeral is still out.
    settings.chkIgnoreInfrequentWords = 1;
    settings.chkIgnoreRomNum40 = 1;
    MarkIncludedWords(table, settings, 2);
    EXPECT_FALSE(table[5].Included);
    EXPECT_FALSE(table[1].Included);
    EXPECT_TRUE(table[2].Included);
}

TEST(ComputeWordStatisticsTest, ExcludedRecordsDoNotCountInTheMaxima) {
    WordTable table = TableOf(
        {{"tiny", 3}, {"extraordinarily", 99, false}, {"words", 7}, {"xiv", 50, false}, {"longer", 2}});
    const WordStatistics s = ComputeWordStatistics(table);
    EXPECT_EQ(s.lngNumWordsIncluded, 3);
    EXPECT_EQ(s.lngNumWordsExcluded, 2);
    EXPECT_EQ(s.lngNumOccurrences, 12);
    EXPECT_EQ(s.lngMaxFrequency, 7);
    EXPECT_EQ(s.intMaxWordLengthFound, 6);
    EXPECT_EQ(s.lngFirstFreq, 0);

    const WordStatistics none = ComputeWordStatistics(TableOf({{"xiv", 4, false}, {"ii", 1, false}}));
    EXPECT_EQ(none.lngNumWordsIncluded, 0);
    EXPECT_EQ(none.lngNumWordsExcluded, 2);
    EXPECT_EQ(none.lngNumOccurrences, 0);
    EXPECT_EQ(none.lngMaxFrequency, 0);
    EXPECT_EQ(none.intMaxWordLengthFound, 0);

    const WordStatistics empty = ComputeWordStatistics(WordTable());
    EXPECT_EQ(empty.lngNumWordsIncluded + empty.lngNumWordsExcluded + empty.lngNumOccurrences, 0);
}

// Ranks and chain exactly as written down: number the included words
// count by count from the highest, then link rank k to rank k + 1 by a
// search from the first record, with a progress dot each time k reaches a
// multiple of 1000.
struct ChainResult {
    std::vector<std::int64_t> rank;
    std::vector<std::int64_t> next;
    std::int64_t firstFreq = 0;
    int dots = 0;
};

ChainResult ReferenceChain(const WordTable& table, std::int64_t maxFrequency, std::int64_t numIncluded) {
    const std::int64_t n = table.lngNumWords();
    ChainResult r;
    r.rank.assign(static_cast<size_t>(n) + 1, 0);
    r.next.assign(static_cast<size_t>(n) + 1, 0);
    std::int64_t k = 0;
    for (std::int64_t f = maxFrequency; f >= 1; --f) {
        for (std::int64_t i = 1; i <= n; ++i) {
            if (table[i].Included && table[i].Frequency == f) {
                ++k;
                r.rank[i] = k;
                if (k == 1) r.firstFreq = i;
            }
        }
    }
    if (r.firstFreq == 0) return r;
    std::int64_t cur = r.firstFreq;
    k = 1;
    while (true) {
        std::int64_t found = 0;
        for (std::int64_t i = 1; i <= n; ++i) {
            if (r.rank[i] == k + 1) {
                found = i;
                break;
            }
        }
        if (found != 0) r.next[cur] = found;
        cur = found;
        if (k == numIncluded) break;
        ++k;
        if (k % 1000 == 0) ++r.dots;
    }
    return r;
}

void ExpectSameChain(WordTable& table, const std::string& trace) {
    WordStatistics stats = ComputeWordStatistics(table);
    const ChainResult expected = ReferenceChain(table, stats.lngMaxFrequency, stats.lngNumWordsIncluded);
    // Stale values from an earlier run must not survive.
    for (auto& r : table.Records()) {
        r.FreqRank = 77;
        r.NextByFreq = 77;
    }
    stats.lngFirstFreq = 77;
    int dots = 0;
    BuildFrequencyChain(table, stats, [&dots] { ++dots; });
    EXPECT_EQ(stats.lngFirstFreq, expected.firstFreq) << trace;
    EXPECT_EQ(dots, expected.dots) << trace;
    for (std::int64_t i = 1; i <= table.lngNumWords(); ++i) {
        ASSERT_EQ(table[i].FreqRank, expected.rank[i]) << trace << " record " << i;
        ASSERT_EQ(table[i].NextByFreq, expected.next[i]) << trace << " record " << i;
    }
}

TEST(BuildFrequencyChainTest, MatchesTheQuadraticPassesOnRandomTables) {
    for (unsigned seed = 1; seed <= 500; ++seed) {
        std::mt19937 rng(seed);
        const int size = std::uniform_int_distribution<int>(0, 60)(rng);
        const int maxCount = std::uniform_int_distribution<int>(1, 8)(rng);
        const int includedPercent = std::uniform_int_distribution<int>(0, 100)(rng);
        std::vector<Entry> entries;
        for (int n = 0; n < size; ++n) {
            entries.push_back({"w" + std::to_string(n), std::uniform_int_distribution<int>(1, maxCount)(rng),
                               std::uniform_int_distribution<int>(1, 100)(rng) <= includedPercent});
        }
        WordTable table = TableOf(entries);
        ExpectSameChain(table, "seed " + std::to_string(seed));
    }
}

TEST(BuildFrequencyChainTest, ProgressDotPerThousandWordsChained) {
    for (int included : {999, 1000, 1999, 2000, 2500}) {
        std::mt19937 rng(static_cast<unsigned>(included));
        std::vector<Entry> entries;
        for (int n = 0; n < included + 40; ++n) {
            entries.push_back(
                {"w" + std::to_string(n), std::uniform_int_distribution<int>(1, 5)(rng), n >= 40});
        }
        WordTable table = TableOf(entries);
        ExpectSameChain(table, std::to_string(included) + " included");
        WordStatistics stats = ComputeWordStatistics(table);
        int dots = 0;
        BuildFrequencyChain(table, stats, [&dots] { ++dots; });
        EXPECT_EQ(dots, included / 1000) << included;
    }
}

TEST(BuildFrequencyChainTest, EqualCountsTakeConsecutiveRanksInTableOrder) {
    WordTable table =
        TableOf({{"apple", 2}, {"banana", 5}, {"cherry", 2}, {"iii", 9, false}, {"date", 5}, {"elder", 1}});
    WordStatistics stats = ComputeWordStatistics(table);
    BuildFrequencyChain(table, stats);
    // banana 5, date 5, apple 2, cherry 2, elder 1.
    EXPECT_EQ(stats.lngFirstFreq, 2);
    const std::int64_t ranks[] = {0, 3, 1, 4, 0, 2, 5};
    const std::int64_t next[] = {0, 3, 5, 6, 0, 1, 0};
    for (std::int64_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(table[i].FreqRank, ranks[i]) << table[i].Word;
        EXPECT_EQ(table[i].NextByFreq, next[i]) << table[i].Word;
    }
}

TEST(BuildFrequencyChainTest, NoIncludedWordLeavesNoChain) {
    WordTable table = TableOf({{"ii", 3, false}, {"xiv", 1, false}});
    table.Records()[1].FreqRank = 4;
    table.Records()[2].NextByFreq = 1;
    WordStatistics stats = ComputeWordStatistics(table);
    stats.lngFirstFreq = 2;
    int dots = 0;
    BuildFrequencyChain(table, stats, [&dots] { ++dots; });
    EXPECT_EQ(stats.lngFirstFreq, 0);
    EXPECT_EQ(dots, 0);
    for (std::int64_t i = 1; i <= 2; ++i) {
        EXPECT_EQ(table[i].FreqRank, 0);
        EXPECT_EQ(table[i].NextByFreq, 0);
    }
}

}  // namespace
}  // namespace lexicount
