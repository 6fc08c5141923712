#include "words/chars.h"

#include <algorithm>

namespace lexicount {

constexpr std::string_view kLetterTable =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ\212\214\237\300\301\302\303\304\305\306\307\310\311\312\313\314\315\316"
    "\317\320\321\322\323\324\325\326\330\331\332\333\334\335\336abcdefghijklmnopqrstuvwxyz\232\234\377"
    "\340\341\342\343\344\345\346\347\350\351\352\353\354\355\356\357\360\361\362\363\364\365\366\370"
    "\371\372\373\374\375\376\337";
constexpr std::string_view kVowelList =
    "AEIOUaeiou\300\301\302\303\304\305\306\310\311\312\313\314\315\316\317\322\323\324\325\326\330\331"
    "\332\333\334\340\341\342\343\344\345\346\350\351\352\353\354\355\356\357\362\363\364\365\366\370"
    "\371\372\373\374";
constexpr std::string_view kAccentedCapitals =
    "\212\237\300\301\302\303\304\305\307\310\311\312\313\314\315\316\317\320\321\322\323\324\325\326"
    "\330\331\332\333\334\335";
constexpr std::string_view kAccentedSmall =
    "\232\377\340\341\342\343\344\345\347\350\351\352\353\354\355\356\357\360\361\362\363\364\365\366"
    "\370\371\372\373\374\375";

namespace {

constexpr long kMaxWordChars = 65000;

constexpr std::array<char, 256> MakeLowerTable() {
    std::array<char, 256> table{};
    for (size_t i = 0; i < 256; ++i) table[i] = static_cast<char>(i);
    for (size_t i = 0; i < kAccentedCapitals.size(); ++i) {
        table[static_cast<unsigned char>(kAccentedCapitals[i])] = kAccentedSmall[i];
    }
    for (size_t c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<char>(c + 32);
    // The ordinary Windows-1252 rule for the capitals outside the list.
    table[0x8C] = static_cast<char>(0x9C);  // OE ligature
    table[0x8E] = static_cast<char>(0x9E);  // Z caron
    table[0xC6] = static_cast<char>(0xE6);  // AE
    table[0xDE] = static_cast<char>(0xFE);  // thorn
    return table;
}

const CharSet kLetters{kLetterTable};

constexpr std::array<bool, 256> MakeWordLetterTable() {
    std::array<bool, 256> table{};
    for (size_t u = 0; u < 256; ++u) {
        table[u] = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= 192 && u != 215 && u != 247);
    }
    return table;
}

bool InSet(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

size_t StartIndex(long start) {
    return start < 1 ? 0 : static_cast<size_t>(start - 1);
}

}  // namespace

namespace detail {
constinit const std::array<bool, 256> kWordLetters = MakeWordLetterTable();
constinit const std::array<char, 256> kLowerCase = MakeLowerTable();
}  // namespace detail

bool IsWordChar(std::string_view ch, bool numerals, std::string_view extras) {
    if (ch.empty()) return false;
    const char c = ch[0];
    if (IsWordLetter(c)) return true;
    if (numerals && c >= '0' && c <= '9') return true;
    return InSet(c, extras);
}

long CountWordChars(std::string_view line, long start, bool numerals, std::string_view extras) {
    long n = 0;
    for (size_t i = StartIndex(start); i < line.size() && n < kMaxWordChars; ++i, ++n) {
        if (!IsWordChar(line.substr(i, 1), numerals, extras)) break;
    }
    return n;
}

bool IsLetter(char c) {
    return kLetters.Has(c);
}

bool LacksLetter(std::string_view s) {
    // Nearly every word begins with its letter: no search for it.
    if (!s.empty() && IsLetter(s[0])) return false;
    return std::none_of(s.begin(), s.end(), [](char c) { return IsLetter(c); });
}

bool IsVowel(std::string_view ch, bool lowerOnly) {
    if (ch.empty()) return false;
    if (!lowerOnly) return InSet(ch[0], kVowelList);
    static const std::string lowered = LowerCaseLatin(kVowelList);
    return InSet(ch[0], lowered);
}

// Reached by the few words whose first two letters are the same: kept out of
// the scanner's word loop.
__attribute__((noinline)) bool IsOneRepeatedLetter(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    const size_t last = s.find_last_not_of(' ');
    const std::string_view t = s.substr(first, last - first + 1);
    return std::all_of(t.begin(), t.end(), [&](char c) { return c == t[0]; });
}

std::string LowerCaseLatin(std::string_view s) {
    std::string out(s);
    LowerCaseLatinInPlace(out);
    return out;
}

void LowerCaseLatinInPlace(std::string& s) {
    for (char& c : s) c = detail::kLowerCase[static_cast<unsigned char>(c)];
}

long FindFirstOfSet(std::string_view s, long start, std::string_view set, long* posInSet) {
    if (s.empty() || set.empty()) return 0;
    for (size_t i = StartIndex(start); i < s.size(); ++i) {
        const size_t p = set.find(s[i]);
        if (p != std::string_view::npos) {
            if (posInSet) *posInSet = static_cast<long>(p) + 1;
            return static_cast<long>(i) + 1;
        }
    }
    return 0;
}

long FindFirstNotOfSet(std::string_view s, long start, std::string_view set) {
    if (s.empty()) return 0;
    if (set.empty()) return 1;
    for (size_t i = StartIndex(start); i < s.size(); ++i) {
        if (!InSet(s[i], set)) return static_cast<long>(i) + 1;
    }
    return 0;
}

long FindNonSpace(std::string_view s, long start) {
    return FindFirstNotOfSet(s, start, " ");
}

long SkipCharsOfSet(std::string_view s, long start, std::string_view set) {
    const long p = FindFirstNotOfSet(s, start, set);
    if (p == 0 && !s.empty()) return static_cast<long>(s.size()) + 1;
    return p;
}

std::string SafeLeft(std::string_view s, long n) {
    if (n <= 0) return {};
    return std::string(s.substr(0, static_cast<size_t>(n)));
}

std::string RemoveCharsOfSet(std::string_view s, std::string_view set) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (!InSet(c, set)) out += c;
    }
    return out;
}

