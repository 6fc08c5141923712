#pragma once

// Message and question boxes as the core asks for them. The Qt windows show
// them as QMessageBox; the command-line tool prints them; tests script the
// answers. Texts are UTF-8 and use CR LF ("\r\n") for line breaks exactly as
// the program's messages are worded.

#include <string>

namespace lexicount {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

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

}  // namespace lexicount
