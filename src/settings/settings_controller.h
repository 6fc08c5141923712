#pragma once

// frmParams without the window: every event handler of the settings window.
// It edits the application's settings record, keeps the main window's
// blnWordsGot, the common-words file and its loaded state, and the
// words-to-ignore mirror consistent, and talks to the user through the
// SettingsView.
//
// As in the main window, the window copies a control's new value into the
// record first and then calls the handler. Changes the controller makes
// itself run the changed control's handler, as a click would, and then ask
// the view to show the new values.

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings_view.h"

namespace lexicount {

class MainActions;
struct RunState;
struct SettingsRecord;
enum class ResetBy : std::uint8_t;

// Captions and messages of the window.
inline constexpr std::string_view kRereadQuestion =
    "Changing this entails reading the file anew.  Is this OK?";
inline constexpr std::string_view kIgnoreCommonWordsCaption = "Ignore common words in file:";
inline constexpr std::string_view kSpecifyCommonWordsFile =
    "Please specify the file containing common words.";
inline constexpr std::string_view kAlreadyLoadedTitle = "Common words loaded";
inline constexpr std::string_view kAlreadyLoadedText =
    "This file has already been loaded.  Click on 'Clear' and re-select the file if it has been changed on "
    "disk.";
inline constexpr std::string_view kReallyQuit = "Really quit?";
inline constexpr std::string_view kQuitTitle = "Quit";
inline constexpr std::string_view kProgramReinitialized = "Program reinitialized.";
inline constexpr std::string_view kSettingsSavedTo = "Settings saved to";
inline constexpr std::string_view kErrorSavingTo = "Error saving to";
inline constexpr std::string_view kSettingsLoadedFrom = "Settings loaded from";
inline constexpr std::string_view kErrorLoadingFrom = "Error loading from";
inline constexpr std::string_view kSaveSettingsTitle = "Save settings";
inline constexpr std::string_view kLoadSettingsTitle = "Load settings";

inline constexpr std::string_view kOtherCommonWordsFileTip =
    "This is for a file containing words (such as common words) which should be ignored.";
inline constexpr std::string_view kLanguageCommonWordsTip =
    "This is for a file containing words in some language which are to be ignored.";
inline constexpr std::string_view kWordsToIgnoreTip =
    "Add additional words to ignore here.  Words must be separated by spaces, not commas.";

// The three file dialogs of the window.
FileDialogRequest CommonWordsFileRequest();
FileDialogRequest SaveSettingsRequest();
FileDialogRequest LoadSettingsRequest();

class SettingsController {
public:
    SettingsController(SettingsView& view, MainActions& main);

    // Load: the window's first showing.
    void Form_Load();

    // A check box of this window changed (by the user, after its field was
    // set). Dispatches to the box's behaviour: the re-read boxes, the
    // filters, the common-words box; the others have none.
    void CheckBoxChanged(std::string_view name);
    // cboShortWordSize, cboLongWordSize, cboThresholdFrequency changed.
    void ListChanged(std::string_view name);

    // Sets a check box or list as the program does: when the value changes,
    // the control's handler runs as for a click. False for an unknown name.
    bool SetControlValue(std::string_view name, std::int16_t value);

    void chkIgnoreCommonWords_Click();
    void cmdClearCommonWordsFile_Click();
    // Also for Enter in the box.
    void txbCommonWordsFile_LostFocus();
    // 0 "Select some other common words file", 1 "... in some language".
    void cmdSelectCommonWordsFile_Click(int index);

    void txbWordsToIgnore_LostFocus();
    void cmdClearWordsToIgnore_Click();
    void txbStartComment_LostFocus(int index);
    void txbEndComment_LostFocus(int index);

    // 1 "Set checkboxes", 0 "Clear checkboxes".
    void cmdSetOrClearCheckboxes_Click(int index);
    void cmdRestoreDefaults_Click();
    void cmdInitialize_Click();
    // 0 "Save settings to file", 1 "Load settings from file".
    void cmdSaveLoadState_Click(int index);
    void cmdClose_Click();
    void cmdQuit_Click();

    // The words-to-ignore check: true when every character of the list is a
    // letter, a space or an allowed extra character (or when the check does
    // not apply now); otherwise warns about the first offending one.
    bool CheckAllowedExtraChars();
    // SetDefaultValues with the change behaviour of each control it moves.
    void SetDefaultValues();

    bool blnIgnoreClicks() const { return blnIgnoreClicks_; }
    bool blnSettingAllCheckboxes() const { return blnSettingAllCheckboxes_; }

private:
    bool AfterStartUp() const;
    void RereadBoxChanged(std::string_view name, bool runsCheck);
    void FilterChanged();
    void SetUnderIgnoreClicks(std::int16_t& field, std::int16_t value);
    // Puts each field of this reset back to its default as the program sets
    // a control, in table order.
    void ResetControls(ResetBy reset);
    void ReadChosenCommonWords(const std::string& path);
    void SaveSettingsFile();
    void LoadSettingsFile();

    SettingsView& view_;
    MainActions& main_;
    SettingsRecord& settings_;
    RunState& state_;
    bool blnIgnoreClicks_ = false;
    bool blnSettingAllCheckboxes_ = false;
};

}  // namespace lexicount
