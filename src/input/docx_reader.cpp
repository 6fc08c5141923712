#include "input/docx_reader.h"

#include "input/docx_text.h"
#include "input/odt_text.h"
#include "input/zip_member.h"

namespace lexicount {
namespace {

constexpr const char* kProgramName = "Lexicount";

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string FailureLead(const std::filesystem::path& docPath) {
    return "Invalid checksum found when processing\r\n" + PathText(docPath);
}

// Damaged container or member: go on (true) or not.
bool ScanAnyway(const std::filesystem::path& docPath, Dialogs& dialogs) {
    MessageBox box;
    box.title = kProgramName;
    box.text = FailureLead(docPath) + "\r\n\r\n" + std::string(kScanAnywayQuestion);
    box.buttons = Buttons::YesNo;
    return dialogs.Show(box) == Answer::Yes;
}

bool ScanLargeFile(const std::filesystem::path& docPath, Dialogs& dialogs) {
    MessageBox box;
    box.title = std::string(kBigFileTitle);
    box.text =
        PathText(docPath) + "\r\nis rather large.  It may take awhile to scan.\r\nDo you wish to continue?";
    box.buttons = Buttons::YesNo;
    box.defaultButton = 1;
    if (dialogs.Show(box) == Answer::Yes) return true;
    MessageBox advice;
    advice.title = std::string(kBigFileTitle);
    advice.text = "You could try saving it as a text file\r\nand applying this program to that file.";
    dialogs.Show(advice);
    return false;
}

ExtractedXml Failed(long result) {
    return ExtractedXml{result, {}};
}

}  // namespace

std::string_view XmlMemberName(DocumentKind kind) {
    return kind == DocumentKind::Odt ? "content.xml" : "word/document.xml";
}

ExtractedXml ExtractXMLFileFromDocXFile(const std::filesystem::path& docPath, DocumentKind kind,
                                        bool askOnFailure, bool askIfLarge, Dialogs& dialogs,
                                        const DocumentLimits& limits) {
    const auto failure = [&]() -> long {
        if (!askOnFailure) return kExtractionFailed;
        return ScanAnyway(docPath, dialogs) ? 0 : kDeclinedAfterFailure;
    };
    bool askedLarge = false;
    const auto declinesLarge = [&](std::uint64_t size) {
        if (!askIfLarge || askedLarge || size <= limits.large) return false;
        askedLarge = true;
        return !ScanLargeFile(docPath, dialogs);
    };

    ZipMemberReader reader(docPath, XmlMemberName(kind));
    if (!reader.Found()) return Failed(failure());
    // Judged on the directory first, so a refused member is never inflated.
    if (reader.ClaimedSize() > limits.max) return Failed(kMemberTooLarge);
    if (declinesLarge(reader.ClaimedSize())) return Failed(kDeclinedLarge);

    ZipMemberRead read = reader.Read(limits.max);
    if (read.status == ZipReadStatus::TooLarge) return Failed(kMemberTooLarge);
    if (read.status == ZipReadStatus::Damaged) {
        const long answer = failure();
        if (answer < 0) return Failed(answer);
    }
    // A directory that understated the size is asked about now.
    if (declinesLarge(read.bytes.size())) return Failed(kDeclinedLarge);
    const long size = static_cast<long>(read.bytes.size());
    return ExtractedXml{size, std::move(read.bytes)};
}

DocumentText GetLineFromXMLFile(std::string_view xml, DocumentKind kind, ExtractionHooks& hooks,
                                Dialogs& dialogs, const DocumentLimits& limits, DocumentEncoding encoding) {
    if (kind == DocumentKind::Odt) return OdtTextFromXml(xml, hooks, dialogs, limits.max, encoding);
    return DocxTextFromXml(xml, hooks, dialogs, limits.max, encoding);
}

DocumentText GetLineFromXMLFile(std::string_view xml, DocumentKind kind) {
    ExtractionHooks hooks;
    DefaultAnswers dialogs;
    return GetLineFromXMLFile(xml, kind, hooks, dialogs);
}

long CheckDocumentText(const std::filesystem::path& docPath, std::uint64_t memberSize,
                       const DocumentText& text, bool askIfLarge, Dialogs& dialogs,
                       const DocumentLimits& limits) {
    if (text.tooLarge || text.text.size() > limits.max) return kMemberTooLarge;
    const bool askedAlready = memberSize > limits.large;
    if (askIfLarge && !askedAlready && text.text.size() > limits.large && !ScanLargeFile(docPath, dialogs)) {
        return kDeclinedLarge;
    }
    return 0;
}

std::string ExtractionFailureText(long result, const std::filesystem::path& docPath) {
    if (result == kExtractionFailed) return FailureLead(docPath);
    if (result == kMemberTooLarge) {
        return PathText(docPath) +
               "\r\nis too large to be scanned directly.\r\n\r\nRecommend saving it as a text file "
               "and\r\napplying this program to that file.";
    }
    return "";
}

}  // namespace lexicount
