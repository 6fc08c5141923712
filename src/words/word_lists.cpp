#include "words/word_lists.h"

#include "words/chars.h"
#include "words/cp1252.h"
#include "words/unicode_text.h"

namespace lexicount {

WordsToIgnore::WordsToIgnore(std::string_view list) {
    for (const auto word : SplitAtBlanks(list)) words_.emplace(word);
}

bool WordsToIgnore::Contains(std::string_view lowerCasedWord) const {
    return !words_.empty() && words_.count(std::string(lowerCasedWord)) > 0;
}

namespace {

std::vector<std::string> InUtf8(const std::vector<std::string>& cp1252Words) {
    std::vector<std::string> words;
    words.reserve(cp1252Words.size());
    for (const std::string& word : cp1252Words) words.push_back(ToNfc(Utf8FromCp1252(word)));
    return words;
}

}  // namespace

CommonWords::CommonWords(std::vector<std::string> sortedWords)
    : words_(std::move(sortedWords)),
      index_(words_.begin(), words_.end()),
      wordsInAnyScript_(InUtf8(words_)) {}

CommonWords::CommonWords(std::vector<std::string> sortedWords, std::vector<std::string> wordsInAnyScript)
    : words_(std::move(sortedWords)),
      index_(words_.begin(), words_.end()),
      wordsInAnyScript_(std::move(wordsInAnyScript)) {}

bool CommonWords::Contains(std::string_view lowerCasedWord) const {
    return !index_.empty() && index_.count(std::string(lowerCasedWord)) > 0;
}

long FindInSortedList(std::string_view key, const std::vector<std::string>& a, long start) {
    const auto n = static_cast<long>(a.size());
    auto element = [&](long i) {
        const std::string_view e = a[static_cast<size_t>(i - 1)];
        const size_t skip = start < 1 ? 0 : static_cast<size_t>(start - 1);
        return skip >= e.size() ? std::string_view() : e.substr(skip);
    };
    if (n == 0 || LessOrdinal(key, element(1)) || LessOrdinal(element(n), key)) return 0;
    if (n == 1) return 1;
    long lo = 1, hi = n, p = n / 2;
    while (true) {
        const int c = CompareOrdinal(key, element(p));
        if (c == 0) return p;
        if (c < 0) {
            if (p == lo) return 0;
            hi = p - 1;
            p = p - ((p - lo + 1) / 2);
        } else {
            if (p == hi) return 0;
            lo = p + 1;
            p = p + ((hi - p + 1) / 2);
        }
    }
}

}  // namespace lexicount
