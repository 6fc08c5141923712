#include "output/text_box_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings_record.h"
#include "output/word_table_sort.h"
#include "support/test_support.h"
#include "words/post_scan.h"

namespace lexicount {
namespace {

using test::W;

// A counted, sorted and marked table, as a counting run hands it to the
// listing.
struct Counted {
    WordTable table;
    WordStatistics stats;
};

Counted Count(const std::vector<std::pair<std::string, int>>& words, const SettingsRecord& settings) {
    Counted c;
    for (const auto& [word, count] : words) {
        for (int n = 0; n < count; ++n) c.table.AddWordToList(word);
    }
    c.table.PutInOrdinalOrder();
    SortWordTable(c.table, 1, static_cast<long>(c.table.lngNumWords()), 1);
    MarkIncludedWords(c.table, settings, ThresholdFrequency(settings));
    c.stats = ComputeWordStatistics(c.table);
    BuildFrequencyChain(c.table, c.stats);
    return c;
}

// w001, w002, ... (i below 1000).
std::string NumberedWord(int i) {
    const std::string digits = std::to_string(i);
    return "w" + std::string(3 - digits.size(), '0') + digits;
}

// w001 ... wNNN, each seen once.
std::vector<std::pair<std::string, int>> NumberedWords(int n) {
    std::vector<std::pair<std::string, int>> words;
    for (int i = 1; i <= n; ++i) words.emplace_back(NumberedWord(i), 1);
    return words;
}

std::string NumberedLines(int from, int to, const char* separator) {
    std::string text;
    for (int i = from; i <= to; ++i) text += NumberedWord(i) + separator;
    return text;
}

// Records every append, so the batches can be checked.
class RecordingTextBox : public StringTextBox {
public:
    void Append(std::string_view text) override {
        appends.emplace_back(text);
        StringTextBox::Append(text);
    }
    std::vector<std::string> appends;
};

struct ErrorReport {
    int number;
    std::string description;
    std::string procedure;
};

// A listing into a fresh text box with recorded errors and an optional
// stop that the event loop delivers on its n-th run.
struct Harness {
    explicit Harness(size_t capacity = 65000) : context(box) {
        context.capacity = capacity;
        context.yield = [this] {
            ++yields;
            if (stopOnYield != 0 && yields == stopOnYield) stop = true;
        };
        context.stopRequested = [this] { return stop; };
        context.reportError = [this](int number, const std::string& description,
                                     const std::string& procedure) {
            errors.push_back({number, description, procedure});
        };
    }
    void Show(const Counted& c, const SettingsRecord& settings) {
        box.SetText("old text that the listing replaces");
        ShowListInTextBox(c.table, c.stats, settings, 6, context);
    }

