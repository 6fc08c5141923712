#include "output/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/settings_record.h"
#include "output/text_box_listing.h"
#include "support/test_support.h"

namespace lexicount::test {
namespace {

struct Counted {
    WordTable table;
    WordStatistics stats;
};

Counted Count(std::initializer_list<const char*> words) {
    Counted c;
    for (const char* w : words) c.table.AddWordToList(w);
    c.table.PutInOrdinalOrder();
    SettingsRecord s;
    MarkIncludedWords(c.table, s, 2);
    c.stats = ComputeWordStatistics(c.table);
    BuildFrequencyChain(c.table, c.stats);
    return c;
}

constexpr const char* kHints =
    "\"To open this file in Excel state that it is delimited by spaces.\r\n"
    "\"Set File Origin: Windows (ANSI) & Text qualifier: double-quote.\r\n\r\n";

TEST(ComposeOutputFile, WithoutCommasTheLinesAreThoseOfTheTextBox) {
    const Counted c = Count({"pear", "apple", "pear", "fig"});
    for (int format = 0; format <= 8; ++format) {
        SettingsRecord s;
        s.cboDisplayFormat = static_cast<std::int16_t>(format);
        StringTextBox box;
        ListingContext context(box);
        ShowListInTextBox(c.table, c.stats, s, 6, context);
        EXPECT_EQ(ComposeOutputFile(c.table, c.stats, s, 6), kHints + box.Text()) << "format " << format;
    }
}

TEST(ComposeOutputFile, CommaModeAndFormatNine) {
    const Counted c = Count({"pear", "apple", "pear"});
    SettingsRecord s;
    s.chkOutputWithCommas = 1;
    s.cboDisplayFormat = 1;
    EXPECT_EQ(ComposeOutputFile(c.table, c.stats, s, 6),
              "\"To open this file in Excel state that it is delimited by commas.\r\n"
              "\"Set File Origin: Windows (ANSI) & Text qualifier: double-quote.\r\n\r\n"
              "    Rank,  Word,   Freq\r\n"
              "       1,  pear,      2\r\n"
              "       2,  apple,      1\r\n");
    s.cboDisplayFormat = 9;
    s.cboWordOrder = kAlphabetical;
    const std::string text = ComposeOutputFile(c.table, c.stats, s, 6);
    EXPECT_EQ(text.substr(text.size() - 11), "apple, pear");
}

TEST(ComposeOutputFile, AStopKeepsTheLinesWrittenSoFar) {
    const Counted c = Count({"a1", "b2", "c3"});
    SettingsRecord s;
    s.chkIgnoreShortWords = 0;
    s.cboDisplayFormat = 8;
    int calls = 0;
    const std::string text = ComposeOutputFile(c.table, c.stats, s, 6, [&] { return ++calls < 2; });
    EXPECT_EQ(text, std::string(kHints) + "Word (longest has 2 characters)\r\na1\r\nb2\r\n");
}

TEST(SameFile, ByIdentityAndByPath) {
    TempDir dir;
    const auto file = dir.Write("a.txt", "x");
    std::filesystem::create_directory(dir.path() / "sub");
    std::filesystem::create_symlink(file, dir.path() / "link.txt");
    EXPECT_TRUE(SameFile(file, dir.path() / "sub" / ".." / "a.txt"));
    EXPECT_TRUE(SameFile(file, dir.path() / "link.txt"));
    EXPECT_FALSE(SameFile(file, dir.path() / "b.txt"));
    EXPECT_TRUE(SameFile(dir.path() / "new.txt", dir.path() / "sub" / ".." / "new.txt"));
}

TEST(WriteOutputFile, ReportsAPathThatCannotBeWritten) {
    TempDir dir;
    const Counted c = Count({"pear"});
    SettingsRecord s;
    EXPECT_NE(WriteOutputFile(dir.path() / "missing" / "out.txt", c.table, c.stats, s, 6), "");
    EXPECT_NE(WriteOutputFile(dir.path(), c.table, c.stats, s, 6), "");
    EXPECT_EQ(WriteOutputFile(dir.path() / "out.txt", c.table, c.stats, s, 6), "");
    EXPECT_EQ(ReadFileBytes(dir.path() / "out.txt").substr(0, 2), "\"T");
}

}  // namespace
}  // namespace lexicount::test
