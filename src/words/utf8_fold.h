#pragma once

// Folding of UTF-8 sequences into the Windows-1252 text model, line by line.

#include <string>
#include <string_view>

namespace lexicount {

// Latin-1 letters and signs (C2 xx, C3 xx) and the c with caron (C4 8D).
std::string DecodeUtf8Latin(std::string_view s);
void DecodeUtf8LatinInPlace(std::string& s);

// Typographic punctuation (E2 80 xx): known sequences are replaced, unknown
// ones removed; an E2 80 cut off by the end of the line is left alone.
std::string DecodeUtf8Punctuation(std::string_view s);
void DecodeUtf8PunctuationInPlace(std::string& s);

}  // namespace lexicount
