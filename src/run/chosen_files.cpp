#include <algorithm>
#include <filesystem>
#include <sstream>
#include <thread>

#include "input/file_helpers.h"
#include "input/file_set.h"
#include "run/main_controller.h"
#include "run/summary.h"
#include "words/number_format.h"

namespace lexicount {
namespace {

constexpr const char* kInputFolderTitle = "Input folder";

std::string DefaultFilter() {
    std::string filter;
    for (const char* pattern : kDefaultIncludes) {
        if (!filter.empty()) filter += ' ';
        filter += pattern;
    }
    return filter;
}

std::vector<std::string> Patterns(const std::string& filter) {
    std::vector<std::string> patterns;
    std::istringstream words(filter);
    for (std::string pattern; words >> pattern;) patterns.push_back(pattern);
    return patterns;
}

// "chapters/": the last part of a folder's path, as the box shows it.
std::string FolderLabel(const std::string& folder) {
    std::filesystem::path path = PathFromUtf8(folder);
    if (!path.has_filename()) path = path.parent_path();
    const std::string name = path.filename().string();
    std::string label = name.empty() ? path.string() : name;
    label += '/';
    return label;
}

// The folder that holds all the files.
std::filesystem::path CommonFolder(const std::vector<std::string>& files) {
    std::filesystem::path common = PathFromUtf8(files.front()).parent_path();
    for (const std::string& file : files) {
        const std::filesystem::path folder = PathFromUtf8(file).parent_path();
        while (!common.empty() &&
               std::mismatch(common.begin(), common.end(), folder.begin(), folder.end()).first !=
                   common.end()) {
            const std::filesystem::path up = common.parent_path();
            common = up == common ? std::filesystem::path() : up;  // a root has itself as parent
        }
    }
    return common;
}

// "chapters/": the last part of the folder that holds all the files.
std::string FolderLabelOf(const std::vector<std::string>& files) {
    const std::filesystem::path common = CommonFolder(files);
    return common.empty() ? std::string("./") : FolderLabel(common.string());
}

}  // namespace

std::vector<std::string> NamesBelowCommonFolder(const std::vector<std::string>& files) {
    std::vector<std::string> names;
    if (files.empty()) return names;
    const std::filesystem::path common = CommonFolder(files);
    for (const std::string& file : files) {
        names.push_back(common.empty() ? file
                                       : PathFromUtf8(file).lexically_relative(common).generic_string());
    }
    return names;
}

void MainController::cmdInputFolder_Click() {
    if (Busy()) return;
    const std::optional<std::string> folder = view_.ChooseInputFolder();
    if (!folder || folder->empty()) return;
    const std::optional<std::string> filter = view_.InputBox(
        kInputFolderTitle,
        "Count the files of this folder and its subfolders whose names match:", DefaultFilter());
    if (!filter) return;
    const InputFiles found = ExpandInputs({*folder}, {true, Patterns(*filter)});
    if (found.files.empty()) {
        ShowWarning(kInputFolderTitle, "No file in " + *folder + " has a name that matches " + *filter + ".");
        return;
    }
    UseChosenFiles(found.files, FolderLabel(*folder));
}

bool MainController::UseChosenFiles(const std::vector<std::string>& files, const std::string& where) {
    if (files.size() <= 1)
        return UseChosenFile(0, files.empty() ? std::nullopt : std::optional(files.front()));
    chosenFiles_ = files;
    chosenFilesLabel_ = FormatGrouped(static_cast<std::int64_t>(files.size())) + " files in " +
                        (where.empty() ? FolderLabelOf(files) : where);
    state_.blnWordsGot = false;
    settings_.txbFile[0] = chosenFilesLabel_;
    view_.SettingsChanged();
    view_.SetLabel(StatusLabel::lblFilesize, "");
    view_.SetLabel(StatusLabel::lblXMLsize, "");
    view_.SetFileBoxToolTip(0, LinesForTip(files));
    view_.OutputBox().SetText("");
    view_.OutputBox().Repaint();
    SelectFileSource();
    view_.SetTheFocus();
    return true;
}

bool MainController::FileListChosen() const {
    return !chosenFiles_.empty() && settings_.source == SourceOption::optInFile &&
           settings_.txbFile[0] == chosenFilesLabel_;
}

std::vector<std::string> MainController::ChosenFiles() const {
    return FileListChosen() ? chosenFiles_ : std::vector<std::string>{};
}

void MainController::ForgetChosenFiles() {
    chosenFiles_.clear();
    chosenFilesLabel_.clear();
}

int MainController::ListJobs() const {
    // The command-line tool says how many; the window takes every core.
    if (commandLineInput_.answersBySetting || !commandLineInput_.files.empty()) return commandLineInput_.jobs;
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

const std::vector<std::string>& MainController::ListedFiles() const {
    return commandLineInput_.files.empty() ? chosenFiles_ : commandLineInput_.files;
}

}  // namespace lexicount
