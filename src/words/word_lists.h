#pragma once

// The two lists that keep words out of a count: the user's words to ignore
// and the common words of a language.

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace lexicount {

// strWordsToIgnore: " w1 w2 ... " or "". A word is ignored when " word "
// occurs in it, that is, when it is one of the blank-separated entries.
class WordsToIgnore {
public:
    WordsToIgnore() = default;
    explicit WordsToIgnore(std::string_view strWordsToIgnore);
    bool Contains(std::string_view lowerCasedWord) const;
    bool empty() const { return words_.empty(); }
    const std::unordered_set<std::string>& Words() const { return words_; }

private:
    std::unordered_set<std::string> words_;
};

// strCommonWords: lower-cased, in ascending ordinal order, no duplicates.
// Beside them the same list as the Unicode text model reads it: UTF-8 in
// NFC, not yet case-folded, each word once.
class CommonWords {
public:
    CommonWords() = default;
    // The Unicode list is the Western one in UTF-8.
    explicit CommonWords(std::vector<std::string> sortedWords);
    CommonWords(std::vector<std::string> sortedWords, std::vector<std::string> wordsInAnyScript);
    bool Contains(std::string_view lowerCasedWord) const;
    std::int64_t size() const { return static_cast<std::int64_t>(words_.size()); }
    const std::vector<std::string>& Words() const { return words_; }
    const std::vector<std::string>& WordsInAnyScript() const { return wordsInAnyScript_; }
    // The size of the list the text model uses.
    std::int64_t size(bool unicodeWords) const {
        return static_cast<std::int64_t>(unicodeWords ? wordsInAnyScript_.size() : words_.size());
    }

private:
    std::vector<std::string> words_;
    std::unordered_set<std::string> index_;
    std::vector<std::string> wordsInAnyScript_;
};

// The binary search of a sorted list, comparing each element from the
// 1-based position start; returns the 1-based index or 0.
long FindInSortedList(std::string_view key, const std::vector<std::string>& sorted, long start);

}  // namespace lexicount
