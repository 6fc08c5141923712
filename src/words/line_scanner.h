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

}  // namespace lexicount
