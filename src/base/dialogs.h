#pragma once

// Message and question boxes as the core asks for them. The Qt windows show
// them as QMessageBox; the command-line tool prints them; tests script the
// answers. Texts are UTF-8 and use CR LF ("\r\n") for line breaks exactly as
// the program's messages are worded.

#include <map>
#include <optional>
#include <string>

namespace lexicount {

enum class Icon { None, Information, Warning, Critical, Question };
// YesNoToAll: Yes, "Yes to all", No, "No to all"; YesNoToAllCancel: the
// same and Cancel.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoToAll, YesNoToAllCancel };
enum class Answer { Ok, Cancel, Yes, No, YesToAll, NoToAll };

struct MessageBox {
    std::string title;
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    int defaultButton = 0;  // 0 = first button, 1 = second, ...
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the box and returns the answer (Ok for a plain OK box).
    virtual Answer Show(const MessageBox& box) = 0;
};

// Answers every question with its default button and records nothing; for
// callers that must not ask.
class DefaultAnswers : public Dialogs {
public:
    Answer Show(const MessageBox& box) override;
};

// The questions of a run over many files, each asked once per file: each
// offers "Yes to all" and "No to all", and a question so answered is not
// asked again in the run. Questions are told apart by their titles.
class AnswersToAll : public Dialogs {
public:
    explicit AnswersToAll(Dialogs& dialogs) : dialogs_(dialogs) {}
    Answer Show(const MessageBox& box) override;
    // Yes or No, given to all the questions of this title, if it was.
    std::optional<Answer> AnswerFor(const std::string& title) const;
    void AnswerAll(const std::string& title, Answer answer) { answers_[title] = answer; }
    // The last box shown since ForgetLast, unless it was a question answered
    // otherwise than with Cancel: what a file not taken was refused with.
    const std::optional<MessageBox>& LastShown() const { return last_; }
    void ForgetLast() { last_.reset(); }

private:
    Dialogs& dialogs_;
    std::map<std::string, Answer> answers_;
    std::optional<MessageBox> last_;
};

}  // namespace lexicount
