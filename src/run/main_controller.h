#pragma once

// The main window's behaviour without the window: every event handler of the
// main window, the counting run behind "Count words", the listing, start-up
// and quitting. It owns the run state, edits the application's settings
// record and talks to the user only through the MainView.
//
// The window calls the handler of each of its events after it has copied the
// control's new value into the settings record (a click on a list or check
// box first sets the field, then calls the handler). When the core changes
// fields itself it calls MainView::SettingsChanged.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/run_state.h"
#include "base/settings_record.h"
#include "input/text_file_class.h"
#include "run/main_view.h"
#include "run/run_hooks.h"
#include "settings/main_actions.h"
#include "words/word_lists.h"

namespace lexicount {

struct ExtractedXml;
struct FileJob;
struct FileNote;
class ParallelCount;
class PieceCount;

// What the command-line tool hands the run instead of the window's input
// box: standard input in place of a file, and an extension that picks the
// comment and markup style in place of the file's own.
struct CommandLineInput {
    bool standardInput = false;
    std::string type;
    // Saved counts to merge in place of an input.
    std::vector<std::string> countsFiles;
    // Several input files, counted into one table by `jobs` workers.
    std::vector<std::string> files;
    int jobs = 1;
    // The encoding question of each file is answered by the UTF-8 setting,
    // as the command-line tool answers it: no file needs asking about.
    bool answersBySetting = false;
};

// Each file's path below the folder that holds them all ("sub/c.txt").
std::vector<std::string> NamesBelowCommonFolder(const std::vector<std::string>& files);

class MainController : public MainActions {
public:
    MainController(MainView& view, SettingsRecord& settings);
    ~MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    // --- Start-up and shutdown ---

    // Before any window is shown: loads tly.dat from the program's folder,
    // applies the defaults and restores the state file. Returns "" or the
    // message that must end the program (tly.dat missing or faulty).
    // stateFile empty: the state file in the application-data folder.
    std::string LoadForm(const std::filesystem::path& programFolder,
                         const std::filesystem::path& stateFile = {});
    // The command-line tool's start: the program texts from programFolder,
    // the settings as the caller filled them, no state file and no window.
    // Returns "" or the message that must end the program.
    std::string LoadForCommandLine(const std::filesystem::path& programFolder, CommandLineInput input);
    // Once the window is shown: checks the restored input file, chooses and
    // reads the common words, and marks start-up as completed.
    void StartUp();
    // Resets the run-time values and the settings part (also after a failed
    // "Load settings from file").
    void InitializeVariables() override;
    // The settings part alone (the settings window's "Reinitialize").
    void Initialize() override;
    // Selects the default item of the five lists.
    void FillComboBoxes() override;
    // The introduction text (UTF-8) for txbIntro.
    std::string IntroText() const;

    // "Save settings".
    void cmdSaveState_Click();
    // "Quit" and the close box: saves when asked to; true when the program
    // is to end (always; a running count is stopped without questions).
    bool cmdQuit_Click();

    // --- Counting run ---

    void cmdListWords_Click();
    void Timer2_Timer();

    // --- Main window ---

    void optInFile_Click();
    void optOnClipboard_Click();
    // Switches the source to "file" as a click on it does.
    void SelectFileSource();
    void chkSuppressWords_Click();
    void cmdClearOutput_Click();
    // "Export…": the listed words of the last count to a CSV, TSV, JSON or
    // XLSX file that the user chooses.
    void cmdExport_Click();
    // The contexts of a word of the last count, typed as the user wrote it
    // (UTF-8): its source read again under the count's rules, the contexts
    // handed to the view as they are found, width characters on each side.
    // The window runs meanwhile; StopContexts ends the search.
    void FindContexts(const std::string& typed, int width);
    void StopContexts() { contextsStop_ = true; }
    bool FindingContexts() const { return findingContexts_; }
    // Writes contexts as tab-separated text to a file the user chooses.
    void ExportContexts(const std::vector<WordContext>& contexts);
    void cboWordOrder_Click();
    void cboDisplayFormat_Click();
    void txbIntro_Click();
    void cmdSetParameters_Click();

    // --- Input and output file (index 0 input, 1 output) ---

