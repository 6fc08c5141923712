#pragma once

// The windows the main window opens: the settings window, the help window
// and the web links. Made after the main window and before its start-up,
// they hook themselves to its "Settings" and "Help" commands. Each window is
// built once and reused; they go with the main window.

#include <QPointer>
#include <memory>

namespace lexicount {

class DialogPresenter;
class HelpWindow;
class MainWindow;
class SettingsWindow;
class WebLinks;

class SecondaryWindows {
public:
    SecondaryWindows(MainWindow& main, DialogPresenter& presenter);
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    SettingsWindow& frmParams() { return *frmParams_; }
    // Built on first use, after start-up has read the program texts.
    HelpWindow& frmHelp();
    WebLinks& Links();

    // "Settings" and "Help" (also F1 on the main window's named buttons).
    void ShowSettings();
    void ShowHelp();

private:
    MainWindow& main_;
    DialogPresenter& presenter_;
    QPointer<SettingsWindow> frmParams_;
    QPointer<HelpWindow> frmHelp_;
    std::unique_ptr<WebLinks> links_;
};

}  // namespace lexicount
