#pragma once

// Character tables and the string routines of the word rules. Positions
// taken and returned by the search routines are 1-based, 0 meaning "not
// found", as the rest of the word rules count them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lexicount {

// Constant tables, Windows-1252 bytes.
extern const std::string_view kLetterTable;       // 119 letters
extern const std::string_view kVowelList;         // 60 vowels
extern const std::string_view kAccentedCapitals;  // 30
extern const std::string_view kAccentedSmall;     // 30, pairs with the capitals

// A set of bytes, for the hot paths of the scanner.
class CharSet {
public:
    CharSet() = default;
    explicit CharSet(std::string_view chars) { Add(chars); }
    void Add(std::string_view chars) {
        for (char c : chars) bits_[static_cast<unsigned char>(c)] = true;
    }
    void Remove(std::string_view chars) {
        for (char c : chars) bits_[static_cast<unsigned char>(c)] = false;
    }
    bool Has(char c) const { return bits_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> bits_{};
};

namespace detail {
extern const std::array<bool, 256> kWordLetters;
extern const std::array<char, 256> kLowerCase;
}  // namespace detail

// The letters of IsWordChar: A-Z, a-z, 192-214, 216-246, 248-255.
inline bool IsWordLetter(char c) {
    return detail::kWordLetters[static_cast<unsigned char>(c)];
}
bool IsWordChar(std::string_view ch, bool numerals, std::string_view extras);
// Number of word characters from 1-based start, at most 65000.
long CountWordChars(std::string_view line, long start, bool numerals, std::string_view extras);
bool IsLetter(char c);  // member of the letter table
bool LacksLetter(std::string_view s);
bool IsVowel(std::string_view ch, bool lowerOnly);
// No byte with its high bit set (true for ""); inline, since the Unicode
// scan asks it of every word.
inline bool HasOnlyAsciiBytes(std::string_view s) {
    unsigned char any = 0;
    for (const char c : s) any |= static_cast<unsigned char>(c);
    return any < 0x80;
}
inline bool IsSevenBitAscii(std::string_view s) {
    return !s.empty() && HasOnlyAsciiBytes(s);
}
bool IsOneRepeatedLetter(std::string_view s);

inline char LowerCaseLatinChar(char c) {
    return detail::kLowerCase[static_cast<unsigned char>(c)];
}
std::string LowerCaseLatin(std::string_view s);
void LowerCaseLatinInPlace(std::string& s);

// Searching. "set" is a string of characters.
long FindFirstOfSet(std::string_view s, long start, std::string_view set, long* posInSet = nullptr);
long FindFirstNotOfSet(std::string_view s, long start, std::string_view set);
long FindNonSpace(std::string_view s, long start);
long SkipCharsOfSet(std::string_view s, long start, std::string_view set);

// Editing.
std::string SafeLeft(std::string_view s, long n);
std::string RemoveCharsOfSet(std::string_view s, std::string_view set);
void ReplaceCharsOfSet(std::string& s, std::string_view set, char replacement);
void StripTrailingString(std::string& s, std::string_view t);
std::string StripTrailingChars(std::string_view s, std::string_view set);
void TrimControlChars(std::string& s);
std::string NormaliseLineSpacing(std::string_view s, bool keepTabs);
// The same, rewriting the string in place (it never grows).
// utf8: the text is UTF-8, where byte 160 is part of a character, not a
// no-break space.
void NormaliseLineSpacingInPlace(std::string& s, bool keepTabs, bool utf8 = false);
std::string Trim(std::string_view s);  // blanks at both ends
// The words between blanks, in order, without empty ones.
std::vector<std::string_view> SplitAtBlanks(std::string_view s);

}  // namespace lexicount
