#pragma once

// The text of a docx document's "word/document.xml": the contents of its
// text elements ("<w:t>" with or without attributes), cut into pieces and
// joined into lines.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "input/extraction_hooks.h"

namespace lexicount {

struct XmlPieces {
    std::vector<std::string> pieces;  // Windows-1252 text, in document order
    std::int64_t size = 0;            // total length of all pieces
    bool stopped = false;             // the user stopped the cutting
};

// Cuts the text elements out of the XML. A piece is followed by one space
// when a line break, a tab, or a paragraph's end or start comes before the
// next text element; a piece of nothing but spaces is one space; entities,
// character references and UTF-8 are folded into Windows-1252. Of alternate
// content only the mc:Choice branch is read, never mc:Fallback.
XmlPieces ExtractDelimitedSubstringsXML(std::string_view xml);
XmlPieces ExtractDelimitedSubstringsXML(std::string_view xml, ExtractionHooks& hooks, Dialogs& dialogs);

// A piece that ends with "." (trailing spaces aside) ends its line with
// CR LF; any other piece is continued by the next one.
void AppendPieceToLines(std::string& text, std::string_view piece);
std::string JoinPiecesIntoLines(const std::vector<std::string>& pieces);

// Cutting and joining in one pass, without keeping the pieces; the text is
// bounded by maxText (DocumentText::tooLarge).
DocumentText DocxTextFromXml(std::string_view xml, ExtractionHooks& hooks, Dialogs& dialogs,
                             std::uint64_t maxText = DocumentLimits{}.max,
                             DocumentEncoding encoding = DocumentEncoding::Cp1252);

}  // namespace lexicount
