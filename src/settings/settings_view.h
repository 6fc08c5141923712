#pragma once

// What the settings window's behaviour needs of the window itself: message
// boxes, its file dialog, the language window, the settings-file label and
// path box, focus and visibility. The Qt window implements it; tests use a
// scripted fake.

#include <optional>
#include <string>

#include "base/dialogs.h"

namespace lexicount {

// Flags of a file dialog request, as the classic common dialog numbers them.
inline constexpr int kDialogOverwritePrompt = 0x0002;
inline constexpr int kDialogHideReadOnly = 0x0004;
inline constexpr int kDialogPathMustExist = 0x0800;
inline constexpr int kDialogFileMustExist = 0x1000;
inline constexpr int kDialogNoReadOnlyReturn = 0x8000;

struct FileDialogRequest {
    std::string title;
    // "Description (*.ext) | *.ext": the text shown, a bar, the pattern.
    std::string filter;
    int flags = 0;
    bool save = false;

    bool FileMustExist() const { return (flags & kDialogFileMustExist) != 0; }
    bool AskBeforeOverwriting() const { return (flags & kDialogOverwritePrompt) != 0; }
};

class SettingsView : public Dialogs {
public:
    // Dialogs::Show shows a message or question box.

    // The chosen path, or nullopt when the dialog was cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
    // The language window, modal, offering the languages of the text model:
    // the chosen language index, or -1.
    virtual int ChooseLanguage(bool unicodeWords) = 0;

    // lblParameters and txbParametersFile.
    virtual void SetParametersLabel(const std::string& text) = 0;
    virtual void SetParametersFile(const std::string& path) = 0;
    virtual void ShowParametersFile(bool visible) = 0;

    // cmdClose takes the focus when the window is enabled and it can.
    virtual void FocusClose() = 0;
    virtual void ShowWindow() = 0;
    // Hides the window and lets the main window set its focus.
    virtual void CloseWindow() = 0;
    // Ends the program as the main window's "Quit" does.
    virtual void QuitProgram() = 0;

    // Fields of the settings record changed under the windows (this one and
    // the main window): bring the controls in line, running no handler.
    virtual void SettingsChanged() = 0;
    // The output file name or its "Disable" box may have changed: the main
    // window's output-file controls follow.
    virtual void OutputFileControlsChanged() = 0;
};

}  // namespace lexicount
