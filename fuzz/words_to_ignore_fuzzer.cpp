// The words-to-ignore normalisation and its character check over arbitrary
// text and arbitrary allowed characters.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/settings_record.h"
#include "fuzz_support.h"
#include "settings/words_to_ignore.h"
#include "words/word_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    FuzzedDataProvider data(bytes, size);
    SettingsRecord settings;
    fuzz::FillSettings(data, settings);
    const std::string arbitraryAllowed = data.ConsumeRandomLengthString(32);
    const std::string text = data.ConsumeRemainingBytesAsString();

    const std::string normalised = NormaliseWordsToIgnore(text);
    // Normalising is idempotent: the settings window applies it on every edit.
    if (NormaliseWordsToIgnore(normalised) != normalised) __builtin_trap();
    const std::string framed = FramedWordsToIgnore(normalised);
    const WordsToIgnore words(framed);
    (void)CheckAllowedExtraCharsMessage(text, arbitraryAllowed);
    (void)CheckAllowedExtraCharsMessage(normalised, BuildAllowedExtraChars(settings));

    settings.txbWordsToIgnore = text;
    (void)ApplyWordsToIgnore(settings);
    return 0;
}
