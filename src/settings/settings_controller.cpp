#include "settings/settings_controller.h"

#include <algorithm>
#include <array>

#include "base/settings_record.h"
#include "input/file_helpers.h"
#include "settings/languages.h"
#include "settings/main_actions.h"
#include "settings/state_file.h"
#include "settings/words_to_ignore.h"
#include "words/chars.h"

namespace lexicount {
namespace {

// The boxes that change how the text is split into words, and whether each
// one runs the words-to-ignore check afterwards. The forward-slash box does
// not: a slash in the list is only reported by the next check.
struct RereadBox {
    std::string_view name;
    bool runsCheck;
};
constexpr std::array<RereadBox, 12> kRereadBoxes = {{
    {"chkCaseSignificant", false},
    {"chkAllowWordsWithHyphens", true},
    {"chkAllowWordsWithApostrophes", true},
    {"chkAllowWordsWithUnderscores", true},
    {"chkAllowWordsWithColons", true},
    {"chkAllowWordsWithBackslashes", true},
    {"chkAllowWordsWithForwardslashes", false},
    {"chkAllowWordsWithPeriods", true},
    {"chkAllowWordsWithAtSigns", true},
    {"chkAllowWordsWithNumerals", true},
    {"chkDropFinalS", false},
    {"chkUnicodeWords", false},
}};

// Filters that act on the gathered words: no re-read is needed.
constexpr std::array<std::string_view, 8> kFilterControls = {
    "chkIgnoreRepetitions", "chkIgnoreRomNum40", "chkIgnoreNoLetter", "chkIgnoreInfrequentWords",
    "chkIgnoreShortWords",  "cboShortWordSize",  "cboLongWordSize",   "cboThresholdFrequency",
};

// "Set checkboxes" / "Clear checkboxes", in their order. The common-words
// box and the comment-marker box are left alone.
constexpr std::array<std::string_view, 20> kBulkCheckBoxes = {
    "chkAllowWordsWithHyphens",
    "chkAllowWordsWithApostrophes",
    "chkAllowWordsWithUnderscores",
    "chkAllowWordsWithColons",
    "chkAllowWordsWithBackslashes",
    "chkAllowWordsWithForwardslashes",
    "chkAllowWordsWithPeriods",
    "chkAllowWordsWithAtSigns",
    "chkAllowWordsWithNumerals",
    "chkCaseSignificant",
    "chkDropFinalS",
    "chkIgnoreInfrequentWords",
    "chkIgnoreRepetitions",
    "chkIgnoreRomNum40",
    "chkIgnoreNoLetter",
    "chkIgnoreShortWords",
    "chkOutputWithCommas",
    "chkWarnOnOverwrite",
    "chkSaveStateOnQuit",
    "chkOnly7bitASCII",
};

const RereadBox* FindRereadBox(std::string_view name) {
    const auto it = std::find_if(kRereadBoxes.begin(), kRereadBoxes.end(),
                                 [name](const RereadBox& box) { return box.name == name; });
    return it == kRereadBoxes.end() ? nullptr : &*it;
}

bool IsFilterControl(std::string_view name) {
    return std::find(kFilterControls.begin(), kFilterControls.end(), name) != kFilterControls.end();
}

constexpr std::string_view kSettingsFilter = "Settings files (*.tly) | *.tly";

}  // namespace

FileDialogRequest CommonWordsFileRequest() {
    return {"Specify file of common words to ignore", "Any file containing only text (*.*) | *.*",
            kDialogFileMustExist | kDialogPathMustExist | kDialogHideReadOnly, false};
}

FileDialogRequest SaveSettingsRequest() {
    return {"Specify file to save settings to", std::string(kSettingsFilter),
            kDialogNoReadOnlyReturn | kDialogPathMustExist | kDialogHideReadOnly | kDialogOverwritePrompt,
            true};
}

FileDialogRequest LoadSettingsRequest() {
    return {"Specify file to load settings from.", std::string(kSettingsFilter),
            kDialogFileMustExist | kDialogPathMustExist | kDialogHideReadOnly, false};
}

SettingsController::SettingsController(SettingsView& view, MainActions& main)
    : view_(view), main_(main), settings_(main.Settings()), state_(main.State()) {}

void SettingsController::Form_Load() {
    view_.SetParametersLabel("");
    view_.SetParametersFile("");
    view_.ShowParametersFile(false);
    settings_.chkAllowCommentMarkers = 1;
    view_.SettingsChanged();
}

bool SettingsController::AfterStartUp() const {
    return state_.blnStartUpCompleted && !blnIgnoreClicks_;
}

// --- Check boxes and lists ---

void SettingsController::CheckBoxChanged(std::string_view name) {
    if (const RereadBox* box = FindRereadBox(name)) {
        RereadBoxChanged(box->name, box->runsCheck);
    } else if (IsFilterControl(name)) {
        FilterChanged();
    } else if (name == "chkIgnoreCommonWords") {
        chkIgnoreCommonWords_Click();
    }
}

void SettingsController::ListChanged(std::string_view name) {
    if (IsFilterControl(name)) FilterChanged();
}

bool SettingsController::SetControlValue(std::string_view name, std::int16_t value) {
    const std::optional<int> old = GetNumber(settings_, name);
    if (!old || !SetNumber(settings_, name, value)) return false;
    if (*old != value) {
        const FieldInfo* field = FindField(name);
        if (field != nullptr && field->kind == FieldKind::List) {
            ListChanged(name);
        } else {
            CheckBoxChanged(name);
        }
    }
    view_.SettingsChanged();
    return true;
}

void SettingsController::RereadBoxChanged(std::string_view name, bool runsCheck) {
    if (!AfterStartUp()) return;
    if (state_.blnWordsGot) {
        const MessageBox question{"", std::string(kRereadQuestion), Icon::None, Buttons::YesNo, 0};
        if (view_.Show(question) == Answer::Yes) {
            main_.WordRulesChanged();
        } else {
            const int now = GetNumber(settings_, name).value_or(0);
            blnIgnoreClicks_ = true;
            SetControlValue(name, now == 1 ? 0 : 1);
            blnIgnoreClicks_ = false;
        }
    }
    if (runsCheck && AfterStartUp()) CheckAllowedExtraChars();
}

void SettingsController::FilterChanged() {
    if (state_.blnStartUpCompleted) view_.FocusClose();
}

void SettingsController::SetUnderIgnoreClicks(std::int16_t& field, std::int16_t value) {
    blnIgnoreClicks_ = true;
    field = value;
    blnIgnoreClicks_ = false;
    view_.SettingsChanged();
}

bool SettingsController::CheckAllowedExtraChars() {
    if (!state_.blnStartUpCompleted || blnIgnoreClicks_ || blnSettingAllCheckboxes_) return true;
    if (settings_.txbWordsToIgnore.empty()) return true;
    const std::string message =
        CheckAllowedExtraCharsMessage(settings_.txbWordsToIgnore, BuildAllowedExtraChars(settings_));
    if (message.empty()) return true;
    view_.Show(MessageBox{std::string(kCharacterNotAllowedTitle), message, Icon::Warning, Buttons::Ok, 0});
    return false;
}

// --- Common words ---

void SettingsController::chkIgnoreCommonWords_Click() {
    if (!AfterStartUp() || state_.blnReadingWords) return;
    if (settings_.chkIgnoreCommonWords == 1) {
        if (state_.strCommonWordsFile.empty()) {
            view_.Show(MessageBox{std::string(kIgnoreCommonWordsCaption),
                                  std::string(kSpecifyCommonWordsFile), Icon::None, Buttons::Ok, 0});
            SetUnderIgnoreClicks(settings_.chkIgnoreCommonWords, 0);
        } else if (state_.blnCommonWordsLoaded) {
            view_.Show(MessageBox{std::string(kAlreadyLoadedTitle), std::string(kAlreadyLoadedText),
                                  Icon::None, Buttons::Ok, 0});
        } else {
            main_.AttemptToReadCommonWords();
            main_.ConcealNumWords(false);
        }
    }
    view_.FocusClose();
}

void SettingsController::cmdClearCommonWordsFile_Click() {
    settings_.txbCommonWordsFile.clear();
    state_.strCommonWordsFile.clear();
    SetControlValue("chkIgnoreCommonWords", 0);
    state_.blnCommonWordsLoaded = false;
}

void SettingsController::txbCommonWordsFile_LostFocus() {
    if (settings_.chkIgnoreCommonWords == 0) return;
    settings_.txbCommonWordsFile = Trim(settings_.txbCommonWordsFile);
    if (settings_.txbCommonWordsFile != state_.strCommonWordsFile) {
        state_.strCommonWordsFile = settings_.txbCommonWordsFile;
        // The box may hold 2 (greyed); the behaviour below runs once either way.
        settings_.chkIgnoreCommonWords = 1;
        state_.blnCommonWordsLoaded = false;
        main_.WordRulesChanged();
        chkIgnoreCommonWords_Click();
    }
    view_.SettingsChanged();
}

void SettingsController::cmdSelectCommonWordsFile_Click(int index) {
    if (index == 0) {
        const std::optional<std::string> chosen = view_.ChooseFile(CommonWordsFileRequest());
        if (!chosen || chosen->empty()) {
            view_.FocusClose();
            view_.ShowWindow();
            return;
        }
        // Paths keep their case: file systems here tell the cases apart.
        ReadChosenCommonWords(*chosen);
        view_.FocusClose();
        view_.ShowWindow();
        return;
    }
    const int language = view_.ChooseLanguage(IsOn(settings_.chkUnicodeWords));
    if (language < 0 || language >= kLanguageCount) return;
    ReadChosenCommonWords(CommonWordsFilePath(main_.ProgramFolder(), language));
    view_.ShowWindow();
}

void SettingsController::ReadChosenCommonWords(const std::string& path) {
    state_.strCommonWordsFile = path;
    settings_.txbCommonWordsFile = path;
    view_.SettingsChanged();
    main_.AttemptToReadCommonWords();
    main_.ConcealNumWords(false);
    if (state_.blnCommonWordsLoaded) SetUnderIgnoreClicks(settings_.chkIgnoreCommonWords, 1);
    view_.SettingsChanged();
}

// --- Words to ignore and comment markers ---

void SettingsController::txbWordsToIgnore_LostFocus() {
    main_.SetWordsToIgnore(ApplyWordsToIgnore(settings_));
    view_.SettingsChanged();
    CheckAllowedExtraChars();
}

void SettingsController::cmdClearWordsToIgnore_Click() {
    settings_.txbWordsToIgnore.clear();
    main_.SetWordsToIgnore("");
    view_.SettingsChanged();
    view_.FocusClose();
}

void SettingsController::txbStartComment_LostFocus(int index) {
    settings_.txbStartComment[index & 1] = Trim(settings_.txbStartComment[index & 1]);
    main_.WordRulesChanged();
    view_.SettingsChanged();
}

void SettingsController::txbEndComment_LostFocus(int index) {
    settings_.txbEndComment[index & 1] = Trim(settings_.txbEndComment[index & 1]);
    main_.WordRulesChanged();
    view_.SettingsChanged();
}

// --- Bulk and reset commands ---

void SettingsController::cmdSetOrClearCheckboxes_Click(int index) {
    const std::int16_t value = index == 1 ? 1 : 0;
    blnSettingAllCheckboxes_ = true;
    for (std::string_view name : kBulkCheckBoxes) SetControlValue(name, value);
    blnSettingAllCheckboxes_ = false;
}

void SettingsController::ResetControls(ResetBy reset) {
    for (const FieldInfo& field : SettingsFields()) {
        if (field.resetBy != reset) continue;
        if (field.kind == FieldKind::Text) {
            ResetField(settings_, field);
            view_.SettingsChanged();
        } else {
            SetControlValue(field.name, field.defaultNumber);
        }
    }
}

void SettingsController::SetDefaultValues() {
    main_.WordRulesChanged();
    ResetControls(ResetBy::RestoreDefaults);
}

void SettingsController::cmdRestoreDefaults_Click() {
    SetDefaultValues();
    view_.FocusClose();
}

void SettingsController::cmdInitialize_Click() {
    main_.Initialize();
    // The path is gone, so nothing counts as loaded from it any more.
    state_.blnCommonWordsLoaded = false;
    SetDefaultValues();
    ResetControls(ResetBy::Reinitialize);
    view_.SetParametersFile("");
    view_.SetParametersLabel(std::string(kProgramReinitialized));
    view_.ShowParametersFile(false);
    view_.SettingsChanged();
    view_.ShowWindow();
}

void SettingsController::cmdSaveLoadState_Click(int index) {
    if (index == 0) {
        SaveSettingsFile();
    } else {
        LoadSettingsFile();
    }
}

void SettingsController::SaveSettingsFile() {
    const FileDialogRequest request = SaveSettingsRequest();
    std::optional<std::string> chosen = view_.ChooseFile(request);
    if (!chosen || chosen->empty()) return;
    // A name without an extension gets ".tly", or the load dialog's filter
    // would hide the file. The dialog asked about the name as typed, so the
    // completed name is asked about here.
    if (GetFileExtension(*chosen, false).empty()) {
        chosen->append(chosen->back() == '.' ? "tly" : ".tly");
        if (request.AskBeforeOverwriting() && FileExists(*chosen)) {
            const MessageBox question{request.title,
                                      *chosen + " already exists.\r\nDo you want to replace it?",
                                      Icon::Warning, Buttons::YesNo, 1};
            if (view_.Show(question) != Answer::Yes) return;
        }
    }
    view_.SetParametersLabel("");
    view_.SetParametersFile(*chosen);
    view_.ShowParametersFile(true);
    const std::string message = SaveState(settings_, state_.strCommonWordsFile, PathFromUtf8(*chosen));
    if (message.empty()) {
        view_.SetParametersLabel(std::string(kSettingsSavedTo));
        return;
    }
    view_.Show(MessageBox{std::string(kSaveSettingsTitle), message, Icon::Warning, Buttons::Ok, 0});
    view_.SetParametersLabel(std::string(kErrorSavingTo));
}

void SettingsController::LoadSettingsFile() {
    const std::optional<std::string> chosen = view_.ChooseFile(LoadSettingsRequest());
    if (!chosen || chosen->empty()) return;
    view_.SetParametersLabel("");
    view_.SetParametersFile(*chosen);
    view_.ShowParametersFile(true);
    const std::string loadedFile = state_.strCommonWordsFile;
    const std::int16_t loadedBox = settings_.chkIgnoreCommonWords;
    blnIgnoreClicks_ = true;
    const std::string message = RestoreSavedState(settings_, state_.strCommonWordsFile,
                                                  state_.strWordsToIgnore, PathFromUtf8(*chosen));
    blnIgnoreClicks_ = false;
    const bool commonWordsChanged =
        state_.strCommonWordsFile != loadedFile || settings_.chkIgnoreCommonWords != loadedBox;
    // Words read from another file must not pass for this file's words.
    if (state_.strCommonWordsFile != loadedFile) state_.blnCommonWordsLoaded = false;
    main_.WordRulesChanged();
    if (message.empty()) {
        view_.SetParametersLabel(std::string(kSettingsLoadedFrom));
        // A count ignores the words in memory whenever the box is ticked, so
        // they must be the words of the file the window now names.
        if (commonWordsChanged && IsOn(settings_.chkIgnoreCommonWords)) {
            view_.SettingsChanged();
            main_.AttemptToReadCommonWords();
            main_.ConcealNumWords(false);
        }
    } else {
        view_.Show(MessageBox{std::string(kLoadSettingsTitle), message, Icon::Warning, Buttons::Ok, 0});
        view_.SetParametersLabel(std::string(kErrorLoadingFrom));
        main_.InitializeVariables();
        // As at start-up: a list the file left with no selection would list
        // the words without ranks or frequencies.
        main_.FillComboBoxes();
        // The reset empties the common-words path; a box left ticked by the
        // failed file would name no file.
        settings_.chkIgnoreCommonWords = 0;
        state_.blnCommonWordsLoaded = false;
    }
    view_.SettingsChanged();
    view_.OutputFileControlsChanged();
}

void SettingsController::cmdClose_Click() {
    view_.CloseWindow();
}

void SettingsController::cmdQuit_Click() {
    const MessageBox question{std::string(kQuitTitle), std::string(kReallyQuit), Icon::None, Buttons::YesNo,
                              0};
    if (view_.Show(question) == Answer::Yes) view_.QuitProgram();
}

}  // namespace lexicount
