#pragma once

// The text of an odt document's "content.xml". Paragraphs and headings
// become lines; "text:s" gives its number of spaces, tabs and line breaks a
// space each; the text of notes and annotations is read like any other
// paragraph (a note inside a paragraph becomes a line of its own, before the
// rest of that paragraph). Other tags are dropped, and so is character data
// outside paragraphs. Entities, character references and UTF-8 are folded
// as in docx text. The text, counting the paragraphs still open, is bounded
// by maxText (DocumentText::tooLarge).

#include <cstdint>
#include <string_view>

#include "base/dialogs.h"
#include "input/extraction_hooks.h"

namespace lexicount {

DocumentText OdtTextFromXml(std::string_view xml);
DocumentText OdtTextFromXml(std::string_view xml, ExtractionHooks& hooks, Dialogs& dialogs,
                            std::uint64_t maxText = DocumentLimits{}.max,
                            DocumentEncoding encoding = DocumentEncoding::Cp1252);

}  // namespace lexicount
