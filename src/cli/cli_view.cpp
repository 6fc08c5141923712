#include "cli/cli_view.h"

#include "input/docx_reader.h"

namespace lexicount::cli {
namespace {

const char* AnswerName(Answer answer) {
    switch (answer) {
        case Answer::Ok: return "OK";
        case Answer::Cancel: return "Cancel";
        case Answer::Yes: return "Yes";
        case Answer::No: return "No";
        case Answer::YesToAll: return "Yes to all";
        case Answer::NoToAll: return "No to all";
    }
    return "";
}

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string WithLineFeeds(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string CliView::Label(StatusLabel label) const {
    const auto found = labels_.find(label);
    return found == labels_.end() ? std::string() : found->second;
}

// The answers the tool gives; the usage text lists them.
Answer CliView::AnswerFor(const MessageBox& box) const {
    // The file is read as chkUTF8 says.
    if (box.title == kUtf8OrAnsiTitle) return IsOn(settings_.chkUTF8) ? Answer::Yes : Answer::No;
    // A large document is counted; a damaged one is not.
    if (box.title == kBigFileTitle) return Answer::Yes;
    if (EndsWith(box.text, kScanAnywayQuestion)) return Answer::No;
    return DefaultAnswers().Show(box);
}

Answer CliView::Show(const MessageBox& box) {
    if (box.icon == Icon::Warning || box.icon == Icon::Critical) failed_ = true;
    const Answer answer = AnswerFor(box);
    err_ << box.title << ": " << WithLineFeeds(box.text);
    if (box.buttons != Buttons::Ok) err_ << " [" << AnswerName(answer) << "]";
    err_ << "\n";
    return answer;
}

void CliView::PopUp(const std::string& message, int, int, int, int, int) {
    err_ << WithLineFeeds(message) << "\n";
}

}  // namespace lexicount::cli
