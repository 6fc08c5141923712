#pragma once

// The line scanner: turns one line into words, skipping comments, markup
// and entities, and hands each word on.

#include <string>
#include <string_view>

#include "words/scan_state.h"
#include "words/word_rules.h"

namespace lexicount {

// What the scanner talks to while it walks a line.
class ScanHost {
public:
    virtual ~ScanHost() = default;
    // One word cut and normalised (never empty).
    virtual void TakeWordFound(std::string_view word) = 0;
    // Lets the user interface run; called between words when yields are on.
    virtual void Yield() {}
    // True when the user asked to stop; checked after every word.
    virtual bool StopRequested() const { return false; }
    // Whether Yield is called at all (false before start-up is complete and
    // for the command-line tool), so the scan pays nothing for it.
    bool yields = false;
};

// Cuts the word at lngLP, advances lngLP past it, and returns the word
// normalised, possibly "". The view points into state.strLine.
std::string_view TakeWord(ScanState& state, const WordRules& rules);

// Scans state.strLine, which must end with the one appended space.
void ScanLine(ScanState& state, const WordRules& rules, ScanHost& host);

namespace detail {

// The steps of the walk, shared by every kind of host.
void PreprocessLine(ScanState& state, const WordRules& rules);
// Skips the comments that begin at lngLP; false when the line is used up.
bool SkipComments(ScanState& state, ScanHost& host);
// First position after lngLP that is not a space, or 0.
long NextNonSpace(const std::string& line, long lngLP);

}  // namespace detail

// ScanLine for a host whose type is known, so that the calls for every word
// can be inlined.
template <typename Host>
void ScanLineWith(ScanState& state, const WordRules& rules, Host& host) {
    detail::PreprocessLine(state, rules);
    state.lngLP = 1;
    const std::string& line = state.strLine;
    const auto length = static_cast<long>(line.size());
    while (state.lngLP < length) {
        if (host.yields) host.Yield();
        const char c = line[static_cast<size_t>(state.lngLP - 1)];
        if (state.blnCommentsPossible && (state.intWithinComment >= 0 || state.markers.startChars.Has(c)) &&
            !detail::SkipComments(state, host)) {
            return;
        }
        if (rules.wordStart.Has(line[static_cast<size_t>(state.lngLP - 1)])) {
            const std::string_view word = TakeWord(state, rules);
            if (!word.empty()) host.TakeWordFound(word);
            if (host.yields) host.Yield();
            if (host.StopRequested()) return;
            continue;
        }
        state.lngLP = detail::NextNonSpace(line, state.lngLP);
        if (state.lngLP == 0) return;
    }
}

}  // namespace lexicount
