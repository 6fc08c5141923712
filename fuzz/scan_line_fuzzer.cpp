// The whole count of a text over arbitrary bytes under arbitrary settings
// and comment-marker styles: line splitting, UTF-8 folding, entities,
// double hyphens, the scanner, the word table, the passes and the listing.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/settings_record.h"
#include "fuzz_support.h"
#include "input/line_splitter.h"
#include "output/output_file.h"
#include "output/text_box_listing.h"
#include "run/text_count.h"
#include "settings/words_to_ignore.h"
#include "words/line_scanner.h"
#include "words/markup.h"
#include "words/utf8_fold.h"
#include "words/word_lists.h"

namespace lexicount {
namespace {

constexpr std::array<std::string_view, 7> kExtensions = {"txt", "c", "xml", "htm", "html", "php", "xhtml"};
constexpr std::array<std::string_view, 5> kStyles = {"C", "XML", "HTML", "PHP", "none"};

// A host that keeps the words, and stops when told to, as the window does.
class StoppingHost : public ScanHost {
public:
    explicit StoppingHost(size_t stopAfter) : stopAfter_(stopAfter) { yields = true; }
    void TakeWordFound(std::string_view word) override {
        if (word.empty()) __builtin_trap();  // the scanner promises never to hand on ""
        ++count_;
    }
    bool StopRequested() const override { return stopAfter_ != 0 && count_ >= stopAfter_; }

private:
    size_t stopAfter_;
    size_t count_ = 0;
};

// The virtual scanner over each line with a table of styles applied one
// after the other (the higher entries of an earlier style stay).
struct DirectScan {
    ScanState state;
    size_t stopAfter = 0;
};

DirectScan ConsumeDirectScan(FuzzedDataProvider& data) {
    DirectScan scan;
    const int styles = data.ConsumeIntegralInRange(0, 2);
    for (int i = 0; i < styles; ++i) {
        SetCommentMarkerStyle(scan.state.markers,
                              kStyles[data.ConsumeIntegralInRange<size_t>(0, kStyles.size() - 1)]);
    }
    scan.state.blnCommentsPossible = scan.state.markers.intNumCommentMarkers > 0;
    scan.state.blnCharacterEntitiesPossible = data.ConsumeBool();
    scan.stopAfter = data.ConsumeIntegralInRange<size_t>(0, 50);
    return scan;
}

void ScanDirectly(DirectScan& scan, const WordRules& rules, const std::vector<std::string>& lines) {
    ScanState& state = scan.state;
    StoppingHost host(scan.stopAfter);
    for (const std::string& line : lines) {
        state.strLine = line + " ";
        ScanLine(state, rules, host);
    }
}

}  // namespace
}  // namespace lexicount

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    FuzzedDataProvider data(bytes, size);
    SettingsRecord settings;
    fuzz::FillSettings(data, settings);
    settings.txbWordsToIgnore = data.ConsumeRandomLengthString(64);
    const std::string_view extension =
        kExtensions[data.ConsumeIntegralInRange<size_t>(0, kExtensions.size() - 1)];
    const size_t chunk = data.ConsumeIntegralInRange<size_t>(1, 4096);
    DirectScan direct = ConsumeDirectScan(data);
    const std::string text = data.ConsumeRemainingBytesAsString();

    // The folding routines on their own, on the raw bytes.
    (void)DecodeUtf8Latin(text);
    (void)DecodeUtf8Punctuation(text);
    (void)DecodeNamedEntities(text);
    (void)ReplaceDoubleHyphens(text);

    const std::string strWordsToIgnore = ApplyWordsToIgnore(settings);
    const std::string allowed = BuildAllowedExtraChars(settings);
    (void)CheckAllowedExtraCharsMessage(settings.txbWordsToIgnore, allowed);
    const WordsToIgnore wordsToIgnore(strWordsToIgnore);
    const CommonWords commonWords({"and", "the"});
    TextCount count(settings, allowed, wordsToIgnore, commonWords);
    count.BeginFile(extension);

    // The lines as the splitter cuts them, fed in blocks of the chosen size.
    std::vector<std::string> lines;
    LineSplitter splitter([&](std::string& line) {
        lines.push_back(line);
        return count.CountFileLine(line, false);
    });
    for (size_t at = 0; at < text.size(); at += chunk) {
        splitter.Feed(std::string_view(text).substr(at, chunk));
    }
    splitter.Finish();
    count.SortTable();
    count.RunPasses();

    StringTextBox box;
    ListingContext context(box);
    ShowListInTextBox(count.Table(), count.Statistics(), settings, 6, context);
    (void)ComposeOutputFile(count.Table(), count.Statistics(), settings, 6);

    ScanDirectly(direct, WordRules::ForCount(settings, allowed), lines);
    return 0;
}
