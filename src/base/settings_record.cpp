#include "base/settings_record.h"

#include <array>
#include <charconv>

namespace lexicount {
namespace {

constexpr std::array<std::string_view, 14> kShortWordSizes = {"2", "3",  "4",  "5",  "6",  "7",  "8",
                                                              "9", "10", "11", "12", "13", "14", "15"};
constexpr std::array<std::string_view, 16> kLongWordSizes = {"15", "20", "25", "30", "35", "40", "45", "50",
                                                             "55", "60", "65", "70", "75", "80", "85", "90"};
constexpr std::array<std::string_view, 8> kThresholds = {"2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::array<std::string_view, 2> kWordOrders = {"by frequency", "alphabetical"};
constexpr std::array<std::string_view, 10> kDisplayFormats = {
    "rank frequency word", "rank word frequency", "rank frequency", "rank word", "frequency rank",
    "frequency word",      "word rank",           "word frequency", "word",      "word (+ commas)"};

constexpr int kChk = 0;
using FK = FieldKind;

constexpr std::array<FieldInfo, 42> kFields = {{
    {"chkAllowWordsWithHyphens", FK::CheckBox, kChk},
    {"chkAllowWordsWithApostrophes", FK::CheckBox, kChk},
    {"chkAllowWordsWithUnderscores", FK::CheckBox, kChk},
    {"chkAllowWordsWithColons", FK::CheckBox, kChk},
    {"chkAllowWordsWithBackslashes", FK::CheckBox, kChk},
    {"chkAllowWordsWithForwardslashes", FK::CheckBox, kChk},
    {"chkAllowWordsWithPeriods", FK::CheckBox, kChk},
    {"chkAllowWordsWithAtSigns", FK::CheckBox, kChk},
    {"chkAllowWordsWithNumerals", FK::CheckBox, kChk},
    {"chkCaseSignificant", FK::CheckBox, kChk},
    {"chkDropFinalS", FK::CheckBox, kChk},
    {"chkOnly7bitASCII", FK::CheckBox, kChk},
    {"chkIgnoreRepetitions", FK::CheckBox, kChk},
    {"chkIgnoreRomNum40", FK::CheckBox, kChk},
    {"chkIgnoreNoLetter", FK::CheckBox, kChk},
    {"chkIgnoreShortWords", FK::CheckBox, kChk},
    {"cboShortWordSize", FK::List, static_cast<int>(kShortWordSizes.size())},
    {"cboLongWordSize", FK::List, static_cast<int>(kLongWordSizes.size())},
    {"chkIgnoreInfrequentWords", FK::CheckBox, kChk},
    {"cboThresholdFrequency", FK::List, static_cast<int>(kThresholds.size())},
    {"chkIgnoreCommonWords", FK::CheckBox, kChk},
    {"txbCommonWordsFile", FK::Text, 0},
    {"txbWordsToIgnore", FK::Text, 0},
    {"chkAllowCommentMarkers", FK::CheckBox, kChk},
    {"txbStartComment(0)", FK::Text, 0},
    {"txbEndComment(0)", FK::Text, 0},
    {"txbStartComment(1)", FK::Text, 0},
    {"txbEndComment(1)", FK::Text, 0},
    {"chkOutputWithCommas", FK::CheckBox, kChk},
    {"chkWarnOnOverwrite", FK::CheckBox, kChk},
    {"chkSaveStateOnQuit", FK::CheckBox, kChk},
    {"optInFile", FK::CheckBox, kChk},
    {"optOnClipboard", FK::CheckBox, kChk},
    {"txbFile(0)", FK::Text, 0},
    {"txbFile(1)", FK::Text, 0},
    {"chkUTF8", FK::CheckBox, kChk},
    {"chkSuppressWords", FK::CheckBox, kChk},
    {"chkDisableOutputToFile", FK::CheckBox, kChk},
    {"cboWordOrder", FK::List, static_cast<int>(kWordOrders.size())},
    {"cboDisplayFormat", FK::List, static_cast<int>(kDisplayFormats.size())},
    // Spellings with square brackets for the indexed text fields.
    {"txbFile[0]", FK::Text, 0},
    {"txbFile[1]", FK::Text, 0},
}};

std::int16_t* NumberField(SettingsRecord& s, std::string_view name) {
    struct Entry {
        std::string_view name;
        std::int16_t SettingsRecord::*member;
    };
    static constexpr Entry kEntries[] = {
        {"chkAllowWordsWithHyphens", &SettingsRecord::chkAllowWordsWithHyphens},
        {"chkAllowWordsWithApostrophes", &SettingsRecord::chkAllowWordsWithApostrophes},
        {"chkAllowWordsWithUnderscores", &SettingsRecord::chkAllowWordsWithUnderscores},
        {"chkAllowWordsWithColons", &SettingsRecord::chkAllowWordsWithColons},
        {"chkAllowWordsWithBackslashes", &SettingsRecord::chkAllowWordsWithBackslashes},
        {"chkAllowWordsWithForwardslashes", &SettingsRecord::chkAllowWordsWithForwardslashes},
        {"chkAllowWordsWithPeriods", &SettingsRecord::chkAllowWordsWithPeriods},
        {"chkAllowWordsWithAtSigns", &SettingsRecord::chkAllowWordsWithAtSigns},
        {"chkAllowWordsWithNumerals", &SettingsRecord::chkAllowWordsWithNumerals},
        {"chkCaseSignificant", &SettingsRecord::chkCaseSignificant},
        {"chkDropFinalS", &SettingsRecord::chkDropFinalS},
        {"chkOnly7bitASCII", &SettingsRecord::chkOnly7bitASCII},
        {"chkIgnoreRepetitions", &SettingsRecord::chkIgnoreRepetitions},
        {"chkIgnoreRomNum40", &SettingsRecord::chkIgnoreRomNum40},
        {"chkIgnoreNoLetter", &SettingsRecord::chkIgnoreNoLetter},
        {"chkIgnoreShortWords", &SettingsRecord::chkIgnoreShortWords},
        {"cboShortWordSize", &SettingsRecord::cboShortWordSize},
        {"cboLongWordSize", &SettingsRecord::cboLongWordSize},
        {"chkIgnoreInfrequentWords", &SettingsRecord::chkIgnoreInfrequentWords},
        {"cboThresholdFrequency", &SettingsRecord::cboThresholdFrequency},
        {"chkIgnoreCommonWords", &SettingsRecord::chkIgnoreCommonWords},
        {"chkAllowCommentMarkers", &SettingsRecord::chkAllowCommentMarkers},
        {"chkOutputWithCommas", &SettingsRecord::chkOutputWithCommas},
        {"chkWarnOnOverwrite", &SettingsRecord::chkWarnOnOverwrite},
        {"chkSaveStateOnQuit", &SettingsRecord::chkSaveStateOnQuit},
        {"chkUTF8", &SettingsRecord::chkUTF8},
        {"chkSuppressWords", &SettingsRecord::chkSuppressWords},
        {"chkDisableOutputToFile", &SettingsRecord::chkDisableOutputToFile},
        {"cboWordOrder", &SettingsRecord::cboWordOrder},
        {"cboDisplayFormat", &SettingsRecord::cboDisplayFormat},
    };
    for (const auto& e : kEntries) {
        if (e.name == name) return &(s.*e.member);
    }
    return nullptr;
}

std::string* TextField(SettingsRecord& s, std::string_view name) {
    if (name == "txbCommonWordsFile") return &s.txbCommonWordsFile;
    if (name == "txbWordsToIgnore") return &s.txbWordsToIgnore;
    if (name == "txbStartComment(0)") return &s.txbStartComment[0];
    if (name == "txbEndComment(0)") return &s.txbEndComment[0];
    if (name == "txbStartComment(1)") return &s.txbStartComment[1];
    if (name == "txbEndComment(1)") return &s.txbEndComment[1];
    if (name == "txbFile(0)" || name == "txbFile[0]") return &s.txbFile[0];
    if (name == "txbFile(1)" || name == "txbFile[1]") return &s.txbFile[1];
    return nullptr;
}

int ItemValue(std::span<const std::string_view> items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size())) return 0;
    int value = 0;
    std::from_chars(items[index].data(), items[index].data() + items[index].size(), value);
    return value;
}

}  // namespace

