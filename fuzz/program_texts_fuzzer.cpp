// The program-text loader over arbitrary content, as text and as a file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "settings/program_texts.h"
#include "settings/state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    static const fuzz::ScratchFile file("tly.dat");
    const std::string_view content(reinterpret_cast<const char*>(bytes), size);

    ProgramTexts parsed;
    const int result = parsed.Parse(Utf8FromTextFileBytes(content));
    if (result >= 1 && parsed.size() != static_cast<size_t>(result)) __builtin_trap();
    if (result < 1 && parsed.size() != 0) __builtin_trap();  // a failed load keeps the (empty) table
    (void)ProgramTextLoadMessage(result, "tly.dat");
    for (int number = 0; number < 4; ++number) {
        if (parsed.Get(number).size() > 4 * static_cast<size_t>(kMaxProgramTextLength)) __builtin_trap();
    }

    ProgramTexts loaded;
    file.Write(content);
    const int loadResult = loaded.Load(file.path());
    if (size > 0 && loadResult != result) __builtin_trap();  // the file reads as its text parses
    return 0;
}
