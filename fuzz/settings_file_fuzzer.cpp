// The state and settings file reader over arbitrary bytes, and a save and
// restore of whatever it read: what was read must come back unchanged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings_record.h"
#include "fuzz_support.h"
#include "settings/state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace lexicount;
    static const fuzz::ScratchFile input("settings.tly");
    static const fuzz::ScratchFile saved("saved.tly");
    const std::string_view content(reinterpret_cast<const char*>(bytes), size);
    input.Write(content);
    (void)Utf8FromTextFileBytes(content);

    SettingsRecord settings;
    std::string strCommonWordsFile;
    std::string strWordsToIgnore;
    const std::string message =
        RestoreSavedState(settings, strCommonWordsFile, strWordsToIgnore, input.path());
    if (!message.empty()) return 0;

    // A record read whole is saved and read again: every field survives
    // (double quotes aside, which a save drops and a clean read never has
    // after the quoting rules).
    if (!SaveState(settings, strCommonWordsFile, saved.path()).empty()) __builtin_trap();
    SettingsRecord again;
    std::string againCommonWordsFile;
    std::string againWordsToIgnore;
    if (!RestoreSavedState(again, againCommonWordsFile, againWordsToIgnore, saved.path()).empty())
        __builtin_trap();
    for (const FieldInfo& field : SettingsFields()) {
        if (field.kind == FieldKind::Text) continue;
        if (GetNumber(settings, field.name) != GetNumber(again, field.name)) __builtin_trap();
    }
    return 0;
}