std::span<const std::string_view> ShortWordSizeItems() {
    return kShortWordSizes;
}
std::span<const std::string_view> LongWordSizeItems() {
    return kLongWordSizes;
}
std::span<const std::string_view> ThresholdFrequencyItems() {
    return kThresholds;
}
std::span<const std::string_view> WordOrderItems() {
    return kWordOrders;
}
std::span<const std::string_view> DisplayFormatItems() {
    return kDisplayFormats;
}

int MinWordLength(const SettingsRecord& s) {
    return s.cboShortWordSize + 2;
}
int MaxWordLength(const SettingsRecord& s) {
    return ItemValue(kLongWordSizes, s.cboLongWordSize);
}
int ThresholdFrequency(const SettingsRecord& s) {
    return s.cboThresholdFrequency + 2;
}

std::string BuildAllowedExtraChars(const SettingsRecord& s) {
    std::string chars;
    if (IsOn(s.chkAllowWordsWithHyphens)) chars += "-";
    if (IsOn(s.chkAllowWordsWithApostrophes)) chars += "'\221";  // and the opening quote U+2018
    if (IsOn(s.chkAllowWordsWithUnderscores)) chars += "_";
    if (IsOn(s.chkAllowWordsWithColons)) chars += ":";
    if (IsOn(s.chkAllowWordsWithBackslashes)) chars += "\\";
    if (IsOn(s.chkAllowWordsWithForwardslashes)) chars += "/";
    if (IsOn(s.chkAllowWordsWithPeriods)) chars += ".";
    if (IsOn(s.chkAllowWordsWithAtSigns)) chars += "@";
    if (IsOn(s.chkAllowWordsWithNumerals)) chars += "0123456789";
    return chars;
}