    void cmdFile_Click(int index);
    // Files named on the command line or dropped on the window: taken as if
    // chosen with "Input file" (a file's checks and questions), then counted
    // when accepted. Ignored while a count runs.
    void OpenAndCount(const std::vector<std::string>& paths);
    void txbFile_LostFocus(int index);
    void cmdClearFile_Click(int index);
    // "Input folder": a folder, its subfolders and a file-name filter.
    void cmdInputFolder_Click();
    // Several input files at once (one, or none, is taken as "Input file"
    // takes it); where: how the box names their place ("chapters/"), by
    // default the folder that holds them all. True when files were taken.
    bool UseChosenFiles(const std::vector<std::string>& files, const std::string& where = "");
    // The files the next count reads in place of the input file: none
    // unless the box still names those chosen.
    std::vector<std::string> ChosenFiles() const;
    // The "files" column (in how many files a word occurs) and a frequency
    // column for each file (of up to kMaxFileColumns files) in the word table
    // and the exports of the next count of many files. Telling the files
    // apart costs a count time: the command-line tool asks for it only when
    // it exports.
    void SetFileColumns(bool files, bool perFile) {
        fileColumns_ = files || perFile;
        perFileColumns_ = perFile;
    }
    bool PerFileColumns() const { return perFileColumns_; }
    // The headers of the columns by file of the last count: the files'
    // paths below the folder that holds them all; none without such columns.
    const std::vector<std::string>& CountedFileColumns() const { return countedFileColumns_; }
    // The names of the files of the last count of many, for their totals.
    const std::vector<std::string>& CountedFiles() const { return countedFiles_; }

    // --- For the settings window ---

    // Reads strCommonWordsFile (after the user chose a file or language).
    void AttemptToReadCommonWords() override;
    // A setting that affects counting changed: the table may not be relisted.
    void WordRulesChanged() override { state_.blnWordsGot = false; }
    // The words-to-ignore box was normalised into strWordsToIgnore.
    void SetWordsToIgnore(std::string framed) override { state_.strWordsToIgnore = std::move(framed); }

    // --- State ---

    const RunState& State() const { return state_; }
    RunState& State() override { return state_; }
    SettingsRecord& Settings() override { return settings_; }
    const SettingsRecord& Settings() const { return settings_; }
    const CommonWords& LoadedCommonWords() const { return commonWords_; }
    const std::filesystem::path& ProgramFolder() const override { return programFolder_; }
    const std::filesystem::path& StateFile() const { return stateFile_; }
    // True while a count or a common-words reading runs (busy caption).
    bool Busy() const;

    // Pieces of the run that the window's handlers and the tests reach.
    void ListWords();
    void ReportError(int number, const std::string& description, const std::string& procedure);
    bool CheckInputFile(const std::string& path);
    void ChooseCommonWordsForInputFile();
    void ConcealNumWords(bool blnConcealTime) override;
    void ShowSummaryFigures();
    // After a Western count of text with letters it could not count: says
    // so, and that "Unicode words" would.
    void ShowUnicodeNotice();

private:
    void DoIt();
    // cmdFile_Click after its chooser: nullopt or "" when nothing was chosen.
    // True when an input file was taken and passed its checks.
    bool UseChosenFile(int index, const std::optional<std::string>& chosen);
    // The steps of DoIt; the two counting steps return false where the run
    // ends.
    bool RefuseWordsToIgnore();
    void StartElapsedTime();
    bool CountFromSource();
    bool SortAndRunPasses();
    void EndFailedRun();
    bool DoItFromFile();
    // The steps of DoItFromFile.
    bool CheckFileInput(const std::string& path, std::int64_t& size, ExtractedXml& extracted);
    bool AskForOutputFileIfLarge(std::int64_t size);
    TextCount& StartFileCount(const std::string& extension, std::int64_t size, bool document);
    // The lower-case extension that picks the comment and markup style.
    std::string InputExtension(const std::string& path) const;
    bool DoItFromStandardInput();
    // Merges saved counts: every file is checked (readable, undamaged,
    // counted under this run's settings) before any is counted.
    bool DoItFromCounts();
    // Each file checked and classified as a single input is (asked about
    // as if alone), then counted; one refused does not end the run, and
    // the refused are listed at the end.
    bool DoItFromFileList();
    // A file of the list checked, as a single input is; nullopt when it
    // was refused.
    std::optional<FileJob> CheckListedFile(const std::string& path);
    std::optional<FileJob> ListedFileJob(const std::string& path, const AnswersToAll& answers);
    void ShowFilesProgress(const ParallelCount& workers, size_t total);
    // Returns how many files were not counted.
    size_t ReportListedFiles(std::vector<FileNote> refused, const std::vector<FileNote>& notes, size_t total);
    // The questions about a file: of a run over many files, they offer
    // "Yes to all" and "No to all".
    Dialogs& FileQuestions();
    bool FileListChosen() const;
    void ForgetChosenFiles();
    // The files of a run over many, and its workers: the command line's or
    // the window's.
    const std::vector<std::string>& ListedFiles() const;
    int ListJobs() const;
    void FinishFileScan();
    bool CheckPlainTextInput(const std::string& path, std::int64_t& size);
    bool AcceptUtf16Input(const std::string& path, std::int64_t& size);
    // ClassifyTextFile for an input file the user named, with its notices.
    Classification ClassifyInputFile(const std::string& path);
    // The typed text as the table would hold it: nullopt unless it is one
    // word that the last count would count.
    std::optional<std::string> CountedForm(const std::string& typed) const;
    // Reads the counted file again into a contexts search; "" or what failed.
    std::string ReadContextsSource(TextCount& search);
    bool ScanDocument(TextCount& count, ScanHooks& hooks, const std::string& path, const std::string& xml);
    void RefuseDocument(const std::string& path, long result);
    void ScanPlainText(TextCount& count, const std::string& path, std::int64_t size);
    // A text of `size` bytes is counted in pieces on every core: unless it
    // is small, or its words are shown as they are found.
    bool CountsInPieces(std::int64_t size) const;
    // Counts a text in pieces (scan starts it), the window showing the
    // progress and taking a stop meanwhile.
    using PieceScan = std::function<std::error_code(PieceCount& pieces, const std::function<void()>& idle)>;
    std::error_code ScanInPieces(TextCount& count, const PieceScan& scan);
    bool FetchClipboardText(bool blnShowInTextbox);
    bool DoItFromClipboard();
    void ShowClipboardSize();
    void OpenOutputFileEarly();
    bool AskStopAndList();
    void EndRun();
    void NewCount(ScanHooks& hooks);
    // True when the path names the file being counted (or last counted), by
    // identity; the warning is shown when it does.
    bool IsInputFile(const std::string& path) const;
    bool RefuseInputAsOutput(const std::string& outputPath);
    // The overwrite question; false when ListWords is to end at once.
    bool DecideOnOutputFile(bool& blnWriteToFile);
    bool WriteListToFile();
    // Reports a failed write of the output file; true when there was none.
    bool ReportedWrite(const std::string& error);
    void SetTotalNumOccurrencesForFileProgressBar();
    void ResetProgressLabel();
    void UpdateFileToolTip(int index);
    void UpdateDisableOutputBox();
    void SetDefaultCommonWordsFile();
    void ReadCommonWords();
    void ShowWarning(const std::string& title, const std::string& text);
    // The listed words of the finished count in the view's word table.
    void ShowWordTable();
    std::string Text(int number) const;

