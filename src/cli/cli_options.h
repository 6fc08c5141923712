#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_record.h"

namespace lexicount::cli {

struct Options {
    SettingsRecord settings;
    std::string input;  // "" or "-" for standard input
    std::string type;   // extension that decides comments and markup
    bool summary = false;
    bool help = false;
};

// Parses the arguments; on a usage error returns nullopt and sets error.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

std::string UsageText();

}  // namespace lexicount::cli
