#pragma once

// The language a document declares in its first lines: the lang attribute
// of HTML and XML, or a meta element's content attribute.

#include <string>
#include <string_view>

namespace lexicount {

// The two-letter code declared in the first 10 non-empty lines, lower-cased.
// A code that is too short, or that is not one of the "_"-separated codes of
// allowedList, gives defaultCode; an empty allowedList admits any code.
std::string GetDocumentLanguage(const std::string& strPath, std::string_view allowedList,
                                std::string_view defaultCode);

}  // namespace lexicount
