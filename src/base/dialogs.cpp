#include "base/dialogs.h"

namespace lexicount {

Answer DefaultAnswers::Show(const MessageBox& box) {
    switch (box.buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return box.defaultButton == 0 ? Answer::Ok : Answer::Cancel;
        case Buttons::YesNo: return box.defaultButton == 0 ? Answer::Yes : Answer::No;
        case Buttons::YesNoCancel:
            return box.defaultButton == 0 ? Answer::Yes
                                          : (box.defaultButton == 1 ? Answer::No : Answer::Cancel);
    }
    return Answer::Ok;
}

}  // namespace lexicount
