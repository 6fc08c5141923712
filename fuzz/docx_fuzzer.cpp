// Document extraction: the container reader over arbitrary bytes, over
// valid containers built around arbitrary XML, and over valid containers
// with bytes of their headers and data overwritten; the text of the XML
// member for docx and odt, with the limits that bound that text.
//
// The first byte chooses the mode, the kind of document and the answers:
//   mode 0  the rest is the container itself;
//   mode 1  the rest is the XML member, packed into a valid container;
//   mode 2  as mode 1, then the container is patched at fuzz-chosen offsets.

#include <fuzzer/FuzzedDataProvider.h>
#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "fuzz_support.h"
#include "input/docx_reader.h"
#include "input/docx_text.h"
#include "input/odt_text.h"

namespace {

using lexicount::Answer;
using lexicount::DocumentKind;

// Answers every question the same way, so both the Yes and the No paths of
// the damaged-document and large-document questions are taken.
class FixedAnswers : public lexicount::Dialogs {
public:
    explicit FixedAnswers(Answer answer) : answer_(answer) {}
    Answer Show(const lexicount::MessageBox&) override { return answer_; }

private:
    Answer answer_;
};

// A valid container holding the XML under the member's name (and a second
// member, so the lookup has something to pass over).
std::string PackContainer(std::string_view memberName, std::string_view xml, bool stored) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (buffer == nullptr) std::abort();
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (archive == nullptr) std::abort();
    static const std::string kMimeType = "application/vnd.oasis.opendocument.text";
    zip_file_add(archive, "mimetype", zip_source_buffer(archive, kMimeType.data(), kMimeType.size(), 0), 0);
    const zip_int64_t index = zip_file_add(archive, std::string(memberName).c_str(),
                                           zip_source_buffer(archive, xml.data(), xml.size(), 0), 0);
    if (index < 0) std::abort();
    zip_set_file_compression(archive, index, stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 9);
    if (zip_close(archive) < 0) std::abort();
    std::string bytes;
    zip_stat_t stat;
    if (zip_source_open(buffer) == 0 && zip_source_stat(buffer, &stat) == 0) {
        bytes.resize(stat.size);
        if (zip_source_read(buffer, bytes.data(), bytes.size()) != static_cast<zip_int64_t>(bytes.size())) {
            std::abort();
        }
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    static const fuzz::ScratchFile file("document.docx");
    FuzzedDataProvider data(bytes, size);
    const uint8_t selector = data.ConsumeIntegral<uint8_t>();
    const int mode = selector % 3;
    const DocumentKind kind = (selector & 4) ? DocumentKind::Odt : DocumentKind::Docx;
    FixedAnswers dialogs((selector & 8) ? Answer::Yes : Answer::No);
    // Small limits, so both the question and the refusal are reached
    // without megabytes of input.
    const DocumentLimits limits{4096, 65536};

    std::string container;
    if (mode == 0) {
        container = data.ConsumeRemainingBytesAsString();
    } else {
        const bool stored = data.ConsumeBool();
        std::vector<std::pair<size_t, uint8_t>> patches;
        if (mode == 2) {
            const int count = data.ConsumeIntegralInRange(1, 8);
            for (int i = 0; i < count; ++i) {
                patches.emplace_back(data.ConsumeIntegral<uint16_t>(), data.ConsumeIntegral<uint8_t>());
            }
        }
        const std::string xml = data.ConsumeRemainingBytesAsString();
        // The XML readers on their own, over the arbitrary text.
        (void)ExtractDelimitedSubstringsXML(xml);
        (void)OdtTextFromXml(xml);
        container = PackContainer(XmlMemberName(kind), xml, stored);
        for (const auto& [at, value] : patches) {
            if (!container.empty()) container[at % container.size()] = static_cast<char>(value);
        }
    }
    file.Write(container);
    const ExtractedXml member =
        ExtractXMLFileFromDocXFile(file.path(), kind, selector & 16, selector & 32, dialogs, limits);
    if (member.result >= 0) {
        if (member.xml.size() > limits.max) __builtin_trap();  // the limit holds whatever the directory says
        ExtractionHooks hooks;
        const DocumentText text = GetLineFromXMLFile(member.xml, kind, hooks, dialogs, limits);
        // The text is bounded like the member, however much one tag repeats.
        if (text.text.size() > limits.max) __builtin_trap();
        (void)CheckDocumentText(file.path(), member.xml.size(), text, selector & 32, dialogs, limits);
    } else {
        (void)ExtractionFailureText(member.result, file.path());
    }
    return 0;
}
