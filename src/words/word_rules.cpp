#include "words/word_rules.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/settings_record.h"
#include "words/short_word_key.h"

namespace lexicount {
namespace {

constexpr std::string_view kContractionStems =
    "aren couldn didn doesn hadn hasn isn shouldn wasn weren wouldn ";
constexpr std::string_view kNeverStripped[] = {"maths", "stats", "dickens", "always", "perhaps"};

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Reached by a few words in a hundred: kept out of the word loop.
__attribute__((noinline)) bool KeepsFinalS(std::string_view word) {
    const std::string lower = LowerCaseLatin(word);
    if (EndsWith(lower, "ics")) return true;
    for (auto w : kNeverStripped) {
        if (lower == w) return true;
    }
    return false;
}

void DropFinalS(std::string_view& w) {
    const size_t n = w.size();
    if (n <= 2 || w[n - 1] != 's') return;
    if (w[n - 2] == 's' || w[n - 2] == '\'') return;
    if (IsVowel(w.substr(n - 2, 1), true)) return;
    if (KeepsFinalS(w)) return;
    w.remove_suffix(1);
}

bool IsApostropheFragment(std::string_view w) {
    if (w.size() == 1) {
        const char c = LowerCaseLatinChar(w[0]);
        if (c == 's' || c == 't') return true;
    }
    // Every stem ends in "n", so only such words need the search.
    return !w.empty() && LowerCaseLatinChar(w.back()) == 'n' && IsContractionStem(w);
}

// What the scanner uses of the word characters, worked out from them.
void DeriveByteSets(WordRules& r) {
    r.wordStartBytes = ByteMaskSet(r.wordStart);
    r.wordCharBytes = ByteMaskSet(r.wordChars);
}

void SetCharacterClasses(WordRules& r, std::string_view allowedExtraChars) {
    r.allowed = CharSet(allowedExtraChars);
    r.startSet = r.allowed;
    r.startSet.Remove(kProhibitedInitialOrFinalChars);
    r.trailingStrip = CharSet(kProhibitedInitialOrFinalChars);
    r.wordChars = r.allowed;
    r.wordStart = r.startSet;
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        if (IsWordLetter(ch)) {
            r.wordChars.Add(std::string_view(&ch, 1));
            r.wordStart.Add(std::string_view(&ch, 1));
        }
    }
    DeriveByteSets(r);
}

}  // namespace

WordRules WordRules::ForCount(const SettingsRecord& s, std::string_view allowedExtraChars) {
    WordRules r;
    SetCharacterClasses(r, allowedExtraChars);
    r.dropFinalS = IsOn(s.chkDropFinalS);
    r.apostrophesAllowed = IsOn(s.chkAllowWordsWithApostrophes);
    r.only7bitAscii = IsOn(s.chkOnly7bitASCII);
    r.ignoreShortWords = IsOn(s.chkIgnoreShortWords);
    r.minWordLength = MinWordLength(s);
    r.maxWordLength = MaxWordLength(s);
    r.ignoreNoLetter = IsOn(s.chkIgnoreNoLetter);
    r.ignoreRepetitions = IsOn(s.chkIgnoreRepetitions);
    r.ignoreCommonWords = IsOn(s.chkIgnoreCommonWords);
    return r;
}

WordRules WordRules::ForUnicodeCandidates(std::string_view allowedExtraChars) {
    WordRules r;
    SetCharacterClasses(r, allowedExtraChars);
    for (int c = 0x80; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        r.wordChars.Add(std::string_view(&ch, 1));
        r.wordStart.Add(std::string_view(&ch, 1));
    }
    DeriveByteSets(r);
    r.apostrophesAllowed = true;
    r.utf8 = true;
    return r;
}

WordRules WordRules::ForCommonWords() {
    WordRules r;
    SetCharacterClasses(r, kAllPossibleExtraChars);
    r.blnReadingWords = true;
    return r;
}

WordRules WordRules::ForUnicodeCommonWords() {
    WordRules r = ForUnicodeCandidates(kAllPossibleExtraChars);
    r.blnReadingWords = true;
    return r;
}

std::string_view NormaliseWord(std::string_view word, const WordRules& rules) {
    if (rules.blnReadingWords) return word;
    if (rules.dropFinalS) DropFinalS(word);
    if (!rules.apostrophesAllowed && IsApostropheFragment(word)) return {};
    return word;
}

namespace {

constexpr size_t kLongestStem = 7;

// Every tail of every stem, packed: the search compares numbers.
std::vector<std::uint64_t> StemTails() {
    std::vector<std::uint64_t> tails;
    size_t start = 0;
    while (start < kContractionStems.size()) {
        const size_t end = kContractionStems.find(' ', start);
        const std::string_view stem = kContractionStems.substr(start, end - start);
        for (size_t i = 0; i < stem.size(); ++i) tails.push_back(ShortWordKey(stem.substr(i)));
        start = end + 1;
    }
    return tails;
}

}  // namespace

// Out of the word loop, as KeepsFinalS.
__attribute__((noinline)) bool IsContractionStem(std::string_view word) {
    // " word " must lie inside the stem list: the word, lower-cased, is a
    // tail of one of its stems. Stems are at most 7 characters long.
    if (word.empty() || word.size() > kLongestStem) return false;
    // Every stem ends in "en", "dn" or "sn": most words are out at once.
    if (word.size() >= 2) {
        const char before = LowerCaseLatinChar(word[word.size() - 2]);
        if (before != 'e' && before != 'd' && before != 's') return false;
    }
    char lower[kLongestStem];
    for (size_t i = 0; i < word.size(); ++i) lower[i] = LowerCaseLatinChar(word[i]);
    static const std::vector<std::uint64_t> tails = StemTails();
    const std::uint64_t probe = ShortWordKey(std::string_view(lower, word.size()));
    return std::find(tails.begin(), tails.end(), probe) != tails.end();
}

bool IsRomanNumeralBelow40(std::string_view word) {
    std::string w = Trim(word);
    for (char& c : w) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    if (w.empty() || w == "I") return false;
    return w.find_first_not_of("IVX") == std::string::npos;
}

bool ApplyWordFilters(std::string_view word, const WordRules& rules) {
    const auto len = static_cast<long>(word.size());
    if (rules.ignoreShortWords && len < rules.minWordLength) return false;
    if (len > rules.maxWordLength) return false;
    if (rules.ignoreNoLetter && LacksLetter(word)) return false;
    if (rules.ignoreRepetitions && len > 1 && word[1] == word[0] && IsOneRepeatedLetter(word) &&
        !(word[0] >= '0' && word[0] <= '9')) {
        return false;
    }
    return true;
}

}  // namespace lexicount
