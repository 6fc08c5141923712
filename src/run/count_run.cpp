#include "run/main_controller.h"

#include <new>

#include "base/file_replace.h"
#include "input/file_helpers.h"
#include "run/run_error.h"
#include "run/summary.h"
#include "run/text_count.h"
#include "settings/words_to_ignore.h"
#include "words/cp1252.h"
#include "words/number_format.h"
#include "words/vocabulary.h"

namespace lexicount {
namespace {

constexpr const char* kExcelAdvice =
    "If the output file is open in Excel then it must first be closed\r\n"
    "or a different file should be specified as the output file.";

}  // namespace

std::string StoppedWithMessage(std::int64_t lngNumWords) {
    return "Stopped with" + FormatClassic(lngNumWords) + " word" + (lngNumWords == 1 ? "" : "s") + " found.";
}

void MainController::cmdListWords_Click() {
    if (Busy()) {
        const MessageBox box{Text(74), Text(75), Icon::None, Buttons::YesNo, 1};
        if (view_.Show(box) != Answer::No) state_.blnStop = true;
        return;
    }
    // The count searched for contexts stays until the search has ended.
    if (findingContexts_) return;
    if (settings_.chkUTF8 == 1 && settings_.chkOnly7bitASCII == 1) {
        const bool docx = IsDocxFile(settings_.txbFile[0]);
        ShowWarning("Incompatible setting",
                    std::string(docx ? "Scanning a 'docx' file" : "Scanning as UTF-8") +
                        " is not compatible with\r\nallowing only 7-bit ASCII characters.");
        return;
    }
    state_.intThresholdFrequency = settings_.cboThresholdFrequency + 2;
    DoIt();
    view_.SetTimerRunning(false);
    state_.blnElapsedTimeRunning = false;
    if (state_.lngSecondsElapsed < 4) view_.SetLabel(StatusLabel::lblTimeElapsed, "");
}

void MainController::DoIt() {
    allowedExtraChars_ = BuildAllowedExtraChars(settings_);
    if (RefuseWordsToIgnore()) return;
    state_.blnReadingWords = false;
    state_.blnPartialCount = false;
    state_.blnDisplaySuppressed = false;
    state_.intMinWidth = 6;
    if (view_.HasWordTable()) view_.ShowWordTable({}, false);
    try {
        OpenOutputFileEarly();
        StartElapsedTime();
        if (!CountFromSource()) return;
        if (quitRequested_) {
            EndRun();
            return;
        }
        if (!SortAndRunPasses()) return;
        ShowSummaryFigures();
        state_.blnListShown = true;
        view_.SetCountButtonEnabled(true);
        ListWords();
        ShowWordTable();
        ShowUnicodeNotice();
        EndRun();
    } catch (const RunError& error) {
        ReportError(error.number, error.what(), "DoIt");
        if (error.number == kErrPermissionDenied) {
            view_.OutputBox().SetText("Error: " + std::string(error.what()) + "\r\n\r\n" + kExcelAdvice);
        }
        EndFailedRun();
    } catch (const std::bad_alloc&) {
        ReportError(kErrOutOfMemory, "Out of memory", "DoIt");
        EndFailedRun();
    } catch (const std::exception& error) {
        ReportError(kErrPathFileAccess, error.what(), "DoIt");
        EndFailedRun();
    }
}

void MainController::ShowWordTable() {
    if (!view_.HasWordTable()) return;
    view_.ShowWordTable(state_.count->ListedRows(settings_.cboWordOrder, countedFileColumns_),
                        IsOn(settings_.chkCaseSignificant));
}

bool MainController::RefuseWordsToIgnore() {
    const std::string refusal = CheckAllowedExtraCharsMessage(settings_.txbWordsToIgnore, allowedExtraChars_);
    if (refusal.empty()) return false;
    ShowWarning(std::string(kCharacterNotAllowedTitle), refusal);
    view_.ShowSettingsWindow();
    return true;
}

void MainController::StartElapsedTime() {
    view_.ShowLabel(StatusLabel::lblTimeElapsed, true);
    view_.SetLabel(StatusLabel::lblTimeElapsed, "Time elapsed: 0s");
    state_.blnElapsedTimeRunning = true;
    state_.lngSecondsElapsed = 0;
    view_.SetTimerRunning(true);
}

bool MainController::CountFromSource() {
    if (!commandLineInput_.countsFiles.empty()) return DoItFromCounts();
    if (!commandLineInput_.files.empty() || FileListChosen()) return DoItFromFileList();
    if (commandLineInput_.standardInput) return DoItFromStandardInput();
    if (settings_.source == SourceOption::optInFile) {
        settings_.txbFile[0] = Trim(settings_.txbFile[0]);
        view_.SettingsChanged();
        if (settings_.txbFile[0].empty()) {
            ShowWarning(Text(34), "Input file not specified.");
            view_.OutputBox().SetText("");
            view_.OutputBox().Repaint();
            return false;
        }
        return DoItFromFile();
    }
    if (!FetchClipboardText(false)) {
        SelectFileSource();
        return false;
    }
    return DoItFromClipboard();
}

bool MainController::SortAndRunPasses() {
    TextCount& count = *state_.count;
    count.SortTable();
    if (state_.blnStop && !AskStopAndList()) return false;
    state_.blnWordsGot = !state_.blnPartialCount;

    view_.SetCountButtonCaption(busyCaption_);
    view_.SetCountButtonEnabled(false);
    // Each pass is announced in the box; the chain leaves a trail of dots.
    auto announce = [this](int pass) {
        view_.OutputBox().SetText(Cp1252FromUtf8(Text(77 + pass)) + " ...");
        view_.OutputBox().Repaint();
    };
    auto dot = [this] {
        view_.OutputBox().Append(" .");
        view_.OutputBox().Repaint();
        if (state_.blnStartUpCompleted) view_.Yield();
    };
    if (count.RunPasses(announce, dot)) return true;
    // Stopped in the passes (only by closing the window, the button is
    // disabled): the table is not ready to be listed.
    state_.blnWordsGot = false;
    EndFailedRun();
    return false;
}

void MainController::EndFailedRun() {
    view_.SetCountButtonEnabled(true);
    EndRun();
}

void MainController::OpenOutputFileEarly() {
    outputCreatedByRun_.clear();
    const std::string& path = settings_.txbFile[1];
    if (path.empty() || IsOn(settings_.chkDisableOutputToFile)) return;
    // Never truncated here: the file's contents are replaced only after the
    // user has agreed to it, in the file pass of the listing.
    bool created = false;
    if (const std::error_code error = ProbeWritableFile(PathFromUtf8(path), created)) {
        // A FIFO or device has no system message that says what is wrong.
        throw RunError(ErrorNumberFor(error),
                       error == std::errc::not_supported ? DescribeError(error) : error.message());
    }
    if (created) outputCreatedByRun_ = path;
}

bool MainController::AskStopAndList() {
    state_.blnStop = false;
    TextBox& box = view_.OutputBox();
    if (box.Length() > 0) box.Append("\r\n\r\n");
    box.Append(StoppedWithMessage(state_.count->Table().lngNumWords()));
    ConcealNumWords(false);
    box.SetCaret(TextBox::kEnd);
    Answer answer = Answer::No;
    if (!quitRequested_) {
        const MessageBox question{"Counting interrupted",
                                  "The operation was stopped before all words were counted.\r\n"
                                  "Do you wish to list the words which were found?",
                                  Icon::None, Buttons::YesNo, 0};
        answer = view_.Show(question);
    }
    if (answer != Answer::Yes) {
        view_.EnableControls(true);
        view_.SetCountButtonCaption(Text(73));
        return false;
    }
    state_.blnPartialCount = true;
    return true;
}

void MainController::EndRun() {
    view_.EnableControls(true);
    view_.SetCountButtonCaption(Text(73));
    view_.SetLabel(StatusLabel::lblTwirler, " ");
    view_.SetTheFocus();
}

void MainController::ShowSummaryFigures() {
    const TextCount& count = *state_.count;
    const bool ignoresListedWords = !state_.strWordsToIgnore.empty() || IsOn(settings_.chkIgnoreCommonWords);
    const SummaryLabels labels = ComposeSummaryLabels(count.Statistics(), count.lngTotalNumOccurrences(),
                                                      ignoresListedWords, state_.blnPartialCount);
    view_.SetLabel(StatusLabel::lblNumberOfWords, labels.lblNumberOfWords);
    view_.ShowLabel(StatusLabel::lblNumberOfWords, true);
    std::string statistics =
        VocabularyLine(ComputeVocabulary(count.Table(), count.Statistics(), IsOn(settings_.chkUnicodeWords)));
    FileTotalsText files;
    if (count.KnowsFiles()) files = DescribeFileTotals(countedFiles_, count.FileTotals());
    if (!files.line.empty()) statistics += "   " + files.line;
    view_.SetLabel(StatusLabel::lblStatistics, statistics);
    view_.SetStatisticsToolTip(LinesForTip(files.perFile));
    view_.ShowLabel(StatusLabel::lblStatistics, true);
    view_.SetLabel(StatusLabel::lblNumWordsExcluded, labels.lblNumWordsExcluded);
    view_.ShowLabel(StatusLabel::lblNumWordsExcluded, true);
    view_.SetProgressBarLook(false);
    view_.SetLabel(StatusLabel::lblNumOccurrences, labels.lblNumOccurrences);
    view_.SetLabel(StatusLabel::lblTotalNumOccurrences, labels.lblTotalNumOccurrences);
    view_.ShowLabel(StatusLabel::lblNumOccurrences, true);
    view_.ShowLabel(StatusLabel::lblTotalNumOccurrences, true);
    state_.blnElapsedTimeRunning = false;
    view_.SetTimerRunning(false);
    view_.Repaint();
}

void MainController::Timer2_Timer() {
    if (!state_.blnElapsedTimeRunning) return;
    ++state_.lngSecondsElapsed;
    if (settings_.source != SourceOption::optOnClipboard) {
        view_.SetLabel(StatusLabel::lblTimeElapsed,
                       "Time elapsed: " + FormatElapsedTime(state_.lngSecondsElapsed));
    }
    const std::int64_t found = state_.count ? state_.count->Table().lngNumWords() : 0;
    view_.SetLabel(StatusLabel::lblNumberOfWords,
                   "Number of different words found so far: " + FormatGrouped(found));
}

void MainController::NewCount(ScanHooks& hooks) {
    view_.OutputBox().SetUtf8(IsOn(settings_.chkUnicodeWords));
    wordsToIgnore_ = WordsToIgnore(state_.strWordsToIgnore);
    state_.count =
        std::make_shared<TextCount>(settings_, allowedExtraChars_, wordsToIgnore_, commonWords_, &hooks);
    // A count of many files names them again.
    countedPaths_.clear();
    countedFiles_.clear();
    countedFileColumns_.clear();
}

}  // namespace lexicount
