// The two lists that keep words out of a count, tested through the
// admission gate as a count uses them, and the sorted-list search.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "support/test_support.h"
#include "words/cp1252.h"
#include "words/word_counter.h"
#include "words/word_lists.h"

namespace lexicount {
namespace {

using test::W;
using Words = std::vector<std::string>;

struct GateCase {
    const char* name;
    std::string wordsToIgnore;
    Words commonWords;
    int ignoreCommon;
    Words offered;  // as the scanner hands them on (already case-folded or not)
    Words counted;  // what reaches the table
};

Words Counted(const GateCase& c) {
    SettingsRecord s;
    s.chkIgnoreCommonWords = static_cast<std::int16_t>(c.ignoreCommon);
    s.chkIgnoreShortWords = 0;
    const WordRules rules = WordRules::ForCount(s, BuildAllowedExtraChars(s));
    const WordsToIgnore ignore(c.wordsToIgnore);
    const CommonWords common(c.commonWords);
    WordTable table;
    WordCounter counter(table, rules, ignore, common);
    for (const auto& w : c.offered) counter.TakeWordFound(w);
    EXPECT_EQ(counter.lngTotalNumOccurrences, static_cast<std::int64_t>(c.offered.size())) << c.name;
    table.PutInOrdinalOrder();
    Words words;
    for (std::int64_t i = 1; i <= table.lngNumWords(); ++i) words.push_back(table[i].Word);
    return words;
}

TEST(WordListsTest, AdmissionThroughBothLists) {
    const GateCase cases[] = {
        {"whole entries only",
         " cat dog ",
         {},
         0,
         {"catalogue", "Dog", "cat", "dogs", "hotdog"},
         {"catalogue", "dogs", "hotdog"}},
        {"accented entry", W(" été "), {}, 0, {W("été"), W("ÉTÉ"), "ete"}, {"ete"}},
        {"no words to ignore", "", {}, 0, {"cat", "dog"}, {"cat", "dog"}},
        {"common words, case significant",
         "",
         {"and", "the"},
         1,
         {"The", "THE", "the", "then", "And"},
         {"then"}},
        {"common words not used when the box is off", "", {"the"}, 0, {"the", "cat"}, {"cat", "the"}},
        {"common words only on exactly 1", "", {"the"}, 2, {"the"}, {"the"}},
        {"both lists", " cat ", {"cat", "the"}, 1, {"cat", "the", "dog", "Cat"}, {"dog"}},
        {"accented common word", "", {W("déjà")}, 1, {W("DÉJÀ"), W("déjà"), "deja"}, {"deja"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Counted(c), c.counted) << c.name;
}

TEST(WordListsTest, ListContents) {
    const WordsToIgnore ignore(" cat dog ");
    EXPECT_TRUE(ignore.Contains("cat"));
    EXPECT_TRUE(ignore.Contains("dog"));
    EXPECT_FALSE(ignore.Contains("at"));
    EXPECT_FALSE(ignore.Contains("catalogue"));
    EXPECT_FALSE(ignore.Contains("Dog"));  // the caller lower-cases
    EXPECT_FALSE(WordsToIgnore("").Contains("cat"));

    const CommonWords common({"and", "of", "the"});
    EXPECT_EQ(common.size(), 3);
    EXPECT_TRUE(common.Contains("of"));
    EXPECT_FALSE(common.Contains("off"));
    EXPECT_FALSE(CommonWords().Contains("the"));
}

TEST(FindInSortedListTest, FindsEveryElementAndNothingElse) {
    for (int n = 0; n <= 33; ++n) {
        std::vector<std::string> list;
        for (int i = 0; i < n; ++i)
            list.push_back("k" + std::string(1, static_cast<char>('b' + 2 * (i % 12))) +
                           std::to_string(i / 12));
        std::sort(list.begin(), list.end(), LessOrdinal);
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(FindInSortedList(list[i], list, 1), i + 1) << "n " << n << " " << list[i];
            // Keys between, before and after the elements are not found.
            EXPECT_EQ(FindInSortedList(list[i] + "0", list, 1), 0) << "n " << n;
        }
        EXPECT_EQ(FindInSortedList("a", list, 1), 0) << "n " << n;
        EXPECT_EQ(FindInSortedList("z", list, 1), 0) << "n " << n;
        EXPECT_EQ(FindInSortedList("", list, 1), 0) << "n " << n;
    }
}

TEST(FindInSortedListTest, UsesOrdinalOrderByCodePoint) {
    // In code-point order the opening quote (145, U+2018) comes after ÿ.
    const std::vector<std::string> list = {"a", W("é"), W("ÿ"), W("‘a"), W("‘b"), W("€")};
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(FindInSortedList(list[i], list, 1), static_cast<long>(i) + 1) << Utf8FromCp1252(list[i]);
    }
    EXPECT_EQ(FindInSortedList(W("ü"), list, 1), 0);
}

TEST(FindInSortedListTest, ComparesFromTheStartPosition) {
    const std::vector<std::string> list = {"zab", "yac", "xad", "wae"};  // sorted from position 2
    EXPECT_EQ(FindInSortedList("ac", list, 2), 2);
    EXPECT_EQ(FindInSortedList("ae", list, 2), 4);
    EXPECT_EQ(FindInSortedList("yac", list, 2), 0);
    EXPECT_EQ(FindInSortedList("c", list, 3), 2);
    EXPECT_EQ(FindInSortedList("ac", list, 1), 0);
}

}  // namespace
}  // namespace lexicount
