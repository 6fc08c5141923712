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

// A field's default is in the settings table (settings_record.cpp), which the
// constructor applies; the members carry no initialisers of their own.
struct SettingsRecord {
    SettingsRecord();

    // Settings window.
    std::int16_t chkAllowWordsWithHyphens;
    std::int16_t chkAllowWordsWithApostrophes;
    std::int16_t chkAllowWordsWithUnderscores;
    std::int16_t chkAllowWordsWithColons;
    std::int16_t chkAllowWordsWithBackslashes;
    std::int16_t chkAllowWordsWithForwardslashes;
    std::int16_t chkAllowWordsWithPeriods;
    std::int16_t chkAllowWordsWithAtSigns;
    std::int16_t chkAllowWordsWithNumerals;
    std::int16_t chkCaseSignificant;
    std::int16_t chkDropFinalS;
    std::int16_t chkOnly7bitASCII;
    std::int16_t chkIgnoreRepetitions;
    std::int16_t chkIgnoreRomNum40;
    std::int16_t chkIgnoreNoLetter;
    std::int16_t chkIgnoreShortWords;
    std::int16_t cboShortWordSize;
    std::int16_t cboLongWordSize;
    std::int16_t chkIgnoreInfrequentWords;
    std::int16_t cboThresholdFrequency;
    std::int16_t chkIgnoreCommonWords;
    std::string txbCommonWordsFile;
    std::string txbWordsToIgnore;
    std::int16_t chkAllowCommentMarkers;
    std::string txbStartComment[2];
    std::string txbEndComment[2];
    std::int16_t chkOutputWithCommas;
    std::int16_t chkWarnOnOverwrite;
    std::int16_t chkSaveStateOnQuit;
    // Words in any script (the Unicode text model) instead of Windows-1252.
    std::int16_t chkUnicodeWords;

    // Main window.
    SourceOption source;
    std::string txbFile[2];
    std::int16_t chkUTF8;
    std::int16_t chkSuppressWords;
    std::int16_t chkDisableOutputToFile;
    std::int16_t cboWordOrder;
    std::int16_t cboDisplayFormat;
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

// The settings table: one row per field, naming its kind, default, items,
// line in the state file and the reset that puts it back to its default.
// Field access by name, the state and settings files, lexicount-cli --set,
// the defaults and the resets all follow it.

enum class FieldKind { CheckBox, List, Text };

// The reset that puts a field back to its default. Resets run one another
// (Reinitialize and InitializeVariables run Initialize, which runs "Restore
// defaults"), so a field names the narrowest reset that touches it.
enum class ResetBy : std::uint8_t {
    None,                // kept by every reset
    RestoreDefaults,     // "Restore defaults" (SetDefaultValues)
    Initialize,          // the main window's Initialize
    Reinitialize,        // the settings window's "Reinitialize", after Initialize
    InitializeVariables  // the main window's InitializeVariables, before Initialize
};

inline constexpr int kFirstAddedLine = 39;

struct FieldInfo {
    std::string_view name;
    FieldKind kind;
    // The member of a check box or list (null for the two option buttons,
    // which are one field, the source), or of a text.
    std::int16_t* (*number)(SettingsRecord&);
    std::string* (*text)(SettingsRecord&);
    std::int16_t defaultNumber;
    std::string_view defaultText;
    std::span<const std::string_view> items;  // lists
    // Texts: Windows-1252 text the word rules read, rather than a path kept
    // as the system gives it.
    bool wordText;
    int stateLine;  // 1-based line in the state file; 0 when not saved
    // Lines from kFirstAddedLine on came after the original layout: a file
    // that ends before such a line restores the field's default.
    // The line is read and dropped, and the field takes its default.
    bool restoredAsDefault;
    ResetBy resetBy;

    // The highest value a user may set: the last item index, or 1.
    int MaxValue() const { return kind == FieldKind::List ? static_cast<int>(items.size()) - 1 : 1; }
};

// Every field, those that "Restore defaults" sets first and in its order.
// FindField also knows txbFile[0] and txbFile[1] as spellings of txbFile(0)
// and txbFile(1).
std::span<const FieldInfo> SettingsFields();
const FieldInfo* FindField(std::string_view name);

// Reads a check-box or list field (an option button reads 1 while it is the
// source selected); nullopt for a text field or an unknown name.
std::optional<int> GetNumber(const SettingsRecord& s, std::string_view name);
// Sets it without checking the range; false for an unknown or text field.
bool SetNumber(SettingsRecord& s, std::string_view name, int value);
std::optional<std::string> GetText(const SettingsRecord& s, std::string_view name);
bool SetText(SettingsRecord& s, std::string_view name, std::string value);

// Puts back the default of one field, or of every field whose row names
// this reset.
void ResetField(SettingsRecord& s, const FieldInfo& field);
void ResetFields(SettingsRecord& s, ResetBy reset);
// "Restore defaults": the settings-window boxes and lists that have
// defaults, and nothing else.
void SetDefaultValues(SettingsRecord& s);
// FillComboBoxes: every list at its default item.
void SelectDefaultItems(SettingsRecord& s);

}  // namespace lexicount
