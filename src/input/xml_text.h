#pragma once

// Turning the character data of a document's XML into Windows-1252 text.

#include <string>

namespace lexicount {

// Replaces every "&amp;" by "&", then every "&lt;" by "<", then every
// "&gt;" by ">". The passes run one after the other over the whole text, so
// "&amp;lt;" ends as "<", as the docx text has always been read.
void ReplaceBasicXmlEntities(std::string& text);

// The references the basic three leave: "&quot;", "&apos;" and numeric
// ones ("&#233;", "&#xE9;"). A numeric reference becomes UTF-8 bytes for
// FoldUtf8Text to fold, except that control characters become a space so
// that they cannot break a line. Malformed references are left as written.
void ReplaceOtherXmlEntities(std::string& text);

// The UTF-8 repair of the text model: DecodeUtf8Latin, then
// DecodeUtf8Punctuation.
void FoldUtf8Text(std::string& text);

}  // namespace lexicount
