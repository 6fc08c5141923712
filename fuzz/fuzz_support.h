#pragma once

// Helpers shared by the fuzz harnesses.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/settings_record.h"

namespace lexicount::fuzz {

// Every check box and list field of the record from the fuzz input: check
// boxes 0, 1 or 2 (the greyed state), lists any index of their items.
inline void FillSettings(FuzzedDataProvider& data, SettingsRecord& settings) {
    for (const FieldInfo& field : SettingsFields()) {
        if (field.kind == FieldKind::CheckBox) {
            SetNumber(settings, field.name, data.ConsumeIntegralInRange(0, 2));
        } else if (field.kind == FieldKind::List && !field.items.empty()) {
            SetNumber(settings, field.name, data.ConsumeIntegralInRange(0, field.MaxValue()));
        }
    }
}

// One scratch file per process, rewritten for every input and removed at
// exit; the name carries the extension the code under test looks at.
class ScratchFile {
public:
    explicit ScratchFile(std::string_view name) {
        char folder[] = "/tmp/lexicount-fuzz-XXXXXX";
        if (mkdtemp(folder) == nullptr) std::abort();
        folder_ = folder;
        path_ = folder_ / std::string(name);
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::filesystem::path& Write(std::string_view bytes) const {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (f == nullptr) std::abort();
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
        std::fclose(f);
        return path_;
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

}  // namespace lexicount::fuzz
