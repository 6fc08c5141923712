// The word table: counting, the 80-character limit, growth, and the ordinal
// order (by Unicode code point of each Windows-1252 character).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "words/cp1252.h"
#include "words/short_word_key.h"
#include "words/word_table.h"

namespace lexicount {
namespace {

using test::W;

std::vector<std::string> WordsInOrder(const WordTable& t) {
    std::vector<std::string> words;
    for (std::int64_t i = 1; i <= t.lngNumWords(); ++i) words.push_back(t[i].Word);
    return words;
}

std::vector<std::int64_t> Counts(const WordTable& t) {
    std::vector<std::int64_t> counts;
    for (std::int64_t i = 1; i <= t.lngNumWords(); ++i) counts.push_back(t[i].Frequency);
    return counts;
}

TEST(WordTableTest, CountsAndOrders) {
    WordTable t;
    EXPECT_TRUE(t.AddWordToList("b"));
    EXPECT_TRUE(t.AddWordToList("a"));
    EXPECT_TRUE(t.AddWordToList("c"));
    EXPECT_FALSE(t.AddWordToList("a"));  // a repeated word is not new
    t.PutInOrdinalOrder();
    EXPECT_EQ(t.lngNumWords(), 3);
    EXPECT_EQ(WordsInOrder(t), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(Counts(t), (std::vector<std::int64_t>{2, 1, 1}));
    EXPECT_EQ(t.Find("b"), 2);
    EXPECT_EQ(t.Find("d"), 0);
    EXPECT_TRUE(t[0].Word.empty());  // record 0 is never used
}

TEST(WordTableTest, NewRecordIsIncludedWithCountOne) {
    WordTable t;
    t.AddWordToList("word");
    const auto& r = t[t.Find("word")];
    EXPECT_EQ(r.Word, "word");
    EXPECT_EQ(r.Frequency, 1);
    EXPECT_TRUE(r.Included);
}

TEST(WordTableTest, OrdinalOrder) {
    struct Case {
        std::vector<std::string> added;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{"the", "The"}, {"The", "the"}},          // case is not folded
        {{"abc", "ab", "a"}, {"a", "ab", "abc"}},  // a proper prefix sorts first
        {{"Z", "a", "9", "-"}, {"-", "9", "Z", "a"}},
        // Code points: z (7A) < é (E9) < ÿ (FF) < Ÿ (178) < ‘ (2018) < € (20AC).
        {{W("a€"), W("a‘"), W("aŸ"), W("aÿ"), W("aé"), "az"},
         {"az", W("aé"), W("aÿ"), W("aŸ"), W("a‘"), W("a€")}},
        {{W("‘x"), W("ÿ"), W("ß")}, {W("ß"), W("ÿ"), W("‘x")}},
    };
    for (const auto& c : cases) {
        WordTable t;
        for (const auto& w : c.added) t.AddWordToList(w);
        t.PutInOrdinalOrder();
        EXPECT_EQ(WordsInOrder(t), c.expected);
    }
}

TEST(WordTableTest, EightyCharactersAtMost) {
    WordTable t;
    const std::string w80(80, 'x');
    const std::string w81(81, 'y');
    EXPECT_TRUE(t.AddWordToList(w80));
    EXPECT_FALSE(t.AddWordToList(w81));
    EXPECT_FALSE(t.AddWordToList(w81));
    EXPECT_EQ(t.lngNumWords(), 1);
    EXPECT_EQ(t.Find(w81), 0);
    t.AddWordToList(w80);
    EXPECT_EQ(t[t.Find(w80)].Frequency, 2);
}

// Well beyond the first 500 records: every count must survive the growth.
TEST(WordTableTest, GrowthKeepsEveryCount) {
    WordTable t;
    const int n = 5000;
    auto word = [](int i) { return "w" + std::to_string(i); };
    for (int round = 0; round < 4; ++round) {
        for (int i = 0; i < n; ++i) {
            if (i % 4 >= round) t.AddWordToList(word(i));
        }
    }
    ASSERT_EQ(t.lngNumWords(), n);
    for (int i = 0; i < n; ++i) {
        const auto at = t.Find(word(i));
        ASSERT_NE(at, 0) << word(i);
        EXPECT_EQ(t[at].Frequency, i % 4 + 1) << word(i);
    }
    t.PutInOrdinalOrder();
    const auto words = WordsInOrder(t);
    for (size_t i = 1; i < words.size(); ++i) EXPECT_LT(CompareOrdinal(words[i - 1], words[i]), 0);
    for (int i = 0; i < n; i += 97) EXPECT_EQ(t[t.Find(word(i))].Frequency, i % 4 + 1) << word(i);
}

// Words that look alike to the index: prefixes of one another, a shared
// first eight bytes, and control bytes where a short word's key keeps its
// length. Counts are read between additions and the records reordered
// through Records(), as the passes after a scan do.
TEST(WordTableTest, LookAlikeWordsKeepTheirOwnCounts) {
    std::vector<std::string> words;
    const std::string base = "abcdefghijklmnopqrst";
    for (size_t n = 1; n <= base.size(); ++n) words.push_back(base.substr(0, n));
    for (char c = 0; c < 8; ++c) {
        words.push_back(std::string("abcdefg") + c);
        words.push_back(std::string("ab") + c);
        words.push_back(std::string("abcdefgh") + c);
    }
    words.push_back(std::string(1, '\0'));
    words.push_back(std::string(2, '\0'));
    std::map<std::string, std::int64_t> expected;
    WordTable t;
    for (int round = 0; round < 3; ++round) {
        for (size_t i = 0; i < words.size(); ++i) {
            if ((i + round) % 3 == 0) continue;
            t.AddWordToList(words[i]);
            ++expected[words[i]];
        }
        if (round == 1) {
            auto& records = t.Records();
            std::reverse(records.begin() + 1, records.end());
        }
        for (const auto& [word, count] : expected) {
            const auto at = t.Find(word);
            ASSERT_NE(at, 0) << "round " << round << " length " << word.size();
            EXPECT_EQ(t[at].Word, word);
            EXPECT_EQ(t[at].Frequency, count) << "round " << round << " length " << word.size();
        }
    }
    EXPECT_EQ(t.lngNumWords(), static_cast<std::int64_t>(expected.size()));
}

// Seven-letter words that all start their walk in the same slot of the
// index under the seed: the flood the random seed and the bound guard
// against, built here with the seed known.
TEST(WordTableTest, CollidingWordsMakeTheIndexChangeItsSeed) {
    const std::uint64_t seed = 0x5EED;
    std::mt19937 rng(3);
    std::vector<std::string> words;
    while (words.size() < 300) {
        std::string w(7, 'a');
        for (char& c : w) c = static_cast<char>('a' + rng() % 26);
        if ((HashWord(w, seed) & 1023) == 0 && std::find(words.begin(), words.end(), w) == words.end()) {
            words.push_back(w);
        }
    }
    WordTable flooded(seed);
    WordTable ordinary;
    for (int round = 0; round < 3; ++round) {
        for (const std::string& w : words) {
            EXPECT_EQ(flooded.AddWordToList(w), round == 0);
            ordinary.AddWordToList(w);
        }
    }
    EXPECT_NE(flooded.Seed(), seed);
    EXPECT_LE(flooded.LongestProbeRun(), WordTable::kMaxProbeRun);
    ASSERT_EQ(flooded.lngNumWords(), 300);
    for (const std::string& w : words) EXPECT_EQ(flooded[flooded.Find(w)].Frequency, 3) << w;
    // The seed decides nothing but where the index looks.
    flooded.PutInOrdinalOrder();
    ordinary.PutInOrdinalOrder();
    EXPECT_EQ(WordsInOrder(flooded), WordsInOrder(ordinary));
    EXPECT_EQ(Counts(flooded), Counts(ordinary));
}

// A short word's key holds its bytes in order from the lowest and its length
// in the top byte, whatever the machine's byte order: two different words
// never share a key.
TEST(ShortWordKeyTest, BytesInOrderAndLength) {
    const std::string words[] = {"",
                                 "a",
                                 "ab",
                                 "abc",
                                 "abcd",
                                 "abcde",
                                 "abcdef",
                                 "abcdefg",
                                 std::string("\0\xFF\x80", 3),
                                 "\xFF\xFE\xFD\xFC\xFB\xFA\xF9",
                                 "a\xE9t\xE9"};
    std::mt19937 rng(5);
    std::vector<std::string> all(std::begin(words), std::end(words));
    for (int i = 0; i < 200; ++i) {
        std::string w(rng() % 8, '\0');
        for (char& c : w) c = static_cast<char>(rng());
        all.push_back(w);
    }
    for (const std::string& w : all) {
        std::uint64_t expected = static_cast<std::uint64_t>(w.size()) << 56;
        for (size_t i = 0; i < w.size(); ++i) {
            expected |= static_cast<std::uint64_t>(static_cast<unsigned char>(w[i])) << (8 * i);
        }
        EXPECT_EQ(ShortWordKey(w), expected) << "length " << w.size();
    }
}

TEST(WordTableTest, ClearEmptiesTheTable) {
    WordTable t;
    t.AddWordToList("one");
    t.AddWordToList("two");
    t.Clear();
    EXPECT_EQ(t.lngNumWords(), 0);
    EXPECT_EQ(t.Find("one"), 0);
    EXPECT_TRUE(t.AddWordToList("one"));
    EXPECT_EQ(t[t.Find("one")].Frequency, 1);
}

}  // namespace
}  // namespace lexicount
