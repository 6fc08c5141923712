#include "settings/language_selection.h"

#include "settings/languages.h"

namespace lexicount {

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
    // The combined lists have no code of their own.
    const bool several = selected_ >= 0 && Languages()[static_cast<size_t>(selected_)].code.empty();
    return std::string(several ? kAcceptLanguages : kAcceptOneLanguage);
}

}  // namespace lexicount