    MainView& view_;
    SettingsRecord& settings_;
    RunState state_;
    CommonWords commonWords_;
    WordsToIgnore wordsToIgnore_;
    std::string allowedExtraChars_;
    ClassifyState classifyState_;
    std::filesystem::path programFolder_;
    std::filesystem::path stateFile_;
    std::filesystem::path stateFileOverride_;
    std::string busyCaption_;
    // kHeaderUtf16Le or kHeaderUtf16Be while a UTF-16 file is counted.
    std::int16_t utf16Input_ = kHeaderNone;
    CommandLineInput commandLineInput_;
    AnswersToAll* answersToAll_ = nullptr;  // while many files are checked
    // Several files chosen in the window, and the box's text naming them.
    std::vector<std::string> chosenFiles_;
    std::string chosenFilesLabel_;
    bool fileColumns_ = true;
    bool perFileColumns_ = false;
    std::vector<std::string> countedPaths_;  // of the last count of many files
    std::vector<std::string> countedFiles_;
    std::vector<std::string> countedFileColumns_;
    // The raw clipboard text, for the control-character check.
    std::u16string clipboardRaw_;
    // The output file was created, empty, by the early open of this run: it
    // holds nothing of the user's, so it is not asked about.
    std::string outputCreatedByRun_;
    // The file the table was counted from, "" after a clipboard count: a
    // relisting must never write over it.
    std::string countedInputFile_;
    bool quitRequested_ = false;
    bool findingContexts_ = false;
    bool contextsStop_ = false;
    RunContext context_;
    std::unique_ptr<ScanHooks> scanHooks_;
};

// The control-character check of clipboard text: the low byte of each of
// the first maxChars UTF-16 code units (all when maxChars is 0 or beyond
// the text). Layout characters (tab, LF, FF, CR) pass when allowed. With
// wholeUnits (words in any script) the code units themselves are checked,
// so that no letter of another script is taken for a control character.
bool IsPlainText(std::u16string_view text, long maxChars, bool blnAllowLayoutChars, bool wholeUnits = false);

// "Stopped with 25 words found."
std::string StoppedWithMessage(std::int64_t lngNumWords);

// The notice of ShowUnicodeNotice.
std::string UnicodeNotice(std::int64_t letters);

}  // namespace lexicount
