#include "settings/language_selection.h"

#include "settings/languages.h"

namespace lexicount {
namespace {

// Items 6 and 7 name more than one language.
constexpr int kFirstCombinedList = 6;

}  // namespace

void LanguageSelection::Activate() {
    intLanguageSelected_ = -1;
    selected_ = -1;
}

void LanguageSelection::SelectionChanged(int index) {
    selected_ = index >= 0 && index < kLanguageCount ? index : -1;
}

void LanguageSelection::Accept() {
    intLanguageSelected_ = selected_;
}

void LanguageSelection::Cancel() {
    intLanguageSelected_ = -1;
}

std::string LanguageSelection::AcceptCaption() const {
    return std::string(selected_ >= kFirstCombinedList ? kAcceptLanguages : kAcceptOneLanguage);
}

}  // namespace lexicount