void SetDefaultValues(SettingsRecord& s) {
    s.chkCaseSignificant = 0;
    s.chkIgnoreShortWords = 1;
    s.chkIgnoreInfrequentWords = 0;
    s.chkIgnoreRepetitions = 1;
    s.chkIgnoreRomNum40 = 1;
    s.chkIgnoreNoLetter = 1;
    s.chkAllowWordsWithHyphens = 1;
    s.chkAllowWordsWithApostrophes = 0;
    s.chkAllowWordsWithUnderscores = 0;
    s.chkAllowWordsWithColons = 0;
    s.chkAllowWordsWithBackslashes = 0;
    s.chkAllowWordsWithForwardslashes = 0;
    s.chkAllowWordsWithPeriods = 0;
    s.chkAllowWordsWithAtSigns = 0;
    s.chkAllowWordsWithNumerals = 0;
    s.chkDropFinalS = 0;
    s.chkOutputWithCommas = 0;
    s.chkAllowCommentMarkers = 1;
    s.chkWarnOnOverwrite = 0;
    s.chkSaveStateOnQuit = 0;
    s.chkOnly7bitASCII = 0;
    s.cboShortWordSize = 1;
    s.cboLongWordSize = 7;
    s.cboThresholdFrequency = 0;
}

std::span<const FieldInfo> SettingsFields() {
    return std::span<const FieldInfo>(kFields.data(), 40);
}

const FieldInfo* FindField(std::string_view name) {
    for (const auto& f : kFields) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

std::optional<int> GetNumber(const SettingsRecord& s, std::string_view name) {
    if (name == "optInFile") return s.source == SourceOption::optInFile ? 1 : 0;
    if (name == "optOnClipboard") return s.source == SourceOption::optOnClipboard ? 1 : 0;
    auto* field = NumberField(const_cast<SettingsRecord&>(s), name);
    if (field == nullptr) return std::nullopt;
    return *field;
}

bool SetNumber(SettingsRecord& s, std::string_view name, int value) {
    if (name == "optInFile") {
        s.source = value == 1 ? SourceOption::optInFile : SourceOption::optOnClipboard;
        return true;
    }
    if (name == "optOnClipboard") {
        s.source = value == 1 ? SourceOption::optOnClipboard : SourceOption::optInFile;
        return true;
    }
    auto* field = NumberField(s, name);
    if (field == nullptr) return false;
    *field = static_cast<std::int16_t>(value);
    return true;
}

std::optional<std::string> GetText(const SettingsRecord& s, std::string_view name) {
    auto* field = TextField(const_cast<SettingsRecord&>(s), name);
    if (field == nullptr) return std::nullopt;
    return *field;
}

bool SetText(SettingsRecord& s, std::string_view name, std::string value) {
    auto* field = TextField(s, name);
    if (field == nullptr) return false;
    *field = std::move(value);
    return true;
}

}  // namespace lexicount
