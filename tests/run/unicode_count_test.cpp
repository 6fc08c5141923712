// The Unicode text model against a plain reference: random texts of words
// in Latin, Cyrillic and Greek letters, with punctuation and blanks between
// them, counted by the whole count and by a reference that only splits at
// non-letters and lower-cases.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "run/text_count.h"
#include "words/word_lists.h"

namespace lexicount {
namespace {

// Each letter in its upper-case and lower-case forms. Sigma is left out: its
// lower case depends on where it stands.
struct Letter {
    const char* upper;
    const char* lower;
};
const Letter kLetters[] = {
    {"A", "a"},
    {"K", "k"},
    {"Q", "q"},
    {"Z", "z"},
    {"\xC3\x89", "\xC3\xA9"},  // É é
    {"\xC5\x81", "\xC5\x82"},  // Ł ł
    {"\xD0\x96", "\xD0\xB6"},  // Ж ж
    {"\xD0\xAF", "\xD1\x8F"},  // Я я
    {"\xD0\x81", "\xD1\x91"},  // Ё ё
    {"\xCE\x94", "\xCE\xB4"},  // Δ δ
    {"\xCE\xA9", "\xCF\x89"},  // Ω ω
};
const char* const kBetween[] = {" ", ", ", ". ", " \xE2\x80\x94 ", "\xC2\xAB", "\xC2\xBB ", "! ", "\t", "? "};

TEST(UnicodeCountTest, EqualsAPlainReferenceOnLettersOnlyText) {
    SettingsRecord settings;
    settings.chkUnicodeWords = 1;
    settings.chkIgnoreShortWords = 0;
    settings.chkIgnoreRepetitions = 0;
    settings.chkIgnoreRomNum40 = 0;
    settings.chkAllowWordsWithHyphens = 0;
    std::mt19937 random(20261208);
    for (int round = 0; round < 20; ++round) {
        std::map<std::string, std::int64_t> expected;
        TextCount count(settings, BuildAllowedExtraChars(settings), WordsToIgnore(), CommonWords());
        count.BeginFile("txt");
        const int lines = 1 + static_cast<int>(random() % 30);
        for (int l = 0; l < lines; ++l) {
            std::string line;
            const int words = static_cast<int>(random() % 12);
            for (int w = 0; w < words; ++w) {
                std::string written;
                std::string lower;
                const int length = 1 + static_cast<int>(random() % 9);
                for (int i = 0; i < length; ++i) {
                    const Letter& letter = kLetters[random() % std::size(kLetters)];
                    const bool upper = random() % 3 == 0;
                    written += upper ? letter.upper : letter.lower;
                    lower += letter.lower;
                }
                line += written + kBetween[random() % std::size(kBetween)];
                ++expected[lower];
            }
            std::string raw = line;
            ASSERT_TRUE(count.CountFileLine(raw, false));
        }
        count.SortTable();
        ASSERT_TRUE(count.RunPasses());
        std::map<std::string, std::int64_t> counted;
        for (std::int64_t i = 1; i <= count.Table().lngNumWords(); ++i) {
            counted[count.Table()[i].Word] = count.Table()[i].Frequency;
        }
        EXPECT_EQ(counted, expected) << "round " << round;
        std::int64_t total = 0;
        for (const auto& [word, n] : expected) total += n;
        EXPECT_EQ(count.lngTotalNumOccurrences(), total) << "round " << round;
    }
}

}  // namespace
}  // namespace lexicount
