#pragma once

// The font of the result box and of the other boxes whose text is read in
// columns. Ranks, frequencies and words line up only when every character
// has the same width; some desktops' monospace fonts have that for the
// characters that matter but are not reported as fixed pitch, so the choice
// is made on the widths themselves.

#include <QFont>

namespace lexicount {

// Digits, the space, "i" and "W" all have the same advance width.
bool LinesUpColumns(const QFont& font);

// preferred when it lines up columns; otherwise the first of the system's
// fonts that does (fixed-pitch families first), at preferred's size;
// preferred itself when no font does.
QFont ColumnFont(const QFont& preferred);

// ColumnFont of the system's fixed-pitch font.
QFont FixedPitchFont();

}  // namespace lexicount
