// The Unicode text model: words of every script cut, normalised and
// filtered as a reader of the language expects.

#include "words/unicode_words.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "words/unicode_text.h"
#include "words/word_lists.h"

namespace lexicount {
namespace {

std::vector<std::string> Cut(std::string_view text, const SettingsRecord& settings = {},
                             std::string_view allowed = "-") {
    const WordsToIgnore none;
    const CommonWords noCommon;
    UnicodeWords words(settings, allowed, none, noCommon);
    std::vector<std::string> found;
    words.Cut(text, [&](std::string_view w) { found.emplace_back(w); });
    return found;
}

// The words of a text whose candidates, as the scanner hands them on, are
// separated by blanks.
std::vector<std::string> CutText(std::string_view text, const SettingsRecord& settings = {},
                                 std::string_view allowed = "-") {
    std::vector<std::string> found;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(' ', start), text.size());
        for (std::string& w : Cut(text.substr(start, end - start), settings, allowed))
            found.push_back(std::move(w));
        start = end + 1;
    }
    return found;
}

struct CutCase {
    const char* name;
    std::string text;
    std::vector<std::string> words;
};

TEST(UnicodeWordsTest, CutsTheWordsOfEachScript) {
    const CutCase cases[] = {
        {"Cyrillic in guillemets", "«Мама мыла РАМУ»", {"мама", "мыла", "раму"}},
        {"Polish", "Łódź, łódź i żółw", {"łódź", "łódź", "i", "żółw"}},
        {"Czech", "Žluťoučký kůň úpěl", {"žluťoučký", "kůň", "úpěl"}},
        {"Greek final sigma", "ΣΟΦΊΑΣ σοφίας", {"σοφίας", "σοφίας"}},
        {"Arabic", "الكتاب، القلم", {"الكتاب", "القلم"}},
        {"Hebrew with points", "שָׁלוֹם עוֹלָם", {"שָׁלוֹם", "עוֹלָם"}},
        {"Devanagari with marks", "नमस्ते दुनिया", {"नमस्ते", "दुनिया"}},
        {"Chinese by dictionary", "我喜欢学习中文。", {"我", "喜欢", "学习", "中文"}},
        {"decomposed accent", "cafe\xCC\x81 caf\xC3\xA9", {"caf\xC3\xA9", "caf\xC3\xA9"}},
        {"full case folding", "Straße STRASSE", {"strasse", "strasse"}},
        {"hyphens inside", "северо-запад", {"северо-запад"}},
        {"emoji and symbols", "\xF0\x9F\x98\x80 \xE2\x98\x85 \xE2\x82\xAC", {}},
        {"invalid bytes",
         "ab\xEF\xBF\xBD"
         "cd",
         {"ab", "cd"}},
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(CutText(c.text), c.words) << c.name;
    }
}

TEST(UnicodeWordsTest, JapaneseAndThaiAreSplitWithoutLosingText) {
    for (const std::string text : {"私は日本語を勉強します", "ภาษาไทยง่ายนิดเดียว"}) {
        const std::vector<std::string> words = Cut(text);
        std::string joined;
        for (const std::string& w : words) joined += w;
        EXPECT_GT(words.size(), 2u) << text;
        EXPECT_EQ(joined, text);
    }
}

