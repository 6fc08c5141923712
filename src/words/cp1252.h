#pragma once

// The text model: inside the core, text is a std::string of Windows-1252
// bytes, one byte per character. These helpers convert at the edges and
// give the ordinal order by Unicode code point.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lexicount {

// Unicode code point of a Windows-1252 byte; the five undefined bytes map
// to the C1 controls of the same value.
char32_t CodePointOfCp1252(unsigned char byte);

// Decodes the UTF-8 sequence at text[i] into cp; returns its length, or 0
// when it is malformed (overlong, a surrogate, past U+10FFFF, cut short).
size_t DecodeUtf8At(std::string_view text, size_t i, char32_t& cp);
bool IsValidUtf8(std::string_view text);
// Characters of UTF-8 text: every byte that does not continue a sequence.
size_t Utf8CharacterCount(std::string_view utf8);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Converts Windows-1252 bytes to UTF-8.
std::string Utf8FromCp1252(std::string_view text);

// Converts UTF-8 to Windows-1252 bytes. A code point with no Windows-1252
// byte, and every malformed sequence, becomes '?'.
std::string Cp1252FromUtf8(std::string_view text);

// Windows-1252 byte of a code point, or -1 when there is none.
int Cp1252FromCodePoint(char32_t codePoint);

// Rank of a byte in code-point order; comparing ranks byte by byte is
// comparing code points.
unsigned char OrdinalRank(unsigned char byte);

// Ordinal comparison, code point by code point; a proper prefix sorts first.
int CompareOrdinal(std::string_view a, std::string_view b);

// The ranks of a word's first eight bytes as one number (0 past its end):
// of two words whose numbers differ, the smaller comes first in ordinal
// order; words whose numbers are equal must be compared.
std::uint64_t OrdinalPrefix(std::string_view word);

inline bool LessOrdinal(std::string_view a, std::string_view b) {
    return CompareOrdinal(a, b) < 0;
}

struct OrdinalLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return LessOrdinal(a, b); }
};

}  // namespace lexicount
