// Folding of UTF-8 input into the Windows-1252 text model. Inputs are raw
// bytes (what a UTF-8 file holds); expectations are Windows-1252 bytes.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/test_support.h"
#include "words/cp1252.h"
#include "words/utf8_fold.h"

namespace lexicount {
namespace {

using test::W;

struct FoldCase {
    std::string in;
    std::string expected;
    const char* why;
};

TEST(DecodeUtf8LatinTest, Cases) {
    const FoldCase cases[] = {
        {"caf\xC3\xA9", W("café"), "C3 A9 is e acute"},
        {"\xC2\xA0", "\xA0", "no-break space stays a single 160"},
        {"\xC3x", "\xC3x", "C3 before a non-follower is left alone"},
        {"a\xC2\x80\x62\xC2\x9F\x63", "abc", "C1 controls vanish"},
        {"\xC2\xA1\xC2\xBF", W("¡¿"), "C2 A0-BF become the follower"},
        {"\xC2\xC0", "\xC2\xC0", "C2 before 192 is left alone"},
        {"\xC3\x80\xC3\xBF", W("Àÿ"), "C3 80-BF add 64"},
        {"\xC3\xC0", "\xC3\xC0", "C3 before 192 is left alone"},
        {"abc\xC3", "abc\xC3", "a lead at the end stays"},
        {"abc\xC2", "abc\xC2", "a lead at the end stays"},
        {"ko\xC4\x8Dka", "kocka", "c with caron becomes c"},
        {"\xC4\x8C", "\xC4\x8C", "capital C with caron is not folded"},
        {"\xC5\x91", "\xC5\x91", "o double acute stays as two bytes"},
        {"\xC3\xA9t\xC3\xA9 \xC3\xA9", W("été é"), "every occurrence is replaced"},
        {"\xC3\x83\xA9", "\xC3\xA9", "a decoded C3 is not decoded again"},
        {"\xC3\xC2\xA9", W("é"), "the C2 pass runs before the C3 pass"},
        {"plain", "plain", "nothing to fold"},
        {"", "", "empty"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeUtf8Latin(c.in), c.expected) << c.why;
        std::string inPlace = c.in;
        DecodeUtf8LatinInPlace(inPlace);
        EXPECT_EQ(inPlace, c.expected) << c.why;
    }
}

TEST(DecodeUtf8LatinTest, EveryTwoByteLatinOneCharacter) {
    for (int cp = 0xA0; cp <= 0xFF; ++cp) {
        const std::string utf8 = Utf8FromCp1252(std::string(1, static_cast<char>(cp)));
        ASSERT_EQ(utf8.size(), 2u);
        EXPECT_EQ(DecodeUtf8Latin("x" + utf8 + "y"), "x" + std::string(1, static_cast<char>(cp)) + "y")
            << "U+" << std::hex << cp;
    }
}

// E2 80 followed by the given third byte.
std::string Seq(int third) {
    return std::string("\xE2\x80") + static_cast<char>(third);
}

TEST(DecodeUtf8PunctuationTest, Table) {
    struct Case {
        int third;
        std::string replacement;
        const char* name;
    };
    const Case cases[] = {
        {0x90, "-", "hyphen"},
        {0x91, "-", "non-breaking hyphen"},
        {0x92, "-", "figure dash"},
        {0x93, "-", "en dash"},
        {0x94, " -- ", "em dash"},
        {0x95, "--", "horizontal bar"},
        {0x96, "|", "double vertical line"},
        {0x97, "\x89", "double low line"},
        {0x98, "'", "left single quote"},
        {0x99, "'", "right single quote"},
        {0x9A, "'", "low single quote"},
        {0x9B, "'", "reversed single quote"},
        {0x9C, "\"", "left double quote"},
        {0x9D, "\"", "right double quote"},
        {0x9E, "\"", "low double quote"},
        {0x9F, "\"", "reversed double quote"},
        {0xA2, " . ", "bullet"},
        {0xA6, "...", "ellipsis"},
        {0xB9, "<", "single left angle quote"},
        {0xBA, ">", "single right angle quote"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeUtf8Punctuation("a" + Seq(c.third) + "b"), "a" + c.replacement + "b") << c.name;
    }
}

TEST(DecodeUtf8PunctuationTest, WholeLines) {
    const FoldCase cases[] = {
        {"don\xE2\x80\x99t", "don't", "curly apostrophe"},
        {"\xE2\x80\x9Cquoted\xE2\x80\x9D and \xE2\x80\x98single\xE2\x80\x99", "\"quoted\" and 'single'",
         "every known sequence of the line"},
        {"a\xE2\x80\xA0"
         "b",
         "ab", "an unknown sequence (dagger) is removed"},
        {"x\xE2\x80\xA0 \xE2\x80\x9Cy\xE2\x80\x9D", "x \"y\"",
         "curly quotes after an unknown one are still decoded"},
        {"\xE2\x80\x99 \xE2\x80\xA1 \xE2\x80\xB0", "'  ", "unknown ones after a known one are removed too"},
        {"end\xE2\x80", "end\xE2\x80", "a cut-off sequence at the end is left alone"},
        {"it\xE2\x80\x99s\xE2\x80", "it's\xE2\x80", "a cut-off sequence after a known one is left alone"},
        {"\xE2\x82\xAC", "\xE2\x82\xAC", "other E2 sequences are not touched"},
        {"no sequences", "no sequences", "unchanged"},
        {"", "", "empty"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeUtf8Punctuation(c.in), c.expected) << c.why;
        std::string inPlace = c.in;
        DecodeUtf8PunctuationInPlace(inPlace);
        EXPECT_EQ(inPlace, c.expected) << c.why;
    }
}

}  // namespace
}  // namespace lexicount

