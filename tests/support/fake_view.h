#pragma once

// A scripted main window for the run driver's tests: it records every box
// shown, every label, caption and enabling, keeps the result box as a
// string, and answers questions from a queue (the box's default button when
// the queue is empty).

#include <deque>
#include <functional>
#include <map>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "run/main_view.h"

namespace lexicount::test {

class FakeTextBox : public StringTextBox {
public:
    int setTextCalls = 0;
    // The text at every repaint, to see what the user saw during a run.
    std::vector<std::string> repainted;
    // Texts longer than this cannot be shown (as when memory runs out).
    size_t capacity = static_cast<size_t>(-1);
    void SetText(std::string text) override {
        ++setTextCalls;
        if (text.size() > capacity) throw std::bad_alloc();
        StringTextBox::SetText(std::move(text));
    }
    void Repaint() override { repainted.push_back(Text()); }
};

class FakeView : public MainView {
public:
    // --- Script ---
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> inputBoxAnswers;
    std::optional<std::string> inputFileChoice;
    // Several files for "Input file" (inputFileChoice when unset), and the
    // folder for "Input folder".
    std::optional<std::vector<std::string>> inputFilesChoice;
    std::optional<std::string> inputFolderChoice;
    std::optional<std::string> outputFileChoice;
    std::optional<std::string> contextsFileChoice;
    std::optional<std::u16string> clipboard;
    // Runs inside Yield, once, at the given call (for a click during a run).
    std::function<void()> onYield;
    // When set, the action waits until this holds.
    std::function<bool()> onYieldWhen;
    int yieldCallsBeforeAction = 0;

    // --- Record ---
    std::vector<MessageBox> boxes;
    // By title: the result box's text when such a box was last shown.
    std::map<std::string, std::string> resultWhenShown;
    struct InputBoxCall {
        std::string title, prompt, defaultValue;
    };
    std::vector<InputBoxCall> inputBoxes;
    FakeTextBox box;
    std::map<StatusLabel, std::string> labels;
    std::map<StatusLabel, bool> visible;
    std::string caption;
    std::vector<std::string> captions;
    bool countButtonEnabled = true;
    bool controlsEnabled = true;
    bool timerRunning = false;
    bool progressBarLook = false;
    bool suppressWordsBoxVisible = true;
    bool disableOutputBoxEnabled = true;
    int yields = 0;
    int settingsWindowShown = 0;
    int settingsChanged = 0;
    std::map<int, std::string> fileBoxTips, fileButtonTips;
    std::string statisticsTip;
    std::string suppressWordsTip = "unset";
    std::string browseFolder;
    std::vector<std::string> popUps;
    int outputChooserCalls = 0;
    std::vector<WordContext> contexts;  // all reported, in order
    std::vector<std::string> contextStatuses;
    ExportTable wordTable;  // as last shown

    Answer Show(const MessageBox& box) override;
    std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                        const std::string& defaultValue) override;
    std::optional<std::string> ChooseOutputFile() override;
    std::optional<std::string> ChooseInputFile() override { return inputFileChoice; }
    std::vector<std::string> ChooseInputFiles() override {
        return inputFilesChoice ? *inputFilesChoice : MainView::ChooseInputFiles();
    }
    std::optional<std::string> ChooseInputFolder() override { return inputFolderChoice; }
    void SetStatisticsToolTip(const std::string& text) override { statisticsTip = text; }
    void ContextsFound(std::vector<WordContext> found) override {
        contexts.insert(contexts.end(), found.begin(), found.end());
    }
    void ContextsEnded(const std::string& status) override { contextStatuses.push_back(status); }
    void ShowWordTable(const ExportTable& rows, bool /*caseSignificant*/) override { wordTable = rows; }
    bool HasWordTable() const override { return true; }
    std::optional<std::string> ChooseContextsFile() override { return contextsFileChoice; }
    TextBox& OutputBox() override { return box; }
    void SetLabel(StatusLabel label, const std::string& text) override { labels[label] = text; }
    std::string Label(StatusLabel label) const override;
    void ShowLabel(StatusLabel label, bool shown) override { visible[label] = shown; }
    void SetProgressBarLook(bool asProgressBar) override { progressBarLook = asProgressBar; }
    void SetCountButtonCaption(const std::string& text) override;
    std::string CountButtonCaption() const override { return caption; }
    void SetCountButtonEnabled(bool enabled) override { countButtonEnabled = enabled; }
    void EnableControls(bool enabled) override { controlsEnabled = enabled; }
    void ShowSuppressWordsBox(bool shown) override { suppressWordsBoxVisible = shown; }
    std::optional<std::u16string> ClipboardText() override { return clipboard; }
    void Yield() override;
    void SetTimerRunning(bool running) override { timerRunning = running; }
    void SetTheFocus() override {}
    void ShowSettingsWindow() override { ++settingsWindowShown; }
    void Repaint() override {}
    void SettingsChanged() override { ++settingsChanged; }
    void SetFileBoxToolTip(int index, const std::string& tip) override { fileBoxTips[index] = tip; }
    void SetFileButtonToolTip(int index, const std::string& tip) override { fileButtonTips[index] = tip; }
    void SetSuppressWordsToolTip(const std::string& tip) override { suppressWordsTip = tip; }
    void SetDisableOutputBoxEnabled(bool enabled) override { disableOutputBoxEnabled = enabled; }
    void SetBrowseFolder(const std::string& folder) override { browseFolder = folder; }
    void PopUp(const std::string& message, int, int, int, int, int) override { popUps.push_back(message); }

    // Titles of the boxes shown, in order.
    std::vector<std::string> Titles() const;
    // The box with this title; fails the test when there is none.
    const MessageBox* Find(const std::string& title) const;
};

}  // namespace lexicount::test

#include "base/settings_record.h"
#include "run/main_controller.h"
#include "support/test_support.h"

namespace lexicount::test {

// A controller over a fake view, started with the program's real texts and
// a state file of its own in a temporary folder.
struct ControllerHarness {
    explicit ControllerHarness(bool startUp = true);
    // Writes an input file into the temporary folder and names it as input.
    std::string UseInput(std::string_view name, std::string_view bytes);
    std::string Path(std::string_view name) const { return (dir.path() / name).string(); }

    TempDir dir;
    FakeView view;
    SettingsRecord settings;
    MainController controller{view, settings};
};

// Program text `number` of the loaded tly.dat.
std::string T(int number);

// n different words that pass the default filters, separated by sep.
std::string DistinctWords(int n, std::string_view sep = "\r\n");

}  // namespace lexicount::test
