#pragma once

// A DialogPresenter for tests: records every box, input box and file
// chooser and answers them from queues. A box that the script does not
// answer takes its default button and counts as unexpected.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "qt/dialog_presenter.h"

namespace lexicount::test {

class ScriptedPresenter : public DialogPresenter {
public:
    Answer ShowBox(QWidget* parent, const MessageBox& box) override;
    std::optional<std::string> AskText(QWidget* parent, const std::string& title, const std::string& prompt,
                                       const std::string& value) override;
    std::optional<std::string> ChooseFile(QWidget* parent, const FileChoice& choice) override;
    // Both take their answers from `files`: several files as one entry,
    // separated by line feeds.
    std::vector<std::string> ChooseFiles(QWidget* parent, const FileChoice& choice) override;
    std::optional<std::string> ChooseFolder(QWidget* parent, const FileChoice& choice) override;

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> files;  // nullopt = cancelled
    std::deque<std::optional<std::string>> texts;

    std::vector<MessageBox> boxes;
    std::vector<FileChoice> choices;
    std::vector<std::string> unexpected;  // "title: text" of boxes nobody scripted
};

}  // namespace lexicount::test