    RecordingTextBox box;
    ListingContext context;
    int yields = 0;
    int stopOnYield = 0;
    bool stop = false;
    std::vector<ErrorReport> errors;
};

SettingsRecord Settings(int format, int order) {
    SettingsRecord s;
    s.cboDisplayFormat = static_cast<std::int16_t>(format);
    s.cboWordOrder = static_cast<std::int16_t>(order);
    return s;
}

std::vector<std::pair<std::string, int>> Fruit() {
    return {{"zeta", 2}, {W("éclair"), 2}, {"mango", 1}, {"apple", 3}};
}

TEST(TextBoxListingTest, OrdersAndFormats) {
    struct Case {
        int format;
        int order;
        std::string text;
    };
    const std::string header0 = "   Rank    Freq  Word (longest has 6 characters)\r\n";
    const Case cases[] = {
        {0, kByFrequency,
         header0 + "      1       3  apple\r\n" + "      2       2  " + W("éclair") + "\r\n" +
             "      3       2  zeta\r\n" + "      4       1  mango\r\n"},
        {0, kAlphabetical,
         header0 + "      1       3  apple\r\n" + "      2       2  " + W("éclair") + "\r\n" +
             "      4       1  mango\r\n" + "      3       2  zeta\r\n"},
        {6, kAlphabetical,
         "  Word     Rank\r\n  apple       1\r\n  " + W("éclair") + "      2\r\n" +
             "  mango       4\r\n  zeta        3\r\n"},
        {8, kByFrequency,
         "Word (longest has 6 characters)\r\napple\r\n" + W("éclair") + "\r\nzeta\r\nmango\r\n"},
        {9, kByFrequency, "apple, " + W("éclair") + ", zeta, mango\r\n"},
        {9, kAlphabetical, "apple, " + W("éclair") + ", mango, zeta\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("format " + std::to_string(c.format) + " order " + std::to_string(c.order));
        const SettingsRecord settings = Settings(c.format, c.order);
        const Counted counted = Count(Fruit(), settings);
        Harness h;
        h.Show(counted, settings);
        EXPECT_EQ(h.box.Text(), c.text);
        EXPECT_TRUE(h.errors.empty());
    }
}

TEST(TextBoxListingTest, NoWordsMessage) {
    SettingsRecord settings = Settings(0, kByFrequency);
    settings.chkIgnoreInfrequentWords = 1;
    settings.cboThresholdFrequency = 1;  // 3
    const Counted rare = Count({{"once", 1}, {"twice", 2}, {"xiv", 5}}, settings);
    ASSERT_EQ(rare.stats.lngNumWordsIncluded, 0);
    Harness h;
    h.Show(rare, settings);
    EXPECT_EQ(h.box.Text(), "No words with more than 2 letters\r\noccur at least 3 times.");

    // Format 9 closes its (absent) line all the same.
    settings.cboDisplayFormat = 9;
    Harness h9;
    h9.Show(rare, settings);
    EXPECT_EQ(h9.box.Text(), "No words with more than 2 letters\r\noccur at least 3 times.\r\n");

    const Counted empty = Count({}, settings);
    Harness none;
    none.Show(empty, Settings(0, kAlphabetical));
    EXPECT_EQ(none.box.Text(), "No words satisfying the conditions were found.");
}

TEST(TextBoxListingTest, HeaderDirectlyThenBatchesOfTwenty) {
    const SettingsRecord settings = Settings(8, kAlphabetical);
    Harness h;
    h.Show(Count(NumberedWords(45), settings), settings);
    const std::string header = "Word (longest has 4 characters)\r\n";
    EXPECT_EQ(h.box.appends,
              (std::vector<std::string>{header, NumberedLines(1, 20, "\r\n"), NumberedLines(21, 40, "\r\n"),
                                        NumberedLines(41, 45, "\r\n")}));
    EXPECT_EQ(h.box.Text(), header + NumberedLines(1, 45, "\r\n"));
    EXPECT_EQ(h.box.Caret(), 0u);
}

TEST(TextBoxListingTest, FullTextBoxStopsAfterTheLastBatchThatFitted) {
    const std::string header = "Word (longest has 4 characters)\r\n";
    const size_t line = 6;  // "w001" CR LF
    struct Case {
        int words;
        int order;
        size_t capacity;
        int linesShown;
        const char* procedure;  // "" for no report
    };
    const Case cases[] = {
        {50, kByFrequency, header.size() + 39 * line, 20, "ListWordsByFrequency A"},
        {50, kAlphabetical, header.size() + 39 * line, 20, "ListWordsAlphabetically A"},
        {50, kByFrequency, header.size() + 19 * line, 0, "ListWordsByFrequency A"},
        {25, kByFrequency, header.size() + 24 * line, 20, "ListWordsByFrequency B"},
        {25, kAlphabetical, header.size() + 24 * line, 20, "ListWordsAlphabetically B"},
        {25, kAlphabetical, header.size() + 25 * line, 25, ""},  // exactly full is not too full
        {60, kByFrequency, header.size() + 60 * line, 60, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.words) + " words, capacity " + std::to_string(c.capacity));
        const SettingsRecord settings = Settings(8, c.order);
        Harness h(c.capacity);
        h.Show(Count(NumberedWords(c.words), settings), settings);
        EXPECT_EQ(h.box.Text(), header + NumberedLines(1, c.linesShown, "\r\n"));
        EXPECT_LE(h.box.Length(), c.capacity);
        if (*c.procedure == '\0') {
            EXPECT_TRUE(h.errors.empty());
        } else {
            ASSERT_EQ(h.errors.size(), 1u);
            EXPECT_EQ(h.errors[0].number, -6);
            EXPECT_EQ(h.errors[0].description, "");
            EXPECT_EQ(h.errors[0].procedure, c.procedure);
            EXPECT_EQ(h.box.Caret(), 0u);
        }
    }
}

TEST(TextBoxListingTest, FullTextBoxInFormatNineStillEndsTheLine) {
    const SettingsRecord settings = Settings(9, kByFrequency);
    Harness h(39 * 6);  // "w001, " is 6 characters; no header
    h.Show(Count(NumberedWords(50), settings), settings);
    ASSERT_EQ(h.errors.size(), 1u);
    EXPECT_EQ(h.errors[0].procedure, "ListWordsByFrequency A");
    EXPECT_EQ(h.box.Text(), NumberedLines(1, 19, ", ") + "w020\r\n");
}

TEST(TextBoxListingTest, StopRequestEndsTheListing) {
    struct Case {
        int format;
        int order;
        std::string text;
    };
    const Case cases[] = {
        {8, kByFrequency,
         "Word (longest has 4 characters)\r\n" + NumberedLines(1, 3, "\r\n") + "\r\nListing stopped.\r\n"},
        {8, kAlphabetical,
         "Word (longest has 4 characters)\r\n" + NumberedLines(1, 3, "\r\n") + "\r\nListing stopped.\r\n"},
        // No closing of the format-9 line after a stop.
        {9, kByFrequency, NumberedLines(1, 3, ", ") + "\r\nListing stopped.\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("format " + std::to_string(c.format) + " order " + std::to_string(c.order));
        const SettingsRecord settings = Settings(c.format, c.order);
        const Counted counted = Count(NumberedWords(30), settings);
        Harness h;
        h.stopOnYield = 3;
        h.Show(counted, settings);
        EXPECT_EQ(h.box.Text(), c.text);
        EXPECT_EQ(h.box.Caret(), TextBox::kEnd);
        EXPECT_TRUE(h.errors.empty());

        Harness again;
        again.stopOnYield = 3;
        EXPECT_FALSE(ListWordsToTextBox(counted.table, counted.stats, settings, 6, again.context));
        Harness whole;
        EXPECT_TRUE(ListWordsToTextBox(counted.table, counted.stats, settings, 6, whole.context));
    }
}

TEST(TextBoxListingTest, AlphabeticalListingYieldsAfterEveryRecordListedOrNot) {
    // "iv" is a Roman numeral below XL: first in the table, not listed.
    const SettingsRecord settings = Settings(8, kAlphabetical);
    const Counted counted = Count({{"zebra", 1}, {"iv", 1}, {"mango", 1}}, settings);
    ASSERT_FALSE(counted.table[1].Included);

    Harness whole;
    whole.Show(counted, settings);
    EXPECT_EQ(whole.box.Text(), "Word (longest has 5 characters)\r\nmango\r\nzebra\r\n");
    EXPECT_EQ(whole.yields, 3);

    // A stop that arrives while the unlisted record is visited ends the
    // listing before anything is listed.
    Harness stopped;
    stopped.stopOnYield = 1;
    stopped.Show(counted, settings);
    EXPECT_EQ(stopped.box.Text(), "Word (longest has 5 characters)\r\n\r\nListing stopped.\r\n");
}

TEST(TextBoxListingTest, FrequencyListingYieldsAfterEveryListedRecord) {
    const SettingsRecord settings = Settings(0, kByFrequency);
    Harness h;
    h.Show(Count({{"zebra", 1}, {"iv", 1}, {"mango", 1}}, settings), settings);
    EXPECT_EQ(h.yields, 2);
}

}  // namespace
}  // namespace lexicount
