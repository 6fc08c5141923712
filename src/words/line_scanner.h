#pragma once

// The line scanner: turns one line into words, skipping comments, markup
// and entities, and hands each word on.

#include <algorithm>
#include <limits>
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
    // Yield is called every stepsPerYield steps of the walk; the count
    // runs on from line to line.
    int stepsPerYield = 1;
    int stepsUntilYield = 1;
};

// Cuts the word at lngLP, advances lngLP past it, and returns the word
// normalised, possibly "". The view points into state.strLine.
std::string_view TakeWord(ScanState& state, const WordRules& rules);

// Scans state.strLine, which must end with the one appended space.
void ScanLine(ScanState& state, const WordRules& rules, ScanHost& host);

namespace detail {

// One step of the walk: a yield when its turn has come.
inline void Step(ScanHost& host) {
    if (host.yields && --host.stepsUntilYield <= 0) {
        host.stepsUntilYield = host.stepsPerYield;
        host.Yield();
    }
}

// The steps of the walk, shared by every kind of host.
void PreprocessLine(ScanState& state, const WordRules& rules);
// Skips the comments that begin at lngLP; false when the line is used up.
bool SkipComments(ScanState& state, ScanHost& host);
// First position after lngLP that is not a space, or 0.
long NextNonSpace(const std::string& line, long lngLP);

inline constexpr size_t kMaxWordChars = 65000;

// The word cut from line[begin, end): trailing characters that may not end
// a word stripped (unless the line holds none in a word: mayStrip false),
// then normalised; possibly "".
inline std::string_view FinishWord(std::string_view line, size_t begin, size_t end, const WordRules& rules,
                                   bool mayStrip = true) {
    while (mayStrip && end > begin && rules.trailingStrip.Has(line[end - 1])) --end;
    return NormaliseWord(line.substr(begin, end - begin), rules);
}

// The walk over a line where no comment can begin or go on: words are
// found in the line's byte masks. A word begins at the first character that
// may begin one and runs over every word character after it, as the
// step-by-step walk finds it. False, with nothing done, when the line needs
// that walk.
template <typename Host>
bool WalkWithoutComments(ScanState& state, const WordRules& rules, Host& host) {
    const std::string& line = state.strLine;
    const bool markerChars =
        state.masks.Build(line, rules.wordStartBytes, rules.wordCharBytes, state.markers.startChars);
    if (state.blnCommentsPossible && (markerChars || state.intWithinComment >= 0)) return false;
    // The appended space ends the walk: nothing begins at it.
    const size_t last = line.size() - 1;
    // Most lines hold no word byte that may not end a word: their words
    // end where the masks say.
    const bool mayStrip = state.masks.AnyInSecondOnly();
    size_t pos = 0;
    // Step's count, kept in a register for the line: one word is one step.
    int untilYield = host.yields ? host.stepsUntilYield : std::numeric_limits<int>::max();
    while (true) {
        const size_t begin = state.masks.NextInFirst(pos);
        if (begin >= last) break;
        const size_t end =
            state.masks.NextOutOfSecond(begin + 1, std::min(begin + kMaxWordChars, line.size()));
        pos = end;
        state.lngLP = static_cast<long>(end) + 1;
        if (--untilYield <= 0) {
            untilYield = host.stepsPerYield;
            if (host.yields) host.Yield();
        }
        const std::string_view word = FinishWord(line, begin, end, rules, mayStrip);
        if (!word.empty()) host.TakeWordFound(word);
        if (host.StopRequested()) {
            if (host.yields) host.stepsUntilYield = untilYield;
            return true;
        }
    }
    if (host.yields) host.stepsUntilYield = untilYield;
    state.lngLP = static_cast<long>(line.size());
    return true;
}

// The walk over a line where comments may begin or go on: step by step.
// Kept out of the walk over the masks, whose loop it would crowd.
template <typename Host>
__attribute__((noinline)) void WalkStepByStep(ScanState& state, const WordRules& rules, Host& host) {
    const std::string& line = state.strLine;
    const auto length = static_cast<long>(line.size());
    while (state.lngLP < length) {
        detail::Step(host);
        const char c = line[static_cast<size_t>(state.lngLP - 1)];
        if (state.blnCommentsPossible && (state.intWithinComment >= 0 || state.markers.startChars.Has(c)) &&
            !detail::SkipComments(state, host)) {
            return;
        }
        if (rules.wordStart.Has(line[static_cast<size_t>(state.lngLP - 1)])) {
            const std::string_view word = TakeWord(state, rules);
            if (!word.empty()) host.TakeWordFound(word);
            detail::Step(host);
            if (host.StopRequested()) return;
            continue;
        }
        state.lngLP = detail::NextNonSpace(line, state.lngLP);
        if (state.lngLP == 0) return;
    }
}

}  // namespace detail

// ScanLine for a host whose type is known, so that the calls for every word
// can be inlined.
template <typename Host>
void ScanLineWith(ScanState& state, const WordRules& rules, Host& host) {
    detail::PreprocessLine(state, rules);
    state.lngLP = 1;
    if (state.strLine.empty() || detail::WalkWithoutComments(state, rules, host)) return;
    detail::WalkStepByStep(state, rules, host);
}

}  // namespace lexicount
