#pragma once

// The words-to-ignore list as the settings window normalises it.

#include <string>
#include <string_view>

namespace lexicount {

struct SettingsRecord;

// Trimmed, lower-cased, commas to spaces, single spaces, duplicates removed,
// sorted. Returns "" for an all-blank text.
std::string NormaliseWordsToIgnore(std::string_view text);

// " " + list + " ", or "" for an empty list: the form the admission test
// searches.
std::string FramedWordsToIgnore(std::string_view normalisedList);

// Applies the normalisation to txbWordsToIgnore (an all-blank box is left
// as it is) and returns the framed strWordsToIgnore.
std::string ApplyWordsToIgnore(SettingsRecord& settings);

// The words-to-ignore check. Empty when every character of the list is a
// letter, a space or an allowed extra character; otherwise the "Character
// not allowed" message text (UTF-8) for the first offending character.
std::string CheckAllowedExtraCharsMessage(std::string_view wordsToIgnore, std::string_view allowedExtraChars);

inline constexpr std::string_view kCharacterNotAllowedTitle = "Character not allowed";

}  // namespace lexicount
