// The Unicode text model over arbitrary bytes under arbitrary settings:
// line decoding, numeric entities, the cutting of candidates, the filters,
// and the measures of words. Every word handed on must be non-empty, valid
// UTF-8 and in NFC, and the table-folded path must agree with ICU's.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "fuzz_support.h"
#include "words/cp1252.h"
#include "words/unicode_text.h"
#include "words/unicode_words.h"
#include "words/word_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    FuzzedDataProvider data(bytes, size);
    SettingsRecord settings;
    fuzz::FillSettings(data, settings);
    const bool utf8File = data.ConsumeBool();
    const std::string ignored = " " + data.ConsumeRandomLengthString(32) + " ";
    std::string text = data.ConsumeRemainingBytesAsString();

    DecodeNumericEntitiesInPlace(text);
    const std::string line = LineAsUtf8(text, utf8File);
    if (!IsValidUtf8(line)) __builtin_trap();
    (void)GraphemeCount(line);
    (void)DisplayWidth(line);
    (void)LettersOutsideCp1252(text);

    const CommonWords common({"and", "the"});
    UnicodeWords words(settings, BuildAllowedExtraChars(settings), WordsToIgnore(ignored), common);
    words.Cut(line, [&](std::string_view word) {
        if (word.empty() || !IsValidUtf8(word) || ToNfc(word) != word) __builtin_trap();
        (void)words.Admits(word);
    });

    // Where the table-folded path for simple letters applies, it gives what
    // the general cut and Admits give.
    if (const std::optional<std::string_view> simple = words.CutSimple(line)) {
        const std::string fast(*simple);
        const bool fastAdmitted = !fast.empty() && words.AdmitsSimple(fast);
        std::vector<std::string> general;
        bool admitted = false;
        words.Cut(line, [&](std::string_view word) {
            general.emplace_back(word);
            admitted = words.Admits(word);
        });
        const bool same = fast.empty()
                              ? general.empty()
                              : general.size() == 1 && general[0] == fast && admitted == fastAdmitted;
        if (!same) __builtin_trap();
    }
    return 0;
}
