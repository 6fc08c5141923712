// Saved counts: written and read back whole, refused when damaged, cut short
// or of another version, and compared with the settings of a merging run.

#include "output/counts_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace lexicount {
namespace {

using test::TempDir;

std::string SavedText(const SettingsRecord& settings, const CommonWords& common = {}) {
    WordTable table(7);
    for (const char* word : {"b", "b", "caf\xE9", "b", "a"}) table.AddWordToList(word);
    table.AddWordCount("zeta", 1000000000000LL);
    // Of the instances found, some were not counted (too short, say).
    return CountsText(CountsHeader(settings, common), table, 1000000000009LL, 2);
}

TEST(CountsFile, ReadsBackWhatWasWritten) {
    SettingsRecord settings;
    settings.txbWordsToIgnore = "line one\r\nback\\slash";
    const TempDir dir;
    CountsFile read;
    ASSERT_EQ(ReadCountsFile(dir.Write("a.counts", SavedText(settings)), read), "");
    EXPECT_FALSE(read.utf8);
    EXPECT_EQ(read.instances, 1000000000009LL);
    EXPECT_EQ(read.outsideCp1252, 2);
    using Words = std::vector<std::pair<std::string, std::int64_t>>;
    EXPECT_EQ(read.words, (Words{{"b", 3}, {"caf\xE9", 1}, {"a", 1}, {"zeta", 1000000000000LL}}));
    EXPECT_EQ(CountsMismatch(read, CountsHeader(settings, {})), "");
    // The same file with CR LF line ends, as a Windows editor leaves it.
    std::string crlf;
    for (const char c : SavedText(settings)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    CountsFile fromWindows;
    ASSERT_EQ(ReadCountsFile(dir.Write("b.counts", crlf), fromWindows), "");
    EXPECT_EQ(fromWindows.words, read.words);
}

TEST(CountsFile, RefusesWhatItCannotUse) {
    const std::string good = SavedText(SettingsRecord{});
    const size_t words = good.find("words ");
    const std::string cut = good.substr(0, good.size() - 4);  // no "end"
    struct Case {
        const char* name;
        std::string text;
        std::string problem;
    };
    const Case cases[] = {
        {"another file", "rank,word\n", "not a counts file of Lexicount"},
        {"a later version", "lexicount counts 2\n",
         "counts file version 2 cannot be read (this is version 1)"},
        {"cut short", cut,
         "cut short after line " + std::to_string(std::count(cut.begin(), cut.end(), '\n'))},
        {"a frequency that is none", good.substr(0, words) + "words 1\nx\tb\nend\n", "damaged at line"},
        {"more words than said", good.substr(0, words) + "words 1\n1\ta\n2\tb\nend\n", "damaged at line"},
        {"no encoding", "lexicount counts 1\nsetting a=b\n", "damaged at line 2"},
        {"more of a word than there were words", good.substr(0, words) + "words 1\n10\tb\nend\n",
         "damaged at line"},
        {"fewer than no instances", good.substr(0, good.find("instances ")) + "instances -1\n",
         "damaged at line"},
    };
    const TempDir dir;
    for (const Case& c : cases) {
        CountsFile read;
        EXPECT_EQ(ReadCountsFile(dir.Write("c.counts", c.text), read).rfind(c.problem, 0), 0u) << c.name;
    }
    CountsFile read;
    EXPECT_EQ(ReadCountsFile(dir.path() / "missing.counts", read), "cannot be opened");
}

TEST(CountsFile, MergesOnlyCountsOfTheSameWordRules) {
    const TempDir dir;
    SettingsRecord settings;
    CountsFile saved;
    ASSERT_EQ(ReadCountsFile(dir.Write("a.counts", SavedText(settings)), saved), "");
    // The listing's own settings may differ; the word rules may not.
    SettingsRecord listing = settings;
    listing.cboWordOrder = 1;
    listing.cboThresholdFrequency = 3;
    EXPECT_EQ(CountsMismatch(saved, CountsHeader(listing, {})), "");
    SettingsRecord plural = settings;
    plural.chkDropFinalS = 1;
    EXPECT_EQ(CountsMismatch(saved, CountsHeader(plural, {})), "chkDropFinalS is 0 there, 1 here");
    SettingsRecord common = settings;
    common.chkIgnoreCommonWords = 1;
    const CommonWords english({"and", "the"});
    CountsFile withList;
    ASSERT_EQ(ReadCountsFile(dir.Write("b.counts", SavedText(common, english)), withList), "");
    EXPECT_EQ(CountsMismatch(withList, CountsHeader(common, english)), "");
    EXPECT_EQ(CountsMismatch(withList, CountsHeader(common, CommonWords({"and", "then"}))),
              "the common words differ (2 words there, 2 here)");
}

}  // namespace
}  // namespace lexicount
