// Normalisation of a cut word (final "s", apostrophe fragments), the Roman
// numeral test and the admission filters, at their exact boundaries.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/settings_record.h"
#include "support/test_support.h"
#include "words/cp1252.h"
#include "words/word_counter.h"
#include "words/word_rules.h"

namespace lexicount {
namespace {

using test::W;

WordRules Rules(const std::function<void(SettingsRecord&)>& change) {
    SettingsRecord s;
    if (change) change(s);
    return WordRules::ForCount(s, BuildAllowedExtraChars(s));
}

// A word of n different-looking letters, so no repetition filter applies.
std::string Letters(size_t n) {
    std::string w;
    for (size_t i = 0; i < n; ++i) w += static_cast<char>('a' + i % 26);
    return w;
}

TEST(FinalSTest, DroppedOnlyAfterALowerCaseNonVowel) {
    const WordRules rules = Rules([](SettingsRecord& s) {
        s.chkDropFinalS = 1;
        s.chkAllowWordsWithApostrophes = 1;  // keep fragments out of the picture
    });
    const std::pair<std::string, std::string> dropped[] = {
        {"cats", "cat"}, {"days", "day"}, {"its", "it"}, {"news", "new"},         {"tests", "test"},
        {"toys", "toy"}, {"Cats", "Cat"}, {"GAs", "GA"}, {W("CAFÉs"), W("CAFÉ")}, {"abs", "ab"},
    };
    for (const auto& [word, expected] : dropped) {
        EXPECT_EQ(NormaliseWord(word, rules), expected) << Utf8FromCp1252(word);
    }
    const std::string kept[] = {
        "boxes",   "gas",    "bus",    "this",  "class", "john's",  "physics", "basics",
        "PhysICs", "always", "Always", "maths", "stats", "dickens", "Dickens", "perhaps",
        "PERHAPs", "is",     "ics",    "as",    "us",    "CATS",    "mass",    W("cafés"),
    };
    for (const auto& word : kept) EXPECT_EQ(NormaliseWord(word, rules), word) << Utf8FromCp1252(word);
}

TEST(FinalSTest, OnlyWhenTheBoxIsExactlyOne) {
    for (int value : {0, 2}) {
        const WordRules rules =
            Rules([&](SettingsRecord& s) { s.chkDropFinalS = static_cast<std::int16_t>(value); });
        EXPECT_EQ(NormaliseWord("cats", rules), "cats") << value;
    }
}

TEST(ApostropheFragmentTest, DroppedWhenApostrophesAreNotAllowed) {
    struct Case {
        std::string word;
        bool dropped;
    };
    const Case cases[] = {
        {"s", true},     {"t", true},    {"S", true},      {"T", true},    {"aren", true},   {"ren", true},
        {"en", true},    {"n", true},    {"uldn", true},   {"dn", true},   {"couldn", true}, {"wouldn", true},
        {"weren", true}, {"isn", true},  {"ISN", true},    {"Aren", true}, {"sn", true},     {"oesn", true},
        {"don", false},  {"can", false}, {"won", false},   {"ain", false}, {"on", false},    {"wn", false},
        {"a", false},    {"st", false},  {"arent", false}, {"x", false},
    };
    const WordRules off = Rules(nullptr);
    const WordRules on = Rules([](SettingsRecord& s) { s.chkAllowWordsWithApostrophes = 1; });
    for (const auto& c : cases) {
        EXPECT_EQ(NormaliseWord(c.word, off), c.dropped ? "" : c.word) << c.word;
        EXPECT_EQ(NormaliseWord(c.word, on), c.word) << c.word;
    }
}

TEST(ApostropheFragmentTest, FinalSIsDroppedFirst) {
    const WordRules rules = Rules([](SettingsRecord& s) { s.chkDropFinalS = 1; });
    EXPECT_EQ(NormaliseWord("its", rules), "it");
    EXPECT_EQ(NormaliseWord("arens", rules), "");  // "aren" after the "s" goes
    EXPECT_EQ(NormaliseWord("dns", rules), "");
    EXPECT_EQ(NormaliseWord("s", rules), "");
    EXPECT_EQ(NormaliseWord("ts", rules), "ts");
}

TEST(ApostropheFragmentTest, IsContractionStem) {
    for (const char* w : {"aren", "ren", "en", "n", "uldn", "dn", "doesn", "HADN", "shouldn", "wasn"}) {
        EXPECT_TRUE(IsContractionStem(w)) << w;
    }
    for (const char* w : {"don", "can", "won", "ain", "arent", "aren t", "x"}) {
        EXPECT_FALSE(IsContractionStem(w)) << w;
    }
}

TEST(NormaliseWordTest, NothingChangesWhileReadingCommonWords) {
    const WordRules rules = WordRules::ForCommonWords();
    for (const char* w : {"cats", "t", "s", "aren", "don"}) EXPECT_EQ(NormaliseWord(w, rules), w);
}

TEST(RomanNumeralTest, Cases) {
    for (const char* w : {"ii", "xiv", "xxxviii", "vx", "xxxx", "XIV", " xi ", "v", "x", "iv", "IX"}) {
        EXPECT_TRUE(IsRomanNumeralBelow40(w)) << w;
    }
    for (const char* w : {"xl", "civil", "i", "I", " i ", "ivy", "l", "mix", "x1"}) {
        EXPECT_FALSE(IsRomanNumeralBelow40(w)) << w;
    }
}

TEST(WordFiltersTest, ShortWords) {
    struct Case {
        int check;
        int sizeIndex;
        size_t length;
        bool passes;
    };
    const Case cases[] = {
        {1, 1, 2, false},  {1, 1, 3, true},  // the default: at least 3
        {1, 0, 1, false},  {1, 0, 2, true}, {1, 13, 14, false},
        {1, 13, 15, true}, {0, 1, 1, true}, {2, 1, 1, true},  // only exactly 1 counts as on
    };
    for (const auto& c : cases) {
        const WordRules rules = Rules([&](SettingsRecord& s) {
            s.chkIgnoreShortWords = static_cast<std::int16_t>(c.check);
            s.cboShortWordSize = static_cast<std::int16_t>(c.sizeIndex);
        });
        EXPECT_EQ(ApplyWordFilters(Letters(c.length), rules), c.passes)
            << "check " << c.check << " index " << c.sizeIndex << " length " << c.length;
    }
}

TEST(WordFiltersTest, LongWordsAlwaysApply) {
    struct Case {
        int sizeIndex;
        size_t length;
        bool passes;
    };
    const Case cases[] = {
        {7, 50, true}, {7, 51, false},  // the default item "50"
        {0, 15, true}, {0, 16, false}, {15, 90, true}, {15, 91, false},
    };
    for (const auto& c : cases) {
        const WordRules rules = Rules([&](SettingsRecord& s) {
            s.chkIgnoreShortWords = 0;
            s.cboLongWordSize = static_cast<std::int16_t>(c.sizeIndex);
        });
        EXPECT_EQ(ApplyWordFilters(Letters(c.length), rules), c.passes)
            << "index " << c.sizeIndex << " length " << c.length;
    }
}

TEST(WordFiltersTest, NoLetterAndRepetitions) {
    struct Case {
        std::string word;
        bool noLetter;
        bool repetitions;
        bool passes;
    };
    const Case cases[] = {
        {"1999", true, true, false}, {"1999", false, true, true},   {"3-4", true, false, false},
        {"@@@", true, false, false}, {"@@@", false, true, false},   {"@@@", false, false, true},
        {"x11", true, true, true},   {W("Š12"), true, true, true},  {W("ž12"), true, true, false},
        {"aaa", false, true, false}, {"zz", true, true, false},     {"aaa", true, false, true},
        {"111", false, true, true},  {W("ÿÿÿ"), true, true, false}, {"aab", true, true, true},
        {"a", true, true, true},
    };
    for (const auto& c : cases) {
        const WordRules rules = Rules([&](SettingsRecord& s) {
            s.chkIgnoreShortWords = 0;
            s.chkIgnoreNoLetter = c.noLetter ? 1 : 0;
            s.chkIgnoreRepetitions = c.repetitions ? 1 : 0;
        });
        EXPECT_EQ(ApplyWordFilters(c.word, rules), c.passes)
            << Utf8FromCp1252(c.word) << " noLetter " << c.noLetter << " repetitions " << c.repetitions;
    }
}

// The gate: occurrences are counted before the filters, and a rejected word
// never reaches the table.
TEST(AdmissionGateTest, CountsBeforeFiltering) {
    SettingsRecord s;
    s.chkOnly7bitASCII = 1;
    const WordRules rules = WordRules::ForCount(s, BuildAllowedExtraChars(s));
    WordTable table;
    const WordsToIgnore noIgnore;
    const CommonWords noCommon;
    WordCounter counter(table, rules, noIgnore, noCommon);
    for (const auto& w : std::vector<std::string>{"cafe", W("café"), "ab", "1999", "zzz", "cafe"}) {
        counter.TakeWordFound(w);
    }
    EXPECT_EQ(counter.lngTotalNumOccurrences, 6);
    EXPECT_EQ(table.lngNumWords(), 1);
    ASSERT_NE(table.Find("cafe"), 0);
    EXPECT_EQ(table[table.Find("cafe")].Frequency, 2);
    EXPECT_EQ(table.Find(W("café")), 0);
}

TEST(AdmissionGateTest, EightyCharactersIsTheTableLimit) {
    SettingsRecord s;
    s.cboLongWordSize = 15;  // "90": the filter lets both through
    const WordRules rules = WordRules::ForCount(s, BuildAllowedExtraChars(s));
    WordTable table;
    const WordsToIgnore noIgnore;
    const CommonWords noCommon;
    WordCounter counter(table, rules, noIgnore, noCommon);
    counter.TakeWordFound(Letters(80));
    counter.TakeWordFound(Letters(81));
    EXPECT_EQ(counter.lngTotalNumOccurrences, 2);
    EXPECT_EQ(table.lngNumWords(), 1);
    EXPECT_NE(table.Find(Letters(80)), 0);
    EXPECT_EQ(table.Find(Letters(81)), 0);
}

}  // namespace
}  // namespace lexicount
