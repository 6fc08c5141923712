#pragma once

// A main window on the offscreen platform with a scripted presenter and its
// own application-data folder, for the window tests.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QObject>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "gui/support/scripted_presenter.h"
#include "run/qt/main_window.h"
#include "support/test_support.h"

namespace lexicount::test {

// Runs action from the event loop, repeatedly, until it returns true: for
// acting while a modal step or a count is under way. It stops with the
// returned timer, so a test that fails early leaves nothing running.
[[nodiscard]] std::unique_ptr<QTimer> WhenReady(std::function<bool()> action);

// A button's caption as the user reads it (without the access-key mark).
std::string Caption(const QAbstractButton& button);

// Presses key (Tab or Backtab) on the focus widget of the active window
// until the focus comes back to where it started; the object names of the
// widgets the focus went to, in order, ending with the start.
std::vector<std::string> FocusChain(Qt::Key key);

// The push buttons of window (its own, not those of windows it owns) that
// have no access key, or one that another of them has too.
std::vector<std::string> ButtonsWithoutOwnAccessKey(const QWidget& window);

class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;
    // Every box, input box and file chooser a test meets must be scripted.
    void TearDown() override;

    // Builds the window and runs the start-up; returns its message.
    std::string Start(const std::filesystem::path& programFolder = ProgramDataDir());

    // The state file the program uses: <XDG_DATA_HOME>/Lexicount/tly.usr.
    std::filesystem::path StateFile() const;

    template <typename Control>
    Control* Find(const char* name) {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // Clicks a button as the user does.
    void Click(const char* name);
    std::string OutputText();

    TempDir dataHome;
    TempDir files;
    ScriptedPresenter presenter;
    SettingsRecord settings;
    std::unique_ptr<MainWindow> window;

private:
    std::string savedDataHome_;
    bool hadDataHome_ = false;
};

}  // namespace lexicount::test
