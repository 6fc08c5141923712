#pragma once

// The state of the line scanner that lives from line to line, and the
// comment-marker table that decides what is skipped.

#include <array>
#include <string>

#include "words/byte_masks.h"
#include "words/chars.h"

namespace lexicount {

struct CommentMarkers {
    std::array<std::string, 10> strStartCommentMarker;
    std::array<std::string, 10> strEndCommentMarker;  // "" = to the end of the line
    int intNumCommentMarkers = 0;
    // First characters (both cases) of the start markers in force: a quick
    // test before the table is searched at every position.
    ByteMaskSet startChars;
};

struct ScanState {
    std::string strLine;  // the line being scanned, with one space appended
    long lngLP = 1;       // 1-based position in strLine
    int intWithinComment = -1;
    bool blnCommentsPossible = false;
    bool blnCharacterEntitiesPossible = false;
    CommentMarkers markers;
    LineMasks masks;  // where words may begin and what they are made of
};

}  // namespace lexicount