namespace lexicount {
namespace {

// A removed C1 control must not hide the Latin-1 pair that follows it.
TEST(DecodeUtf8LatinRemoval, PairAfterARemovedControlIsStillFolded) {
    EXPECT_EQ(DecodeUtf8Latin("\xC2\x80\xC2\xA9"), "\xA9");
    EXPECT_EQ(DecodeUtf8Latin("a\xC2\x81\xC2\x9F\xC3\xA9"), "a\xE9");
}

// The folding written down pair by pair: each lead scanned for from the
// left; a pair it knows is replaced all through the line at once, and the
// scan goes on after the lead (at the lead again after a removal).
std::string ReplaceAll(std::string s, const std::string& pair, const std::string& by) {
    std::string out;
    for (size_t i = 0; i < s.size();) {
        if (s.compare(i, 2, pair) == 0) {
            out += by;
            i += 2;
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::string ReferenceLatin(std::string s) {
    for (const int lead : {0xC2, 0xC3}) {
        for (size_t pos = s.find(static_cast<char>(lead)); pos != std::string::npos && pos + 1 < s.size();
             pos = s.find(static_cast<char>(lead), pos)) {
            const int f = static_cast<unsigned char>(s[pos + 1]);
            const std::string pair = s.substr(pos, 2);
            if (lead == 0xC2 && f >= 0x80 && f <= 0x9F) {
                s = ReplaceAll(s, pair, "");
                continue;
            }
            if (lead == 0xC2 && f >= 0xA0 && f <= 0xBF)
                s = ReplaceAll(s, pair, std::string(1, static_cast<char>(f)));
            if (lead == 0xC3 && f >= 0x80 && f <= 0xBF)
                s = ReplaceAll(s, pair, std::string(1, static_cast<char>(f + 64)));
            ++pos;
        }
    }
    return ReplaceAll(s, "\xC4\x8D", "c");
}

// Random lines over the bytes that matter: leads next to each other, pairs
// that vanish or turn into leads, and plain letters.
TEST(DecodeUtf8LatinTest, MatchesThePairByPairFoldingOnRandomLines) {
    const std::string bytes =
        "\xC2\xC3\xC4\x80\x83\x84\x8D\x9F\xA0\xA9\xBF\xC0"
        "a";
    std::mt19937 rng(17);
    for (int round = 0; round < 200000; ++round) {
        std::string line(rng() % 24, ' ');
        for (char& c : line) c = bytes[rng() % bytes.size()];
        ASSERT_EQ(DecodeUtf8Latin(line), ReferenceLatin(line)) << ::testing::PrintToString(line);
    }
}

}  // namespace
}  // namespace lexicount
