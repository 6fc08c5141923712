#pragma once

// Every modal question the main window asks goes through a DialogPresenter,
// so tests can answer boxes and file choosers from a script instead of
// showing a real modal window.

#include <optional>
#include <string>
#include <vector>

#include "base/dialogs.h"

class QWidget;

namespace lexicount {

struct FileChoice {
    std::string title;
    std::string filter;  // Qt filter text, e.g. "Text (*.txt)"; "" for every file
    bool mustExist = false;
    std::string folder;  // where the dialog starts; "" for the current folder
    bool save = false;   // a save dialog that asks before replacing a file
};

class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;
    virtual Answer ShowBox(QWidget* parent, const MessageBox& box) = 0;
    // The edited text, or nullopt for Cancel.
    virtual std::optional<std::string> AskText(QWidget* parent, const std::string& title,
                                               const std::string& prompt, const std::string& value) = 0;
    // The chosen path, or nullopt when cancelled.
    virtual std::optional<std::string> ChooseFile(QWidget* parent, const FileChoice& choice) = 0;
    // Several existing files; none when cancelled.
    virtual std::vector<std::string> ChooseFiles(QWidget* parent, const FileChoice& choice) = 0;
    // An existing folder, or nullopt when cancelled.
    virtual std::optional<std::string> ChooseFolder(QWidget* parent, const FileChoice& choice) = 0;
};

// The real thing: QMessageBox, QInputDialog and QFileDialog.
class QtDialogPresenter : public DialogPresenter {
public:
    Answer ShowBox(QWidget* parent, const MessageBox& box) override;
    std::optional<std::string> AskText(QWidget* parent, const std::string& title, const std::string& prompt,
                                       const std::string& value) override;
    std::optional<std::string> ChooseFile(QWidget* parent, const FileChoice& choice) override;
    std::vector<std::string> ChooseFiles(QWidget* parent, const FileChoice& choice) override;
    std::optional<std::string> ChooseFolder(QWidget* parent, const FileChoice& choice) override;
};

// For runs without a user (screenshots, timing): every box takes its default
// answer and is written to standard error; choosers are cancelled.
class DefaultAnswerPresenter : public DialogPresenter {
public:
    Answer ShowBox(QWidget* parent, const MessageBox& box) override;
    std::optional<std::string> AskText(QWidget* parent, const std::string& title, const std::string& prompt,
                                       const std::string& value) override;
    std::optional<std::string> ChooseFile(QWidget* parent, const FileChoice& choice) override;
    std::vector<std::string> ChooseFiles(QWidget* parent, const FileChoice& choice) override;
    std::optional<std::string> ChooseFolder(QWidget* parent, const FileChoice& choice) override;
};

// The title a box shows: the program's name when none is given.
std::string BoxTitle(const std::string& title);

// The width a window needs for its whole title to show in its title bar.
int TitleBarWidth(const QWidget& window);

}  // namespace lexicount
