// A text counted in pieces on several threads against one scan of it, over
// arbitrary bytes, settings, comment styles and cuts: the two must list the
// same words with the same counts and totals, as a file and as a document's
// text.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/settings_record.h"
#include "fuzz_support.h"
#include "input/file_lines.h"
#include "output/export.h"
#include "run/piece_count.h"
#include "run/text_count.h"
#include "words/word_lists.h"

namespace lexicount {
namespace {

constexpr std::array<std::string_view, 6> kExtensions = {"txt", "c", "xml", "htm", "php", "xhtml"};

// What a count lists, in every column, with its totals.
std::string Listing(TextCount& count) {
    count.SortTable();
    count.RunPasses();
    return DelimitedText(count.ListedRows(0), ExportFormat::Tsv) + "\n" +
           std::to_string(count.lngTotalNumOccurrences()) + " " +
           std::to_string(count.LettersOutsideCp1252()) + " " + std::to_string(count.LinesRead());
}

}  // namespace
}  // namespace lexicount

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    static const fuzz::ScratchFile input("text.txt");
    FuzzedDataProvider data(bytes, size);
    SettingsRecord settings;
    fuzz::FillSettings(data, settings);
    const std::string extension(kExtensions[data.ConsumeIntegralInRange<size_t>(0, kExtensions.size() - 1)]);
    const int workers = data.ConsumeIntegralInRange(1, 3);
    const auto smallestPiece = data.ConsumeIntegralInRange<std::int64_t>(1, 256);
    const int piecesPerWorker = data.ConsumeIntegralInRange(1, 4);
    const bool isDocument = data.ConsumeBool();
    const std::string text = data.ConsumeRemainingBytesAsString();

    const std::string allowed = BuildAllowedExtraChars(settings);
    const WordsToIgnore wordsToIgnore("");
    const CommonWords commonWords({"and", "the"});
    const auto newCount = [&] {
        return std::make_unique<TextCount>(settings, allowed, wordsToIgnore, commonWords);
    };
    const auto begun = [&] {
        auto count = newCount();
        count->BeginFile(extension, 1, IsOn(settings.chkUTF8));
        return count;
    };

    const std::string path = input.Write(text).string();
    auto whole = begun();
    if (isDocument) {
        whole->CountText(text, true);
    } else {
        LineSplitter splitter([&whole](std::string& line) { return whole->CountFileLine(line, false); });
        if (SplitFile(path, splitter)) __builtin_trap();
    }

    auto inPieces = begun();
    PieceCount pieces(workers, newCount, smallestPiece, piecesPerWorker);
    if (isDocument) {
        pieces.CountText(text, true, *inPieces);
    } else if (pieces.CountFile(path, *inPieces)) {
        __builtin_trap();
    }
    if (Listing(*whole) != Listing(*inPieces)) __builtin_trap();
    return 0;
}
