// The text-file classification, the first-lines reader, the declared
// language and the common-words reader over arbitrary file contents.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/dialogs.h"
#include "fuzz_support.h"
#include "input/common_words_reader.h"
#include "input/document_language.h"
#include "input/file_lines.h"
#include "input/line_splitter.h"
#include "input/text_file_class.h"
#include "settings/languages.h"

namespace {

// The extension decides whether markup files get their first lines looked
// at, so both kinds are exercised, chosen by the input's first byte.
const lexicount::fuzz::ScratchFile& FileFor(uint8_t selector) {
    static const lexicount::fuzz::ScratchFile text("input.txt");
    static const lexicount::fuzz::ScratchFile markup("input.html");
    static const lexicount::fuzz::ScratchFile other("input.dat");
    switch (selector % 3) {
        case 0: return text;
        case 1: return markup;
        default: return other;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    if (size == 0) return 0;
    const fuzz::ScratchFile& file = FileFor(bytes[0]);
    const std::string path = file.Write(std::string_view(reinterpret_cast<const char*>(bytes) + 1, size - 1));

    DefaultAnswers dialogs;
    ClassifyState state;
    const Classification classification = ClassifyTextFile(path, bytes[0] & 4, state, dialogs);
    const TextScan scan = ScanTextFile(path, kScanBytes, 0, true);
    if (classification.intFileType != scan.intFileType) __builtin_trap();  // same file, same verdict
    (void)ClassificationMessage(path, scan);
    (void)ScanTextFile(path, kScanBytes, 1.0, bytes[0] & 8);
    (void)CheckFileHeader(path, true);
    (void)ReadFirstLines(path, 10);
    (void)GetDocumentLanguage(path, kLanguageCodes, kDefaultLanguageCode);

    size_t lines = 0;
    LineSplitter splitter([&](std::string&) { return ++lines < 100000; });
    (void)SplitFile(path, splitter);

    if (classification.ok) {
        ClassifyState readerState;
        (void)ReadCommonWordsFile(path, dialogs, readerState);
    }
    return 0;
}
