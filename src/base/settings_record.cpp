#include "base/settings_record.h"

#include <array>
#include <charconv>
#include <utility>

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

using R = SettingsRecord;
using enum ResetBy;

// How a row reaches its member.
template <auto Member>
std::int16_t* Number(SettingsRecord& s) {
    return &(s.*Member);
}
template <auto Member>
std::string* Text(SettingsRecord& s) {
    return &(s.*Member);
}
template <auto Array, int Index>
std::string* Item(SettingsRecord& s) {
    return &(s.*Array)[Index];
}
using NumberAccess = std::int16_t* (*)(SettingsRecord&);
using TextAccess = std::string* (*)(SettingsRecord&);

// One builder per kind keeps each row to its own columns.
constexpr FieldInfo Box(std::string_view name, NumberAccess number, std::int16_t value, int line,
                        ResetBy reset) {
    return {name, FieldKind::CheckBox, number, nullptr, value, {}, {}, false, line, false, reset};
}
constexpr FieldInfo List(std::string_view name, NumberAccess number, std::span<const std::string_view> items,
                         std::int16_t value, int line, ResetBy reset) {
    return {name, FieldKind::List, number, nullptr, value, {}, items, false, line, false, reset};
}
constexpr FieldInfo Words(std::string_view name, TextAccess text, std::string_view value, int line,
                          ResetBy reset) {
    return {name, FieldKind::Text, nullptr, text, 0, value, {}, true, line, false, reset};
}
constexpr FieldInfo Path(std::string_view name, TextAccess text, int line, ResetBy reset) {
    return {name, FieldKind::Text, nullptr, text, 0, "", {}, false, line, false, reset};
}
constexpr FieldInfo RestoredAsDefault(FieldInfo field) {
    field.restoredAsDefault = true;
    return field;
}

// State-file line 29 belongs to no field: it is written 0 and read and dropped.
constexpr FieldInfo kFields[] = {
    // Settings window: "Restore defaults" sets these, in this order.
    Box("chkCaseSignificant", Number<&R::chkCaseSignificant>, 0, 17, RestoreDefaults),
    Box("chkIgnoreShortWords", Number<&R::chkIgnoreShortWords>, 1, 11, RestoreDefaults),
    Box("chkIgnoreInfrequentWords", Number<&R::chkIgnoreInfrequentWords>, 0, 12, RestoreDefaults),
    Box("chkIgnoreRepetitions", Number<&R::chkIgnoreRepetitions>, 1, 14, RestoreDefaults),
    Box("chkIgnoreRomNum40", Number<&R::chkIgnoreRomNum40>, 1, 15, RestoreDefaults),
    Box("chkIgnoreNoLetter", Number<&R::chkIgnoreNoLetter>, 1, 16, RestoreDefaults),
    Box("chkAllowWordsWithHyphens", Number<&R::chkAllowWordsWithHyphens>, 1, 19, RestoreDefaults),
    Box("chkAllowWordsWithApostrophes", Number<&R::chkAllowWordsWithApostrophes>, 0, 20, RestoreDefaults),
    Box("chkAllowWordsWithUnderscores", Number<&R::chkAllowWordsWithUnderscores>, 0, 21, RestoreDefaults),
    Box("chkAllowWordsWithColons", Number<&R::chkAllowWordsWithColons>, 0, 22, RestoreDefaults),
    Box("chkAllowWordsWithBackslashes", Number<&R::chkAllowWordsWithBackslashes>, 0, 23, RestoreDefaults),
    Box("chkAllowWordsWithForwardslashes", Number<&R::chkAllowWordsWithForwardslashes>, 0, 24,
        RestoreDefaults),
    Box("chkAllowWordsWithPeriods", Number<&R::chkAllowWordsWithPeriods>, 0, 25, RestoreDefaults),
    Box("chkAllowWordsWithAtSigns", Number<&R::chkAllowWordsWithAtSigns>, 0, 26, RestoreDefaults),
    Box("chkAllowWordsWithNumerals", Number<&R::chkAllowWordsWithNumerals>, 0, 27, RestoreDefaults),
    Box("chkDropFinalS", Number<&R::chkDropFinalS>, 0, 18, RestoreDefaults),
    Box("chkOutputWithCommas", Number<&R::chkOutputWithCommas>, 0, 28, RestoreDefaults),
    // Always on after a restore, whatever the file holds.
    RestoredAsDefault(
        Box("chkAllowCommentMarkers", Number<&R::chkAllowCommentMarkers>, 1, 30, RestoreDefaults)),
    Box("chkWarnOnOverwrite", Number<&R::chkWarnOnOverwrite>, 0, 31, RestoreDefaults),
    Box("chkSaveStateOnQuit", Number<&R::chkSaveStateOnQuit>, 0, 32, RestoreDefaults),
    Box("chkOnly7bitASCII", Number<&R::chkOnly7bitASCII>, 0, 38, RestoreDefaults),
    List("cboShortWordSize", Number<&R::cboShortWordSize>, kShortWordSizes, 1, 8, RestoreDefaults),
    List("cboLongWordSize", Number<&R::cboLongWordSize>, kLongWordSizes, 7, 9, RestoreDefaults),
    List("cboThresholdFrequency", Number<&R::cboThresholdFrequency>, kThresholds, 0, 10, RestoreDefaults),
    Box("chkUnicodeWords", Number<&R::chkUnicodeWords>, 0, 39, RestoreDefaults),
    // Settings window, kept by "Restore defaults".
    Box("chkIgnoreCommonWords", Number<&R::chkIgnoreCommonWords>, 0, 13, Reinitialize),
    // The state file holds the path the common-words reader uses (SaveState's argument).
    Path("txbCommonWordsFile", Text<&R::txbCommonWordsFile>, 37, Initialize),
    Words("txbWordsToIgnore", Text<&R::txbWordsToIgnore>, "", 3, Initialize),
    // The marker texts outlive every reset: a reset selects the marker style instead.
    Words("txbStartComment(0)", Item<&R::txbStartComment, 0>, "/*", 4, None),
    Words("txbEndComment(0)", Item<&R::txbEndComment, 0>, "*/", 5, None),
    Words("txbStartComment(1)", Item<&R::txbStartComment, 1>, "//", 6, None),
    Words("txbEndComment(1)", Item<&R::txbEndComment, 1>, "", 7, None),
    // Main window.
    Box("optInFile", nullptr, 1, 0, InitializeVariables),
    Box("optOnClipboard", nullptr, 0, 0, InitializeVariables),
    Path("txbFile(0)", Item<&R::txbFile, 0>, 1, Initialize),
    Path("txbFile(1)", Item<&R::txbFile, 1>, 2, Initialize),
    Box("chkUTF8", Number<&R::chkUTF8>, 0, 0, Initialize),
    Box("chkSuppressWords", Number<&R::chkSuppressWords>, 0, 33, Initialize),
    // Changed only by the user or a restore.
    Box("chkDisableOutputToFile", Number<&R::chkDisableOutputToFile>, 0, 34, None),
    List("cboWordOrder", Number<&R::cboWordOrder>, kWordOrders, 0, 35, Reinitialize),
    List("cboDisplayFormat", Number<&R::cboDisplayFormat>, kDisplayFormats, 0, 36, Reinitialize),
};

