#pragma once

// The contexts of a word (keyword in context): each place the word is
// counted when the text is read again under the count's rules, with the
// text to its left and right on its line.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "words/word_counter.h"

namespace lexicount {

struct ScanState;
struct WordRules;

struct WordContext {
    std::int64_t line = 0;  // 1-based, in the text that was scanned
    std::string left;       // UTF-8, at most the context width in characters
    std::string word;       // the word as it stands in the text
    std::string right;
    std::int64_t sequence = 0;  // 1 for the first found, and so on
};

inline constexpr int kDefaultContextWidth = 40;

// Collects the contexts of one word during a scan. The count tells it each
// line before case is folded, so that contexts show the text's own case;
// the scanner's line is used where the two differ in length.
class ContextCapture final : public WordWatch {
public:
    // word: as the table holds it; utf8: the Unicode text model.
    ContextCapture(std::string word, int width, bool utf8, const ScanState& state, const WordRules& rules,
                   std::function<void(WordContext)> found);

    void LineBegins(std::int64_t number, std::string_view line);
    void Found(std::string_view word) override;

private:
    struct Span {
        size_t begin;
        size_t end;
    };
    // Where the word just found stands in the scanner's line.
    Span WordSpan(std::string_view word);
    Span UnicodeWordSpan(size_t end);
    const std::string& ShownLine();
    std::string Text(std::string_view bytes) const;

    std::string word_;
    int width_;
    bool utf8_;
    const ScanState& state_;
    const WordRules& rules_;
    std::function<void(WordContext)> found_;
    std::int64_t lineNumber_ = 0;
    std::string original_;  // the line before case folding
    std::string shown_;     // that line after the scanner's own preparation
    bool shownReady_ = false;
    // Several words of one candidate (a run of Chinese, say): where the
    // next search in it begins.
    size_t candidateEnd_ = 0;
    size_t searchFrom_ = 0;
};

enum class ContextOrder { Text, Left, Right };

// Text order: as found; left: by the word nearest the keyword on the left,
// then the one before it, and so on; right: by the right context. Case is
// ignored for ASCII letters; ties keep text order.
void SortContexts(std::vector<WordContext>& contexts, ContextOrder order);

// Tab-separated, with a header line: line, left, word, right.
std::string ContextsText(const std::vector<WordContext>& contexts);

}  // namespace lexicount
