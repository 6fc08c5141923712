#pragma once

// The command-line tool's face of the counting run: it shows nothing and
// asks nobody. Every message box is printed to standard error as
// "title: text", a question with the answer it was given; the result box
// is a string without a size limit.

#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "base/settings_record.h"
#include "run/main_view.h"

namespace lexicount::cli {

class CliView : public MainView {
public:
    CliView(const SettingsRecord& settings, std::ostream& err) : settings_(settings), err_(err) {}

    // A warning or an error was shown: the run failed.
    bool Failed() const { return failed_; }
    // The summary figures are read from here after the run.
    std::string Label(StatusLabel label) const override;

    Answer Show(const MessageBox& box) override;
    // The overwrite question: the named output file is replaced.
    std::optional<std::string> InputBox(const std::string&, const std::string&,
                                        const std::string& defaultValue) override {
        return defaultValue;
    }
    std::optional<std::string> ChooseOutputFile() override { return std::nullopt; }
    std::optional<std::string> ChooseInputFile() override { return std::nullopt; }
    TextBox& OutputBox() override { return box_; }
    size_t OutputBoxCapacity() const override { return 0; }
    void SetLabel(StatusLabel label, const std::string& text) override { labels_[label] = text; }
    void ShowLabel(StatusLabel, bool) override {}
    void SetProgressBarLook(bool) override {}
    void SetCountButtonCaption(const std::string& caption) override { caption_ = caption; }
    std::string CountButtonCaption() const override { return caption_; }
    void SetCountButtonEnabled(bool) override {}
    void EnableControls(bool) override {}
    void ShowSuppressWordsBox(bool) override {}
    std::optional<std::u16string> ClipboardText() override { return std::nullopt; }
    // Nothing waits on the tool between words or lines.
    void Yield() override {}
    int WordsPerYield() const override { return 1 << 20; }
    int LinesPerYield() const override { return 1 << 20; }
    bool ShowsWordsAsFound() const override { return false; }
    void SetTimerRunning(bool) override {}
    void SetTheFocus() override {}
    void ShowSettingsWindow() override {}
    void Repaint() override {}
    void SettingsChanged() override {}
    void SetFileBoxToolTip(int, const std::string&) override {}
    void SetFileButtonToolTip(int, const std::string&) override {}
    void SetSuppressWordsToolTip(const std::string&) override {}
    void SetDisableOutputBoxEnabled(bool) override {}
    void SetBrowseFolder(const std::string&) override {}
    void PopUp(const std::string& message, int, int, int, int, int) override;
    // Standard error, so that the list stays as the window lists it.
    void ShowNotice(const std::string& text) override { err_ << text << "\n"; }

private:
    Answer AnswerFor(const MessageBox& box) const;

    const SettingsRecord& settings_;
    std::ostream& err_;
    StringTextBox box_;
    std::map<StatusLabel, std::string> labels_;
    std::string caption_;
    bool failed_ = false;
};

// A message's CR LF line breaks as the terminal's LF.
std::string WithLineFeeds(const std::string& text);

}  // namespace lexicount::cli
