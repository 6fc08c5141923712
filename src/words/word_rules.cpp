#include "words/word_rules.h"

#include "settings/settings_record.h"

namespace lexicount {
namespace {

constexpr std::string_view kContractionStems = "aren couldn didn doesn hadn hasn isn shouldn wasn weren wouldn ";
constexpr std::string_view kNeverStripped[] = {"maths", "stats", "dickens", "always", "perhaps"};

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool KeepsFinalS(std::string_view word) {
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

}  // namespace

WordRules WordRules::ForCount(const SettingsRecord& s, std::string_view allowedExtraChars) {
    WordRules r;
    r.allowed = CharSet(allowedExtraChars);
    r.startSet = r.allowed;
    r.startSet.Remove(kProhibitedInitialOrFinalChars);
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

WordRules WordRules::ForCommonWords() {
    WordRules r;
    r.allowed = CharSet(kAllPossibleExtraChars);
    r.startSet = r.allowed;
    r.startSet.Remove(kProhibitedInitialOrFinalChars);
    r.blnReadingWords = true;
    return r;
}

std::string_view NormaliseWord(std::string_view word, const WordRules& rules) {
    if (rules.blnReadingWords) return word;
    if (rules.dropFinalS) DropFinalS(word);
    if (!rules.apostrophesAllowed && IsApostropheFragment(word)) return {};
    return word;
}

bool IsContractionStem(std::string_view word) {
    std::string probe = LowerCaseLatin(word);
    probe += ' ';
    return kContractionStems.find(probe) != std::string_view::npos;
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
    if (rules.ignoreRepetitions && len > 1 && IsOneRepeatedLetter(word) && !(word[0] >= '0' && word[0] <= '9')) {
        return false;
    }
    return true;
}

}  // namespace lexicount
