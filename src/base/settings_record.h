#pragma once

// The settings record: every user setting, each field named after the
// control that edits it. Check boxes are 0/1 (2 is the greyed state, which
// counts as off), lists hold the selected item index (-1 = none), texts are
// strings. Paths are native file-system paths; the words to ignore and the
// comment-marker texts are Windows-1252 text like everything the word rules
// read.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexicount {

enum class SourceOption : std::int16_t { optInFile, optOnClipboard };

struct SettingsRecord {
    // Settings window.
    std::int16_t chkAllowWordsWithHyphens = 1;
    std::int16_t chkAllowWordsWithApostrophes = 0;
    std::int16_t chkAllowWordsWithUnderscores = 0;
    std::int16_t chkAllowWordsWithColons = 0;
    std::int16_t chkAllowWordsWithBackslashes = 0;
    std::int16_t chkAllowWordsWithForwardslashes = 0;
    std::int16_t chkAllowWordsWithPeriods = 0;
    std::int16_t chkAllowWordsWithAtSigns = 0;
    std::int16_t chkAllowWordsWithNumerals = 0;
    std::int16_t chkCaseSignificant = 0;
    std::int16_t chkDropFinalS = 0;
    std::int16_t chkOnly7bitASCII = 0;
    std::int16_t chkIgnoreRepetitions = 1;
    std::int16_t chkIgnoreRomNum40 = 1;
    std::int16_t chkIgnoreNoLetter = 1;
    std::int16_t chkIgnoreShortWords = 1;
    std::int16_t cboShortWordSize = 1;
    std::int16_t cboLongWordSize = 7;
    std::int16_t chkIgnoreInfrequentWords = 0;
    std::int16_t cboThresholdFrequency = 0;
    std::int16_t chkIgnoreCommonWords = 0;
    std::string txbCommonWordsFile;
    std::string txbWordsToIgnore;
    std::int16_t chkAllowCommentMarkers = 1;
    std::string txbStartComment[2] = {"/*", "//"};
    std::string txbEndComment[2] = {"*/", ""};
    std::int16_t chkOutputWithCommas = 0;
    std::int16_t chkWarnOnOverwrite = 0;
    std::int16_t chkSaveStateOnQuit = 0;

    // Main window.
    SourceOption source = SourceOption::optInFile;
    std::string txbFile[2];
    std::int16_t chkUTF8 = 0;
    std::int16_t chkSuppressWords = 0;
    std::int16_t chkDisableOutputToFile = 0;
    std::int16_t cboWordOrder = 0;
    std::int16_t cboDisplayFormat = 0;
};

// A check box counts as on only when its value is exactly 1.
inline bool IsOn(std::int16_t checkBox) {
    return checkBox == 1;
}

// The fixed item lists of the five list fields.
std::span<const std::string_view> ShortWordSizeItems();
std::span<const std::string_view> LongWordSizeItems();
std::span<const std::string_view> ThresholdFrequencyItems();
std::span<const std::string_view> WordOrderItems();
std::span<const std::string_view> DisplayFormatItems();

enum WordOrder : std::int16_t { kByFrequency = 0, kAlphabetical = 1 };

// Values derived from the fields.
int MinWordLength(const SettingsRecord& s);       // cboShortWordSize + 2
int MaxWordLength(const SettingsRecord& s);       // value of the cboLongWordSize item
int ThresholdFrequency(const SettingsRecord& s);  // cboThresholdFrequency + 2

// Constants of the word rules.
inline constexpr std::string_view kAllPossibleExtraChars = "'0123456789-_@:/.\\";
inline constexpr std::string_view kProhibitedInitialOrFinalChars = "'.:,()";
inline constexpr std::string_view kNeverAllowedChars = "+;<>\"";

// The characters currently allowed inside a word, from the nine allow-boxes.
std::string BuildAllowedExtraChars(const SettingsRecord& s);

// "Restore defaults": the settings-window boxes and lists that have
// defaults, and nothing else.
void SetDefaultValues(SettingsRecord& s);

// Field access by name, for settings files and the command line.
enum class FieldKind { CheckBox, List, Text };
struct FieldInfo {
    std::string_view name;
    FieldKind kind;
    int itemCount;  // lists only
};
std::span<const FieldInfo> SettingsFields();
const FieldInfo* FindField(std::string_view name);

// Reads a check-box or list field (the source option reads 0 for file,
// 1 for clipboard); nullopt for a text field or an unknown name.
std::optional<int> GetNumber(const SettingsRecord& s, std::string_view name);
// Sets it without checking the range; false for an unknown or text field.
bool SetNumber(SettingsRecord& s, std::string_view name, int value);
std::optional<std::string> GetText(const SettingsRecord& s, std::string_view name);
bool SetText(SettingsRecord& s, std::string_view name, std::string value);

}  // namespace lexicount
