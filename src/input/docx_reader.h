#pragma once

// Taking the text out of a docx or odt document: the XML member is read
// from the container in memory, with the size checks and the user's say on
// damaged and on large documents, and then turned into lines of text.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/dialogs.h"
#include "input/extraction_hooks.h"

namespace lexicount {

enum class DocumentKind { Docx, Odt };

// "word/document.xml" or "content.xml".
std::string_view XmlMemberName(DocumentKind kind);

// The questions asked about a document, for views that answer them alone.
inline constexpr std::string_view kBigFileTitle = "Big file";
inline constexpr std::string_view kScanAnywayQuestion = "Do you wish to scan this file anyway?";

// Negative results of ExtractXMLFileFromDocXFile.
constexpr long kDeclinedAfterFailure = -2;  // the user would not scan a damaged document
constexpr long kExtractionFailed = -3;      // damaged, and the caller did not want a question
constexpr long kMemberTooLarge = -4;        // claimed or inflated beyond the maximum
constexpr long kDeclinedLarge = -5;         // the user would not scan a large document

struct ExtractedXml {
    long result = 0;  // the member's size (>= 0) or one of the codes above
    std::string xml;  // the member's bytes when result >= 0
};

// Reads the document's XML member. A container or member that cannot be
// read (not a zip, missing member, encryption, truncation, checksum or
// inflate error) gives kExtractionFailed, or with askOnFailure asks
// "Invalid checksum found when processing" whether to scan anyway: Yes goes
// on with what could be read (possibly nothing), No gives
// kDeclinedAfterFailure. With askIfLarge a member above limits.large asks
// "Big file" first. Nothing is written to disk.
ExtractedXml ExtractXMLFileFromDocXFile(const std::filesystem::path& docPath, DocumentKind kind,
                                        bool askOnFailure, bool askIfLarge, Dialogs& dialogs,
                                        const DocumentLimits& limits = {});

// The text the file scan reads from the member's XML. The text is bounded
// by limits.max like the member: past it the extraction gives up
// (DocumentText::tooLarge), since a few bytes of markup can stand for
// thousands of spaces.
DocumentText GetLineFromXMLFile(std::string_view xml, DocumentKind kind, ExtractionHooks& hooks,
                                Dialogs& dialogs, const DocumentLimits& limits = {},
                                DocumentEncoding encoding = DocumentEncoding::Cp1252);
DocumentText GetLineFromXMLFile(std::string_view xml, DocumentKind kind);

// The document limits applied to the extracted text: kMemberTooLarge when
// the text passed limits.max; with askIfLarge, kDeclinedLarge when the user
// would not scan a text above limits.large ("Big file", asked only when the
// member was not above it already, so a document is asked about once).
// Otherwise 0.
long CheckDocumentText(const std::filesystem::path& docPath, std::uint64_t memberSize,
                       const DocumentText& text, bool askIfLarge, Dialogs& dialogs,
                       const DocumentLimits& limits = {});

// The message for a document that was refused or could not be read, for
// callers that do not ask (kExtractionFailed, kMemberTooLarge; the latter is
// the text of the file scan's "File too big" box). Empty for other results.
std::string ExtractionFailureText(long result, const std::filesystem::path& docPath);

}  // namespace lexicount
