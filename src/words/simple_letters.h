#pragma once

// Letters that need none of ICU's work: ASCII letters and the letters of
// the two-byte UTF-8 range (Latin, Greek, Cyrillic, Armenian, Hebrew,
// Arabic, ...) that are in NFC whatever their neighbours, make a
// user-perceived character each, and fold to one such letter. A word made of
// them alone, the common case of alphabetic text, is folded by a table.

#include <string>
#include <string_view>

namespace lexicount {

// When every character of text is such a letter: its folded form (case
// folding as ICU's full folding, Turkish with turkic) goes to folded and the
// number of characters is returned. Otherwise -1, and folded is unspecified.
int FoldSimpleLetters(std::string_view text, bool turkic, std::string& folded);

// The number of characters of text when all are such letters (each is one
// user-perceived character), otherwise -1.
int SimpleLetterCount(std::string_view text);

}  // namespace lexicount