TEST(UnicodeWordsTest, TheBoxesOfTheSettingsApply) {
    SettingsRecord caseKept;
    caseKept.chkCaseSignificant = 1;
    SettingsRecord apostrophes;
    apostrophes.chkAllowWordsWithApostrophes = 1;
    SettingsRecord numerals;
    numerals.chkAllowWordsWithNumerals = 1;
    SettingsRecord finalS;
    finalS.chkDropFinalS = 1;
    struct Case {
        const char* name;
        std::string text;
        const SettingsRecord& settings;
        std::string allowed;
        std::vector<std::string> words;
    };
    const SettingsRecord defaults;
    const Case cases[] = {
        {"case kept", "Ελλάδα", caseKept, "-", {"Ελλάδα"}},
        {"curly apostrophe allowed", "don\xE2\x80\x99t", apostrophes, "-'", {"don't"}},
        {"curly apostrophe refused", "isn\xE2\x80\x99t", defaults, "-", {}},
        {"every decimal digit",
         "\xD9\xA2\xD9\xA0\xD9\xA2\xD9\xA4 год2024",
         numerals,
         "-0123456789",
         {"\xD9\xA2\xD9\xA0\xD9\xA2\xD9\xA4", "год2024"}},
        {"no digits without numerals", "год2024", defaults, "-", {"год"}},
        {"final s of Latin words only", "cañóns bebés κόσμος", finalS, "-", {"cañón", "bebés", "κόσμος"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutText(c.text, c.settings, c.allowed), c.words) << c.name;
    }
}

TEST(UnicodeWordsTest, TurkishCommonWordsBringTurkishCaseFolding) {
    SettingsRecord turkish;
    turkish.chkIgnoreCommonWords = 1;
    turkish.txbCommonWordsFile = "/opt/lexicount/cwds_tr.txt";
    SettingsRecord german = turkish;
    german.txbCommonWordsFile = "/opt/lexicount/cwds_de.txt";
    SettingsRecord turkishUnused = turkish;
    turkishUnused.chkIgnoreCommonWords = 0;
    const std::string text = "IRMAK ırmak İSTANBUL Istanbul";
    EXPECT_EQ(CutText(text, turkish), (std::vector<std::string>{"ırmak", "ırmak", "istanbul", "ıstanbul"}));
    for (const SettingsRecord* other : {&german, &turkishUnused}) {
        EXPECT_EQ(CutText(text, *other),
                  (std::vector<std::string>{"irmak", "ırmak", "i\xCC\x87stanbul", "istanbul"}));
    }
}

TEST(UnicodeWordsTest, CommonWordsOfAnyScriptAreComparedFolded) {
    SettingsRecord settings;
    settings.chkIgnoreCommonWords = 1;
    const CommonWords common({}, {"Этот", "ΑΥΤΌ"});
    const UnicodeWords words(settings, "-", WordsToIgnore(), common);
    const std::pair<std::string, bool> cases[] = {{"этот", false}, {"αυτό", false}, {"мама", true}};
    for (const auto& [word, admitted] : cases) EXPECT_EQ(words.Admits(word), admitted) << word;
}

TEST(UnicodeWordsTest, FiltersCountReadersCharactersAndLetters) {
    SettingsRecord settings;  // words of 3 to 50 characters, no repetitions, letters needed
    CommonWords common({"the"});
    settings.chkIgnoreCommonWords = 1;
    UnicodeWords words(settings, "-", WordsToIgnore(" the "), common);
    struct Case {
        std::string word;
        bool admitted;
    };
    const Case cases[] = {
        {"ab", false},
        {"e\xCC\x81"
         "te",
         true},  // été decomposed: 3 characters
        {"日本", false},
        {"日本語", true},
        {"ааа", false},
        {"\xD9\xA1\xD9\xA2\xD9\xA3", false},  // digits only
        {"the", false},
        {"théâtre", true},
    };
    for (const Case& c : cases) EXPECT_EQ(words.Admits(c.word), c.admitted) << c.word;
}

TEST(UnicodeTextTest, MeasuresCharactersAndColumns) {
    struct Case {
        std::string text;
        int characters;
        int columns;
    };
    const Case cases[] = {
        {"abc", 3, 3},
        {"e\xCC\x81", 1, 1},
        {"中文", 2, 4},
        {"한국어", 3, 6},
        {"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", 1, 4},  // thumbs up with a skin tone: one character
        {"ｆｕｌｌ", 4, 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GraphemeCount(c.text), c.characters) << c.text;
        EXPECT_EQ(DisplayWidth(c.text), c.columns) << c.text;
    }
}

TEST(UnicodeTextTest, DecodesLinesAndEntities) {
    EXPECT_EQ(LineAsUtf8("caf\xC3\xA9", false), "caf\xC3\xA9");
    EXPECT_EQ(LineAsUtf8("caf\xE9", false), "caf\xC3\xA9");
    EXPECT_EQ(LineAsUtf8("caf\xE9", true), "caf\xEF\xBF\xBD");
    std::string line = "&#1052;&#x438;&#x440; &#0; &#xZZ; &#12345678901;";
    DecodeNumericEntitiesInPlace(line);
    EXPECT_EQ(line, "Мир \xEF\xBF\xBD &#xZZ; &#12345678901;");
    EXPECT_EQ(FoldCase("İstanbul", true), "istanbul");
    EXPECT_EQ(ToNfc("A\xCC\x8A"), "\xC3\x85");
}

}  // namespace
}  // namespace lexicount

namespace lexicount {
namespace {

// The table-folded path for candidates of simple letters gives what the
// general cut and Admits give, under every setting that changes a word:
// random candidates mixing simple letters with letters ICU must handle
// (ß, ſ, İ, final sigma, decomposed accents, marks, wide characters).
TEST(UnicodeWordsTest, SimpleLettersCutAsTheGeneralCutDoes) {
    const char* const pieces[] = {"a", "I",       "s",      "Z",  "é", "É", "ß", "ſ", "İ", "ı", "Ł",
                                  "ж", "Я",       "Ё",      "ς",  "Σ", "σ", "Ά", "ΐ", "Ա", "ש", "ب",
                                  "ǅ", "e\u0301", "\u0301", "中", "5", "-", "ǰ", "ŉ", "Ω", "K"};
    std::mt19937 random(20261208);
    std::vector<SettingsRecord> settings(16);
    for (size_t i = 0; i < settings.size(); ++i) {
        settings[i].chkCaseSignificant = (i & 1) != 0 ? 1 : 0;
        settings[i].chkDropFinalS = (i & 2) != 0 ? 1 : 0;
        settings[i].chkIgnoreCommonWords = 1;
        settings[i].txbCommonWordsFile = (i & 4) != 0 ? "/x/cwds_tr.txt" : "/x/cwds_ru.txt";
        settings[i].chkIgnoreShortWords = (i & 8) != 0 ? 1 : 0;  // shorter than 3 characters
    }
    const CommonWords common({}, {"жя", "ıs", "σς", "éé"});
    size_t simple = 0;
    for (const SettingsRecord& s : settings) {
        UnicodeWords words(s, "-", WordsToIgnore(), common);
        for (int n = 0; n < 3000; ++n) {
            std::string candidate;
            const int length = 1 + static_cast<int>(random() % 5);
            for (int k = 0; k < length; ++k) candidate += pieces[random() % std::size(pieces)];
            std::vector<std::pair<std::string, bool>> general;
            words.Cut(candidate,
                      [&](std::string_view w) { general.emplace_back(std::string(w), words.Admits(w)); });
            const std::optional<std::string_view> cut = words.CutSimple(candidate);
            if (!cut) continue;
            ++simple;
            std::vector<std::pair<std::string, bool>> fast;
            if (!cut->empty()) {
                const std::string word(*cut);
                fast.emplace_back(word, words.AdmitsSimple(word));
            }
            EXPECT_EQ(fast, general) << candidate;
        }
    }
    EXPECT_GT(simple, 1000u);  // the comparison was made often enough to mean something
}

}  // namespace
}  // namespace lexicount
