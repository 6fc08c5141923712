#include "gui/support/scripted_presenter.h"

#include <algorithm>

namespace lexicount::test {

Answer ScriptedPresenter::ShowBox(QWidget*, const MessageBox& box) {
    boxes.push_back(box);
    if (answers.empty()) {
        unexpected.push_back(box.title + ": " + box.text);
        return DefaultAnswers().Show(box);
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPresenter::AskText(QWidget*, const std::string& title,
                                                      const std::string& prompt, const std::string& value) {
    if (texts.empty()) {
        unexpected.push_back(title + ": " + prompt);
        return value;
    }
    auto text = texts.front();
    texts.pop_front();
    return text;
}

std::optional<std::string> ScriptedPresenter::ChooseFile(QWidget*, const FileChoice& choice) {
    choices.push_back(choice);
    if (files.empty()) {
        unexpected.push_back(choice.title);
        return std::nullopt;
    }
    auto file = files.front();
    files.pop_front();
    return file;
}

std::vector<std::string> ScriptedPresenter::ChooseFiles(QWidget* parent, const FileChoice& choice) {
    std::vector<std::string> chosen;
    const std::optional<std::string> entry = ChooseFile(parent, choice);
    if (!entry) return chosen;
    size_t start = 0;
    while (start <= entry->size()) {
        const size_t end = std::min(entry->find('\n', start), entry->size());
        if (end > start) chosen.push_back(entry->substr(start, end - start));
        start = end + 1;
    }
    return chosen;
}

std::optional<std::string> ScriptedPresenter::ChooseFolder(QWidget* parent, const FileChoice& choice) {
    return ChooseFile(parent, choice);
}

}  // namespace lexicount::test
