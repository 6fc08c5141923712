#include "base/dialogs.h"

#include <algorithm>

namespace lexicount {

Answer DefaultAnswers::Show(const MessageBox& box) {
    switch (box.buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return box.defaultButton == 0 ? Answer::Ok : Answer::Cancel;
        case Buttons::YesNo: return box.defaultButton == 0 ? Answer::Yes : Answer::No;
        case Buttons::YesNoCancel:
            return box.defaultButton == 0 ? Answer::Yes
                                          : (box.defaultButton == 1 ? Answer::No : Answer::Cancel);
        case Buttons::YesNoToAll:
        case Buttons::YesNoToAllCancel: {
            constexpr Answer kInOrder[] = {Answer::Yes, Answer::YesToAll, Answer::No, Answer::NoToAll,
                                           Answer::Cancel};
            const int last = box.buttons == Buttons::YesNoToAll ? 3 : 4;
            return kInOrder[std::clamp(box.defaultButton, 0, last)];
        }
    }
    return Answer::Ok;
}

Answer AnswersToAll::Show(const MessageBox& box) {
    last_ = box;
    if (box.buttons != Buttons::YesNo && box.buttons != Buttons::YesNoCancel) return dialogs_.Show(box);
    if (const auto given = AnswerFor(box.title)) {
        last_.reset();  // a question answered is no refusal
        return *given;
    }
    MessageBox asked = box;
    asked.buttons = box.buttons == Buttons::YesNo ? Buttons::YesNoToAll : Buttons::YesNoToAllCancel;
    asked.defaultButton = box.defaultButton * 2;  // past the "to all" buttons
    const Answer answer = dialogs_.Show(asked);
    if (answer != Answer::Cancel) last_.reset();
    if (answer == Answer::YesToAll || answer == Answer::NoToAll) {
        const Answer each = answer == Answer::YesToAll ? Answer::Yes : Answer::No;
        AnswerAll(box.title, each);
        return each;
    }
    return answer;
}

std::optional<Answer> AnswersToAll::AnswerFor(const std::string& title) const {
    const auto found = answers_.find(title);
    if (found == answers_.end()) return std::nullopt;
    return found->second;
}

}  // namespace lexicount
