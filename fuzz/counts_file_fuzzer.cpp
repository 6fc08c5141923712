// The counts file reader over arbitrary bytes, and a merge of whatever it
// read: counts merged into a table and saved, as a count saves them (under
// the header of its own settings), must read back as that table and header.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "base/settings_record.h"
#include "fuzz_support.h"
#include "output/counts_file.h"
#include "words/word_lists.h"
#include "words/word_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    static const fuzz::ScratchFile input("counts.txt");
    static const fuzz::ScratchFile saved("saved.txt");
    input.Write(std::string_view(reinterpret_cast<const char*>(bytes), size));
    CountsFile counts;
    if (!ReadCountsFile(input.path(), counts).empty()) return 0;
    SettingsRecord settings;
    settings.chkUnicodeWords = counts.utf8 ? 1 : 0;
    settings.chkIgnoreCommonWords = 1;
    const CountsFile header = CountsHeader(settings, CommonWords({"and", "the"}));
    (void)CountsMismatch(counts, header);

    WordTable table(1);
    if (counts.utf8) table.HoldUtf8Words();
    std::int64_t sum = 0;
    for (const auto& [word, frequency] : counts.words) {
        table.AddWordCount(word, frequency);
        sum += frequency;
    }
    // The reader promises what a merge relies on.
    if (sum > counts.instances) __builtin_trap();

    saved.Write(CountsText(header, table, counts.instances, counts.outsideCp1252));
    CountsFile again;
    if (!ReadCountsFile(saved.path(), again).empty() || !CountsMismatch(again, header).empty())
        __builtin_trap();
    if (again.utf8 != counts.utf8 || again.settings != header.settings ||
        again.instances != counts.instances || again.outsideCp1252 != counts.outsideCp1252) {
        __builtin_trap();
    }
    std::map<std::string, std::int64_t> merged;
    for (const WordRecord& record : table.Records()) {
        if (!record.Word.empty()) merged[record.Word] = record.Frequency;
    }
    std::map<std::string, std::int64_t> reread;
    for (const auto& [word, frequency] : again.words) reread[word] += frequency;
    if (merged != reread || again.words.size() != merged.size()) __builtin_trap();
    return 0;
}
