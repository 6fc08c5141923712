// Character classes and string routines of the word rules. The class tests
// run over all 256 codes, because a single wrong code silently splits or
// merges words.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/test_support.h"
#include "words/chars.h"
#include "words/cp1252.h"

namespace lexicount {
namespace {

using test::W;

std::string Byte(int code) {
    return std::string(1, static_cast<char>(code));
}

TEST(CharTablesTest, HaveTheirExactTexts) {
    EXPECT_EQ(kLetterTable, W("ABCDEFGHIJKLMNOPQRSTUVWXYZŠŒŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ"
                              "abcdefghijklmnopqrstuvwxyzšœÿàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþß"));
    EXPECT_EQ(kLetterTable.size(), 119u);
    EXPECT_EQ(kVowelList, W("AEIOUaeiouÀÁÂÃÄÅÆÈÉÊËÌÍÎÏÒÓÔÕÖØÙÚÛÜàáâãäåæèéêëìíîïòóôõöøùúûü"));
    EXPECT_EQ(kVowelList.size(), 60u);
    EXPECT_EQ(kAccentedCapitals, W("ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝ"));
    EXPECT_EQ(kAccentedSmall, W("šÿàáâãäåçèéêëìíîïðñòóôõöøùúûüý"));
}

bool InWordLetterRanges(int c) {
    return (c >= 65 && c <= 90) || (c >= 97 && c <= 122) || (c >= 192 && c <= 214) ||
           (c >= 216 && c <= 246) || (c >= 248 && c <= 255);
}

TEST(IsWordCharTest, EveryCodeWithoutExtras) {
    for (int c = 0; c < 256; ++c) {
        const bool digit = c >= '0' && c <= '9';
        EXPECT_EQ(IsWordChar(Byte(c), false, ""), InWordLetterRanges(c)) << "code " << c;
        EXPECT_EQ(IsWordChar(Byte(c), true, ""), InWordLetterRanges(c) || digit) << "code " << c;
    }
}

TEST(IsWordCharTest, NamedCharacters) {
    struct Case {
        const char* ch;
        bool expected;
    };
    const Case cases[] = {
        {"×", false}, {"÷", false}, {"ß", true},  {"ÿ", true},  {"Š", false}, {"Œ", false},
        {"Ž", false}, {"š", false}, {"œ", false}, {"ž", false}, {"Ÿ", false}, {"À", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWordChar(W(c.ch), false, ""), c.expected) << c.ch;
}

TEST(IsWordCharTest, ExtrasAndEmpty) {
    EXPECT_FALSE(IsWordChar("", true, "abc"));
    EXPECT_TRUE(IsWordChar("-", false, "-'"));
    EXPECT_FALSE(IsWordChar("-", false, "'"));
    EXPECT_TRUE(IsWordChar("7", false, "0123456789"));
    EXPECT_TRUE(IsWordChar(W("‘"), false, W("'‘")));
    // Only the first character counts.
    EXPECT_TRUE(IsWordChar("a-", false, ""));
    EXPECT_FALSE(IsWordChar("-a", false, ""));
}

TEST(CountWordCharsTest, Cases) {
    struct Case {
        std::string line;
        long start;
        bool numerals;
        std::string extras;
        long expected;
    };
    const Case cases[] = {
        {"hello world", 1, false, "", 5},
        {"hello world", 7, false, "", 5},  // runs to the end of the line
        {"hello world", 6, false, "", 0},
        {"well-known.", 1, false, "-.", 11},
        {"well-known.", 1, false, "", 4},
        {"3rd", 1, false, "", 0},
        {"3rd", 1, true, "", 3},
        {"abc", 0, false, "", 3},  // a start below 1 counts as 1
        {"", 1, false, "", 0},
        {W("déjà×vu"), 1, false, "", 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountWordChars(c.line, c.start, c.numerals, c.extras), c.expected)
            << c.line << " @" << c.start;
    }
}

TEST(CountWordCharsTest, StopsAt65000) {
    const std::string line(70000, 'a');
    EXPECT_EQ(CountWordChars(line, 1, false, ""), 65000);
    EXPECT_EQ(CountWordChars(line, 65001, false, ""), 5000);
}

TEST(LetterTest, LacksLetter) {
    struct Case {
        std::string s;
        bool expected;
    };
    const Case cases[] = {
        {"3-4", true},    {"", true},      {"x1", false},   {"@@", true},    {"1999", true},
        {W("Š1"), false}, {W("œ"), false}, {W("Ÿ"), false}, {W("Ž"), true},  {W("ž"), true},
        {W("×÷"), true},  {W("ß"), false}, {W("ÿ"), false}, {W("‘’"), true},
    };
    for (const auto& c : cases) EXPECT_EQ(LacksLetter(c.s), c.expected) << Utf8FromCp1252(c.s);
}

TEST(LetterTest, IsLetterMatchesTheTableForEveryCode) {
    for (int c = 0; c < 256; ++c) {
        const bool inTable = kLetterTable.find(static_cast<char>(c)) != std::string_view::npos;
        EXPECT_EQ(IsLetter(static_cast<char>(c)), inTable) << "code " << c;
        EXPECT_EQ(LacksLetter(Byte(c)), !inTable) << "code " << c;
    }
}

TEST(IsVowelTest, LowerOnlyAcceptsExactlyTheSmallVowels) {
    const std::string small = W("aeiouàáâãäåæèéêëìíîïòóôõöøùúûü");
    ASSERT_EQ(small.size(), 30u);
    for (int c = 0; c < 256; ++c) {
        const bool expected = small.find(static_cast<char>(c)) != std::string::npos;
        EXPECT_EQ(IsVowel(Byte(c), true), expected) << "code " << c;
    }
}

TEST(IsVowelTest, Cases) {
    EXPECT_FALSE(IsVowel("E", true));
    EXPECT_TRUE(IsVowel(W("é"), true));
    EXPECT_TRUE(IsVowel("E", false));
    EXPECT_TRUE(IsVowel(W("Ü"), false));
    EXPECT_FALSE(IsVowel("y", true));
    EXPECT_FALSE(IsVowel("y", false));
    EXPECT_FALSE(IsVowel("", true));
    EXPECT_FALSE(IsVowel("", false));
    EXPECT_TRUE(IsVowel("ax", true));  // the first character decides
}

TEST(IsSevenBitAsciiTest, Cases) {
    EXPECT_FALSE(IsSevenBitAscii(""));
    EXPECT_TRUE(IsSevenBitAscii("plain text 123"));
    EXPECT_TRUE(IsSevenBitAscii("\x7F"));
    EXPECT_FALSE(IsSevenBitAscii(W("café")));
    EXPECT_FALSE(IsSevenBitAscii("\x80"));
}

TEST(IsOneRepeatedLetterTest, Cases) {
    struct Case {
        std::string s;
        bool expected;
    };
    const Case cases[] = {
        {" aaa ", true}, {"aab", false}, {"   ", false}, {"", false},     {"a", true},
        {"zz", true},    {"111", true},  {"a a", false}, {W("ßß"), true}, {"abab", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsOneRepeatedLetter(c.s), c.expected) << "'" << c.s << "'";
}

TEST(LowerCaseLatinTest, Examples) {
    EXPECT_EQ(LowerCaseLatin(W("ÑANDÚ ÐÝ ÆØ")), W("ñandú ðý æø"));
    EXPECT_EQ(LowerCaseLatin(W("Straße")), W("straße"));
    EXPECT_EQ(LowerCaseLatin(W("ŠŒŽŸ Þ")), W("šœžÿ þ"));
    EXPECT_EQ(LowerCaseLatin("Hello, World 42!"), "hello, world 42!");
    EXPECT_EQ(LowerCaseLatin(""), "");
}

// Expected lower case of a code: A-Z, the capitals 192-222 except the
// multiplication sign, and the four capitals of 128-159.
int ExpectedLower(int c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 192 && c <= 222 && c != 215) return c + 32;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;  // Š Œ Ž
    if (c == 0x9F) return 0xFF;                              // Ÿ
    return c;
}

TEST(LowerCaseLatinTest, EveryCode) {
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(static_cast<unsigned char>(LowerCaseLatin(Byte(c))[0]), ExpectedLower(c)) << "code " << c;
        EXPECT_EQ(static_cast<unsigned char>(LowerCaseLatinChar(static_cast<char>(c))), ExpectedLower(c))
            << "code " << c;
    }
    std::string s = W("ÀÉÎÕÜ");
    LowerCaseLatinInPlace(s);
    EXPECT_EQ(s, W("àéîõü"));
}

TEST(SetSearchTest, FindFirstOfSet) {
    long inSet = 0;
    EXPECT_EQ(FindFirstOfSet("hello, world", 1, ".,;", &inSet), 6);
    EXPECT_EQ(inSet, 2);
    EXPECT_EQ(FindFirstOfSet("a.b.c", 3, ".", &inSet), 4);
    EXPECT_EQ(FindFirstOfSet("a.b.c", 0, "."), 2);  // start below 1 counts as 1
    EXPECT_EQ(FindFirstOfSet("a.b.c", -5, "."), 2);
    EXPECT_EQ(FindFirstOfSet("abc", 1, "xyz"), 0);
    EXPECT_EQ(FindFirstOfSet("", 1, "a"), 0);
    EXPECT_EQ(FindFirstOfSet("abc", 1, ""), 0);
    EXPECT_EQ(FindFirstOfSet("abc", 4, "c"), 0);
}

TEST(SetSearchTest, FindFirstNotOfSetAndSkip) {
    struct Case {
        std::string s;
        long start;
        std::string set;
        long notOf;
        long skip;
    };
    const Case cases[] = {
        {"abc", 1, "abc", 0, 4}, {"aab", 1, "a", 3, 3}, {"aab", 3, "a", 3, 3}, {"  x ", 1, " ", 3, 3},
        {"  x ", 4, " ", 0, 5},  {"abc", 0, "a", 2, 2}, {"abc", 1, "", 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindFirstNotOfSet(c.s, c.start, c.set), c.notOf) << c.s << " @" << c.start;
        EXPECT_EQ(SkipCharsOfSet(c.s, c.start, c.set), c.skip) << c.s << " @" << c.start;
    }
    EXPECT_EQ(FindFirstNotOfSet("", 1, "a"), 0);
    EXPECT_EQ(FindNonSpace("a   b", 2), 5);
    EXPECT_EQ(FindNonSpace("a   ", 2), 0);
}

TEST(EditingTest, SafeLeft) {
    EXPECT_EQ(SafeLeft("abcdef", 0), "");
    EXPECT_EQ(SafeLeft("abcdef", -3), "");
    EXPECT_EQ(SafeLeft("abcdef", 3), "abc");
    EXPECT_EQ(SafeLeft("abcdef", 6), "abcdef");
    EXPECT_EQ(SafeLeft("abcdef", 100), "abcdef");
}

TEST(EditingTest, RemoveAndReplaceCharsOfSet) {
    EXPECT_EQ(RemoveCharsOfSet("'0123456789-_@:/.\\", "'.:,()"), "0123456789-_@/\\");
    EXPECT_EQ(RemoveCharsOfSet("abc", ""), "abc");
    EXPECT_EQ(RemoveCharsOfSet("", "abc"), "");
    std::string s = "a,b;c.d";
    ReplaceCharsOfSet(s, ",;.", ' ');
    EXPECT_EQ(s, "a b c d");
}

TEST(EditingTest, StripTrailingString) {
    struct Case {
        std::string s, t, expected;
    };
    const Case cases[] = {
        {"abcbc", "bc", "a"}, {"abc", "", "abc"},     {"bcbc", "bc", ""},
        {"abc", "x", "abc"},  {"abcb", "bc", "abcb"},
    };
    for (auto c : cases) {
        StripTrailingString(c.s, c.t);
        EXPECT_EQ(c.s, c.expected);
    }
}

TEST(EditingTest, StripTrailingChars) {
    const std::string prohibited = "'.:,()";
    EXPECT_EQ(StripTrailingChars("dogs'.", prohibited), "dogs");
    EXPECT_EQ(StripTrailingChars("e.g.", prohibited), "e.g");
    EXPECT_EQ(StripTrailingChars("(word)", prohibited), "(word");
    EXPECT_EQ(StripTrailingChars("....", prohibited), "");
    EXPECT_EQ(StripTrailingChars("abc.", ""), "abc.");
    EXPECT_EQ(StripTrailingChars("", prohibited), "");
}

TEST(EditingTest, TrimControlChars) {
    struct Case {
        std::string s, expected;
    };
    const Case cases[] = {
        {std::string("\x01\t a b \r\n\x1f ", 11), "a b"},
        {"\x21word\x21", "\x21word\x21"},
        {"", ""},
        {" \t\r\n", ""},
        {std::string("\0x\0", 3), "x"},
        {" \xA0x", "\xA0x"},  // the no-break space (160) is not a control character
    };
    for (auto c : cases) {
        TrimControlChars(c.s);
        EXPECT_EQ(c.s, c.expected);
    }
}

TEST(EditingTest, NormaliseLineSpacing) {
    struct Case {
        std::string in;
        bool keepTabs;
        std::string expected;
    };
    const Case cases[] = {
        {"a\bb", false, "ab"},
        {"a\r\nb", false, "a b"},  // the pair becomes one CR, then one space
        {"a\n\rb", false, "a  b"},
        {"a\rb\nc\fd", false, "a b c d"},
        {"a\xA0"
         "b",
         false, "a b"},
        {"a\tb", false, "a b"},
        {"a\tb", true, "a\tb"},
        {"\b\b", false, ""},
        {"plain", false, "plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormaliseLineSpacing(c.in, c.keepTabs), c.expected);
        std::string inPlace = c.in;
        NormaliseLineSpacingInPlace(inPlace, c.keepTabs);
        EXPECT_EQ(inPlace, c.expected);
    }
}

}  // namespace
}  // namespace lexicount
