#pragma once

// Comments, markup tags and character entities: which constructs are
// skipped, chosen by the input's extension, and how entities are decoded.

#include <string>
#include <string_view>

#include "words/scan_state.h"

namespace lexicount {

// Fills the table with the style "C", "XML", "HTML" or "PHP"; higher
// entries keep their old contents. Any other name does nothing.
void SetCommentMarkerStyle(CommentMarkers& markers, std::string_view style);

// Chooses the style for a lower-cased extension (without the dot) and sets
// whether character entities are decoded.
void SetCommentMarkersForFile(ScanState& state, std::string_view extension);

// Clipboard text never has comments.
void ClearCommentMarkers(CommentMarkers& markers);

// Index of the pair whose start marker begins at lngLP, or -1.
int FindCommentStart(const ScanState& state);

// Moves lngLP past the open construct; leaves it open when its end is not
// on this line.
void SkipComment(ScanState& state);

// Position of the first ";" when text (starting at an "&") is a plausible
// entity, 1 for a numeric one, 0 otherwise.
long IsCharacterEntity(std::string_view text);

std::string DecodeNamedEntities(std::string_view line);
// utf8: the line is UTF-8 and so is each decoded character.
void DecodeNamedEntitiesInPlace(std::string& line, bool utf8 = false);

// "--" becomes two spaces, except in the first two positions of the line
// and as part of "<!--" or "-->".
std::string ReplaceDoubleHyphens(std::string_view line);
void ReplaceDoubleHyphensInPlace(std::string& line);

// The entity table, Windows-1252 bytes: each name followed by its character.
extern const std::string_view kEntityTable;

}  // namespace lexicount
