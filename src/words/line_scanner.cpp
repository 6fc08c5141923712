#include "words/line_scanner.h"

#include <algorithm>

#include "base/settings_record.h"
#include "words/chars.h"
#include "words/markup.h"
#include "words/unicode_text.h"

namespace lexicount {
namespace {}  // namespace

namespace detail {

// Once a line: kept out of the word loop it comes before.
__attribute__((noinline)) void PreprocessLine(ScanState& state, const WordRules& rules) {
    NormaliseLineSpacingInPlace(state.strLine, false, rules.utf8);
    if (rules.blnReadingWords) {
        state.blnCommentsPossible = true;
        return;
    }
    state.blnCommentsPossible = state.markers.intNumCommentMarkers > 0;
    ReplaceDoubleHyphensInPlace(state.strLine);
    if (state.blnCharacterEntitiesPossible) {
        if (rules.utf8) DecodeNumericEntitiesInPlace(state.strLine);
        DecodeNamedEntitiesInPlace(state.strLine, rules.utf8);
    }
}

bool SkipComments(ScanState& state, ScanHost& host) {
    if (state.intWithinComment == -1) state.intWithinComment = FindCommentStart(state);
    while (state.intWithinComment >= 0) {
        SkipComment(state);
        const auto len = static_cast<long>(state.strLine.size());
        if (state.lngLP > len) return false;
        if (len > 0 && state.lngLP == len && state.strLine.back() == ' ') {
            state.intWithinComment = -1;
            return false;
        }
        state.intWithinComment = FindCommentStart(state);
        Step(host);
    }
    return true;
}

long NextNonSpace(const std::string& line, long lngLP) {
    for (size_t i = static_cast<size_t>(lngLP); i < line.size(); ++i) {
        if (line[i] != ' ') return static_cast<long>(i) + 1;
    }
    return 0;
}

}  // namespace detail

std::string_view TakeWord(ScanState& state, const WordRules& rules) {
    const std::string& line = state.strLine;
    const size_t begin = static_cast<size_t>(state.lngLP - 1);
    size_t end = begin;
    const size_t limit = std::min(line.size(), begin + detail::kMaxWordChars);
    while (end < limit && rules.wordChars.Has(line[end])) ++end;
    if (end == begin) return {};
    state.lngLP += static_cast<long>(end - begin);
    return detail::FinishWord(line, begin, end, rules);
}

void ScanLine(ScanState& state, const WordRules& rules, ScanHost& host) {
    ScanLineWith(state, rules, host);
}

}  // namespace lexicount
