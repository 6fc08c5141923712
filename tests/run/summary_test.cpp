#include "run/summary.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

#include <string>

#include "words/number_format.h"

namespace lexicount {
namespace {

using test::NumberLocaleGuard;

WordStatistics Stats(std::int64_t included, std::int64_t excluded, std::int64_t occurrences) {
    WordStatistics s;
    s.lngNumWordsIncluded = included;
    s.lngNumWordsExcluded = excluded;
    s.lngNumOccurrences = occurrences;
    return s;
}

TEST(SummaryLabelsTest, FiguresRightAlignedToTheTotalPlusOne) {
    NumberLocaleGuard locale({",", "."});
    struct Case {
        WordStatistics stats;
        std::int64_t total;
        bool ignoresListedWords;
        bool partial;
        SummaryLabels labels;
    };
    const Case cases[] = {
        {Stats(3, 2, 10),
         1234,
         false,
         false,
         {"Number of words in this list:     3", "Number of words ignored:     2",
          "Number of instances of words in this list:    10", "Total number of instances of words: 1,234"}},
        {Stats(3, 2, 10),
         1234,
         true,
         false,
         {"Number of words in this list:     3", "No. of words ignored (other than common words):     2",
          "Number of instances of words in this list:    10", "Total number of instances of words: 1,234"}},
        {Stats(1234, 56789, 1234567),
         1234567,
         false,
         false,
         {"Number of words in this list:     1,234", "Number of words ignored:    56,789",
          "Number of instances of words in this list: 1,234,567",
          "Total number of instances of words: 1,234,567"}},
        {Stats(5, 0, 9),
         9,
         false,
         false,
         {"Number of words in this list: 5", "Number of words ignored: 0",
          "Number of instances of words in this list: 9", "Total number of instances of words: 9"}},
        // A partial count shows no instance lines.
        {Stats(3, 2, 10),
         1234,
         true,
         true,
         {"Number of words in this list:     3", "No. of words ignored (other than common words):     2", "",
          ""}},
        // Nothing listed: no instance lines either.
        {Stats(0, 4, 0),
         40,
         false,
         false,
         {"Number of words in this list:  0", "Number of words ignored:  4", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("total " + std::to_string(c.total));
        const SummaryLabels l = ComposeSummaryLabels(c.stats, c.total, c.ignoresListedWords, c.partial);
        EXPECT_EQ(l.lblNumberOfWords, c.labels.lblNumberOfWords);
        EXPECT_EQ(l.lblNumWordsExcluded, c.labels.lblNumWordsExcluded);
        EXPECT_EQ(l.lblNumOccurrences, c.labels.lblNumOccurrences);
        EXPECT_EQ(l.lblTotalNumOccurrences, c.labels.lblTotalNumOccurrences);
    }
}

TEST(SummaryLabelsTest, UsesTheLocaleSeparator) {
    NumberLocaleGuard locale({".", ","});
    const SummaryLabels l = ComposeSummaryLabels(Stats(1500, 2, 3000), 1234567, false, false);
    EXPECT_EQ(l.lblNumberOfWords, "Number of words in this list:     1.500");
    EXPECT_EQ(l.lblTotalNumOccurrences, "Total number of instances of words: 1.234.567");
}

TEST(FormatElapsedTimeTest, Examples) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0s"},
        {59, "59s"},
        {60, "1m"},
        {61, "1m 1s"},
        {3600, "1h 0m"},
        {3661, "1h 1m 1s"},
        {13462, "3h 44m 22s"},
        {86400, "1d 0h 0m"},
        {90061, "1d 1h 1m 1s"},
        {120, "2m"},
        {3599, "59m 59s"},
        {86399, "23h 59m 59s"},
        {86460, "1d 0h 1m"},
        {172800 + 59, "2d 0h 0m 59s"},
    };
    for (const auto& [seconds, text] : cases) EXPECT_EQ(FormatElapsedTime(seconds), text) << seconds;
}

TEST(ScanTimeLineTest, ThreeDecimalsWithAPointWhateverTheNumberLocale) {
    const test::NumberLocaleGuard guard(NumberLocale{".", ","});
    const std::pair<double, const char*> cases[] = {
        {0.0, "Scan time: 0.000 s"},
        {0.1234, "Scan time: 0.123 s"},
        {12.0006, "Scan time: 12.001 s"},
        {3600.25, "Scan time: 3600.250 s"},
    };
    for (const auto& [seconds, text] : cases) EXPECT_EQ(ScanTimeLine(seconds), text) << seconds;
}

}  // namespace
}  // namespace lexicount
