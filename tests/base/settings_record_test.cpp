#include "base/settings_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace lexicount {
namespace {

using R = SettingsRecord;

struct NumberDefault {
    const char* name;
    int value;
    std::int16_t SettingsRecord::*member;  // null for the option buttons
};

// Every check-box and list field with its default and the member it names.
const NumberDefault kNumberDefaults[] = {
    {"chkAllowWordsWithHyphens", 1, &R::chkAllowWordsWithHyphens},
    {"chkAllowWordsWithApostrophes", 0, &R::chkAllowWordsWithApostrophes},
    {"chkAllowWordsWithUnderscores", 0, &R::chkAllowWordsWithUnderscores},
    {"chkAllowWordsWithColons", 0, &R::chkAllowWordsWithColons},
    {"chkAllowWordsWithBackslashes", 0, &R::chkAllowWordsWithBackslashes},
    {"chkAllowWordsWithForwardslashes", 0, &R::chkAllowWordsWithForwardslashes},
    {"chkAllowWordsWithPeriods", 0, &R::chkAllowWordsWithPeriods},
    {"chkAllowWordsWithAtSigns", 0, &R::chkAllowWordsWithAtSigns},
    {"chkAllowWordsWithNumerals", 0, &R::chkAllowWordsWithNumerals},
    {"chkCaseSignificant", 0, &R::chkCaseSignificant},
    {"chkDropFinalS", 0, &R::chkDropFinalS},
    {"chkOnly7bitASCII", 0, &R::chkOnly7bitASCII},
    {"chkUnicodeWords", 0, &R::chkUnicodeWords},
    {"chkIgnoreRepetitions", 1, &R::chkIgnoreRepetitions},
    {"chkIgnoreRomNum40", 1, &R::chkIgnoreRomNum40},
    {"chkIgnoreNoLetter", 1, &R::chkIgnoreNoLetter},
    {"chkIgnoreShortWords", 1, &R::chkIgnoreShortWords},
    {"cboShortWordSize", 1, &R::cboShortWordSize},
    {"cboLongWordSize", 7, &R::cboLongWordSize},
    {"chkIgnoreInfrequentWords", 0, &R::chkIgnoreInfrequentWords},
    {"cboThresholdFrequency", 0, &R::cboThresholdFrequency},
    {"chkIgnoreCommonWords", 0, &R::chkIgnoreCommonWords},
    {"chkAllowCommentMarkers", 1, &R::chkAllowCommentMarkers},
    {"chkOutputWithCommas", 0, &R::chkOutputWithCommas},
    {"chkWarnOnOverwrite", 0, &R::chkWarnOnOverwrite},
    {"chkSaveStateOnQuit", 0, &R::chkSaveStateOnQuit},
    {"optInFile", 1, nullptr},
    {"optOnClipboard", 0, nullptr},
    {"chkUTF8", 0, &R::chkUTF8},
    {"chkSuppressWords", 0, &R::chkSuppressWords},
    {"chkDisableOutputToFile", 0, &R::chkDisableOutputToFile},
    {"cboWordOrder", 0, &R::cboWordOrder},
    {"cboDisplayFormat", 0, &R::cboDisplayFormat},
};

struct TextDefault {
    const char* name;
    const char* value;
    std::function<std::string&(SettingsRecord&)> field;
};

const std::vector<TextDefault>& TextDefaults() {
    static const std::vector<TextDefault> defaults = {
        {"txbCommonWordsFile", "", [](SettingsRecord& s) -> std::string& { return s.txbCommonWordsFile; }},
        {"txbWordsToIgnore", "", [](SettingsRecord& s) -> std::string& { return s.txbWordsToIgnore; }},
        {"txbStartComment(0)", "/*", [](SettingsRecord& s) -> std::string& { return s.txbStartComment[0]; }},
        {"txbEndComment(0)", "*/", [](SettingsRecord& s) -> std::string& { return s.txbEndComment[0]; }},
        {"txbStartComment(1)", "//", [](SettingsRecord& s) -> std::string& { return s.txbStartComment[1]; }},
        {"txbEndComment(1)", "", [](SettingsRecord& s) -> std::string& { return s.txbEndComment[1]; }},
        {"txbFile(0)", "", [](SettingsRecord& s) -> std::string& { return s.txbFile[0]; }},
        {"txbFile(1)", "", [](SettingsRecord& s) -> std::string& { return s.txbFile[1]; }},
    };
    return defaults;
}

TEST(SettingsRecordTest, DefaultsOfEveryField) {
    const SettingsRecord s;
    for (const auto& d : kNumberDefaults) {
        EXPECT_EQ(GetNumber(s, d.name), d.value) << d.name;
        if (d.member != nullptr) {
            EXPECT_EQ(s.*d.member, d.value) << d.name;
        }
    }
    for (const auto& d : TextDefaults()) EXPECT_EQ(GetText(s, d.name), d.value) << d.name;
    EXPECT_EQ(s.source, SourceOption::optInFile);
}

TEST(SettingsRecordTest, EveryFieldIsFoundByNameAndNothingElse) {
    std::set<std::string> expected;
    for (const auto& d : kNumberDefaults) expected.insert(d.name);
    for (const auto& d : TextDefaults()) expected.insert(d.name);
    std::multiset<std::string> listed;
    for (const auto& f : SettingsFields()) listed.insert(std::string(f.name));
    EXPECT_EQ(listed, std::multiset<std::string>(expected.begin(), expected.end()));

    for (const auto& d : TextDefaults()) {
        const FieldInfo* f = FindField(d.name);
        ASSERT_NE(f, nullptr) << d.name;
        EXPECT_EQ(f->kind, FieldKind::Text) << d.name;
    }
    const std::pair<const char*, int> lists[] = {{"cboShortWordSize", 14},
                                                 {"cboLongWordSize", 16},
                                                 {"cboThresholdFrequency", 8},
                                                 {"cboWordOrder", 2},
                                                 {"cboDisplayFormat", 10}};
    for (const auto& d : kNumberDefaults) {
        const FieldInfo* f = FindField(d.name);
        ASSERT_NE(f, nullptr) << d.name;
        const auto list = std::find_if(std::begin(lists), std::end(lists),
                                       [&](const auto& l) { return std::string(l.first) == d.name; });
        if (list == std::end(lists)) {
            EXPECT_EQ(f->kind, FieldKind::CheckBox) << d.name;
        } else {
            EXPECT_EQ(f->kind, FieldKind::List) << d.name;
            EXPECT_EQ(f->items.size(), static_cast<std::size_t>(list->second)) << d.name;
        }
    }

    SettingsRecord s;
    for (const char* unknown : {"", "chkcasesignificant", "chkFoo", "txbFile", "txbFile(2)",
                                "strWordsToIgnore", "cboDisplayFormat ", "txbStartComment(2)"}) {
        EXPECT_EQ(FindField(unknown), nullptr) << unknown;
        EXPECT_EQ(GetNumber(s, unknown), std::nullopt) << unknown;
        EXPECT_FALSE(SetNumber(s, unknown, 1)) << unknown;
        EXPECT_EQ(GetText(s, unknown), std::nullopt) << unknown;
        EXPECT_FALSE(SetText(s, unknown, "x")) << unknown;
    }
    // A name of the other kind is refused as well.
    EXPECT_EQ(GetNumber(s, "txbWordsToIgnore"), std::nullopt);
    EXPECT_FALSE(SetNumber(s, "txbFile(1)", 1));
    EXPECT_EQ(GetText(s, "chkUTF8"), std::nullopt);
    EXPECT_FALSE(SetText(s, "cboWordOrder", "1"));
}

TEST(SettingsRecordTest, SettingAFieldByNameChangesThatFieldOnly) {
    const SettingsRecord defaults;
    for (const auto& d : kNumberDefaults) {
        if (std::string(d.name).rfind("opt", 0) == 0) continue;
        SettingsRecord s;
        ASSERT_TRUE(SetNumber(s, d.name, 5)) << d.name;
        EXPECT_EQ(s.*d.member, 5) << d.name;
        for (const auto& other : kNumberDefaults) {
            const int expected =
                std::string_view(other.name) == d.name ? 5 : *GetNumber(defaults, other.name);
            EXPECT_EQ(GetNumber(s, other.name), expected) << "set " << d.name << ", read " << other.name;
        }
    }
    for (const auto& d : TextDefaults()) {
        SettingsRecord s;
        ASSERT_TRUE(SetText(s, d.name, "changed")) << d.name;
        EXPECT_EQ(d.field(s), "changed") << d.name;
        for (const auto& other : TextDefaults()) {
            if (std::string_view(other.name) != d.name) {
                EXPECT_EQ(other.field(s), other.value) << "set " << d.name;
            }
        }
    }
}

TEST(SettingsRecordTest, OptionButtonsAndBracketSpellings) {
    SettingsRecord s;
    // The two option buttons are one field.
    ASSERT_TRUE(SetNumber(s, "optOnClipboard", 1));
    EXPECT_EQ(s.source, SourceOption::optOnClipboard);
    EXPECT_EQ(GetNumber(s, "optInFile"), 0);
    EXPECT_EQ(GetNumber(s, "optOnClipboard"), 1);
    ASSERT_TRUE(SetNumber(s, "optInFile", 1));
    EXPECT_EQ(s.source, SourceOption::optInFile);
    EXPECT_EQ(GetNumber(s, "optInFile"), 1);
    EXPECT_EQ(GetNumber(s, "optOnClipboard"), 0);

    ASSERT_TRUE(SetText(s, "txbFile[1]", "/out.txt"));
    EXPECT_EQ(s.txbFile[1], "/out.txt");
    EXPECT_EQ(GetText(s, "txbFile[1]"), "/out.txt");
    EXPECT_EQ(FindField("txbFile[0]"), FindField("txbFile(0)"));
}

TEST(SettingsRecordTest, ItemLists) {
    auto texts = [](std::span<const std::string_view> items) {
        return std::vector<std::string>(items.begin(), items.end());
    };
    EXPECT_EQ(texts(ShortWordSizeItems()), (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9",
                                                                     "10", "11", "12", "13", "14", "15"}));
    EXPECT_EQ(texts(LongWordSizeItems()),
              (std::vector<std::string>{"15", "20", "25", "30", "35", "40", "45", "50", "55", "60", "65",
                                        "70", "75", "80", "85", "90"}));
    EXPECT_EQ(texts(ThresholdFrequencyItems()),
              (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(texts(WordOrderItems()), (std::vector<std::string>{"by frequency", "alphabetical"}));
    EXPECT_EQ(texts(DisplayFormatItems()),
              (std::vector<std::string>{"rank frequency word", "rank word frequency", "rank frequency",
                                        "rank word", "frequency rank", "frequency word", "word rank",
                                        "word frequency", "word", "word (+ commas)"}));
    const SettingsRecord s;
    EXPECT_EQ(ShortWordSizeItems()[s.cboShortWordSize], "3");
    EXPECT_EQ(LongWordSizeItems()[s.cboLongWordSize], "50");
    EXPECT_EQ(ThresholdFrequencyItems()[s.cboThresholdFrequency], "2");
}

TEST(SettingsRecordTest, DerivedLengthsAndThresholdEqualTheItemNumbers) {
    SettingsRecord s;
    EXPECT_EQ(MinWordLength(s), 3);
    EXPECT_EQ(MaxWordLength(s), 50);
    EXPECT_EQ(ThresholdFrequency(s), 2);
    for (int i = 0; i < 14; ++i) {
        s.cboShortWordSize = static_cast<std::int16_t>(i);
        EXPECT_EQ(MinWordLength(s), i + 2);
        EXPECT_EQ(std::to_string(MinWordLength(s)), ShortWordSizeItems()[i]);
    }
    for (int i = 0; i < 16; ++i) {
        s.cboLongWordSize = static_cast<std::int16_t>(i);
        EXPECT_EQ(MaxWordLength(s), 15 + 5 * i);
    }
    for (int i = 0; i < 8; ++i) {
        s.cboThresholdFrequency = static_cast<std::int16_t>(i);
        EXPECT_EQ(ThresholdFrequency(s), i + 2);
    }
    s.cboShortWordSize = 13;
    s.cboLongWordSize = 0;
    s.cboThresholdFrequency = 7;
    EXPECT_EQ(MinWordLength(s), 15);
    EXPECT_EQ(MaxWordLength(s), 15);
    EXPECT_EQ(ThresholdFrequency(s), 9);
}

TEST(BuildAllowedExtraCharsTest, BoxesInFixedOrder) {
    const char* boxes[] = {
        "chkAllowWordsWithHyphens", "chkAllowWordsWithApostrophes", "chkAllowWordsWithUnderscores",
        "chkAllowWordsWithColons",  "chkAllowWordsWithBackslashes", "chkAllowWordsWithForwardslashes",
        "chkAllowWordsWithPeriods", "chkAllowWordsWithAtSigns",     "chkAllowWordsWithNumerals"};
    const char* alone[] = {"-", "'\x91", "_", ":", "\\", "/", ".", "@", "0123456789"};

    EXPECT_EQ(BuildAllowedExtraChars(SettingsRecord{}), "-");

    SettingsRecord all;
    for (const char* box : boxes) SetNumber(all, box, 1);
    const std::string everything = BuildAllowedExtraChars(all);
    // Hyphen, apostrophe, U+2018, underscore, colon, backslash, forward
    // slash, period, at-sign and the ten digits: 19 characters.
    EXPECT_EQ(everything, "-'\x91_:\\/.@0123456789");
    EXPECT_EQ(everything.size(), 19u);

    for (size_t i = 0; i < std::size(boxes); ++i) {
        SettingsRecord one;
        for (const char* box : boxes) SetNumber(one, box, 0);
        EXPECT_EQ(BuildAllowedExtraChars(one), "");
        SetNumber(one, boxes[i], 1);
        EXPECT_EQ(BuildAllowedExtraChars(one), alone[i]) << boxes[i];
        // A box counts as ticked only when it is exactly 1.
        SetNumber(one, boxes[i], 2);
        EXPECT_EQ(BuildAllowedExtraChars(one), "") << boxes[i];
    }
}

TEST(SetDefaultValuesTest, ResetsSettingsWindowDefaultsOnly) {
    // Every field away from its default.
    SettingsRecord s;
    for (const auto& d : kNumberDefaults) {
        const FieldInfo* f = FindField(d.name);
        SetNumber(s, d.name, f->kind == FieldKind::List ? (d.value == 0 ? 1 : 0) : 1 - d.value);
    }
    SetNumber(s, "optOnClipboard", 1);
    for (const auto& d : TextDefaults()) SetText(s, d.name, std::string("changed ") + d.name);
    const SettingsRecord before = s;

    SetDefaultValues(s);

    const std::set<std::string> untouched = {
        "chkIgnoreCommonWords",   "optInFile",    "optOnClipboard",  "chkUTF8", "chkSuppressWords",
        "chkDisableOutputToFile", "cboWordOrder", "cboDisplayFormat"};
    for (const auto& d : kNumberDefaults) {
        if (untouched.count(d.name) != 0) {
            EXPECT_EQ(GetNumber(s, d.name), GetNumber(before, d.name)) << d.name;
        } else {
            EXPECT_EQ(GetNumber(s, d.name), d.value) << d.name;
        }
    }
    for (const auto& d : TextDefaults()) EXPECT_EQ(GetText(s, d.name), GetText(before, d.name)) << d.name;
}

}  // namespace
}  // namespace lexicount
