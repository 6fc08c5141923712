#include "run/main_controller.h"

#include "settings/program_texts.h"

namespace lexicount {

MainController::MainController(MainView& view, SettingsRecord& settings)
    : view_(view), settings_(settings), context_{view_, settings_, state_, quitRequested_, busyCaption_} {}

MainController::~MainController() = default;

std::string MainController::Text(int number) const {
    return GetProgramText(number);
}

bool MainController::Busy() const {
    return !busyCaption_.empty() && view_.CountButtonCaption() == busyCaption_;
}

void MainController::ShowWarning(const std::string& title, const std::string& text) {
    view_.Show(MessageBox{title, text, Icon::Warning, Buttons::Ok, 0});
}

void MainController::ConcealNumWords(bool blnConcealTime) {
    for (StatusLabel label :
         {StatusLabel::lblNumberOfWords, StatusLabel::lblNumWordsExcluded, StatusLabel::lblNumOccurrences,
          StatusLabel::lblTotalNumOccurrences, StatusLabel::lblStatistics}) {
        view_.ShowLabel(label, false);
    }
    if (blnConcealTime) view_.SetLabel(StatusLabel::lblTimeElapsed, "");
}

void MainController::optInFile_Click() {
    state_.blnWordsGot = false;
    if (state_.blnListShown) view_.OutputBox().SetText("");
    view_.SetLabel(StatusLabel::lblSizeOfClipboardContents, "");
    view_.SetTheFocus();
}

void MainController::SelectFileSource() {
    if (settings_.source == SourceOption::optInFile) return;
    // As a click on "file" does: the clipboard's size goes with it.
    settings_.source = SourceOption::optInFile;
    view_.SettingsChanged();
    optInFile_Click();
}

void MainController::optOnClipboard_Click() {
    state_.blnWordsGot = false;
    if (state_.blnListShown) view_.OutputBox().SetText("");
    ShowClipboardSize();
    view_.SetTheFocus();
}

void MainController::chkSuppressWords_Click() {
    view_.SetSuppressWordsToolTip(
        settings_.chkSuppressWords == 1 ? "" : "The program will run faster if this checkbox is checked.");
    view_.SetTheFocus();
}

void MainController::cmdClearOutput_Click() {
    view_.OutputBox().SetText("");
    if (Busy()) return;
    ConcealNumWords(true);
    state_.blnWordsGot = false;
    if (state_.blnStartUpCompleted) view_.SetTheFocus();
}

void MainController::cboWordOrder_Click() {
    if (state_.blnWordsGot) {
        // Nothing may start a count or change the list while it is written.
        view_.EnableControls(false);
        view_.SetCountButtonEnabled(false);
        ListWords();
        view_.SetCountButtonEnabled(true);
        view_.EnableControls(true);
    }
    view_.SetTheFocus();
}

void MainController::cboDisplayFormat_Click() {
    cboWordOrder_Click();
}

void MainController::txbIntro_Click() {
    state_.blnWordsGot = false;
    FetchClipboardText(true);
}

void MainController::cmdSetParameters_Click() {
    view_.ShowSettingsWindow();
}

void MainController::ReportError(int number, const std::string& description, const std::string& procedure) {
    view_.SetTimerRunning(false);
    state_.blnElapsedTimeRunning = false;
    MessageBox box;
    box.icon = Icon::Warning;
    if (number == -6) {
        box.title = Text(27);
        box.text = Text(27) + "  ";
        if (settings_.txbFile[1].empty()) {
            box.text += Text(31);
        } else if (IsOn(settings_.chkDisableOutputToFile)) {
            box.text += Text(32);
        } else if (state_.blnOutputFileWritten) {
            box.text += "\r\n" + Text(33);
        }
    } else {
        box.title = Text(34);
        box.text =
            "At " + procedure + " error #" + std::to_string(number) + ".\r\nDescription: " + description;
        if (state_.blnOutputFileWritten) box.text += "\r\n" + Text(33);
    }
    view_.Show(box);
}

}  // namespace lexicount