void ReplaceCharsOfSet(std::string& s, std::string_view set, char replacement) {
    for (char& c : s) {
        if (InSet(c, set)) c = replacement;
    }
}

void StripTrailingString(std::string& s, std::string_view t) {
    if (t.empty()) return;
    while (s.size() >= t.size() && std::string_view(s).substr(s.size() - t.size()) == t) {
        s.resize(s.size() - t.size());
    }
}

std::string StripTrailingChars(std::string_view s, std::string_view set) {
    if (set.empty()) return std::string(s);
    size_t n = s.size();
    while (n > 0 && InSet(s[n - 1], set)) --n;
    return std::string(s.substr(0, n));
}

void TrimControlChars(std::string& s) {
    size_t end = s.size();
    while (end > 0 && static_cast<unsigned char>(s[end - 1]) <= 32) --end;
    size_t begin = 0;
    while (begin < end && static_cast<unsigned char>(s[begin]) <= 32) ++begin;
    if (begin == 0 && end == s.size()) return;
    s.erase(end);
    s.erase(0, begin);
}

void NormaliseLineSpacingInPlace(std::string& s, bool keepTabs, bool utf8) {
    // Most lines hold none of these characters: look before rewriting.
    const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
    unsigned char special = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        special |= static_cast<unsigned char>((bytes[i] <= 13) | (bytes[i] == 160 && !utf8));
    }
    if (special == 0) return;
    size_t out = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == 8) continue;
        if (c == 13 && i + 1 < s.size() && s[i + 1] == '\n') {
            s[out++] = ' ';  // CR LF becomes CR, then a space
            ++i;
            continue;
        }
        if (c == 10 || c == 12 || c == 13 || (c == 160 && !utf8) || (c == 9 && !keepTabs)) {
            s[out++] = ' ';
            continue;
        }
        s[out++] = static_cast<char>(c);
    }
    s.resize(out);
}

std::string NormaliseLineSpacing(std::string_view s, bool keepTabs) {
    std::string out(s);
    NormaliseLineSpacingInPlace(out, keepTabs);
    return out;
}

std::string Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

std::vector<std::string_view> SplitAtBlanks(std::string_view s) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < s.size()) {
        const size_t end = s.find(' ', i);
        const size_t stop = end == std::string_view::npos ? s.size() : end;
        if (stop > i) words.push_back(s.substr(i, stop - i));
        i = stop + 1;
    }
    return words;
}

}  // namespace lexicount
