// The line scanner: where words begin and end, what is stripped, and how a
// line is prepared before the walk.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "base/settings_record.h"
#include "support/scan_recorder.h"
#include "support/test_support.h"
#include "words/cp1252.h"
#include "words/line_scanner.h"
#include "words/markup.h"

namespace lexicount {
namespace {

using test::W;
using Words = std::vector<std::string>;

using Recorder = test::ScanRecorder;

// Settings with one change applied to the defaults.
SettingsRecord With(const std::function<void(SettingsRecord&)>& change) {
    SettingsRecord s;
    if (change) change(s);
    return s;
}

// A line as a count scans it: no comment markers (a plain text without
// markup), one blank appended; lower-casing is the caller's and left out.
Words Scan(const std::string& line, const SettingsRecord& s) {
    ScanState state;
    state.strLine = line + " ";
    Recorder host;
    ScanLine(state, WordRules::ForCount(s, BuildAllowedExtraChars(s)), host);
    return host.words;
}

struct Case {
    std::string line;
    std::function<void(SettingsRecord&)> settings;
    Words expected;
};

void ExpectScans(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(Scan(c.line, With(c.settings)), c.expected) << "[" << Utf8FromCp1252(c.line) << "]";
    }
}

const auto kDefaults = nullptr;
const auto kApostrophes = [](SettingsRecord& s) { s.chkAllowWordsWithApostrophes = 1; };
const auto kNumerals = [](SettingsRecord& s) { s.chkAllowWordsWithNumerals = 1; };
const auto kPeriods = [](SettingsRecord& s) { s.chkAllowWordsWithPeriods = 1; };
const auto kDropFinalS = [](SettingsRecord& s) { s.chkDropFinalS = 1; };
const auto kNoHyphens = [](SettingsRecord& s) { s.chkAllowWordsWithHyphens = 0; };
const auto kEverything = [](SettingsRecord& s) {
    s.chkAllowWordsWithApostrophes = s.chkAllowWordsWithUnderscores = s.chkAllowWordsWithColons = 1;
    s.chkAllowWordsWithBackslashes = s.chkAllowWordsWithForwardslashes = s.chkAllowWordsWithPeriods = 1;
    s.chkAllowWordsWithAtSigns = s.chkAllowWordsWithNumerals = 1;
};

TEST(LineScannerTest, WordBoundaries) {
    ExpectScans({
        {"don't", kDefaults, {"don"}},  // "t" is cut and then dropped
        {"don't", kApostrophes, {"don't"}},
        {"couldn't", kDefaults, {}},  // "couldn" and "t" are both fragments
        {"rock 'n' roll", kApostrophes, {"rock", "n", "roll"}},
        {"3rd", kDefaults, {"rd"}},
        {"3rd", kNumerals, {"3rd"}},
        {"1999", kNumerals, {"1999"}},
        {"1999", kDefaults, {}},
        {"a\tb", kDefaults, {"a", "b"}},
        {"a\xA0"
         "b",
         kDefaults,
         {"a", "b"}},
        {"a\r\nb\rc\nd\fe", kDefaults, {"a", "b", "c", "d", "e"}},
        {"ab\bc", kDefaults, {"abc"}},
        {W("Œuvre Štefan"), kDefaults, {"uvre", "tefan"}},
        {W("œuvre štefan"), kDefaults, {"uvre", "tefan"}},
        {W("×times÷"), kDefaults, {"times"}},
        {W("déjà-vu"), kDefaults, {W("déjà-vu")}},
        {W("déjà-vu"), kNoHyphens, {W("déjà"), "vu"}},
        {"", kDefaults, {}},
        {"   ", kDefaults, {}},
        {"!?;", kDefaults, {}},
    });
}

TEST(LineScannerTest, PeriodsAndTrailingStrip) {
    ExpectScans({
        {"end.", kDefaults, {"end"}},
        {"etc.", kPeriods, {"etc"}},
        {"e.g.", kPeriods, {"e.g"}},
        {"well-known.", kPeriods, {"well-known"}},
        {"...and", kPeriods, {"and"}},
        {"a.b.c", kDefaults, {"a", "b", "c"}},
        {"x: y", kEverything, {"x", "y"}},
        {"quote'", kApostrophes, {"quote"}},
        {"dogs'.", kEverything, {"dogs"}},
        {"dogs'.", kDropFinalS, {"dog"}},
        {"dogs'.",
         [](SettingsRecord& s) {
             kEverything(s);
             s.chkDropFinalS = 1;
         },
         {"dog"}},
        {"(word)", kDefaults, {"word"}},
        {"word,", kDefaults, {"word"}},
    });
}

TEST(LineScannerTest, WhatMayBeginAWord) {
    ExpectScans({
        {"'abc .abc :abc", kEverything, {"abc", "abc", "abc"}},
        {"-abc", kDefaults, {"-abc"}},
        {"_x @home /usr \\dir", kEverything, {"_x", "@home", "/usr", "\\dir"}},
        {"_x @home /usr \\dir", kDefaults, {"x", "home", "usr", "dir"}},
        {"42abc", kDefaults, {"abc"}},
        {"42abc", kNumerals, {"42abc"}},
        {"a'b:c.d", kEverything, {"a'b:c.d"}},
        {W("it‘s"), kApostrophes, {W("it‘s")}},  // the opening quote is an allowed apostrophe
        {W("it‘s"), kDefaults, {"it"}},
    });
}

TEST(LineScannerTest, LongWordIsCutAt65000) {
    Recorder host;
    ScanState state;
    state.strLine = std::string(70000, 'a') + " ";
    SettingsRecord s;
    ScanLine(state, WordRules::ForCount(s, BuildAllowedExtraChars(s)), host);
    ASSERT_EQ(host.words.size(), 2u);
    EXPECT_EQ(host.words[0], std::string(65000, 'a'));
    EXPECT_EQ(host.words[1], std::string(5000, 'a'));
}

// Lines without a marker character are walked through the line's byte
// masks; a line with one is walked step by step. A "/" that opens no
// comment sends a line the second way without changing its words, so both
// walks must cut the same words from random lines under random settings.
TEST(LineScannerTest, BothWalksCutTheSameWords) {
    const std::string alphabet = W("aZéÿ×'-_:.,()@\\0123456789 \t!\"&;<>") + "\x80\x9F\xA0";
    std::mt19937 rng(3);
    for (int round = 0; round < 400; ++round) {
        SettingsRecord s;
        s.chkAllowWordsWithHyphens = static_cast<std::int16_t>(rng() % 2);
        s.chkAllowWordsWithApostrophes = static_cast<std::int16_t>(rng() % 2);
        s.chkAllowWordsWithUnderscores = static_cast<std::int16_t>(rng() % 2);
        s.chkAllowWordsWithColons = static_cast<std::int16_t>(rng() % 2);
        s.chkAllowWordsWithBackslashes = static_cast<std::int16_t>(rng() % 2);
        s.chkAllowWordsWithPeriods = static_cast<std::int16_t>(rng() % 2);
        s.chkAllowWordsWithAtSigns = static_cast<std::int16_t>(rng() % 2);
        s.chkAllowWordsWithNumerals = static_cast<std::int16_t>(rng() % 2);
        s.chkDropFinalS = static_cast<std::int16_t>(rng() % 2);
        const WordRules rules = WordRules::ForCount(s, BuildAllowedExtraChars(s));
        std::string line(rng() % 300, ' ');
        for (char& c : line) c = alphabet[rng() % alphabet.size()];
        if (round % 50 == 0) line += std::string(65000 + rng() % 200, 'x');

        auto walk = [&](const std::string& text) {
            ScanState state;
            SetCommentMarkerStyle(state.markers, "C");
            state.strLine = text + " ";
            Recorder host;
            ScanLine(state, rules, host);
            return host.words;
        };
        EXPECT_EQ(walk(line), walk(line + " /")) << "[" << Utf8FromCp1252(line.substr(0, 300)) << "]";
    }
}

TEST(LineScannerTest, EmptyLineLeavesAnOpenCommentOpen) {
    SettingsRecord s;
    const WordRules rules = WordRules::ForCount(s, BuildAllowedExtraChars(s));
    for (int open : {-1, 0}) {
        ScanState state;
        SetCommentMarkerStyle(state.markers, "C");
        state.intWithinComment = open;
        state.strLine = " ";
        Recorder host;
        ScanLine(state, rules, host);
        EXPECT_TRUE(host.words.empty());
        EXPECT_EQ(state.intWithinComment, open);
    }
}

TEST(LineScannerTest, WithoutMarkersNothingIsAComment) {
    // Clipboard text: the marker table is empty, yet double hyphens separate.
    ScanState state;
    SetCommentMarkerStyle(state.markers, "C");
    ClearCommentMarkers(state.markers);
    state.strLine = "/* not a comment */ a b--c // d ";
    SettingsRecord s;
    Recorder host;
    ScanLine(state, WordRules::ForCount(s, BuildAllowedExtraChars(s)), host);
    EXPECT_EQ(host.words, (Words{"not", "a", "comment", "a", "b", "c", "d"}));
}

TEST(LineScannerTest, ReadingCommonWords) {
    // Every extra character allowed, comments skipped, no double-hyphen
    // splitting and no normalisation.
    ScanState state;
    SetCommentMarkerStyle(state.markers, "C");
    state.strLine = "see one--two don't t cats x.y 3rd // comment ";
    Recorder host;
    ScanLine(state, WordRules::ForCommonWords(), host);
    EXPECT_EQ(host.words, (Words{"see", "one--two", "don't", "t", "cats", "x.y", "3rd"}));
}

TEST(LineScannerTest, ReadingCommonWordsSkipsWhatTheMarkersName) {
    // "/" is a word character while common words are read, so only the
    // markers in force keep "/*" from becoming a word.
    for (bool markers : {true, false}) {
        ScanState state;
        if (markers) SetCommentMarkerStyle(state.markers, "C");
        state.strLine = "a /* b */ c ";
        Recorder host;
        ScanLine(state, WordRules::ForCommonWords(), host);
        EXPECT_EQ(host.words, (markers ? Words{"a", "c"} : Words{"a", "/", "b", "/", "c"}));
        EXPECT_TRUE(state.blnCommentsPossible);
    }
}

TEST(LineScannerTest, StopEndsTheLineAfterTheCurrentWord) {
    ScanState state;
    state.strLine = "one two three four ";
    Recorder host;
    host.stopAfter = 2;
    SettingsRecord s;
    ScanLine(state, WordRules::ForCount(s, BuildAllowedExtraChars(s)), host);
    EXPECT_EQ(host.words, (Words{"one", "two"}));
}

TEST(LineScannerTest, YieldsOnlyWhenAsked) {
    SettingsRecord s;
    const WordRules rules = WordRules::ForCount(s, BuildAllowedExtraChars(s));
    for (bool yields : {false, true}) {
        ScanState state;
        state.strLine = "one two three ";
        Recorder host;
        host.yields = yields;
        ScanLine(state, rules, host);
        EXPECT_EQ(host.words.size(), 3u);
        if (yields) {
            EXPECT_GE(host.yieldCount, 3);  // at least between words
        } else {
            EXPECT_EQ(host.yieldCount, 0);
        }
    }
}

// A host that yields every few steps is called that often whichever walk
// a line takes, and the count runs on from one line to the next: lines of
// fewer words than the interval must still yield.
TEST(LineScannerTest, YieldsEverySoManyStepsAcrossLines) {
    SettingsRecord s;
    const WordRules rules = WordRules::ForCount(s, BuildAllowedExtraChars(s));
    struct Case {
        std::string line;  // scanned ten times
        int stepsPerYield;
        int atLeast;
        int atMost;
    };
    const Case cases[] = {
        {"one two ", 5, 4, 4},  // 20 words, no marker character
        {"one two ", 1, 20, 20},
        {"one / two ", 5, 4, 12},        // the step-by-step walk: more steps
        {"one /* x */ two ", 5, 4, 20},  // comments are steps too
    };
    for (const auto& c : cases) {
        ScanState state;
        SetCommentMarkerStyle(state.markers, "C");
        Recorder host;
        host.yields = true;
        host.stepsPerYield = host.stepsUntilYield = c.stepsPerYield;
        for (int i = 0; i < 10; ++i) {
            state.strLine = c.line;
            ScanLine(state, rules, host);
        }
        EXPECT_EQ(host.words.size(), 20u) << c.line;
        EXPECT_GE(host.yieldCount, c.atLeast) << c.line;
        EXPECT_LE(host.yieldCount, c.atMost) << c.line;
    }
}

TEST(TakeWordTest, MovesPastWhatItCuts) {
    SettingsRecord s;
    const WordRules rules = WordRules::ForCount(s, BuildAllowedExtraChars(s));
    struct Case {
        std::string line;
        long lngLP;
        std::string word;
        long after;
    };
    const Case cases[] = {
        {"abc def ", 5, "def", 8},
        {"t x ", 1, "", 2},  // cut and then dropped: the position still moves
        {"!x ", 1, "", 1},   // nothing to cut: the position stays
        {"end.) x ", 1, "end", 4},
    };
    for (const auto& c : cases) {
        ScanState state;
        state.strLine = c.line;
        state.lngLP = c.lngLP;
        EXPECT_EQ(TakeWord(state, rules), c.word) << c.line;
        EXPECT_EQ(state.lngLP, c.after) << c.line;
    }
}

}  // namespace
}  // namespace lexicount
