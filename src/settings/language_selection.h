#pragma once

// frmLanguageSelection without the window: the list of languages, the
// accept button's state and caption, and the chosen index. The window is
// shown modally; each showing starts with nothing chosen, so cancelling or
// closing it never selects a language.

#include <string>
#include <string_view>

namespace lexicount {

inline constexpr std::string_view kSelectLanguagePrompt = "Ignore common words in which language?";
inline constexpr std::string_view kAcceptOneLanguage = "Load common words file for this language";
inline constexpr std::string_view kAcceptLanguages = "Load common words file for these languages";
inline constexpr std::string_view kCancelCaption = "Cancel";

class LanguageSelection {
public:
    // Activate: nothing selected, accept disabled, intLanguageSelected -1.
    void Activate();
    // The list's selection changed: a language index, -1 for none.
    void SelectionChanged(int index);
    // cmdAccept: the selected index becomes the answer.
    void Accept();
    // cmdCancel and the close box.
    void Cancel();

    int intLanguageSelected() const { return intLanguageSelected_; }
    int Selected() const { return selected_; }
    bool AcceptEnabled() const { return selected_ >= 0; }
    // Singular for one language, plural for the two combined lists.
    std::string AcceptCaption() const;

private:
    int intLanguageSelected_ = -1;
    int selected_ = -1;
};

}  // namespace lexicount
