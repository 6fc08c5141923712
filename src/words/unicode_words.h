#pragma once

// Words in any script: the word rules of the Western text model read for
// Unicode. The Western scanner still finds the candidates (it skips
// comments, markup and the characters no word may hold, and treats every
// byte of a multi-byte UTF-8 character as a word byte); each candidate is
// then cut here by Unicode character classes, put in NFC, case-folded and
// normalised. Runs of scripts written without spaces are split by ICU's
// dictionary-based word break.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "words/word_rules.h"

namespace lexicount {

struct SettingsRecord;
class WordsToIgnore;
class CommonWords;

struct UnicodeRules {
    std::string allowed;        // ASCII characters allowed inside a word
    std::string startAllowed;   // those of them that may begin one
    std::string trailingStrip;  // ASCII characters that may not end one
    bool numerals = false;      // every decimal digit (Nd) is a word character
    bool apostrophes = false;   // U+2019 inside a word as "'" is
    bool caseSignificant = false;
    bool turkic = false;        // the common words are Turkish: Turkish case folding
    bool readingWords = false;  // a list is read: runs of unspaced scripts stay whole
    // The rest (final "s", 7-bit ASCII, the filters) are the Western rules'.

    static UnicodeRules ForCount(const SettingsRecord& settings, std::string_view allowedExtraChars);
    // A common-words file: every extra character allowed, case kept.
    static UnicodeRules ForReadingWords();
};

class UnicodeWords {
public:
    UnicodeWords(const SettingsRecord& settings, std::string_view allowedExtraChars,
                 const WordsToIgnore& wordsToIgnore, const CommonWords& commonWords);
    // The model that reads a common-words file: words whole, as written.
    UnicodeWords();
    ~UnicodeWords();
    UnicodeWords(const UnicodeWords&) = delete;
    UnicodeWords& operator=(const UnicodeWords&) = delete;

    // Cuts a candidate into words, each in NFC, case-folded unless case is
    // significant, and normalised (final "s", apostrophe fragments); hands
    // on each word that is not empty.
    // Not inlined: the scan inlines its fast paths and calls these.
    [[gnu::noinline]] void Cut(std::string_view candidate, const std::function<void(std::string_view)>& take);
    // An ASCII candidate is cut by the scanner exactly as the Western rules
    // cut it: it is one word already, returned case-folded and normalised
    // ("" when nothing is left). Valid until the next call.
    std::string_view CutAscii(std::string_view candidate);
    // The line being scanned is ASCII and case-folded already (when case is
    // not significant): its candidates need no folding.
    void SetLineFolded(bool folded) { lineFolded_ = folded; }
    bool LineFolded() const { return lineFolded_; }
    // ASCII text folds as the Western rules fold it, but for "I" under
    // Turkish folding, where it becomes dotless "ı".
    bool FoldsPlainly(std::string_view asciiText) const {
        return !rules_.turkic || rules_.caseSignificant || asciiText.find('I') == std::string_view::npos;
    }
    // A candidate's words, each with whether Admits keeps it: Cut and Admits
    // remembered per different candidate, so that a word met again costs one
    // lookup. Valid until the next call.
    struct CutWord {
        std::string word;
        bool admitted;
    };
    [[gnu::noinline]] const std::vector<CutWord>& CutRemembered(std::string_view candidate);
    // The filters and the two lists: true when the word is counted.
    bool Admits(std::string_view word) const;
    // A candidate of simple letters alone (see simple_letters.h), not all
    // ASCII, the common case of alphabetic text, cut as Cut cuts it but
    // folded by a table: its
    // one word ("" when nothing is left), valid until the next call;
    // nullopt for any other candidate.
    std::optional<std::string_view> CutSimple(std::string_view candidate);
    // Admits for a word that CutSimple returned.
    bool AdmitsSimple(std::string_view word);

private:
    UnicodeWords(UnicodeRules rules, WordRules western);
    void Normalise(std::string_view word, const std::function<void(std::string_view)>& take) const;
    // The word after the final-sigma and final-"s" rules; written holds it
    // when it had to be rewritten.
    std::string_view Normalised(std::string_view word, std::string& written) const;
    void SplitUnspacedRuns(std::string_view word, const std::function<void(std::string_view)>& take);

    UnicodeRules rules_;
    WordRules western_;  // final "s", 7-bit ASCII, the filters; ASCII words
    std::unordered_set<std::string> ignored_;
    std::string asciiBuffer_;
    std::string simpleBuffer_;
    std::string simpleWritten_;
    std::string simpleFolded_;
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    std::unordered_map<std::string, std::vector<CutWord>, Hash, std::equal_to<>> remembered_;
    bool lineFolded_ = false;
    struct Breaker;
    std::unique_ptr<Breaker> breaker_;
};

// The length, letter and repetition filters of the rules, by
// user-perceived characters and Unicode letters.
[[gnu::noinline]] bool ApplyUnicodeWordFilters(std::string_view word, const WordRules& rules);

// What the filters look at in a word.
struct WordShape {
    int characters;  // user-perceived characters
    bool hasLetter;
    bool oneRepeated;  // one letter, more than once
};
bool PassesWordFilters(const WordShape& shape, const WordRules& rules);

// "Drop final 's' unless 'ss' or vowel+'s'", for words in Latin script only.
std::string_view DropFinalSUnicode(std::string_view word);

}  // namespace lexicount
