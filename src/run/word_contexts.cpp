#include "run/word_contexts.h"

#include <algorithm>

#include "output/export.h"
#include "words/cp1252.h"
#include "words/line_scanner.h"
#include "words/scan_state.h"
#include "words/word_rules.h"

namespace lexicount {
namespace {

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte where the last `width` characters of text begin.
size_t LastCharacters(std::string_view text, int width, bool utf8) {
    size_t i = text.size();
    for (int n = 0; n < width && i > 0; ++n) {
        --i;
        while (utf8 && i > 0 && IsUtf8Continuation(text[i])) --i;
    }
    return i;
}

// The byte after the first `width` characters of text.
size_t FirstCharacters(std::string_view text, int width, bool utf8) {
    size_t i = 0;
    for (int n = 0; n < width && i < text.size(); ++n) {
        ++i;
        while (utf8 && i < text.size() && IsUtf8Continuation(text[i])) ++i;
    }
    return i;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

size_t FindIgnoringAsciiCase(std::string_view text, std::string_view word, size_t from) {
    if (word.empty() || word.size() > text.size()) return std::string_view::npos;
    for (size_t i = from; i + word.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < word.size() && LowerAscii(text[i + k]) == LowerAscii(word[k])) ++k;
        if (k == word.size()) return i;
    }
    return std::string_view::npos;
}

bool IsAsciiLetter(char c) {
    return LowerAscii(c) >= 'a' && LowerAscii(c) <= 'z';
}

}  // namespace

ContextCapture::ContextCapture(std::string word, int width, bool utf8, const ScanState& state,
                               const WordRules& rules, std::function<void(WordContext)> found)
    : word_(std::move(word)),
      width_(std::max(0, width)),
      utf8_(utf8),
      state_(state),
      rules_(rules),
      found_(std::move(found)) {}

void ContextCapture::LineBegins(std::int64_t number, std::string_view line) {
    lineNumber_ = number;
    original_.assign(line);
    shownReady_ = false;
    candidateEnd_ = 0;
}

void ContextCapture::Found(std::string_view word) {
    // The word is one that the count counts: wherever it is found, it is
    // counted.
    if (word != word_) return;
    const Span span = WordSpan(word);
    const std::string& line = ShownLine();
    const std::string_view text(line.data(), std::min(line.size(), state_.strLine.size() - 1));
    const size_t end = std::min(span.end, text.size());
    const size_t begin = std::min(span.begin, end);
    const std::string_view before = text.substr(0, begin);
    const std::string_view after = text.substr(end);
    WordContext context;
    context.line = lineNumber_;
    context.left = Text(before.substr(LastCharacters(before, width_, utf8_)));
    context.word = Text(text.substr(begin, end - begin));
    context.right = Text(after.substr(0, FirstCharacters(after, width_, utf8_)));
    found_(std::move(context));
}

ContextCapture::Span ContextCapture::WordSpan(std::string_view word) {
    const std::string& line = state_.strLine;
    // The scanner stands just past the candidate the word was cut from.
    size_t end = std::min(static_cast<size_t>(std::max(0L, state_.lngLP - 1)), line.size());
    const char* data = line.data();
    if (!utf8_ && word.data() >= data && word.data() + word.size() <= data + line.size()) {
        // The Western word is a piece of the line; a dropped final "s" is
        // shown with it.
        const auto begin = static_cast<size_t>(word.data() - data);
        while (end > begin + word.size() && rules_.trailingStrip.Has(line[end - 1])) --end;
        return {begin, std::max(end, begin + word.size())};
    }
    return UnicodeWordSpan(end);
}

ContextCapture::Span ContextCapture::UnicodeWordSpan(size_t end) {
    const std::string& line = state_.strLine;
    while (end > 0 && rules_.trailingStrip.Has(line[end - 1])) --end;
    // The candidate began at the first character that may begin a word
    // after the last one that may not be in a word.
    size_t begin = end;
    while (begin > 0 && rules_.wordChars.Has(line[begin - 1])) --begin;
    while (begin < end && !rules_.wordStart.Has(line[begin])) ++begin;
    if (end != candidateEnd_) {
        candidateEnd_ = end;
        searchFrom_ = begin;
    }
    // The word is folded and in NFC: found in the candidate as written, or
    // but for the case of ASCII letters; otherwise the candidate stands for it.
    const std::string_view candidate(line.data(), end);
    size_t at = candidate.find(word_, searchFrom_);
    if (at == std::string_view::npos) at = FindIgnoringAsciiCase(candidate, word_, searchFrom_);
    if (at == std::string_view::npos) return {begin, end};
    size_t wordEnd = at + word_.size();
    while (wordEnd < end && IsAsciiLetter(line[wordEnd])) ++wordEnd;  // a dropped final "s"
    searchFrom_ = wordEnd;
    return {at, wordEnd};
}

const std::string& ContextCapture::ShownLine() {
    if (shownReady_) return shown_;
    shownReady_ = true;
    // The line in its own case, prepared as the scanner prepared its copy;
    // when the two differ in length (an entity whose name depends on the
    // case), the scanner's copy is shown.
    ScanState copy;
    copy.strLine = original_ + ' ';
    copy.blnCharacterEntitiesPossible = state_.blnCharacterEntitiesPossible;
    copy.markers.intNumCommentMarkers = state_.markers.intNumCommentMarkers;
    detail::PreprocessLine(copy, rules_);
    if (copy.strLine.size() == state_.strLine.size()) {
        shown_ = std::move(copy.strLine);
    } else {
        shown_ = state_.strLine;
    }
    return shown_;
}

std::string ContextCapture::Text(std::string_view bytes) const {
    return utf8_ ? std::string(bytes) : Utf8FromCp1252(bytes);
}

namespace {

// What a context sorts by, ASCII letters in lower case: the right context
// as it is; the left one word by word from the keyword outwards, each word
// read forwards (words end at a \x01, which sorts before every character).
std::string SortKey(const WordContext& context, ContextOrder order) {
    std::string key;
    if (order == ContextOrder::Right) {
        key = context.right;
    } else {
        std::string_view left = context.left;
        while (!left.empty()) {
            const size_t end = left.find_last_not_of(' ');
            if (end == std::string_view::npos) break;
            const size_t space = left.rfind(' ', end);
            const size_t begin = space == std::string_view::npos ? 0 : space + 1;
            key.append(left.substr(begin, end + 1 - begin)).push_back('\x01');
            left = left.substr(0, begin);
        }
    }
    for (char& c : key) c = LowerAscii(c);
    return key;
}

}  // namespace

void SortContexts(std::vector<WordContext>& contexts, ContextOrder order) {
    if (order == ContextOrder::Text) {
        std::sort(contexts.begin(), contexts.end(),
                  [](const WordContext& a, const WordContext& b) { return a.sequence < b.sequence; });
        return;
    }
    // Keys made once, not at every comparison: a common word has many
    // thousands of contexts.
    std::vector<std::pair<std::string, size_t>> keys;
    keys.reserve(contexts.size());
    for (size_t i = 0; i < contexts.size(); ++i) keys.emplace_back(SortKey(contexts[i], order), i);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return contexts[a.second].sequence < contexts[b.second].sequence;
    });
    std::vector<WordContext> sorted;
    sorted.reserve(contexts.size());
    for (const auto& key : keys) sorted.push_back(std::move(contexts[key.second]));
    contexts = std::move(sorted);
}

std::string ContextsText(const std::vector<WordContext>& contexts) {
    std::string out = "Line\tLeft\tWord\tRight\n";
    for (const WordContext& c : contexts) {
        out += std::to_string(c.line) + '\t' + TsvField(c.left) + '\t' + TsvField(c.word) + '\t' +
               TsvField(c.right) + '\n';
    }
    return out;
}

}  // namespace lexicount
