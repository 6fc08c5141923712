#include "input/document_language.h"
#include "input/file_helpers.h"
#include "input/text_file_check.h"
#include "input/text_file_class.h"
#include "run/main_controller.h"
#include "settings/languages.h"
#include "words/chars.h"
#include "words/cp1252.h"

namespace lexicount {
namespace {

// Paths this long or longer do not fit their box and are shown as a tip.
constexpr size_t kToolTipPathLength = 76;

std::string FolderOf(const std::string& path) {
    return PathFromUtf8(path).parent_path().string();
}

std::string NamePart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void MainController::cmdFile_Click(int index) {
    if (index == 1) {
        UseChosenFile(1, view_.ChooseOutputFile());
        return;
    }
    UseChosenFiles(view_.ChooseInputFiles());
}

void MainController::OpenAndCount(const std::vector<std::string>& paths) {
    // Not during a count, nor during a search of the last count's contexts.
    if (Busy() || findingContexts_ || paths.empty()) return;
    // A file refused by the checks has been reported once: it is not counted.
    if (UseChosenFiles(paths)) cmdListWords_Click();
}

bool MainController::UseChosenFile(int index, const std::optional<std::string>& chosen) {
    if (index == 0) state_.blnWordsGot = false;
    bool accepted = false;
    view_.SetLabel(StatusLabel::lblXMLsize, "");
    if (chosen && !chosen->empty()) {
        const std::string path = *chosen;
        if (index == 0) ForgetChosenFiles();
        settings_.txbFile[index] = path;
        view_.SettingsChanged();
        if (index == 0) {
            view_.OutputBox().SetText("");
            view_.OutputBox().Repaint();
            if (CheckInputFile(path)) {
                cmdClearOutput_Click();
                const std::string extension = GetFileExtension(path, true);
                if (extension == "docx" && HasZipSignature(path) != 1) {
                    ShowWarning(Text(34),
                                "The file " + path +
                                    "\r\nhas a 'docx' extension but does not appear to be an MS Word "
                                    "'docx' file.");
                    settings_.txbFile[0].clear();
                    view_.SettingsChanged();
                    return false;
                }
                accepted = true;
                // Documents are not text files: their text is checked when counted.
                if (extension != "docx" && !IsOdtFile(path)) {
                    view_.OutputBox().SetText("Now checking file ...");
                    settings_.chkUTF8 = 0;
                    const Classification classification = ClassifyInputFile(path);
                    view_.Repaint();
                    accepted = classification.ok;
                    if (classification.blnIsUTF8) settings_.chkUTF8 = 1;
                    view_.SettingsChanged();
                    ChooseCommonWordsForInputFile();
                }
            }
        }
        UpdateFileToolTip(index);
    }
    if (index == 1) {
        UpdateDisableOutputBox();
    } else {
        SelectFileSource();
    }
    view_.SetTheFocus();
    return accepted;
}

void MainController::txbFile_LostFocus(int index) {
    if (Busy() || IsDocxFile(settings_.txbFile[0])) return;
    if (index == 0 && FileListChosen()) return;  // the box names the files chosen
    settings_.txbFile[index] = Trim(settings_.txbFile[index]);
    view_.SettingsChanged();
    if (index == 0) {
        const std::string path = settings_.txbFile[0];
        if (!path.empty()) {
            if (!CheckInputFile(path)) return;
            if (!IsOdtFile(path)) {
                const Classification classification = ClassifyInputFile(path);
                if (classification.blnIsUTF8) {
                    settings_.chkUTF8 = 1;
                    view_.SettingsChanged();
                }
                ChooseCommonWordsForInputFile();
            }
        }
        state_.blnWordsGot = false;
    }
    UpdateFileToolTip(index);
    UpdateDisableOutputBox();
    view_.SetTheFocus();
}

void MainController::cmdClearFile_Click(int index) {
    settings_.txbFile[index].clear();
    if (index == 0) {
        ForgetChosenFiles();
        view_.SetLabel(StatusLabel::lblFilesize, "");
        view_.SetLabel(StatusLabel::lblXMLsize, "");
        settings_.chkUTF8 = 0;
    } else {
        settings_.chkDisableOutputToFile = 0;
        view_.SetDisableOutputBoxEnabled(false);
    }
    view_.SettingsChanged();
    view_.SetTheFocus();
}

Classification MainController::ClassifyInputFile(const std::string& path) {
    // The box is emptied first, so that a notice about the file is not read
    // as being about what the box said before.
    view_.OutputBox().SetText("");
    return ClassifyTextFile(path, false, classifyState_, FileQuestions());
}

bool MainController::CheckInputFile(const std::string& path) {
    if (path.empty()) return false;
    std::error_code statusError;
    const auto status = std::filesystem::status(PathFromUtf8(path), statusError);
    // A folder, FIFO or device has no size to check and must never be read.
    if (state_.blnStartUpCompleted && std::filesystem::exists(status) &&
        !std::filesystem::is_regular_file(status)) {
        FileQuestions().Show(*ClassificationMessage(path, TextScan{kFileCannotOpen}));
        return false;
    }
    if (!FileExists(path)) {
        view_.SetLabel(StatusLabel::lblFilesize, "");
        if (state_.blnStartUpCompleted) {
            settings_.chkUTF8 = 0;
            view_.SettingsChanged();
            FileQuestions().Show(MissingFileBox());
        } else {
            std::error_code error;
            const std::string folder = FolderOf(path);
            if (!folder.empty() && std::filesystem::is_directory(PathFromUtf8(folder), error)) {
                view_.SetBrowseFolder(folder);
            }
        }
        return false;
    }
    std::error_code error;
    const auto length = static_cast<std::int64_t>(std::filesystem::file_size(PathFromUtf8(path), error));
    bool ok = true;
    if (error || length == 0) {
        FileQuestions().Show(EmptyFileBox());
        view_.SetLabel(StatusLabel::lblFilesize, "Filesize: 0 bytes");
        ok = false;
    } else {
        view_.SetLabel(StatusLabel::lblFilesize, "Filesize: " + FormatFileSize(length));
    }
    view_.SetBrowseFolder(FolderOf(path));
    return ok;
}

void MainController::UpdateFileToolTip(int index) {
    const std::string& path = settings_.txbFile[index];
    if (Utf8CharacterCount(path) < kToolTipPathLength) {
        view_.SetFileBoxToolTip(index, "");
    } else {
        view_.SetFileButtonToolTip(index, path);
    }
}

void MainController::UpdateDisableOutputBox() {
    if (settings_.txbFile[1].empty()) {
        if (settings_.chkDisableOutputToFile != 0) {
            settings_.chkDisableOutputToFile = 0;
            view_.SettingsChanged();
        }
        view_.SetDisableOutputBoxEnabled(false);
    } else {
        view_.SetDisableOutputBoxEnabled(true);
    }
}

void MainController::ChooseCommonWordsForInputFile() {
    state_.strCommonWordsFile = Trim(state_.strCommonWordsFile);
    settings_.txbFile[0] = Trim(settings_.txbFile[0]);
    if (!settings_.txbFile[0].empty()) {
        // The languages added with the Unicode text model only under it, so
        // that the Western model picks what it always picked.
        const bool unicode = IsOn(settings_.chkUnicodeWords);
        const std::string code = GetDocumentLanguage(
            settings_.txbFile[0], unicode ? UnicodeLanguageCodes() : kLanguageCodes, kDefaultLanguageCode);
        state_.strCommonWordsFile = CommonWordsFileForCode(programFolder_, code, unicode);
    }
    if (state_.strCommonWordsFile.empty() || !FileExists(state_.strCommonWordsFile)) {
        state_.strCommonWordsFile.clear();
        settings_.txbCommonWordsFile.clear();
        settings_.chkIgnoreCommonWords = 0;
        view_.SettingsChanged();
        return;
    }
    if (state_.blnCommonWordsLoaded &&
        (LowerCaseLatin(NamePart(settings_.txbCommonWordsFile)) == "cwds_en_de_es_pt_it_fr.txt" ||
         settings_.txbCommonWordsFile == state_.strCommonWordsFile)) {
        return;
    }
    if (!IsOn(settings_.chkIgnoreCommonWords)) {
        const MessageBox question{Text(42), Text(40) + "\r\n" + state_.strCommonWordsFile, Icon::None,
                                  Buttons::YesNo, 0};
        if (view_.Show(question) == Answer::No) return;
    }
    AttemptToReadCommonWords();
}

}  // namespace lexicount
