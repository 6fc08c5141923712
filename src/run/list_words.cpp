#include "input/file_helpers.h"
#include "output/output_file.h"
#include "output/text_box_listing.h"
#include "run/main_controller.h"
#include "run/run_error.h"
#include "run/text_count.h"
#include "words/chars.h"
#include "words/cp1252.h"
#include "words/number_format.h"

namespace lexicount {
namespace {

constexpr const char* kOverwriteTitle = "The output file exists.";
constexpr const char* kOverwritePrompt =
    "To overwrite the current output file click on 'OK'.\r\n"
    "To write to a different file edit the filepath below.\r\n"
    "To disable output to file click on 'Cancel'.\r\n\r\n"
    "(This 'warn on overwrite' can be disabled\r\n"
    "in the 'Settings' window.)";

// The busy sign: left, up, right and down arrows.
constexpr const char* kTwirlerSigns[] = {"\xE2\x86\x90", "\xE2\x86\x91", "\xE2\x86\x92", "\xE2\x86\x93"};

// The folder part of a path: up to and including the last separator.
std::string FolderPart(const std::string& path) {
#ifdef _WIN32
    const size_t slash = path.find_last_of("/\\");
#else
    const size_t slash = path.find_last_of('/');
#endif
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsEmptyFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::file_size(PathFromUtf8(path), error) == 0 && !error;
}

}  // namespace

void MainView::ShowNotice(const std::string& text) {
    OutputBox().Append("\r\n\r\n" + (OutputBox().Utf8() ? text : Cp1252FromUtf8(text)));
    OutputBox().Repaint();
}

std::string UnicodeNotice(std::int64_t letters) {
    return FormatGrouped(letters) + (letters == 1 ? " letter" : " letters") +
           " of this text (Cyrillic, Greek, Chinese, ...) could not be counted as such. "
           "\"Unicode words (any script)\" in the settings counts words in any script.";
}

void MainController::ShowUnicodeNotice() {
    // Only a Western count meets such letters.
    const std::int64_t letters = state_.count ? state_.count->LettersOutsideCp1252() : 0;
    if (letters > 0) view_.ShowNotice(UnicodeNotice(letters));
}

bool MainController::DecideOnOutputFile(bool& blnWriteToFile) {
    const std::string path = settings_.txbFile[1];
    blnWriteToFile = !path.empty() && !IsOn(settings_.chkDisableOutputToFile);
    if (!blnWriteToFile || !IsOn(settings_.chkWarnOnOverwrite) || !FileExists(path)) return true;
    // A file this run created holds nothing of the user's.
    if (!outputCreatedByRun_.empty() && SameFile(PathFromUtf8(outputCreatedByRun_), PathFromUtf8(path)) &&
        IsEmptyFile(path)) {
        return true;
    }
    const std::optional<std::string> answer = view_.InputBox(kOverwriteTitle, kOverwritePrompt, path);
    const std::string value = answer ? Trim(*answer) : std::string();
    if (value.empty()) {
        settings_.chkDisableOutputToFile = 1;
        view_.SettingsChanged();
        blnWriteToFile = false;
        return true;
    }
    const std::string folder = FolderPart(value);
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(PathFromUtf8(folder), error)) {
        ShowWarning(Text(34), "Folder does not exist.");
        return false;
    }
    if (RefuseInputAsOutput(value)) return false;
    settings_.txbFile[1] = value;
    view_.SettingsChanged();
    UpdateFileToolTip(1);
    return true;
}

bool MainController::WriteListToFile() {
    const TextCount& count = *state_.count;
    // However the path was set (box, question, chooser, loaded settings), it
    // is checked here, where the file is replaced.
    if (RefuseInputAsOutput(settings_.txbFile[1])) return false;
    const std::filesystem::path path = PathFromUtf8(settings_.txbFile[1]);
    if (count.Statistics().lngNumWordsIncluded > 0) {
        view_.OutputBox().SetText("Now processing and writing to output file ...");
        view_.OutputBox().Repaint();
    }
    auto goOn = [this] {
        view_.Yield();
        return !context_.StopRequested();
    };
    return ReportedWrite(
        WriteOutputFile(path, count.Table(), count.Statistics(), settings_, state_.intMinWidth, goOn));
}

bool MainController::ReportedWrite(const std::string& error) {
    outputCreatedByRun_.clear();
    if (!error.empty()) {
        const int number =
            error.find("ermission denied") != std::string::npos ? kErrPermissionDenied : kErrPathFileAccess;
        ReportError(number, error, "ListWords");
        return false;
    }
    state_.blnOutputFileWritten = true;
    return true;
}

void MainController::ListWords() {
    if (!state_.count) return;
    // Held for the whole listing: the table must outlive anything that
    // happens while the window runs its events.
    const std::shared_ptr<TextCount> count = state_.count;
    // A stop asked for during an earlier listing is spent: it must not end this one.
    state_.blnStop = false;
    state_.blnOutputFileWritten = false;
    TextBox& box = view_.OutputBox();
    bool blnWriteToFile = false;
    if (!DecideOnOutputFile(blnWriteToFile)) return;
    if (blnWriteToFile && !WriteListToFile()) return;
    if (context_.StopRequested()) {
        box.SetText("Output to file was terminated.\r\n");
        return;
    }
    view_.Repaint();
    ListingContext listing(box);
    listing.capacity = view_.OutputBoxCapacity();
    listing.yield = [this] { view_.Yield(); };
    listing.stopRequested = [this] { return context_.StopRequested(); };
    listing.twirl = [this](std::int64_t i) { view_.SetLabel(StatusLabel::lblTwirler, kTwirlerSigns[i % 4]); };
    listing.reportError = [this](int number, const std::string& description, const std::string& procedure) {
        view_.SetLabel(StatusLabel::lblTwirler, " ");
        ReportError(number, description, procedure);
    };
    ShowListInTextBox(count->Table(), count->Statistics(), settings_, state_.intMinWidth, listing);
    view_.SetLabel(StatusLabel::lblTwirler, " ");
}

}  // namespace lexicount
