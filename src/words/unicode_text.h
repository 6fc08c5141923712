#pragma once

// Text in any script, through ICU: lines decoded to UTF-8, NFC, full case
// folding, user-perceived characters and display columns. Everything here
// takes and gives UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace lexicount {

// A line as UTF-8: valid UTF-8 stays as it is; otherwise, when the file is
// UTF-8 (utf8File) each invalid byte becomes U+FFFD, and when it is not the
// line is read as Windows-1252.
std::string LineAsUtf8(std::string_view line, bool utf8File);
// The same in place: a valid line is left as it is, without a copy.
void MakeLineUtf8(std::string& line, bool utf8File);

// Letters of valid UTF-8 text that Windows-1252 cannot hold (0 for text
// that is not valid UTF-8): what the Western text model cannot count.
std::int64_t LettersOutsideCp1252(std::string_view utf8);

// UTF-16 (as the clipboard gives it) as UTF-8; an unpaired surrogate
// becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);

// NFC, so that composed and decomposed forms are one word.
std::string ToNfc(std::string_view text);
// Full case folding, then NFC again (folding may decompose). turkic maps
// I and İ as Turkish does.
[[gnu::noinline]] std::string FoldCase(std::string_view text, bool turkic);

// Extended grapheme clusters: the characters a reader counts.
int GraphemeCount(std::string_view text);
// Columns on a fixed-pitch screen: East Asian wide and full-width
// characters take two, combining marks and other zero-width ones none.
int DisplayWidth(std::string_view text);

// "&#233;" and "&#xE9;" as the UTF-8 of their characters; a number that
// names no character becomes U+FFFD.
void DecodeNumericEntitiesInPlace(std::string& line);

}  // namespace lexicount
