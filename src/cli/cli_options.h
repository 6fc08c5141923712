#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/settings_record.h"

namespace lexicount::cli {

struct Options {
    // Field assignments in the order given; applied after --settings.
    std::vector<std::pair<std::string, std::string>> sets;
    std::string input;  // "" or "-" for standard input; the first of several
    // Several files or folders (or one folder), counted into one list.
    std::vector<std::string> inputs;
    bool recursive = false;
    int jobs = 0;                       // workers for several inputs; 0: one a core
    bool perFile = false;               // columns by file in the exports of several inputs
    std::vector<std::string> includes;  // patterns of a folder's file names
    std::string type;                   // extension that decides comments and markup
    std::string output;
    std::string settingsFile;
    std::string saveSettingsFile;
    std::string commonWords;           // a language code or a file
    std::vector<std::string> exports;  // files, each in the format of its extension
    std::string saveCounts;            // the counted table, for a later merge
    // --merge-counts: the operands are saved counts to merge, not an input.
    bool mergeCounts = false;
    std::vector<std::string> countsFiles;
    // Many inputs rather than one file (several operands, a folder, or
    // the options that choose a folder's files).
    bool ManyInputs() const;
    bool autoCommonWords = false;
    bool summary = false;
    bool time = false;
    bool help = false;
    bool version = false;
};

// Parses and checks the arguments; on a usage error returns nullopt and
// sets error.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// Applies one checked assignment to the record.
void ApplySet(SettingsRecord& settings, const std::string& name, const std::string& value);

std::string UsageText();

}  // namespace lexicount::cli