// Spellings with square brackets for the indexed text fields.
constexpr std::pair<std::string_view, std::string_view> kAliases[] = {
    {"txbFile[0]", "txbFile(0)"},
    {"txbFile[1]", "txbFile(1)"},
};

// The two option buttons are one field, the source: each reads 1 while it is
// the one selected.
std::optional<SourceOption> OptionButton(std::string_view name) {
    if (name == "optInFile") return SourceOption::optInFile;
    if (name == "optOnClipboard") return SourceOption::optOnClipboard;
    return std::nullopt;
}

void Assign(SettingsRecord& s, const FieldInfo& field, int value) {
    if (field.number != nullptr) {
        *field.number(s) = static_cast<std::int16_t>(value);
    } else if (const auto option = OptionButton(field.name)) {
        const auto other =
            *option == SourceOption::optInFile ? SourceOption::optOnClipboard : SourceOption::optInFile;
        s.source = value == 1 ? *option : other;
    }
}

int ItemValue(std::span<const std::string_view> items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size())) return 0;
    int value = 0;
    const std::string_view item = items[static_cast<std::size_t>(index)];
    std::from_chars(item.data(), item.data() + item.size(), value);
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

SettingsRecord::SettingsRecord() {
    for (const FieldInfo& field : kFields) ResetField(*this, field);
}

std::span<const FieldInfo> SettingsFields() {
    return kFields;
}

const FieldInfo* FindField(std::string_view name) {
    for (const auto& [alias, field] : kAliases) {
        if (alias == name) name = field;
    }
    for (const auto& f : kFields) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

std::optional<int> GetNumber(const SettingsRecord& s, std::string_view name) {
    const FieldInfo* field = FindField(name);
    if (field == nullptr || field->kind == FieldKind::Text) return std::nullopt;
    if (field->number != nullptr) return *field->number(const_cast<SettingsRecord&>(s));
    return s.source == OptionButton(name) ? 1 : 0;
}

bool SetNumber(SettingsRecord& s, std::string_view name, int value) {
    const FieldInfo* field = FindField(name);
    if (field == nullptr || field->kind == FieldKind::Text) return false;
    Assign(s, *field, value);
    return true;
}

std::optional<std::string> GetText(const SettingsRecord& s, std::string_view name) {
    const FieldInfo* field = FindField(name);
    if (field == nullptr || field->kind != FieldKind::Text) return std::nullopt;
    return *field->text(const_cast<SettingsRecord&>(s));
}

bool SetText(SettingsRecord& s, std::string_view name, std::string value) {
    const FieldInfo* field = FindField(name);
    if (field == nullptr || field->kind != FieldKind::Text) return false;
    *field->text(s) = std::move(value);
    return true;
}

void ResetField(SettingsRecord& s, const FieldInfo& field) {
    if (field.kind == FieldKind::Text) {
        *field.text(s) = field.defaultText;
    } else {
        Assign(s, field, field.defaultNumber);
    }
}

void ResetFields(SettingsRecord& s, ResetBy reset) {
    for (const FieldInfo& field : kFields) {
        if (field.resetBy == reset) ResetField(s, field);
    }
}

void SetDefaultValues(SettingsRecord& s) {
    ResetFields(s, ResetBy::RestoreDefaults);
}

void SelectDefaultItems(SettingsRecord& s) {
    for (const FieldInfo& field : kFields) {
        if (field.kind == FieldKind::List) ResetField(s, field);
    }
}

}  // namespace lexicount
