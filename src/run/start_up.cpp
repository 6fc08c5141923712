#include "input/common_words_reader.h"
#include "input/file_helpers.h"
#include "run/main_controller.h"
#include "run/run_error.h"
#include "settings/app_data.h"
#include "settings/program_texts.h"
#include "settings/state_file.h"
#include "settings/words_to_ignore.h"
#include "words/chars.h"

namespace lexicount {

std::string MainController::LoadForm(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& stateFile) {
    state_.blnStartUpCompleted = false;
    programFolder_ = programFolder;
    const std::filesystem::path textFile = programFolder / kProgramTextFileName;
    // Without a known program folder the name alone would be looked for in
    // whatever folder the program was started from.
    const int loaded = programFolder.empty() ? kProgramTextCannotOpen : LoadProgramTexts(textFile);
    if (loaded < 1) return ProgramTextLoadMessage(loaded, textFile.string());
    busyCaption_ = Text(74);
    stateFileOverride_ = stateFile;

    settings_.source = SourceOption::optInFile;
    SetDefaultCommonWordsFile();
    FillComboBoxes();
    InitializeVariables();
    // Restored once, before the window is shown: the window is built from
    // the record, so the result is the same as restoring again after.
    if (!RestoreSavedState(settings_, state_.strCommonWordsFile, state_.strWordsToIgnore, stateFile_)
             .empty()) {
        InitializeVariables();
        FillComboBoxes();
    }
    UpdateDisableOutputBox();
    view_.SetCountButtonCaption(Text(73));
    view_.SettingsChanged();
    return "";
}

std::string MainController::LoadForCommandLine(const std::filesystem::path& programFolder,
                                               CommandLineInput input) {
    programFolder_ = programFolder;
    const std::filesystem::path textFile = programFolder / kProgramTextFileName;
    const int loaded = programFolder.empty() ? kProgramTextCannotOpen : LoadProgramTexts(textFile);
    if (loaded < 1) return ProgramTextLoadMessage(loaded, textFile.string());
    busyCaption_ = Text(74);
    commandLineInput_ = std::move(input);
    settings_.source = SourceOption::optInFile;
    state_.strWordsToIgnore = ApplyWordsToIgnore(settings_);
    view_.SetCountButtonCaption(Text(73));
    // Nothing is restored or chosen at start: messages are shown as after
    // the window's start-up.
    state_.blnStartUpCompleted = true;
    return "";
}

std::string MainController::IntroText() const {
    std::string intro;
    for (int number : {19, 20, 35, 21, 30, 22, 23}) {
        if (!intro.empty()) intro += "\r\n\r\n";
        intro += Text(number);
    }
    return intro;
}

void MainController::InitializeVariables() {
    classifyState_ = ClassifyState{};
    state_.blnWordsGot = false;
    ResetFields(settings_, ResetBy::InitializeVariables);
    view_.SetLabel(StatusLabel::lblSizeOfClipboardContents, "");
    view_.SetLabel(StatusLabel::lblFilesize, "");
    view_.SetLabel(StatusLabel::lblXMLsize, "");
    stateFile_ = !stateFileOverride_.empty() ? stateFileOverride_ : StateFilePath(Text(310));
    view_.SetLabel(StatusLabel::lblTwirler, " ");
    Initialize();
}

void MainController::FillComboBoxes() {
    SelectDefaultItems(settings_);
}

void MainController::Initialize() {
    SetDefaultValues(settings_);
    ResetFields(settings_, ResetBy::Initialize);
    state_.strCommonWordsFile.clear();
    // A reset selects the marker style; the four marker texts stay as the user left them.
    state_.strWordsToIgnore = ApplyWordsToIgnore(settings_);
    UpdateDisableOutputBox();
    view_.SettingsChanged();
}

void MainController::SetDefaultCommonWordsFile() {
    state_.strCommonWordsFile = (programFolder_ / "cwds_en.txt").string();
    settings_.txbCommonWordsFile = state_.strCommonWordsFile;
}

void MainController::StartUp() {
    ConcealNumWords(true);
    settings_.chkUTF8 = 0;
    const std::string path = settings_.txbFile[0];
    if (!CheckInputFile(path)) {
        settings_.txbFile[0].clear();
    } else if (IsDocxFile(path) || IsOdtFile(path)) {
        // A document names no language in its first lines: the common words
        // are offered as they are.
        if (!state_.strCommonWordsFile.empty()) {
            if (IsOn(settings_.chkIgnoreCommonWords)) {
                AttemptToReadCommonWords();
            } else {
                const MessageBox question{Text(42), Text(40) + "\r\n" + state_.strCommonWordsFile, Icon::None,
                                          Buttons::YesNo, 0};
                if (view_.Show(question) == Answer::Yes) AttemptToReadCommonWords();
            }
        }
        if (IsDocxFile(path)) settings_.chkUTF8 = 1;
    } else {
        const Classification classification = ClassifyInputFile(path);
        if (classification.blnIsUTF8) settings_.chkUTF8 = 1;
        ChooseCommonWordsForInputFile();
    }
    view_.SettingsChanged();
    UpdateFileToolTip(0);
    UpdateFileToolTip(1);
    ConcealNumWords(true);
    view_.SetTheFocus();
    state_.blnStartUpCompleted = true;
}

void MainController::cmdSaveState_Click() {
    // The box's "12 files in chapters/" names no file to restore.
    SettingsRecord saved = settings_;
    if (FileListChosen()) saved.txbFile[0].clear();
    const std::string message = SaveState(saved, state_.strCommonWordsFile, stateFile_);
    if (message.empty()) {
        view_.PopUp(Text(50), 2400, 300, 2000, 6500, 5200);
    } else {
        ShowWarning(Text(34), message);
    }
    view_.SetTheFocus();
}

bool MainController::cmdQuit_Click() {
    if (IsOn(settings_.chkSaveStateOnQuit)) cmdSaveState_Click();
    // A count in progress ends at its next word, without further questions.
    quitRequested_ = true;
    contextsStop_ = true;
    if (Busy()) state_.blnStop = true;
    return true;
}

void MainController::AttemptToReadCommonWords() {
    view_.EnableControls(false);
    ReadCommonWords();
    view_.EnableControls(true);
    if (state_.blnCommonWordsLoaded) {
        view_.SetLabel(StatusLabel::lblNumberOfWords, "");
        view_.Show(MessageBox{kCommonWordsLoadedTitle,
                              CommonWordsLoadedMessage(commonWords_.size(IsOn(settings_.chkUnicodeWords)),
                                                       state_.strCommonWordsFile),
                              Icon::Information, Buttons::Ok, 0});
        settings_.txbCommonWordsFile = state_.strCommonWordsFile;
        settings_.chkIgnoreCommonWords = 1;
    } else {
        settings_.chkIgnoreCommonWords = 0;
    }
    state_.blnReadingWords = false;
    state_.blnWordsGot = false;
    view_.SettingsChanged();
}

void MainController::ReadCommonWords() {
    state_.blnCommonWordsLoaded = false;
    state_.blnStop = false;
    state_.strCommonWordsFile = Trim(state_.strCommonWordsFile);
    const std::string path = state_.strCommonWordsFile;
    if (path.empty()) return;
    if (!FileExists(path)) {
        if (state_.blnStartUpCompleted) {
            ShowWarning(kCommonWordsNotFoundTitle, kCommonWordsNotFoundText);
        } else {
            SetDefaultCommonWordsFile();
            settings_.chkIgnoreCommonWords = 0;
        }
        return;
    }
    state_.blnReadingWords = true;
    state_.intSuppressWordsSaved = settings_.chkSuppressWords;
    settings_.chkSuppressWords = 1;
    ConcealNumWords(true);
    view_.OutputBox().SetText("Now reading common words ...");
    view_.SetCountButtonCaption(busyCaption_);
    view_.SettingsChanged();

    ReadingHooks hooks(context_);
    CommonWordsReading reading = ReadCommonWordsFile(path, view_, classifyState_, &hooks);
    if (reading.status == CommonWordsReading::Status::ReadError) {
        ReportError(kErrDeviceIO, reading.error, "ReadCommonWords");
    }
    if (reading.ok()) {
        commonWords_ = std::move(reading.words);
        state_.blnCommonWordsLoaded = true;
    }
    settings_.chkSuppressWords = state_.intSuppressWordsSaved;
    view_.SetCountButtonCaption(Text(73));
    view_.OutputBox().SetText("");
    state_.blnStop = false;
}

}  // namespace lexicount
