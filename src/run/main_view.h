#pragma once

// What the counting run needs of the main window. The Qt window implements
// it; tests implement it with a scripted fake that records everything and
// answers questions from a script. Texts that come from the word rules
// (the result box) are Windows-1252; every other text here is UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "base/run_state.h"
#include "base/text_box.h"
#include "output/export.h"
#include "run/word_contexts.h"

namespace lexicount {

// The questions of a file count, for views that answer them alone.
inline constexpr std::string_view kLargeInputTitle = "Large input file";
inline constexpr std::string_view kUtf8OrAnsiTitle = "UTF-8 or ANSI file?";

// The status labels of the main window, named as the controls.
enum class StatusLabel {
    lblTimeElapsed,
    lblTwirler,
    lblNumberOfWords,
    lblNumWordsExcluded,
    lblNumOccurrences,
    lblTotalNumOccurrences,
    lblFilesize,
    lblXMLsize,
    lblSizeOfClipboardContents,
    lblStatistics,  // tokens, types, their ratio, words once, mean length
};

class MainView : public Dialogs {
public:
    // Dialogs::Show shows a message or question box.

    // The input box of the overwrite warning: the edited value, or nullopt
    // for Cancel.
    virtual std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                                const std::string& defaultValue) = 0;
    // The output-file chooser ("Specify output file"); nullopt when
    // cancelled. The window puts a chosen path into txbFile(1) itself.
    virtual std::optional<std::string> ChooseOutputFile() = 0;
    // The word table beside the result box: every listed word of a finished
    // count (an empty table clears it); case as the count compared it. None
    // for a view without a window.
    virtual void ShowWordTable(const ExportTable& /*rows*/, bool /*caseSignificant*/) {}
    // Whether the view has a word table, so that its rows are worth making.
    virtual bool HasWordTable() const { return false; }
    // The export-file chooser (a save dialog with the export formats);
    // nullopt when cancelled. None for a view without a window.
    virtual std::optional<std::string> ChooseExportFile() { return std::nullopt; }

    // A contexts search: what it found since its last report, in text order
    // (the numbers of WordContext::sequence go on from one report to the
    // next), and once it has ended, a line that says how it ended.
    virtual void ContextsFound(std::vector<WordContext> /*found*/) {}
    virtual void ContextsEnded(const std::string& /*status*/) {}
    // The chooser of a file for the contexts (tab-separated); nullopt when
    // cancelled.
    virtual std::optional<std::string> ChooseContextsFile() { return std::nullopt; }

    // txbOutput.
    virtual TextBox& OutputBox() = 0;
    // A line of the run's own after the list (UTF-8): in the window at the
    // end of the result box.
    virtual void ShowNotice(const std::string& text);
    // The characters a listing may put into it; 0 for no limit.
    virtual size_t OutputBoxCapacity() const { return kMaxTextLength; }

    virtual void SetLabel(StatusLabel label, const std::string& text) = 0;
    // The totals of each file of a count of many, shown over the statistics.
    virtual void SetStatisticsToolTip(const std::string& /*text*/) {}
    virtual std::string Label(StatusLabel label) const = 0;
    virtual void ShowLabel(StatusLabel label, bool visible) = 0;
    // lblTotalNumOccurrences as the file scan's progress bar (fixed pitch,
    // bold, left-aligned) or as the summary label (proportional, right-aligned).
    virtual void SetProgressBarLook(bool asProgressBar) = 0;

    // cmdListWords.
    virtual void SetCountButtonCaption(const std::string& caption) = 0;
    virtual std::string CountButtonCaption() const = 0;
    virtual void SetCountButtonEnabled(bool enabled) = 0;
    // EnableControls: every control that could disturb a run.
    virtual void EnableControls(bool enabled) = 0;
    // chkSuppressWords may be hidden while a document's text is gathered.
    virtual void ShowSuppressWordsBox(bool visible) = 0;

    // The clipboard's plain text (UTF-16, so the control-character check sees
    // the real code units); nullopt when it cannot be read.
    virtual std::optional<std::u16string> ClipboardText() = 0;

    // Lets the window process its events; cheap when called often (the Qt
    // window only processes events when ~30 ms have passed).
    virtual void Yield() = 0;
    // Words the scan may take between two calls of Yield: the more a call
    // costs, the more the view may let pass, as long as the window still
    // answers at once.
    virtual int WordsPerYield() const { return 16; }
    // The same for the lines of a file.
    virtual int LinesPerYield() const { return 1; }
    // Whether the words a count finds can be shown as they are found (as
    // long as chkSuppressWords is off).
    virtual bool ShowsWordsAsFound() const { return true; }
    // Timer2, the once-a-second tick, which calls MainController::Timer2_Timer.
    virtual void SetTimerRunning(bool running) = 0;

    virtual void SetTheFocus() = 0;
    virtual void ShowSettingsWindow() = 0;
    virtual void Repaint() = 0;

    // The input-file chooser ("Specify input file", filter "A text file or a
    // docx file", the file must exist); nullopt when cancelled.
    virtual std::optional<std::string> ChooseInputFile() = 0;
    // Several input files at once where the window's chooser takes them;
    // none when cancelled.
    virtual std::vector<std::string> ChooseInputFiles() {
        std::optional<std::string> one = ChooseInputFile();
        return one ? std::vector<std::string>{*one} : std::vector<std::string>{};
    }
    // A folder to count the files of; nullopt when cancelled.
    virtual std::optional<std::string> ChooseInputFolder() { return std::nullopt; }
    // The core changed fields of the settings record (file paths, chkUTF8,
    // chkSuppressWords, chkDisableOutputToFile, the source option, the
    // common-words fields, ...): bring the controls of both windows in line.
    virtual void SettingsChanged() = 0;
    // Tool tips: of txbFile(i), of cmdFile(i), of chkSuppressWords.
    virtual void SetFileBoxToolTip(int index, const std::string& tip) = 0;
    virtual void SetFileButtonToolTip(int index, const std::string& tip) = 0;
    virtual void SetSuppressWordsToolTip(const std::string& tip) = 0;
    // chkDisableOutputToFile is usable only while an output path is named.
    virtual void SetDisableOutputBoxEnabled(bool enabled) = 0;
    // Where the next file dialog starts (the folder of the last input file).
    virtual void SetBrowseFolder(const std::string& folder) = 0;
    // The self-closing pop-up; sizes and positions in twips. Returns when
    // the pop-up has gone.
    virtual void PopUp(const std::string& message, int width, int height, int intervalMs, int top,
                       int left) = 0;
};

}  // namespace lexicount
